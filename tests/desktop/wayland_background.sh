#!/usr/bin/env bash
# The program in the background under Wayland (headless sway), on a session
# bus of the test's own with a desktop portal that answers the global hotkey
# late, and with a refusal, and a status notifier watcher as the tray host
# (sway has none). Start-up goes on while the portal has not answered; the
# refusal then ends in "Register Hotkey Failed!", read from the program's
# log of the messages it shows; the tray icon and its menu work through the
# watcher. Screenshots are kept in SHOT_FOLDER.
#
# usage: wayland_background.sh NOTEBOOK DESKTOP_BUS_HELPER SHOT_FOLDER
set -uo pipefail

. "$(dirname "$0")/wayland_session.sh"
. "$(dirname "$0")/tray_on_dbus.sh"
notebook=$1 shots=$3
mkdir -p "$shots"
passed=0
check() { passed=$((passed + 1)); echo "ok: $*"; }

mkdir -p "$work/app"
cp "$notebook" "$2" "$work/app/"
[ "$(id -u)" -eq 0 ] && chown -R nobody "$work/app"
desktop_bus="$work/app/$(basename "$2")"
start_bus "$work/runtime"
session_env+=(DBUS_SESSION_BUS_ADDRESS="$bus_address")
serve watcher watcher
serve portal portal

start "$work/app/Notebook" >"$work/notebook.log" 2>&1
app=$started
package="$work/app/OxlinData/OxlinHelp.xzz"
said() { grep -qF "oxlin.messages: [$1] $2" "$work/notebook.log"; }

wait_for 60 has_window "Quarrow Notebook - [Welcome.txt]" || fail "the main window did not show"
asked() { run "$desktop_bus" asked; }
wait_for 20 asked || fail "the program did not ask the portal for the hotkey"
! said Error "Register Hotkey Failed!" || fail "a refusal was reported before the portal gave one"
check "start-up goes on while the portal has not answered"

run "$desktop_bus" release || fail "the portal's answers could not be released"
wait_for 20 said Error "Register Hotkey Failed!" || fail "the portal's refusal was not reported"
answer "Error"
check "the portal's refusal ends in \"Register Hotkey Failed!\""

shown() { has_window "Quarrow Notebook"; }
hide_window() { key -k Escape; }
# Always on Top is greyed here: only the compositor stacks windows.
after_activation() { shot "$shots/wayland-tray.png"; }
# The portal refused the hotkey: the note names only the icon.
check_tray_on_dbus "$(printf '%s\n' _Show/Hide - 'On _Top (greyed)' - _Exit)" \
    "Oxlin is still running. Click this icon to bring it back."
echo "passed $passed checks"
