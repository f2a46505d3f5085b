# Sourced by the desktop tests that give the program a session bus of their
# own. start_bus starts that bus; check_tray_on_dbus checks, as a tray host
# would see it, the icon Qt puts on the bus (org.kde.StatusNotifierItem, its
# menu through com.canonical.dbusmenu) once a watcher claims a host, through
# oxlin-desktop-bus. The sourcing test defines run (a command in the
# session), check, shown (the main window is up) and hide_window (Esc to
# it), and sets desktop_bus (the helper), app (the program's pid) and
# package (the notebook file its exit packs).

# start_bus FOLDER: dbus-daemon with a configuration of its own, listening in
# FOLDER (the session's user writes there), allowing everything and starting
# no services, so no real portal or tray host can answer; sets bus_address.
start_bus() {
    command -v dbus-daemon >/dev/null || skip "dbus-daemon is not installed"
    cat >"$1/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>session</type><listen>unix:dir=$1</listen><auth>EXTERNAL</auth>
<policy context="default"><allow send_destination="*"/><allow receive_sender="*"/>
<allow own="*"/></policy></busconfig>
CONF
    run dbus-daemon --config-file="$1/bus.conf" --nofork --print-address=1 \
        >"$work/bus.address" 2>"$work/bus.log" &
    pids+=($!)
    disown
    wait_for 10 test -s "$work/bus.address" || fail "dbus-daemon did not start"
    bus_address=$(head -1 "$work/bus.address")
}

# serve NAME ARGUMENTS...: the helper serving on the bus, logging to NAME.log,
# once it says it serves.
serve() {
    local name=$1; shift
    run "$desktop_bus" "$@" >"$work/$name.log" 2>&1 &
    pids+=($!)
    disown
    serving() { grep -qE '^(watching|portal)' "$work/$name.log"; }
    wait_for 10 serving || fail "oxlin-desktop-bus $* did not start"
}

# check_tray_on_dbus EXPECTED_MENU EXPECTED_NOTE: the icon, its menu
# (entries one a line as the helper prints them), the note the first hide
# gives, a click on the icon bringing the hidden window back, and Exit from
# the menu ending the program with the notebook packed.
check_tray_on_dbus() {
    local expected_menu=$1 expected_note=$2 menu
    registered() { run "$desktop_bus" item >"$work/item.txt" 2>&1; }
    wait_for 30 registered || fail "no tray icon was registered: $(cat "$work/item.txt")"
    cat "$work/item.txt"
    grep -qx "ToolTip: Oxlin" "$work/item.txt" || fail "the icon's tip is not Oxlin"
    grep -qE '^(IconName: .+|IconPixmap: [0-9]+x[0-9]+)' "$work/item.txt" ||
        fail "the icon has no picture"
    grep -qE '^Menu: /.+' "$work/item.txt" || fail "the icon has no menu"
    check "the tray icon is on D-Bus, with its tip, its picture and its menu"

    menu=$(run "$desktop_bus" menu) || fail "the icon's menu could not be read"
    [ "$menu" = "$expected_menu" ] || fail "the icon's menu is: $menu"
    check "the icon's menu holds Show/Hide, On Top and Exit"

    hidden() { ! shown; }
    hide_window
    wait_for 20 hidden || fail "Esc did not hide the window"
    noted() { grep -qxF "note Oxlin: $expected_note" "$work/watcher.log"; }
    wait_for 20 noted || fail "the first hide did not say how to come back: $(grep note "$work/watcher.log")"
    check "the first hide says, from the icon, how to bring the window back"
    run "$desktop_bus" activate || fail "the icon could not be activated"
    wait_for 20 shown || fail "activating the icon did not bring the window back"
    check "a click on the icon brings the hidden window back"
    [ "$(type -t after_activation)" = function ] && after_activation

    run "$desktop_bus" click "_Exit" || fail "Exit could not be clicked"
    gone() { ! kill -0 "$app" 2>/dev/null; }
    wait_for 30 gone || fail "Exit in the icon's menu did not end the program"
    [ -f "$package" ] || fail "the notebook was not packed at the exit"
    check "Exit in the icon's menu ends the program with the notebook packed"
}
