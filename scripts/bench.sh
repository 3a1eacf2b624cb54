#!/usr/bin/env bash
# Builds and runs every benchmark offscreen and prints their tables (see docs/benchmarks.md).
# Takes about a minute and a half; the machine should be otherwise idle for repeatable figures.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if ! cmake --build build --parallel "$(nproc)" --target bench >build/bench-build.log 2>&1; then
    cat build/bench-build.log >&2
    exit 1
fi
export QT_QPA_PLATFORM=offscreen

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)," \
    "Qt $(qtpaths6 --qt-version 2>/dev/null || echo unknown), load average $(cut -d' ' -f1-3 /proc/loadavg)"
for bench in core window log_viewer startup exchange streaming; do
    program="build/bench/bench_$bench"
    [ -x "$program" ] || continue
    echo
    "$program"
done
