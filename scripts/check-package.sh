#!/usr/bin/env bash
# Builds the Debian package from ./build and checks it: Debian's own checks (lintian), what it
# installs, the desktop entry, the AppStream data, the file type of .ign files, that the manual
# pages keep up with --help, and the shell completion. Run after scripts/build.sh; another build
# folder may be named as the first argument.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=$(realpath "${1:-build}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
package=$(ls "$work"/*.deb)
root=$work/root
dpkg-deb -x "$package" "$root"

missing=0
fail() { echo "$*" >&2; missing=1; }

lintian --fail-on error,warning "$package" || fail "lintian found faults"

doc=usr/share/doc/kx-flam3
for file in usr/bin/kx_flam3 usr/bin/kx_flam3_cli usr/bin/kx_flam3_sim \
    usr/share/applications/kx_flam3.desktop usr/share/icons/hicolor/scalable/apps/kx_flam3.svg \
    usr/share/man/man1/{kx_flam3,kx_flam3_cli,kx_flam3_sim}.1.gz \
    usr/share/bash-completion/completions/kx_flam3_cli usr/share/mime/packages/kx_flam3.xml \
    usr/share/metainfo/org.example.kx_flam3.metainfo.xml \
    $doc/copyright $doc/changelog.Debian.gz $doc/manual_meridan_kx_flam3_{en,de,fr,cz}.pdf; do
    [ -s "$root/$file" ] || fail "package lacks /$file"
done
desktop-file-validate "$root/usr/share/applications/kx_flam3.desktop" || fail "bad desktop entry"
appstreamcli validate --no-net --explain "$root/usr/share/metainfo/org.example.kx_flam3.metainfo.xml" \
    >/dev/null || fail "bad AppStream data"
dpkg-deb -f "$package" Depends | grep -q libqt6widgets6 || fail "no Qt dependency"

# The desktop opens .ign files with the window only if the type the MIME data gives them is the
# one the desktop entry takes.
mime=$work/mime
mkdir -p "$mime/packages"
cp "$root/usr/share/mime/packages/kx_flam3.xml" "$mime/packages/"
update-mime-database "$mime" 2>/dev/null
type=$(awk -F: '$3 == "*.ign" { print $2 }' "$mime/globs2")
[ -n "$type" ] || fail "the MIME data gives .ign files no type"
grep -qx "MimeType=$type;" "$root/usr/share/applications/kx_flam3.desktop" ||
    fail "the desktop entry does not take $type"

# Every option a program's --help names is described on its manual page.
bin=$root/usr/bin
for program in kx_flam3 kx_flam3_cli kx_flam3_sim; do
    page=$(zcat "$root/usr/share/man/man1/$program.1.gz" | sed 's/\\-/-/g')
    for option in $(QT_QPA_PLATFORM=offscreen "$bin/$program" --help | grep -o -- '--[a-z-]*[a-z]' | sort -u); do
        grep -q -- "$option\b" <<<"$page" || fail "the manual page of $program lacks $option"
    done
done

# Completion as bash asks for it: the words so far, the one under the cursor last.
complete_words() {
    (
        cd "$files"
        source /usr/share/bash-completion/bash_completion
        source "$root/usr/share/bash-completion/completions/kx_flam3_cli"
        COMP_WORDS=(kx_flam3_cli "$@")
        COMP_CWORD=$#
        COMP_LINE="${COMP_WORDS[*]}"
        COMP_POINT=${#COMP_LINE}
        _kx_flam3_cli
        echo "${COMPREPLY[*]}"
    )
}
expect_completion() {
    local want=$1
    shift
    local got
    got=$(complete_words "$@")
    [ "$got" = "$want" ] || fail "completing 'kx_flam3_cli $*': '$got', expected '$want'"
}
files=$work/files
mkdir "$files"
touch "$files/race.ign" "$files/run.csv"
expect_completion monitor mon
expect_completion "--port --seconds --csv --lang --verbose --help" monitor --
expect_completion "COM2 COM20" info --port COM2
expect_completion "race.ign" program --port COM1 r
expect_completion "run.csv" monitor --port COM1 --csv r
expect_completion "DEUTSCH" read --lang D
expect_completion "" history --limit ""

version=$("$bin/kx_flam3_cli" --version)
[ $missing -eq 0 ] && echo "package ok: $(basename "$package") ($version)"
exit $missing
