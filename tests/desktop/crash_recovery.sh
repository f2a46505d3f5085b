#!/usr/bin/env bash
# A new user's first minutes, for real: the program starts in an empty folder,
# a folder and a topic are made through the window, a line is typed, and the
# process is killed before it ever packed the notebook. The next start must
# show the tree and the text, and a normal exit must pack both.
# Then kills at random points of opening, switching and exiting notebooks of
# a few hundred topics: after any of them, a start and an exit give every
# topic back as it was. The seed is printed (OXLIN_CRASH_SEED replays it).
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

# Two notebooks of 300 topics each, made by the command line.
for book in Big Zed; do
    mkdir -p "$work/notes-$book/Trip"
    for i in $(seq 300); do
        printf '%s note %d\n%s\n' "$book" "$i" "$(head -c 600 /dev/urandom | base64 -w0)" \
            >"$work/notes-$book/Trip/n$i.txt"
    done
    cp "$data/OxlinHelp.xzz" "$data/$book.xzz" # import adds to a notebook that exists
    "$oxlin" import "$data/$book.xzz" "$work/notes-$book/Trip" >/dev/null || fail "import into $book failed"
    "$oxlin" show "$data/$book.xzz" >"$work/expected-$book" || fail "oxlin show $book failed"
done
seed=${OXLIN_CRASH_SEED:-$RANDOM}
echo "kill seed: $seed"
RANDOM=$seed

start_book() { # the program opens notebook $1 as its last one
    printf '[Notebook]\r\nLastBook=%s\r\n' "$1" >"$data/Notebook.ini"
    "$work/Notebook" >>"$work/kills.log" 2>&1 &
    app=$!
    pids+=($app)
}
pause_ms() { sleep "$(printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)))"; }
open_dialog() { xdotool search --onlyvisible --name "^Open Notebook$"; }
for round in $(seq 15); do
    delay=$((RANDOM % 1200))
    case $((round % 3)) in
    0)  # while the notebook opens
        point="open"
        start_book Big
        pause_ms "$delay" ;;
    1)  # while the exit sequence packs and removes the folder
        point="exit"
        start_book Big
        win=$(window_of) || fail "round $round: no window"
        kill -TERM "$app"
        pause_ms $((delay / 3)) ;;
    2)  # while Big is closed and Zed opened
        point="switch"
        start_book Big
        win=$(window_of) || fail "round $round: no window"
        # The last topic opens after the window and takes the focus: a menu
        # opened before that would close again.
        wait_for 30 title_has "[Garden.txt]" || fail "round $round: the last topic did not open"
        # The focus may be with the drop window: give it to the main window first.
        xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
        wait_for 10 active || fail "round $round: the main window did not take the focus"
        key alt+f o # File > Open, whichever widget has the focus
        wait_for 20 open_dialog || fail "round $round: the Open Notebook box did not appear"
        xdotool key --window "$(open_dialog | head -1)" --clearmodifiers Z Return
        pause_ms $((delay / 2)) ;;
    esac
    kill -9 "$app" 2>/dev/null
    wait "$app" 2>/dev/null
    echo "round $round: killed during $point after ${delay} ms"
done

# What the kills left is resumed or reopened, then packed by a normal exit.
for book in Big Zed; do
    start_book "$book"
    win=$(window_of) || fail "no window for $book after the kills (seed $seed)"
    kill -TERM "$app"
    wait_for 60 gone || fail "$book did not end on SIGTERM (seed $seed)"
    "$oxlin" show "$data/$book.xzz" >"$work/actual-$book" || fail "$book is unreadable (seed $seed)"
    diff -q "$work/expected-$book" "$work/actual-$book" >/dev/null ||
        fail "$book lost topics (seed $seed): $(diff "$work/expected-$book" "$work/actual-$book" | head -5)"
done
echo "2 passed, 0 failed"
