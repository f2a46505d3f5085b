#!/usr/bin/env bash
# Two Syncthing instances on 127.0.0.1 keep one data folder in step (not CI):
# both edit the notebook while they are paused, Syncthing keeps one package
# and a conflict copy, and `oxlin merge` (two-way, an empty base) brings the
# copy back in. Prints what Syncthing did and whether every edit survived.
# Usage: bench/syncthing_merge.sh BUILD_DIR   (needs Debian's syncthing package)
set -euo pipefail
oxlin=$1/bin/oxlin
work=$(mktemp -d)
pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; [ -n "${KEEP:-}" ] || rm -rf "$work"; }
trap cleanup EXIT
key=oxlin-bench-key

configure() { # HOME_DIR DATA LISTEN_PORT GUI_PORT OTHER_ID OTHER_PORT
  python3 - "$@" <<'PY'
import sys, xml.etree.ElementTree as ET
home, data, port, gui, other, other_port = sys.argv[1:]
path = home + "/config.xml"
tree = ET.parse(path); root = tree.getroot()
me = root.find("device").get("id")
options = root.find("options")
for name, value in {"listenAddress": "tcp://127.0.0.1:" + port, "globalAnnounceEnabled": "false",
                    "localAnnounceEnabled": "false", "relaysEnabled": "false", "natEnabled": "false",
                    "urAccepted": "-1", "startBrowser": "false", "autoUpgradeIntervalH": "0",
                    "crashReportingEnabled": "false", "reconnectionIntervalS": "1"}.items():
    element = options.find(name)
    if element is None:
        element = ET.SubElement(options, name)
    element.text = value
gui_element = root.find("gui")
gui_element.find("address").text = "127.0.0.1:" + gui
gui_element.find("apikey").text = "oxlin-bench-key"
device = ET.SubElement(root, "device", id=other, name="other", compression="metadata")
ET.SubElement(device, "address").text = "tcp://127.0.0.1:" + other_port
folder = ET.SubElement(root, "folder", id="notes", label="notes", path=data, type="sendreceive",
                       rescanIntervalS="3600", fsWatcherEnabled="true", fsWatcherDelayS="1")
ET.SubElement(folder, "maxConflicts").text = "10"  # absent, it means none: the older copy goes
ET.SubElement(folder, "device", id=me)
ET.SubElement(folder, "device", id=other)
tree.write(path)
PY
}
api() { curl -fsS -X POST -H "X-API-Key: $key" "http://127.0.0.1:$1/rest/system/$2" >/dev/null; }
wait_for() { for _ in $(seq 180); do if eval "$1"; then return 0; fi; sleep 1; done; echo "timed out: $1" >&2; ls -la "$work"/*/data >&2; for log in "$work"/*.log; do tail -n 5 "$log" >&2; done; return 1; }
add() { printf '%s\n' "$3" | "$oxlin" add "$1" "$2" -; }

for side in A B; do
  mkdir -p "$work/$side/data"
  syncthing generate --home="$work/$side/home" --no-default-folder --skip-port-probing >/dev/null 2>&1
done
id_a=$(syncthing serve --home="$work/A/home" --device-id)
id_b=$(syncthing serve --home="$work/B/home" --device-id)
configure "$work/A/home" "$work/A/data" 22101 28101 "$id_b" 22102
configure "$work/B/home" "$work/B/data" 22102 28102 "$id_a" 22101
for side in A B; do
  STNOUPGRADE=1 syncthing serve --home="$work/$side/home" --no-browser --no-restart \
    > "$work/$side.log" 2>&1 &
  pids+=($!)
done

a=$work/A/data/Book.xzz b=$work/B/data/Book.xzz
add "$a" 'Work\Plan.txt' "plan"
add "$a" 'Shared.txt' "shared"
wait_for "cmp -s '$a' '$b'"
echo "synced: B has A's notebook"
sleep 3 # both have scanned the first version

# Both machines edit between two syncs.
api 28101 pause; api 28102 pause
sleep 2
add "$a" 'Work\Plan.txt' "plan: edited on A"
add "$a" 'Shared.txt' "shared: edited on A"
sleep 2 # the two edits get different times
add "$b" 'Home\List.txt' "list: new on B"
add "$b" 'Shared.txt' "shared: edited on B"
# Each side scans its own change before they meet again.
for gui in 28101 28102; do
  curl -fsS -X POST -H "X-API-Key: $key" "http://127.0.0.1:$gui/rest/db/scan?folder=notes" >/dev/null
done
sleep 5
api 28101 resume; api 28102 resume
conflict() { ls "$work/$1/data" | grep -m1 'sync-conflict' || true; }
wait_for "[ -n \"\$(conflict A)\" ] && [ -n \"\$(conflict B)\" ] && cmp -s '$a' '$b'"
copy=$work/A/data/$(conflict A)
echo "Syncthing kept Book.xzz and the conflict copy $(basename "$copy")"
echo "Book.xzz alone has:"; "$oxlin" show "$a" | sed 's/^/  /'

# What the program does with the copy: a two-way merge (no common state).
: > "$work/empty"
"$oxlin" merge "$work/empty" "$a" "$copy"
missing=0
for text in "plan: edited on A" "shared: edited on A" "list: new on B" "shared: edited on B"; do
  "$oxlin" show "$a" | grep -qF "$text" || { echo "missing after the merge: $text"; missing=1; }
done
echo "after the merge:"; "$oxlin" show "$a" | sed 's/^/  /'
[ $missing -eq 0 ] && echo "every edit of both machines is in the merged notebook"
