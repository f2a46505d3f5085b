#!/usr/bin/env bash
# Notebook and Vistelo under a real Wayland compositor (headless sway), with
# keys typed through the compositor: the window shows, a folder and a topic
# are made from the keyboard, text is typed and saved, the keyword search
# finds the topic again, F1 opens the help in the viewer, closing the window
# (with no tray here) asks whether to exit, and File > Exit packs the
# notebook. Screenshots are kept in SHOT_FOLDER.
#
# usage: wayland.sh NOTEBOOK VISTELO HELP_PACKAGE OXLIN SHOT_FOLDER
set -uo pipefail

. "$(dirname "$0")/wayland_session.sh"
notebook=$1 vistelo=$2 help=$3 oxlin=$4 shots=$5
mkdir -p "$shots"

mkdir -p "$work/app"
cp "$notebook" "$vistelo" "$help" "$work/app/"
[ "$(id -u)" -eq 0 ] && chown -R nobody "$work/app"
start "$work/app/Notebook" >"$work/notebook.log" 2>&1
app=$started

passed=0
check() { passed=$((passed + 1)); echo "ok: $*"; }
title() { has_window "Quarrow Notebook - [$1]"; }

wait_for 60 title "Welcome.txt" || fail "the main window did not show"
check "the window shows, with the Welcome topic"
# Without a desktop portal the global hotkey is refused and the user told,
# once the window is up: start-up did not wait for it.
answer "Error"
check "a refused hotkey is said once, after the window shows"
shot "$shots/wayland-start.png"

# Into the tree (Ctrl+1: F6 only toggles, and where the focus is once the
# message box has gone is the desktop's choice); its context menu (the Menu
# key), whose first entry that can act is New Folder; Insert makes a topic
# in the folder.
# Keys reach Qt in the order sent, and an open menu takes them, so the
# menu's keys follow the one that opens it without a wait.
key -M ctrl -k 1 -m ctrl -k Menu -k Down -k Return
type_text "Travel"
key -k Return
key -k Insert
type_text "Trip"
key -k Return
wait_for 10 title "Trip.txt" || fail "the new topic did not open: $(window_names)"
check "a folder and a topic are made from the keyboard"

type_text "Visit the harbour museum on Sunday"
key -M ctrl -k s -m ctrl
wait_for 20 test -f "$work/app/OxlinData/OxlinHelp.xzz" || fail "Ctrl+S wrote no package"
check "the typed text is saved with Ctrl+S"
shot "$shots/wayland-topic.png"

# Another topic, then the keyword search (Ctrl+3) brings the first one back.
key -k F6
key -k Return
type_text "Other"
key -k Return
wait_for 10 title "Other.txt" || fail "the second topic did not open"
key -M ctrl -k 3 -m ctrl
type_text "Trip"
key -k Return
answer "Oxlin"
# Into the result list (Alt+T), its first row selected, then Display (Alt+D).
key -M alt -k t -m alt
key -k Down -k space
shot "$shots/wayland-search.png"
key -M alt -k d -m alt
wait_for 10 title "Trip.txt" || fail "the search did not lead back to the topic: $(window_names)"
check "the keyword search finds the topic again"

key -k F1
help_shown() { has_window "OxlinHelp - [Welcome.rtf]"; }
wait_for 30 help_shown || fail "F1 did not open the help in the viewer"
check "F1 opens the help in Vistelo"
shot "$shots/wayland-help.png"
run swaymsg '[title="^OxlinHelp - \[Welcome.rtf\]$"] kill' >/dev/null
help_gone() { ! help_shown; }
wait_for 10 help_gone || fail "the viewer did not close"

# No tray here (no status notifier host): the close box asks whether to exit,
# and Esc (No) keeps the program running; sway knows no minimised windows,
# so the window stays.
run swaymsg '[title="Quarrow Notebook"] kill' >/dev/null
answer "Oxlin" Escape
grep -qF "oxlin.messages: [Oxlin] Exit Oxlin?" "$work/notebook.log" ||
    fail "the question on closing is not the one expected"
kill -0 "$app" 2>/dev/null && has_window "Quarrow Notebook" || fail "No did not keep the program"
check "without a tray, closing the window asks whether to exit; No keeps it running"

# File > Exit: the menu by its key, then its last entry.
run swaymsg '[title="Quarrow Notebook"] focus' >/dev/null
key -M alt -k f -m alt -k Up -k Return
exited() { ! kill -0 "$app" 2>/dev/null; }
wait_for 30 exited || fail "File > Exit did not end the program"
listing=$("$oxlin" tree "$work/app/OxlinData/OxlinHelp.xzz")
grep -q 'Travel\\Trip.txt' <<<"$listing" || fail "the package lacks the topic: $listing"
"$oxlin" search "$work/app/OxlinData/OxlinHelp.xzz" harbour | grep -q 'Trip.txt' ||
    fail "the package lacks the typed text"
check "File > Exit packs the notebook with the topic and its text"
echo "passed $passed checks"
