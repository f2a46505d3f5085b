#!/usr/bin/env bash
# The tray on D-Bus under X11: with a status notifier watcher on the
# session bus (our own, as the tray host), Qt shows the program's icon
# through the StatusNotifierItem protocol rather than an X11 tray. A host's
# calls read its tip, picture and menu, bring the hidden window back, and end
# the program through the menu's Exit.
#
# usage: status_notifier.sh NOTEBOOK_BINARY DESKTOP_BUS_HELPER
set -uo pipefail

notebook=$1 desktop_bus=$2
. "$(dirname "$0")/x_session.sh"
. "$(dirname "$0")/tray_on_dbus.sh"
run() { "$@"; }
passed=0
check() { passed=$((passed + 1)); echo "ok: $*"; }

start_bus "$work"
export DBUS_SESSION_BUS_ADDRESS=$bus_address
serve watcher watcher

cp "$notebook" "$work/Notebook"
package="$work/OxlinData/OxlinHelp.xzz"
"$work/Notebook" >"$work/run.log" 2>&1 &
app=$!
pids+=($app)
shown() { xdotool search --onlyvisible --name "Quarrow Notebook" >/dev/null 2>&1; }
wait_for 60 shown || fail "the main window did not appear"
find_main() { win=$(xdotool search --onlyvisible --name "Quarrow Notebook" 2>/dev/null | head -1); [ -n "$win" ]; }
wait_for 20 find_main || fail "the main window could not be found"
hide_window() { xdotool key --window "$win" Escape; }

check_tray_on_dbus "$(printf '%s\n' _Show/Hide - 'On _Top' - _Exit)" \
    "Oxlin is still running. Press Ctrl+Shift+A or click this icon to bring it back."
echo "$passed passed, 0 failed"
