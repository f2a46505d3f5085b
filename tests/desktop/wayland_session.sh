# Sourced by the Wayland desktop tests: a private headless sway, for the real
# programs with QT_QPA_PLATFORM=wayland, which log every message they show
# (category oxlin.messages), since no tool reads a Wayland window's text.
# Defines skip, fail, wait_for, run (a command as the session's user, with
# its environment), key, type_text, click, shot, message and answer (a
# message box), and sets $work (a folder the session's user owns, removed at
# the end). sway refuses to run as root: as root, the session and every
# program in it run as nobody.
# Exits 77 where sway, wtype, grim or Qt's Wayland plugin is missing.

skip() { echo "SKIPPED: $*"; exit 77; }
fail() {
    echo "FAILED: $*"
    for log in "${work:-/nonexistent}"/*.log; do [ -f "$log" ] && { echo "--- $log"; tail -20 "$log"; }; done
    run swaymsg -t get_tree 2>/dev/null | grep -E '"(name|app_id)"' | tail -20
    exit 1
}
wait_for() { # wait_for SECONDS COMMAND...: until the command succeeds, polled
    local limit=$(( $1 * 10 )); shift
    for _ in $(seq "$limit"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}

for tool in sway swaymsg wtype grim; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    skip "Qt's Wayland platform plugin (qt6-wayland) is not installed"

work=$(mktemp -d)
chmod 755 "$work"
user_prefix=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody "$work"
    user_prefix=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
mkdir -p "$work/runtime" "$work/home" && chmod 700 "$work/runtime"
[ "$(id -u)" -eq 0 ] && chown -R nobody "$work/runtime" "$work/home"
session_env=(env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime")
run() { "${user_prefix[@]}" "${session_env[@]}" "$@"; }

pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

printf 'output HEADLESS-1 resolution 1280x800\nseat * hide_cursor 0\n' >"$work/sway.conf"
"${user_prefix[@]}" "${session_env[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_RENDERER=pixman sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
pids+=($!)
# sway picks its display's name and its command socket's: the programs are
# told both once they are there.
sway_up() { ls "$work/runtime"/wayland-* >/dev/null 2>&1 && ls "$work/runtime"/sway-ipc.* >/dev/null 2>&1; }
wait_for 20 sway_up || skip "sway did not start: $(tail -3 "$work/sway.log")"
display=$(basename "$(ls "$work/runtime"/wayland-* | grep -v lock | head -1)")
session_env=(env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
             WAYLAND_DISPLAY="$display" SWAYSOCK="$(ls "$work/runtime"/sway-ipc.* | head -1)"
             QT_QPA_PLATFORM=wayland OXLIN_UPDATE_URL=http://127.0.0.1:9 LANG=C.UTF-8
             QT_LOGGING_RULES=oxlin.messages.info=true)

# start COMMAND...: in the background, in the session; its pid is $started.
start() {
    "${user_prefix[@]}" "${session_env[@]}" "$@" &
    started=$!
    pids+=($started)
}
# Qt listens for keys once the seat has a keyboard: a virtual one stays for
# the whole session, and each wtype call adds its keys through its own.
start wtype -s 3600000 -k F24

# The names of the windows up, one a line.
window_names() { run swaymsg -t get_tree | sed -n 's/^ *"name": "\(.*\)",$/\1/p'; }
has_window() { window_names | grep -qF -- "$1"; }
key() { run wtype "$@"; }
type_text() { run wtype -- "$1"; }
shot() { run grim "$work/shot.png" && cp "$work/shot.png" "$1"; }
message() { window_names | grep -qxF -- "$1"; }
no_message() { ! message "$1"; }
# answer TITLE [KEY]: the message box titled TITLE, once up, answered with
# KEY (Return by default). It is given the focus first, since wtype's keys go
# to the focused window.
answer() {
    wait_for 20 message "$1" || fail "no message box \"$1\""
    run swaymsg "[title=\"^$1\$\"] focus" >/dev/null
    key -k "${2:-Return}"
    wait_for 10 no_message "$1" || fail "the message box \"$1\" did not close"
}
