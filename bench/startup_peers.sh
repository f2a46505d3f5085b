#!/bin/bash
# Start-up of the viewer against the application on the same package: the
# time from the command to a visible window, and the resident memory a few
# seconds later, for the help package and a generated 3,800-topic notebook.
# Usage: bench/startup_peers.sh BUILD_DIR [RUNS]   (needs Xvfb and xdotool;
# BUILD_DIR/bin holds Notebook, Vistelo, notebook_gen and OxlinHelp.xzz)
set -u
build=$(cd "$1" && pwd)/bin
runs=${2:-5}
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$work/display") QT_QPA_PLATFORM=xcb OXLIN_UPDATE_URL=http://127.0.0.1:9
export XDG_RUNTIME_DIR="$work/runtime"; mkdir -p -m 700 "$XDG_RUNTIME_DIR"

"$build/notebook_gen" "$work/Large.xzz" 3800 20 >/dev/null
cp "$build/OxlinHelp.xzz" "$work/Help.xzz"

now() { date +%s%N; }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# start_and_measure TITLE COMMAND...: prints "MILLISECONDS RSS_KB", the time
# until a visible window whose title matches TITLE (the main window once the
# tree is in it, not a loading banner)
start_and_measure() {
    local start pid rss title=$1
    shift
    start=$(now)
    "$@" >/dev/null 2>&1 &
    pid=$!
    xdotool search --sync --all --onlyvisible --pid "$pid" --name "$title" >/dev/null 2>&1
    local ms=$(( ($(now) - start) / 1000000 ))
    sleep 3
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    kill -TERM "$pid"; wait "$pid" 2>/dev/null
    echo "$ms $rss"
}

for package in Help Large; do
    # The application opens the package as its last notebook, from a data
    # folder beside a copy of itself; the copy is made afresh for each run.
    for program in Vistelo Notebook; do
        : > "$work/times"; : > "$work/rss"
        for _ in $(seq "$runs"); do
            if [ "$program" = Vistelo ]; then
                result=$(start_and_measure "^$package" "$build/Vistelo" "$work/$package.xzz")
            else
                app="$work/app"; rm -rf "$app"; mkdir -p "$app/OxlinData"
                cp "$build/Notebook" "$app/"
                cp "$work/$package.xzz" "$app/OxlinData/"
                printf '[Notebook]\r\nLastBook=%s\r\n' "$package" > "$app/OxlinData/Notebook.ini"
                result=$(start_and_measure "Quarrow Notebook" "$app/Notebook")
            fi
            echo "${result% *}" >> "$work/times"; echo "${result#* }" >> "$work/rss"
        done
        printf '%-6s %-9s start %6s ms   memory %7s KiB\n' "$package" "$program" \
            "$(median < "$work/times")" "$(median < "$work/rss")"
    done
done
