#!/usr/bin/env bash
# Builds the fuzz targets with clang (ASan + UBSan) into ./build-fuzz and runs each one for the
# given number of seconds (default 20), starting from the seeds in fuzz/corpus/<target>.
# New inputs go to build-fuzz/corpus/<target>, anything that fails to build-fuzz/artifacts/.
# Usage: bash scripts/fuzz.sh [seconds] [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(config_file record_copy ini_file monitor_telegram transfer_engine block_text
    history_index telegram_log)

bash scripts/install-deps.sh clang libclang-rt-14-dev

cmake -S . -B build-fuzz -G Ninja -DKX_WITH_QT=OFF -DKX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ >/dev/null
if ! cmake --build build-fuzz --parallel "$(nproc)" >build-fuzz/build.log 2>&1; then
    cat build-fuzz/build.log >&2
    exit 1
fi

mkdir -p build-fuzz/artifacts
failed=0
for target in "${targets[@]}"; do
    work="build-fuzz/corpus/$target"
    mkdir -p "$work"
    log="build-fuzz/fuzz_$target.log"
    if ! build-fuzz/fuzz/fuzz_"$target" "$work" "fuzz/corpus/$target" -max_total_time="$seconds" \
        -max_len=4096 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/artifacts/$target-" >"$log" 2>&1; then
        failed=1
        echo "fuzz_$target: FAILED, see $log and build-fuzz/artifacts/" >&2
        grep -m1 -A3 "ERROR\|invariant broken\|runtime error" "$log" >&2 || true
        continue
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$target: $runs executions in ${seconds} s, no failures"
done
exit $failed
