#!/usr/bin/env bash
# `make package` gives a Debian package that lintian finds no error or
# warning in, and whose programs work from where dpkg puts them: oxlin builds,
# lists and searches notebooks (through its companion under libexec),
# Notebook says a package installed it, and, installed where the user cannot
# write, Notebook keeps its notebooks in the user's own data folder.
#
# usage: package_check.sh CPACK BUILD_FOLDER VERSION
set -uo pipefail

cpack=$1
build=$2
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

command -v dpkg-deb >/dev/null || { echo "SKIP: dpkg-deb is not installed"; exit 77; }

(cd "$build" && "$cpack" -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb="$work/out/oxlin_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$work/out")"

control=$(dpkg-deb -f "$deb")
grep -q '^Depends:.*libqt6widgets6' <<<"$control" || fail "Depends lacks the Qt libraries: $control"
grep -q '^Recommends:.*fonts-wqy-zenhei.*hunspell-dictionary' <<<"$control" ||
    fail "Recommends lacks the CJK font or a dictionary"

if command -v lintian >/dev/null; then
    # Informational tags are kept (see the packaging notes); errors and warnings are not.
    found=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -E '^(E|W): ')
    [ -z "$found" ] || fail "lintian: $found"
else
    echo "note: lintian is not installed; the package was not checked by it"
fi

root="$work/root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x failed"
usr="$root/usr"
"$usr/bin/oxlin" --version | grep -q "^oxlin $version" || fail "oxlin --version"
mkdir -p "$work/notes/Ideas"
echo "packaged and working" >"$work/notes/Ideas/first.txt"
"$usr/bin/oxlin" build "$work/notes" "$work/Notes.xzz" >/dev/null || fail "oxlin build"
"$usr/bin/oxlin" tree "$work/Notes.xzz" | grep -q "first.txt" || fail "oxlin tree"
"$usr/bin/oxlin" search "$usr/share/oxlin/OxlinHelp.xzz" notebook | grep -q "Welcome.rtf" ||
    fail "oxlin search through its companion"
for help in OxlinHelp_de.xzz OxlinHelp_zh_CN.xzz; do
    "$usr/bin/oxlin" tree "$usr/share/oxlin/$help" >/dev/null || fail "the package lacks $help"
done
env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/Notebook" --version |
    grep -q "installed by the Debian package" || fail "Notebook --version does not name the package"

# Installed where the user cannot write: the notebooks go to the user's data
# folder. Root writes anywhere, so as root the program runs as nobody.
chmod 755 "$work"
home="$work/home"
mkdir -p "$home"
run=(env -i PATH=/usr/bin:/bin HOME="$home" XDG_DATA_HOME="$home/data"
     XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=offscreen "$usr/bin/Notebook")
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody "$home"
    run=(setpriv --reuid=nobody --regid=nogroup --clear-groups "${run[@]}")
else
    chmod a-w "$usr/bin"
fi
"${run[@]}" >"$work/notebook.log" 2>&1 &
pid=$!
data="$home/data/Oxlin/OxlinData"
for _ in $(seq 300); do
    [ -d "$data/OxlinHelp" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
[ -d "$data/OxlinHelp" ] || { cat "$work/notebook.log" >&2; fail "no notebook opened in $data"; }
kill -TERM "$pid"
wait "$pid"
[ -f "$data/OxlinHelp.xzz" ] || fail "the notebook was not packed at exit"
[ ! -e "$usr/bin/OxlinData" ] || fail "a data folder was made beside the installed programs"
echo "package $(basename "$deb") built and checked"
