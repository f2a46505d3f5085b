#!/usr/bin/env bash
# The program in the background, for real: under a window manager and a tray
# host, the icon sits in the tray, Esc hides the window, Ctrl+Shift+A pressed
# from another client brings it back focused, F10 puts it in the
# always-on-top band and out again, F9 takes the drop window away, and the
# tray menu's Exit ends the program with the notebook packed.
#
# usage: background.sh NOTEBOOK_BINARY
set -uo pipefail

notebook=$1
. "$(dirname "$0")/x_session.sh"
command -v xprop >/dev/null || skip "xprop is not installed"
command -v openbox >/dev/null || skip "openbox is not installed"

cp "$notebook" "$work/Notebook"
data="$work/OxlinData"
# No session bus: the tray is the X11 one the tray host offers.
unset DBUS_SESSION_BUS_ADDRESS

start_tray
[ -n "$tray" ] || echo "note: no tray host (trayer); the tray checks are left out"

"$work/Notebook" >"$work/run.log" 2>&1 &
app=$!
pids+=($app)
shown() { xdotool search --onlyvisible --name "Quarrow Notebook" >/dev/null 2>&1; }
wait_for 60 shown || fail "the main window did not appear"
# A search that meets a window being destroyed (the loading banner) ends on
# an X error with nothing printed: look again until it names the window.
find_main() { win=$(xdotool search --onlyvisible --name "Quarrow Notebook" 2>/dev/null | head -1); [ -n "$win" ]; }
wait_for 20 find_main || fail "the main window could not be found"

passed=0
check() { passed=$((passed + 1)); echo "ok: $*"; }

dropwin() { xdotool search --onlyvisible --name "Oxlin\(Drag & Drop\)" >/dev/null 2>&1; }
wait_for 10 dropwin || fail "the drop window was not shown at start"
check "the drop window shows at start"

if [ -n "$tray" ]; then
    in_tray() { xwininfo -tree -id "$tray" 2>/dev/null | grep -q '("Notebook"'; }
    wait_for 20 in_tray || fail "no icon of the program in the tray: $(xwininfo -tree -id "$tray")"
    check "the tray icon is in the tray"
fi

# Keys come through the X server as typed ones, to the window that has the
# focus (the hotkey needs that); each is followed by a wait for what it does.
focus_window() { xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"; }
key() { xdotool key --clearmodifiers "$@"; }

focus_window
key Escape
hidden() { ! shown; }
wait_for 20 hidden || fail "Esc did not hide the window"
check "Esc hides the window"

# From another client, with the focus elsewhere: only the grab can see it.
key ctrl+shift+a
wait_for 20 shown || fail "Ctrl+Shift+A did not bring the window back"
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$win" ]; }
wait_for 10 active || fail "the window came back without the focus"
check "Ctrl+Shift+A shows and focuses the hidden window"

above() { xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
not_above() { ! above; }
geometry_before=$(xdotool getwindowgeometry "$win")
focus_window
key F10
wait_for 10 above || fail "F10 did not set _NET_WM_STATE_ABOVE: $(xprop -id "$win" _NET_WM_STATE)"
shown || fail "F10 hid the window"
[ "$(xdotool getwindowgeometry "$win")" = "$geometry_before" ] ||
    fail "F10 moved the window: $geometry_before -> $(xdotool getwindowgeometry "$win")"
key F10
wait_for 10 not_above || fail "a second F10 left the window above"
check "F10 sets and clears _NET_WM_STATE_ABOVE in place"

key F9
no_dropwin() { ! dropwin; }
wait_for 10 no_dropwin || fail "F9 did not take the drop window away"
check "F9 hides the drop window"

if [ -n "$tray" ]; then
    icon=$(xwininfo -tree -id "$tray" | grep '("Notebook"' | head -1 | awk '{print $1}')
    eval "$(xdotool getwindowgeometry --shell "$icon")"
    # The menu opens as the button goes down; a key sent to the window then
    # goes to the open menu, so both go in one invocation, in order.
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 3 \
        key --window "$win" e # "&Exit"
else
    kill -TERM "$app"
fi
gone() { ! kill -0 "$app"; }
wait_for 30 gone || fail "the program did not end"
[ -f "$data/OxlinHelp.xzz" ] || fail "the notebook was not packed at the exit"
check "the exit packs the notebook"
echo "$passed passed, 0 failed"
