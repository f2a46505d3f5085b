#!/usr/bin/env bash
# `cmake --install` into an empty prefix gives a working install: the three
# programs (and oxlin's companion), the help package in share/oxlin, manual
# pages, the desktop entries (valid, starting the installed programs), the
# icon in every hicolor size and the file type of notebook packages.
#
# usage: install_check.sh CMAKE BUILD_FOLDER
set -uo pipefail

cmake=$1
build=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

unset DESTDIR
"$cmake" --install "$build" --prefix "$prefix" >"$prefix/install.log" 2>&1 ||
    { cat "$prefix/install.log" >&2; fail "cmake --install failed"; }

for program in Notebook Vistelo oxlin; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is missing or not executable"
done
# The help must be a notebook the installed tools can read, not just a file.
"$prefix/bin/oxlin" tree "$prefix/share/oxlin/OxlinHelp.xzz" | grep -q "Welcome.rtf" ||
    fail "share/oxlin/OxlinHelp.xzz is missing or holds no Welcome topic"
# oxlin hands its rich-text commands to the companion installed under libexec.
[ -x "$prefix/libexec/oxlin/oxlin-rich" ] || fail "libexec/oxlin/oxlin-rich is missing"
"$prefix/bin/oxlin" search "$prefix/share/oxlin/OxlinHelp.xzz" notebook | grep -q "Welcome.rtf" ||
    fail "the installed oxlin cannot search the help's text"

# The translations are in share/oxlin; oxlin, and its companion from libexec, find them there.
[ -f "$prefix/share/oxlin/translations/oxlin_de.qm" ] || fail "share/oxlin/translations is missing"
german() { env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=de_DE.UTF-8 "$@" 2>&1; }
out=$(german "$prefix/bin/oxlin" tree "$prefix/missing.xzz")
[[ "$out" == *"kann nicht gelesen"* ]] || fail "the installed oxlin does not speak German: $out"
out=$(german "$prefix/bin/oxlin" rtf text "$prefix/missing.rtf")
[[ "$out" == *"kann nicht gelesen"* ]] || fail "the installed oxlin-rich does not speak German: $out"

for page in Notebook Vistelo oxlin; do
    man -l "$prefix/share/man/man1/$page.1.gz" >/dev/null 2>&1 || fail "the manual page of $page does not read"
done
[ -f "$prefix/share/bash-completion/completions/oxlin" ] || fail "oxlin's bash completion is missing"
# A plain install is no package: the programs keep their own update check.
[ ! -e "$prefix/share/oxlin/installed-by-package" ] || fail "a plain install says a package made it"

apps="$prefix/share/applications"
for entry in oxlin-notebook oxlin-vistelo; do
    file="$apps/$entry.desktop"
    [ -f "$file" ] || fail "$entry.desktop was not installed"
    if command -v desktop-file-validate >/dev/null; then
        out=$(desktop-file-validate "$file" 2>&1) || fail "$entry.desktop: $out"
        [ -z "$out" ] || fail "$entry.desktop: $out"
    else
        echo "note: desktop-file-validate is not installed; $entry.desktop not validated"
    fi
    exec_line=$(grep '^Exec=' "$file") || fail "$entry.desktop has no Exec line"
    program=${exec_line#Exec=}
    program=${program%% *}
    [ "$program" = "$prefix/bin/${program##*/}" ] && [ -x "$program" ] ||
        fail "$entry.desktop does not start the installed program: $exec_line"
    grep -q '^Icon=oxlin-notebook$' "$file" || fail "$entry.desktop names another icon"
done
grep -q '^MimeType=application/x-oxlin-notebook;$' "$apps/oxlin-vistelo.desktop" ||
    fail "Vistelo does not open notebook packages"

icons="$prefix/share/icons/hicolor"
[ -f "$icons/scalable/apps/oxlin-notebook.svg" ] || fail "the scalable icon is missing"
for size in 16 24 32 48 64 128 256; do
    png="$icons/${size}x${size}/apps/oxlin-notebook.png"
    [ -f "$png" ] || fail "the ${size}px icon is missing"
    # The PNG signature, then IHDR's width and height (big-endian, bytes 16-23).
    [ "$(od -An -tx1 -N8 "$png" | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "$png is not a PNG"
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "$width" = "$size" ] && [ "$height" = "$size" ] ||
        fail "$png is ${width}x${height}, not ${size}x${size}"
done

[ -f "$prefix/share/mime/packages/oxlin-notebook.xml" ] || fail "the package file type is missing"
if command -v update-mime-database >/dev/null; then
    grep -q "application/x-oxlin-notebook:\*\.xzz" "$prefix/share/mime/globs2" ||
        fail "the mime database does not map *.xzz"
fi
echo "installed and checked under $prefix"
