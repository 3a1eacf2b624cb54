#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into ./build-asan and runs
# the whole test suite there. Any sanitizer report fails the test that caused it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# -O1 -g1 keeps the build quick and the reports readable (g1 still has line numbers).
flags="-O1 -g1 -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
# The benchmarks are left out: timing code gains nothing from the sanitizers.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE= -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-asan --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure --timeout 600
