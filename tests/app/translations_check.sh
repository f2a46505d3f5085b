#!/usr/bin/env bash
# The programs speak the language of the system's locale from their first
# words: Notebook's and Vistelo's --help, oxlin's --help and messages, and
# those of oxlin-rich, which oxlin hands the rich-text commands to, are
# translated under German and Chinese locales and stay English under C.
#
# usage: translations_check.sh NOTEBOOK VISTELO OXLIN
set -uo pipefail

notebook=$1
vistelo=$2
oxlin=$3
temp=$(mktemp -d)
trap 'rm -rf "$temp"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Only LANG decides: nothing from the caller's environment overrides it.
speaking() {
    local lang=$1
    shift
    env -u LC_ALL -u LC_MESSAGES -u LANGUAGE -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        LANG="$lang" "$@" 2>&1
}

# `english` must not be in what the command prints under `lang`, and
# `expected` (when given) must be; Chinese is not written in ASCII.
check() {
    local lang=$1 what=$2 english=$3 expected=$4
    shift 4
    local out
    out=$(speaking "$lang" "$@")
    [[ "$out" != *"$english"* ]] || fail "$what under $lang is English: $out"
    [ -z "$expected" ] || [[ "$out" == *"$expected"* ]] || fail "$what under $lang: $out"
    [[ "$lang" != zh* || "$out" == *[![:ascii:]]* ]] || fail "$what under $lang: $out"
}

missing=$temp/missing.xzz
for lang in de_DE.UTF-8 zh_CN.UTF-8; do
    german=
    [ "$lang" = de_DE.UTF-8 ] && german=1
    check "$lang" "Notebook --help" "notes in folders and topics" "${german:+Notizen in Ordnern}" \
        "$notebook" --help
    check "$lang" "Vistelo --help" "without changing it" "${german:+ohne es zu verändern}" \
        "$vistelo" --help
    check "$lang" "oxlin --help" "list the folders and topics" "${german:+Aufruf: oxlin BEFEHL}" \
        "$oxlin" --help
    check "$lang" "oxlin's message" "cannot read the package" "${german:+kann nicht gelesen}" \
        "$oxlin" tree "$missing"
    # Handed over to oxlin-rich, which finds the same translations.
    check "$lang" "oxlin-rich's message" "cannot read" "${german:+kann nicht gelesen}" \
        "$oxlin" rtf text "$temp/missing.rtf"
done

# Under C the texts are as written.
out=$(speaking C "$oxlin" tree "$missing")
[[ "$out" == *"cannot read the package"* ]] || fail "oxlin under C: $out"
out=$(speaking C "$notebook" --help)
[[ "$out" == *"notes in folders and topics"* ]] || fail "Notebook --help under C: $out"

[ "$failures" = 0 ] || exit 1
echo "the programs speak German and Chinese, and English under C"
