#!/usr/bin/env bash
# Makes the pictures of the README and the manuals from the real window: for each language and
# screen size, a virtual screen (Xvfb, with a window manager when one is installed) shows the
# window against the simulated unit (on its first start; on the large screen made as large as the
# screen), live data streaming, the advance map with its throttle rows in front. Writes
# docs/images/window-<language>-<size>.png, and English pictures of the heat map, of every tuning
# aid with a selected block, and of the Edit menu.
# LANGUAGES="ENGLISH:en" and SIZES="1366x768" make fewer; ONLY=<picture name> makes one. Needs Xvfb, xdotool and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -n "${NO_BUILD:-}" ] || bash scripts/build.sh >/dev/null
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshots: $tool is not installed" >&2; exit 1; }
done

languages=(${LANGUAGES:-ENGLISH:en DEUTSCH:de FRANCE:fr CESKY:cz})
sizes=(${SIZES:-1366x768 1920x1080})
display_number=97
# Mouse drags over map cells, at the places the window takes on its first start.
WORKBENCH_DRAG="mousemove 816 506 mousedown 1 sleep 0.2 mousemove 930 560 sleep 0.2
    mousemove 1048 615 sleep 0.2 mouseup 1"
EDIT_MENU_DRAG="mousemove 248 242 mousedown 1 sleep 0.2 mousemove 350 272 sleep 0.2
    mousemove 440 302 sleep 0.2 mouseup 1"

shoot_now() { # language-word language-code size [picture-name extra-settings xdotool-steps]
    local word=$1 code=$2 size=$3 name=${4:-window-$2-$3} extra=${5:-} steps=${6:-} work pids=()
    work=$(mktemp -d)
    Xvfb ":$display_number" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    export DISPLAY=":$display_number"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    if command -v openbox >/dev/null; then
        openbox >/dev/null 2>&1 &
        pids+=($!)
        sleep 0.5
    fi
    mkdir -p "$work/config/kx_flam3"
    printf '[FORM_HLAV]\nPageControl1->ActivePageIndex=2\n%b' "$extra" >"$work/config/kx_flam3/kx_flam3.ini"
    ./build/tools/sim/kx_flam3_sim --link "$work/unit" --image "$work/image.txt" >/dev/null &
    pids+=($!)
    for _ in $(seq 50); do [ -e "$work/unit" ] && break; sleep 0.1; done
    # The unit gets the map with its throttle rows, and the window reads it: the whole grid shows.
    ./build/tools/cli/kx_flam3_cli read --port "$work/unit" --out "$work/tune.ign" >/dev/null
    sed -i 's/^TPS_MAPA\( *\)0/TPS_MAPA\11/' "$work/tune.ign"
    ./build/tools/cli/kx_flam3_cli program --port "$work/unit" "$work/tune.ign" >/dev/null
    XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" KX_FLAM3_COM1="$work/unit" \
        ./build/kx_flam3 "$word" >/dev/null 2>&1 &
    pids+=($!)
    sleep 2
    local window width=${size%x*} height=${size#*x}
    window=$(xdotool search --sync --onlyvisible --name KX_FLAM3 | head -1)
    # On the large screen the window is shown as a maximised one, less a title bar.
    [ "$width" -ge 1920 ] && xdotool windowmove "$window" 0 0 windowsize "$window" "$width" "$((height - 30))"
    xdotool windowactivate --sync "$window" key F7 >/dev/null 2>&1
    sleep 4 # the read, the first telegrams, and the live cell marked
    # shellcheck disable=SC2086 # the steps are xdotool's words
    [ -z "$steps" ] || xdotool $steps
    import -window root "docs/images/$name.png"
    kill "${pids[@]}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
    echo "docs/images/$name.png"
}
shoot() { shoot_now "$@"; }

# The pictures beyond the main window, each made by its name: ONLY="history-en-1366x768" makes
# just that one.
extras() {
    shoot ENGLISH en 1920x1080 window-en-heat-map-1920x1080 '[KX_FLAM3_WORKBENCH]\nHeatMap=1\n'
    # Every tuning aid on, a block of cells dragged out, the engine's trail and times gathered.
    shoot ENGLISH en 1920x1080 window-en-workbench-1920x1080 \
        '[KX_FLAM3_WORKBENCH]\nHeatMap=1\nCurve=1\nTrail=1\nDwell=1\n' \
        "$WORKBENCH_DRAG sleep 12"
    # The Edit menu opened over a block dragged out on the small screen.
    shoot ENGLISH en 1366x768 window-en-edit-menu-1366x768 '' \
        "$EDIT_MENU_DRAG sleep 0.5 mousemove 232 28 click 1 sleep 0.5"
    # Two programs after the read, each a degree more on curve A, then the history listed.
    shoot ENGLISH en 1366x768 history-en-1366x768 '' \
        "key F5 sleep 0.5 key F9 sleep 5 key F5 sleep 0.5 key F9 sleep 5 key ctrl+shift+h sleep 2"
    # Two degrees more on the screen than in the unit, compared with the unit.
    shoot ENGLISH en 1366x768 comparison-en-1366x768 '' \
        "key F5 sleep 0.5 key F5 sleep 0.5 key ctrl+shift+u sleep 4"
}

if [ -n "${ONLY:-}" ]; then
    shoot() { [ "$4" = "$ONLY" ] && shoot_now "$@" || true; }
    extras
    exit 0
fi
for entry in "${languages[@]}"; do
    for size in "${sizes[@]}"; do
        shoot "${entry%%:*}" "${entry##*:}" "$size"
    done
done
[ -n "${LANGUAGES:-}${SIZES:-}" ] || extras
