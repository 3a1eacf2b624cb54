#!/usr/bin/env bash
# Builds the tool and starts its window. Without arguments the window talks to the simulated unit
# on Com 1; with --unit it starts alone, for a real unit on the port chosen in its Com menu.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null

if [ "${1:-}" = "--unit" ]; then
    shift
    exec ./build/kx_flam3 "$@"
fi

workdir=$(mktemp -d)
unit="$workdir/unit"
./build/tools/sim/kx_flam3_sim --link "$unit" --image "$workdir/image.txt" >/dev/null &
sim=$!
trap 'kill $sim 2>/dev/null; rm -rf "$workdir"' EXIT
for _ in $(seq 50); do [ -e "$unit" ] && break; sleep 0.1; done
echo "Simulated unit on $unit, reached as Com 1" >&2
KX_FLAM3_COM1="$unit" ./build/kx_flam3 "$@"
