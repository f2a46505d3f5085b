#!/bin/bash
# Start-up to a usable window and exit of the application with a generated
# 3,800-topic notebook, against the same tree with no topic files (the
# peer: what the open and the exit cost that touch nothing but the tree),
# on a quiet disk and while dd writes 2 GB beside them.
# Usage: bench/working_folder_peers.sh BUILD_DIR [RUNS]   (needs Xvfb and
# xdotool; BUILD_DIR/bin holds Notebook, oxlin and notebook_gen)
# Target: start-up and exit within 1.3x of the peer, with or without the writer.
set -u
build=$(cd "$1" && pwd)/bin
runs=${2:-5}
work=$(mktemp -d "${TMPDIR:-/var/tmp}/oxlin-wf.XXXXXX") # on the disk, not in memory
trap 'kill $xvfb $writer 2>/dev/null; rm -rf "$work"' EXIT
writer=""

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$work/display") QT_QPA_PLATFORM=xcb OXLIN_UPDATE_URL=http://127.0.0.1:9
export XDG_RUNTIME_DIR="$work/runtime"; mkdir -p -m 700 "$XDG_RUNTIME_DIR"

"$build/notebook_gen" "$work/Large.xzz" 3800 20 >/dev/null
# The peer: the same tree and runtime file, no topic file.
mkdir "$work/unpacked"
"$build/oxlin" unpack "$work/Large.xzz" "$work/unpacked" >/dev/null
find "$work/unpacked" -iname '????????.xtz' -delete
"$build/oxlin" pack "$work/unpacked" "$work/TreeOnly.xzz" >/dev/null

now() { date +%s%N; }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# Prints "START_MS EXIT_MS" for one run of the application on package $1.
run_once() {
    local app="$work/app" start pid up
    rm -rf "$app"; mkdir -p "$app/OxlinData"
    cp "$build/Notebook" "$app/"
    cp "$work/$1.xzz" "$app/OxlinData/"
    printf '[Notebook]\r\nLastBook=%s\r\n' "$1" >"$app/OxlinData/Notebook.ini"
    sync
    start=$(now)
    "$app/Notebook" >/dev/null 2>&1 &
    pid=$!
    xdotool search --sync --onlyvisible --pid "$pid" --name "Quarrow Notebook" >/dev/null 2>&1
    up=$(( ($(now) - start) / 1000000 ))
    sleep 2 # the index worker and the last topic, before the exit is timed
    start=$(now)
    kill -TERM "$pid"; wait "$pid" 2>/dev/null
    echo "$up $(( ($(now) - start) / 1000000 ))"
}

for load in quiet writer; do
    if [ "$load" = writer ]; then
        # 2 GB over and over, so every run has a writer filling the page cache.
        (while :; do dd if=/dev/zero of="$work/fill" bs=1M count=2048 status=none; done) &
        writer=$!
    fi
    for package in Large TreeOnly; do
        : >"$work/up"; : >"$work/down"
        for _ in $(seq "$runs"); do
            result=$(run_once "$package")
            echo "${result% *}" >>"$work/up"; echo "${result#* }" >>"$work/down"
        done
        printf '%-7s %-9s start %6s ms   exit %6s ms\n' "$load" "$package" \
            "$(median <"$work/up")" "$(median <"$work/down")"
    done
    if [ -n "$writer" ]; then
        pkill -P "$writer" dd; kill "$writer" 2>/dev/null; wait "$writer" 2>/dev/null
        rm -f "$work/fill"; writer=""
    fi
done
