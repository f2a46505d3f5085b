#!/usr/bin/env bash
# --help and --version of the window programs answer where no display is:
# over ssh, in a build script, from a package's post-install check.
#
# usage: info_options_check.sh NOTEBOOK VISTELO VERSION
set -uo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }

for program in "$1" "$2"; do
    name=$(basename "$program")
    out=$(nodisplay "$program" --version 2>&1) || fail "$name --version failed: $out"
    [[ "$out" == *"$3"* ]] || fail "$name --version printed: $out"
    out=$(nodisplay "$program" --help 2>&1) || fail "$name --help failed: $out"
    [[ "$out" == *"Usage:"* && "$out" == *"--version"* ]] || fail "$name --help printed: $out"
    out=$(nodisplay "$program" -h 2>&1) || fail "$name -h failed: $out"
    out=$(nodisplay "$program" --no-such-option 2>&1)
    status=$?
    [ "$status" = 1 ] && [[ "$out" == *"no-such-option"* ]] ||
        fail "$name --no-such-option exited $status: $out"
done
echo "--help and --version answered without a display"
