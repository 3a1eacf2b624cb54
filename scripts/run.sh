#!/usr/bin/env bash
# Builds the tool and starts it against the simulated unit, or against a real unit when a port
# is named (COM1 ... COM20 or a device path such as /dev/ttyUSB0).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null

port="${1:-}"
if [ -z "$port" ]; then
    workdir=$(mktemp -d)
    port="$workdir/unit"
    ./build/tools/sim/kx_flam3_sim --link "$port" --image "$workdir/image.txt" >/dev/null &
    sim=$!
    trap 'kill $sim 2>/dev/null; rm -rf "$workdir"' EXIT
    for _ in $(seq 50); do [ -e "$port" ] && break; sleep 0.1; done
    echo "Simulated unit on $port" >&2
fi

./build/tools/cli/kx_flam3_cli info --port "$port"
echo "Live values (Ctrl+C to stop):" >&2
./build/tools/cli/kx_flam3_cli monitor --port "$port" ${KX_RUN_SECONDS:+--seconds "$KX_RUN_SECONDS"}
