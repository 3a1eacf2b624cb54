#!/usr/bin/env bash
# Fault-injection soak: programs and reads the simulated unit under random line faults and prints
# the counts. Usage: scripts/soak.sh [cycles] [seed]. Non-zero exit when an invariant broke.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null
arguments=(--cycles "${1:-200}" --sim build/tools/sim/kx_flam3_sim)
[ -n "${2:-}" ] && arguments+=(--seed "$2")
exec ./build/tools/soak/kx_flam3_soak "${arguments[@]}"
