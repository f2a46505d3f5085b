#!/usr/bin/env bash
# The help notebook in the real viewer on a real X server: Vistelo opens
# OxlinHelp.xzz with the Welcome topic shown, its window is named after the
# notebook and the topic, a screenshot is kept for a person to look at, and
# ending it from outside removes its folder.
#
# usage: viewer_help.sh VISTELO_BINARY HELP_PACKAGE [SCREENSHOT]
set -uo pipefail

viewer=$1
help=$2
shot=${3:-}
source "$(dirname "$0")/x_session.sh"
# The viewer makes its private folder in the temporary folder: keep it in ours.
export TMPDIR="$work"

"$viewer" "$help" &
pid=$!
pids+=($pid)

win=""
find_window() { win=$(xdotool search --name "^OxlinHelp - \[Welcome.rtf\]$" 2>/dev/null | head -1); [ -n "$win" ]; }
wait_for 30 find_window || fail "no window titled \"OxlinHelp - [Welcome.rtf]\""
ls -d "$work"/OxlinViewer-*/OxlinHelp >/dev/null 2>&1 || fail "no working folder under TMPDIR"

if [ -n "$shot" ] && command -v xwd >/dev/null; then
    viewable() { xwininfo -id "$win" | grep -q "IsViewable"; }
    wait_for 10 viewable || fail "the window was never shown"
    xwd -root -silent -display "$DISPLAY" >"$work/screen.xwd" || fail "no screenshot"
    if command -v convert >/dev/null; then
        convert "$work/screen.xwd" "$shot" || cp "$work/screen.xwd" "$shot.xwd"
    else
        cp "$work/screen.xwd" "$shot.xwd"
    fi
fi

# Without a window manager nothing sends the window a close request; the
# desktop's logout does what a close box would: the viewer ends in order.
kill -TERM "$pid"
gone() { ! kill -0 "$pid"; }
wait_for 10 gone || fail "the viewer did not end on SIGTERM"
wait "$pid"
code=$?
[ "$code" -eq 0 ] || fail "the viewer ended with $code"
ls -d "$work"/OxlinViewer-* >/dev/null 2>&1 && fail "the viewer left its folder behind"
echo "PASSED"
