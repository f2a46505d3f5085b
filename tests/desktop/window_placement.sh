#!/usr/bin/env bash
# Where the windows appear, under a window manager and a tray host: the main
# window's frame, title bar included, lies inside the screen where it can be
# grabbed, and the drop window does not cover the tray icon.
#
# usage: window_placement.sh NOTEBOOK_BINARY
set -uo pipefail

notebook=$1
. "$(dirname "$0")/x_session.sh"
command -v openbox >/dev/null || skip "openbox is not installed"
command -v xwininfo >/dev/null || skip "xwininfo is not installed"

cp "$notebook" "$work/Notebook"
unset DBUS_SESSION_BUS_ADDRESS

start_tray

"$work/Notebook" >"$work/run.log" 2>&1 &
pids+=($!)
find_main() { win=$(xdotool search --onlyvisible --name "Quarrow Notebook" 2>/dev/null | head -1); [ -n "$win" ]; }
wait_for 60 find_main || fail "the main window did not appear"

# The frame's rectangle: the client's position less the frame extents the
# window manager announces.
frame_rect() {
    local info extents left right top bottom x y w h
    info=$(xwininfo -id "$win") || return 1
    extents=$(xprop -id "$win" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')
    [ -n "$extents" ] || return 1
    IFS=, read -r left right top bottom <<<"$extents"
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    w=$(sed -n 's/.*Width: *//p' <<<"$info")
    h=$(sed -n 's/.*Height: *//p' <<<"$info")
    echo "$((x - left)) $((y - top)) $((x + w + right)) $((y + h + bottom))"
}
frame_inside() {
    local rect
    rect=$(frame_rect) || return 1
    read -r fx fy fr fb <<<"$rect"
    [ "$fx" -ge 0 ] && [ "$fy" -ge 0 ] && [ "$fr" -le 1280 ] && [ "$fb" -le 800 ]
}
wait_for 10 frame_inside || fail "the main window's frame is off the screen: $(frame_rect)"
echo "ok: the main window's frame lies inside the screen ($(frame_rect))"

if [ -n "$tray" ]; then
    window_rect() { # window_rect ID: its absolute rectangle, "x y width height"
        local info
        [ -n "$1" ] || return 1
        info=$(xwininfo -id "$1") || return 1
        echo "$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info") \
$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info") \
$(sed -n 's/.*Width: *//p' <<<"$info") $(sed -n 's/.*Height: *//p' <<<"$info")"
    }
    icon_rect() { # the icon the tray embeds
        window_rect "$(xwininfo -tree -id "$tray" 2>/dev/null | grep '("Notebook"' |
            awk '{print $1}' | head -1)"
    }
    drop_rect() {
        window_rect "$(xdotool search --onlyvisible --name "Oxlin\(Drag & Drop\)" 2>/dev/null |
            head -1)"
    }
    apart() {
        local icon drop
        icon=$(icon_rect) && drop=$(drop_rect) || return 1
        read -r ix iy iw ih <<<"$icon"
        read -r dx dy dw dh <<<"$drop"
        [ $((dx + dw)) -le "$ix" ] || [ $((ix + iw)) -le "$dx" ] ||
            [ $((dy + dh)) -le "$iy" ] || [ $((iy + ih)) -le "$dy" ]
    }
    wait_for 20 apart || fail "the drop window covers the tray icon: drop $(drop_rect), icon $(icon_rect)"
    echo "ok: the drop window leaves the tray icon free"
else
    echo "note: no tray host (trayer); the drop window check is left out"
fi
