#!/usr/bin/env bash
# Walks the data log on a virtual screen against the simulated unit: about a minute logged from
# the window, the unit's line pulled for a few seconds and plugged in again, logging stopped, the
# log checked (rows on both sides of a gap longer than two seconds) and opened with
# kx_flam3 --log, its cursor replayed on the map. Writes docs/images/log-viewer-, log-replay- and
# log-dwell-en-1920x1080.png. The mouse goes to places the windows take on a 1920x1080 screen,
# large enough for the map and the viewer side by side.
# LOG_SECONDS=20 logs for a shorter time. Needs Xvfb, openbox, xdotool and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -n "${NO_BUILD:-}" ] || bash scripts/build.sh >/dev/null
source scripts/virtual-screen.sh
need_tools log-walk Xvfb openbox xdotool import
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
start_virtual_screen 95 1920x1080
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" KX_FLAM3_COM1="$work/unit"
mkdir -p "$work/config/kx_flam3"
printf '[FORM_HLAV]\nPageControl1->ActivePageIndex=2\n' >"$work/config/kx_flam3/kx_flam3.ini"

sim() { # extra options
    ./build/tools/sim/kx_flam3_sim --link "$work/unit" --image "$work/image.txt" "$@" >/dev/null &
    sim_pid=$!
    pids+=($sim_pid)
    for _ in $(seq 50); do [ -e "$work/unit" ] && break; sleep 0.1; done
}
# The unit answers about three times a second; the window's read and the two programs below
# take some twenty answers more.
seconds=${LOG_SECONDS:-60}
sim --unplug-after "$((seconds * 3 + 25))"
# The unit gets its map with throttle rows, so the engine visits the whole grid.
./build/tools/cli/kx_flam3_cli read --port "$work/unit" --out "$work/tune.ign" >/dev/null
sed -i 's/^TPS_MAPA\( *\)0/TPS_MAPA\11/' "$work/tune.ign"
./build/tools/cli/kx_flam3_cli program --port "$work/unit" "$work/tune.ign" >/dev/null

./build/kx_flam3 >/dev/null 2>&1 &
window_pid=$!
pids+=($window_pid)
window=$(xdotool search --sync --onlyvisible --name KX_FLAM3 | head -1)
xdotool windowactivate --sync "$window" key F7 >/dev/null 2>&1
sleep 3
xdotool key ctrl+l
echo "log-walk: logging; the line is pulled after about $seconds s"
wait "$sim_pid" || true
sleep 5 # the cable out
sim
sleep 8
xdotool windowactivate --sync "$window" key ctrl+l >/dev/null 2>&1
sleep 1
log=$(ls "$work"/data/kx_flam3/logs/log-*.csv)
awk -F, 'NR > 2 && $1 - last > gap { gap = $1 - last } NR > 1 { last = $1; rows++ }
    END { printf "log-walk: %d rows, longest gap %d ms\n", rows, gap
          if (rows < 30 || gap <= 2000) exit 1 }' "$log"
kill "$window_pid"
wait "$window_pid" 2>/dev/null || true

./build/kx_flam3 --log "$log" >/dev/null 2>&1 &
pids+=($!)
main=$(xdotool search --sync --onlyvisible --name KX_FLAM3 | head -1)
viewer=$(xdotool search --sync --onlyvisible --name "log-" | head -1)
sleep 1
# The window reads the unit, so its map shows the throttle rows the log was made with.
xdotool windowactivate --sync "$main" key F7 >/dev/null 2>&1
sleep 3
# The viewer beside the main window, its cursor into the first minute's middle.
xdotool windowmove "$main" 0 0
xdotool windowmove "$viewer" 1020 0 windowsize "$viewer" 900 1040
sleep 1
xdotool windowactivate --sync "$viewer" >/dev/null 2>&1
xdotool mousemove 1400 250 click 1
sleep 1.5
import -window root docs/images/log-replay-en-1920x1080.png
import -window "$viewer" -frame docs/images/log-viewer-en-1920x1080.png
xdotool key ctrl+Tab
sleep 1
import -window "$viewer" -frame docs/images/log-dwell-en-1920x1080.png
echo docs/images/log-{viewer,replay,dwell}-en-1920x1080.png
