#!/usr/bin/env bash
# Pulls the simulated unit's cable under the running window and plugs it in again. Prints the
# window's CPU share in the five seconds after the unplug (a busy retry loop would show here) and
# the time from the device's return until the window talks to it again.
# Usage: scripts/unplug-check.sh. KX_BUILD_DIR=dir uses an existing build instead of ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${KX_BUILD_DIR:-}"
if [ -z "$build" ]; then
    bash scripts/build.sh >/dev/null
    build=build
fi
sim="$build/tools/sim/kx_flam3_sim"

workdir=$(mktemp -d)
unit="$workdir/unit"
window=""
sim_pid=""
cleanup() {
    [ -n "$window" ] && kill "$window" 2>/dev/null || true
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true
    rm -rf "$workdir"
}
trap cleanup EXIT

now() { date +%s.%N; }
calc() { awk "BEGIN { printf \"%.${1}f\", ($2) }"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
wait_for() { # wait_for SECONDS COMMAND...: true once COMMAND succeeds
    local deadline
    deadline=$(calc 3 "$(now) + $1")
    shift
    until "$@"; do
        [ "$(calc 0 "$(now) > $deadline")" = 1 ] && return 1
        sleep 0.02
    done
}

export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$workdir/config" XDG_DATA_HOME="$workdir/data"
# Whatever Com the settings pick, it is the simulated unit.
for n in $(seq 20); do export "KX_FLAM3_COM$n=$unit"; done

# About ten answers reach the window: three seconds of live data, then the cable is pulled.
"$sim" --link "$unit" --unplug-after 10 >/dev/null &
sim_pid=$!
wait_for 5 test -e "$unit"
"$build/kx_flam3" &
window=$!
wait "$sim_pid" || true
sim_pid=""
unplugged=$(now)
ticks_before=$(cpu_ticks "$window")
sleep 5
ticks_after=$(cpu_ticks "$window")
cpu=$(calc 1 "($ticks_after - $ticks_before) * 100 / $(getconf CLK_TCK) / 5")
echo "CPU share in the 5 s after the unplug: ${cpu} %"

# Plugged in again: a new unit on the same path. The window has reopened the port once the first
# monitor request arrives there.
log="$workdir/sim.log"
"$sim" --link "$unit" --verbose >/dev/null 2>"$log" &
sim_pid=$!
wait_for 5 test -e "$unit"
back=$(now)
if ! wait_for 10 grep -q "rx 30" "$log"; then
    echo "the window did not talk to the unit again within 10 s" >&2
    exit 1
fi
echo "recovery after the device is back: $(calc 2 "$(now) - $back") s"
kill -0 "$window" || { echo "the window has ended" >&2; exit 1; }
echo "unplugged at $(date -d "@$unplugged" +%T), window still running"
