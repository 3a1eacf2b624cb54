#!/usr/bin/env bash
# Walks the map's block editing on a virtual screen against the simulated unit, with
# "Programming after change" ticked: a block of the 100 % row dragged out, the raise step set to
# 2, raised, interpolated, copied, pasted beside itself, then undone step by step. After every
# step the unit's stored image is kept; the walk fails unless each step reached the unit and the
# last undo brought back exactly the image it started with. The mouse goes to the places the
# window takes on its first start on a 1366x768 screen. Needs Xvfb, openbox and xdotool; with
# xclip it also prints what the copy put on the clipboard.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null
source scripts/virtual-screen.sh
need_tools workbench-walk Xvfb openbox xdotool
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
start_virtual_screen 96 1366x768
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
./build/tools/sim/kx_flam3_sim --link "$work/unit" --image "$work/image.txt" >/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -e "$work/unit" ] && break; sleep 0.1; done
KX_FLAM3_COM1="$work/unit" ./build/kx_flam3 >/dev/null 2>&1 &
pids+=($!)
xdotool search --sync --onlyvisible --name KX_FLAM3 >/dev/null
sleep 2

settle() { sleep 4; } # a program and its verify take about a second; the unit then stores
keep() { cp "$work/image.txt" "$work/$1.txt"; }
xdotool mousemove 668 270 click 1 # "Programming after change": the record is programmed once
settle
xdotool mousemove 383 103 click 1 sleep 0.5 # the Advance Map page
keep start
xdotool mousemove 246 181 mousedown 1 sleep 0.2 mousemove 350 182 sleep 0.2 \
    mousemove 440 182 sleep 0.2 mouseup 1 # four cells of the 100 % row
xdotool mousemove 232 28 click 1 sleep 0.5 mousemove 318 340 click 1 sleep 1 # Edit > Step...
xdotool key ctrl+a type 2
xdotool key Return sleep 0.5
xdotool key plus
settle
keep raised
xdotool key ctrl+i
settle
keep interpolated
xdotool key ctrl+c sleep 0.3
if command -v xclip >/dev/null; then
    echo "copied: $(xclip -selection clipboard -o | cat -A)"
fi
xdotool mousemove 502 181 click 1 sleep 0.3 key ctrl+v # beside the block
settle
keep pasted
for step in 1 2 3; do
    xdotool key ctrl+z
    settle
    keep "undo$step"
done

failed=0
for stage in raised interpolated pasted undo1 undo2; do
    if cmp -s "$work/start.txt" "$work/$stage.txt"; then
        echo "workbench-walk: the unit did not change at '$stage'" >&2
        failed=1
    fi
done
for stage in raised interpolated pasted undo1 undo2 undo3; do
    echo "== $stage, the row that differs from the start:"
    diff "$work/start.txt" "$work/$stage.txt" | sed -n 's/^> //p' || true
done
if ! cmp -s "$work/start.txt" "$work/undo3.txt"; then
    echo "workbench-walk: undone to the start, the unit holds something else" >&2
    failed=1
fi
[ "$failed" -eq 0 ] && echo "workbench-walk: every step reached the unit; undone, it holds the start"
exit "$failed"
