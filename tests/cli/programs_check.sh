#!/usr/bin/env bash
# The oxlin program as a user runs it: listing needs no QtGui, and the
# commands that read rich text reach the companion program with their
# arguments intact, or fail saying what is missing.
#
# usage: programs_check.sh OXLIN OXLIN_RICH RTF_WITH_TABLE
set -uo pipefail

oxlin=$1
rich=$2
table_rtf=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

if command -v readelf >/dev/null; then
    readelf -d "$oxlin" | grep -q 'libQt6Gui' && fail "oxlin loads QtGui"
fi

# A notebook built from files whose names have spaces and non-ASCII letters.
mkdir -p "$work/notes/Füße und Hände"
printf 'the zebracorn sleeps\n' > "$work/notes/Füße und Hände/First note.txt"
printf 'nothing here\n' > "$work/notes/Other.txt"
book="$work/my book.xzz"
"$oxlin" build "$work/notes" "$book" >/dev/null || fail "oxlin build failed"

found=$("$oxlin" search "$book" zebracorn) || fail "content search found nothing"
[ "$found" = 'Füße und Hände\First note.txt' ] || fail "content search printed: $found"
"$oxlin" search "$book" absent >/dev/null && fail "content search of an absent word succeeded"

cp "$table_rtf" "$work/täble copy.rtf"
direct=$("$rich" rtf text "$work/täble copy.rtf") || fail "oxlin-rich rtf text failed"
handed=$("$oxlin" rtf text "$work/täble copy.rtf") || fail "oxlin rtf text failed"
[ -n "$direct" ] && [ "$handed" = "$direct" ] || fail "oxlin rtf text differs from oxlin-rich's"
"$oxlin" rtf rewrite "$work/täble copy.rtf" "$work/out put.rtf" && [ -s "$work/out put.rtf" ] ||
    fail "oxlin rtf rewrite wrote nothing"

# Export as web pages and Markdown in go through the companion too.
"$oxlin" export "$book" '\' "$work/site" --as html >/dev/null 2>&1 || fail "oxlin export --as html failed"
[ -f "$work/site/Füße und Hände/First note.html" ] || fail "no page for First note"
printf '# Heading\n\n[back](../Other.md)\n' > "$work/in.md"
"$oxlin" import "$book" "$work/in.md" --markdown >/dev/null || fail "oxlin import --markdown failed"
"$oxlin" tree "$book" | grep -q 'in.rtf' || fail "the Markdown file is not a rich-text topic"

# Alone, without its companion: listing still works, rich text is refused.
mkdir "$work/alone" && cp "$oxlin" "$work/alone/oxlin"
"$work/alone/oxlin" tree "$book" | grep -q 'First note.txt' || fail "tree needs the companion"
"$work/alone/oxlin" search "$book" first --titles >/dev/null || fail "--titles needs the companion"
"$work/alone/oxlin" rtf text "$work/täble copy.rtf" >/dev/null 2>"$work/err"
status=$?
[ "$status" = 1 ] || fail "rtf text without the companion exited $status"
grep -q 'cannot start oxlin-rich' "$work/err" || fail "no message names the companion: $(cat "$work/err")"
echo "oxlin and oxlin-rich checked"
