# Sourced by the walks that drive the real window: the tools they need, and a virtual screen with
# a window manager (openbox gives the keyboard focus the walks type into). The caller keeps the
# started processes in its array pids and ends them on exit.

# need_tools WALK TOOL...: stops the walk with a plain message for the first missing tool.
need_tools() {
    local walk=$1
    shift
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "$walk: $tool is not installed" >&2; exit 1; }
    done
}

# start_virtual_screen DISPLAY_NUMBER WIDTHxHEIGHT: the screen becomes this shell's DISPLAY.
start_virtual_screen() {
    Xvfb ":$1" -screen 0 "$2x24" -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    export DISPLAY=":$1"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >/dev/null 2>&1 &
    pids+=($!)
}
