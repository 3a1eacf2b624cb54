#!/usr/bin/env bash
# Installs what building and testing need on a Debian machine, and any further packages named as
# arguments. Quiet and quick when all is there.
set -euo pipefail
# libbenchmark-dev: the benchmarks; fonts-dejavu-core: the manuals' letters;
# qt6-translations-l10n: Qt's dialog buttons in the window's language;
# dpkg-dev, file: the Debian package; lintian, desktop-file-utils, appstream (appstreamcli),
# shared-mime-info, bash-completion: its checks; qt6-charts-dev: the curves, whose
# CMake files need the OpenGL module's (libqt6opengl6-dev), which Debian does not pull in.
packages=(cmake ninja-build g++ qt6-base-dev qt6-serialport-dev qt6-charts-dev libqt6opengl6-dev
    libgl-dev libbenchmark-dev fonts-dejavu-core qt6-translations-l10n dpkg-dev file lintian
    desktop-file-utils appstream shared-mime-info bash-completion "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
echo "Installing: ${missing[*]}" >&2
$sudo_cmd apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
