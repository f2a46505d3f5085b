#!/usr/bin/env bash
# A new user's first minutes, for real: the program starts in an empty folder,
# a folder and a topic are made through the window, a line is typed, and the
# process is killed before it ever packed the notebook. The next start must
# show the tree and the text, and a normal exit must pack both.
#
# usage: crash_recovery.sh NOTEBOOK_BINARY OXLIN_BINARY
set -uo pipefail

notebook=$1
oxlin=$2
. "$(dirname "$0")/x_session.sh"

# The data folder lives beside the executable: give it a folder of its own.
cp "$notebook" "$work/Notebook"
data="$work/OxlinData"

window_of() { # the main window of the running program
    local id=""
    found() { id=$(xdotool search --name "Quarrow Notebook" 2>/dev/null | head -1); [ -n "$id" ]; }
    wait_for 30 found && echo "$id"
}
# Keys and text are sent to the window: the program hands them to the open
# menu or to the focused widget in the order they were sent, so no pause is
# needed between them, only a wait where the program finishes a step later.
key() { xdotool key --window "$win" --clearmodifiers "$@"; }
type_text() { xdotool type --window "$win" --delay 20 "$1"; }
title_has() { [[ $(xdotool getwindowname "$win" 2>/dev/null) == *"$1"* ]]; }

"$work/Notebook" >"$work/first.log" 2>&1 &
app=$!
pids+=($app)
win=$(window_of) || fail "the main window did not appear"
# The program hands a key to the window that has the focus, whichever window
# it was sent to. The drop window comes up beside the main one and the window
# manager may focus it: give the focus to the main window once both are up.
dropwin() { xdotool search --onlyvisible --name "Oxlin\(Drag & Drop\)"; }
wait_for 30 dropwin || fail "the drop window did not appear"
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$win" ]; }
wait_for 10 active || fail "the main window did not take the focus"
# The welcome topic opens once the index is read, on a thread, and then takes
# the focus: a click into the tree before that would lose it to the editor.
wait_for 30 title_has "[Welcome.txt]" || fail "the welcome topic did not open: '$(xdotool getwindowname "$win")'"

# Click into the tree (the left part of the window) and ask for its menu in
# one go, so the click is handled before the key.
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove --window "$win" 60 $((HEIGHT / 2)) click 1 \
    key --window "$win" --clearmodifiers shift+F10
key Down Return            # New Folder: its label opens for editing
type_text "Plans"
key Return
key shift+F10
key Down Down Down Return  # New Topic, under the selected folder
type_text "Garden"
key Return                 # the named topic opens in the editor, then takes the focus
wait_for 30 title_has "[Garden.txt]" || fail "the named topic did not open: '$(xdotool getwindowname "$win")'"
type_text "kiwi and fig"
# Wait for the pause after which typing is written, and the write itself.
typed_text_written() {
    local f
    for f in "$data/OxlinHelp"/*.[Xx][Tt][Zz]; do
        "$oxlin" decompress "$f" "$work/probe.txt" >/dev/null 2>&1 &&
            grep -q "kiwi and fig" "$work/probe.txt" && return 0
    done
    return 1
}
wait_for 20 typed_text_written || fail "the typed text never reached the working folder"
wait_for 20 grep -q "Garden.txt=" "$data/OxlinHelp/Tree.ini" ||
    fail "Tree.ini lacks the topic: $(cat "$data/OxlinHelp/Tree.ini" 2>&1)"

kill -9 "$app"
wait "$app" 2>/dev/null
[ -f "$data/OxlinHelp.xzz" ] && fail "the notebook was packed before the crash"

"$work/Notebook" >"$work/second.log" 2>&1 &
app=$!
pids+=($app)
win=$(window_of) || fail "the main window did not appear after the crash"
wait_for 20 title_has "[Garden.txt]" ||
    fail "the last edited topic was not reopened: '$(xdotool getwindowname "$win")'"

# The desktop's logout: the exit sequence runs and the program ends by itself.
kill -TERM "$app"
gone() { ! kill -0 "$app"; }
if ! wait_for 30 gone; then
    command -v gdb >/dev/null && gdb -p "$app" -batch -ex "thread apply all bt 12" 2>/dev/null |
        grep -E "^#|^Thread" | head -60
    fail "the program did not end on SIGTERM"
fi

listing=$("$oxlin" tree "$data/OxlinHelp.xzz") || fail "oxlin tree failed"
[[ $listing == *'Plans\Garden.txt'* ]] || fail "the package lacks the topic: $listing"
id=$(printf '%s\n' "$listing" | awk -F'\t' '/Garden.txt/ {print $2}')
mkdir "$work/unpacked"
"$oxlin" unpack "$data/OxlinHelp.xzz" "$work/unpacked" >/dev/null || fail "unpack failed"
file=$(ls "$work/unpacked" | grep -i "^$(printf '%08x' "$id").xtz$")
"$oxlin" decompress "$work/unpacked/$file" "$work/garden.txt" || fail "the topic file is damaged"
grep -q "kiwi and fig" "$work/garden.txt" || fail "the text was lost: $(cat "$work/garden.txt")"
echo "1 passed, 0 failed"
