#!/usr/bin/env bash
# Builds the Debian package from ./build and checks what it installs: the programs, a valid
# desktop entry, the icon and the four manuals. Run after scripts/build.sh; another build folder
# may be named as the first argument.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
package=$(ls "$work"/*.deb)
dpkg-deb -x "$package" "$work/root"

missing=0
for file in usr/bin/kx_flam3 usr/bin/kx_flam3_cli usr/bin/kx_flam3_sim \
    usr/share/applications/kx_flam3.desktop usr/share/icons/hicolor/scalable/apps/kx_flam3.svg \
    usr/share/doc/kx_flam3/manual_meridan_kx_flam3_{en,de,fr,cz}.pdf; do
    [ -s "$work/root/$file" ] || { echo "package lacks /$file" >&2; missing=1; }
done
desktop-file-validate "$work/root/usr/share/applications/kx_flam3.desktop"
dpkg-deb -f "$package" Depends | grep -q libqt6widgets6 || { echo "no Qt dependency" >&2; missing=1; }
version=$("$work/root/usr/bin/kx_flam3_cli" --version)
[ $missing -eq 0 ] && echo "package ok: $(basename "$package") ($version)"
exit $missing
