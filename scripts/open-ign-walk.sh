#!/usr/bin/env bash
# Walks the installed package as a desktop user meets it, on a virtual screen: the package built
# from ./build is installed with apt-get, an .ign file is opened with gio open (as a double-click
# in a file manager does), and the window must come up with that file loaded: its name beside
# "File:" and, after a normal close, in the settings. Writes docs/images/open-ign-en-1366x768.png
# and removes the package again unless it was installed before or KEEP_PACKAGE is set. Needs
# root (apt-get), Xvfb, openbox, xdotool, GIO (libglib2.0-bin) and ImageMagick; NO_BUILD=1 skips
# the build.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -n "${NO_BUILD:-}" ] || bash scripts/build.sh >/dev/null
source scripts/virtual-screen.sh
need_tools open-ign-walk Xvfb openbox xdotool gio import
# The folder shows beside "File:" in the picture, so it has a name that reads as a workshop's.
work=$(mktemp -d /tmp/workshop-XXXX)
chmod 755 "$work" # apt's sandbox user reads the package from here
pids=()
# A package the machine had before the walk stays, in the version the walk installed.
dpkg-query -W -f='${Status}' kx-flam3 2>/dev/null | grep -q "ok installed" && KEEP_PACKAGE=1
finish() {
    kill "${pids[@]}" 2>/dev/null || true
    wait 2>/dev/null || true
    [ -n "${KEEP_PACKAGE:-}" ] || apt-get remove -y kx-flam3 >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap finish EXIT

build=$PWD/build
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
package=$(ls "$work"/*.deb)
DEBIAN_FRONTEND=noninteractive apt-get install -y "$package" >/dev/null
echo "open-ign-walk: installed $(basename "$package")"

start_virtual_screen 96 1366x768
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" KX_FLAM3_COM1="$work/unit"
mkdir -p "$work/config/kx_flam3"
# The Bike page, which shows the name of the open file beside "File:".
printf "[FORM_HLAV]\nPageControl1->ActivePageIndex=1\n" >"$work/config/kx_flam3/kx_flam3.ini"

# A configuration as a technician keeps it: read from the (simulated) unit, which then stays on
# the line so the window shows live data beside it.
kx_flam3_sim --link "$work/unit" --image "$work/image.txt" >/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -e "$work/unit" ] && break; sleep 0.1; done
mkdir "$work/tunes"
kx_flam3_cli read --port "$work/unit" --out "$work/tunes/race.ign" >/dev/null

# GIO is what the desktops' file managers open files with (and what xdg-open hands over to under
# GNOME); its type comes from the file name, as the MIME data gives it. xdg-open without a
# desktop guesses types from the content, which calls an .ign file plain text.
gio info -a standard::content-type "$work/tunes/race.ign" |
    grep -q "content-type: application/x-kx-flam3-config" ||
    { echo "open-ign-walk: the desktop does not know .ign files" >&2; exit 1; }
gio mime application/x-kx-flam3-config | grep -q "^Default application.*kx_flam3.desktop" ||
    { echo "open-ign-walk: .ign files do not open with the window" >&2; exit 1; }
gio open "$work/tunes/race.ign"
window=$(xdotool search --sync --onlyvisible --name KX_FLAM3 | head -1)
sleep 3
import -window "$window" -frame docs/images/open-ign-en-1366x768.png
xdotool windowactivate --sync "$window" key alt+F4 >/dev/null 2>&1
for _ in $(seq 50); do pgrep -x kx_flam3 >/dev/null || break; sleep 0.1; done
grep -q "^File=.*race.ign" "$work/config/kx_flam3/kx_flam3.ini" ||
    { echo "open-ign-walk: the window did not keep the file it opened" >&2; exit 1; }
echo "open-ign-walk: gio open started the window with race.ign; docs/images/open-ign-en-1366x768.png"
