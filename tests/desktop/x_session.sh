# Sourced by the desktop tests: a private X server with a window manager, for
# the real program. Defines skip, fail, wait_for and cleanup, sets $work (a
# temporary folder removed at the end) and exports DISPLAY and the settings
# every started program needs. Exits 77 where Xvfb or xdotool is missing.

skip() { echo "SKIPPED: $*"; exit 77; }
fail() {
    echo "FAILED: $*"
    # What the programs said, and which windows were up, for the log.
    for log in "${work:-/nonexistent}"/*.log; do [ -f "$log" ] && { echo "--- $log"; tail -20 "$log"; }; done
    command -v xwininfo >/dev/null && xwininfo -root -children 2>/dev/null | grep '"' | tail -15
    exit 1
}

command -v Xvfb >/dev/null || skip "Xvfb is not installed"
command -v xdotool >/dev/null || skip "xdotool is not installed"

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

wait_for() { # wait_for SECONDS COMMAND...: until the command succeeds, polled
    local limit=$(( $1 * 10 )); shift
    for _ in $(seq "$limit"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}

# Xvfb picks a free display itself, so desktop tests can run side by side.
# Without -noreset it starts over whenever its last client leaves, and a
# client connecting meanwhile (the window manager after a probe) is refused.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
disown
wait_for 10 test -s "$work/display" || skip "Xvfb did not start"
export DISPLAY=:$(head -1 "$work/display") QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$work/runtime"
# Never ask a server for updates from a test.
export OXLIN_UPDATE_URL=http://127.0.0.1:9
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
wait_for 5 xdotool getmouselocation || skip "Xvfb did not start"
# A window manager announces itself on the root window once it manages windows.
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; }
if command -v openbox >/dev/null; then
    openbox >"$work/openbox.log" 2>&1 &
    pids+=($!)
    disown
    command -v xprop >/dev/null || skip "xprop is not installed"
    wait_for 30 wm_running || fail "openbox did not start"
fi

# start_tray: a tray host in the bottom-right corner; sets $tray to the panel
# that embeds the icons (not trayer's hidden leader window), empty where
# there is no tray host.
start_tray() {
    tray=""
    command -v trayer >/dev/null || return 0
    trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 \
        --SetDockType true >/dev/null 2>&1 &
    pids+=($!)
    disown
    find_tray() { tray=$(xdotool search --classname panel 2>/dev/null | head -1); [ -n "$tray" ]; }
    wait_for 10 find_tray || tray=""
}
