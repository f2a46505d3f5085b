#!/usr/bin/env bash
# A notebook out as web pages against the export of its stored files, on
# seeded notebooks of 3,800 and 1,900 topics.
# Usage: bench/export_peers.sh BUILD_DIR [RUNS]   (BUILD_DIR: a Release build with the bench on)
# Prints the median wall time of each export over RUNS runs (default 3), the
# pages' time against the files' (target: at most 3x) and 3,800 against
# 1,900 topics (linear: about 2x).
set -euo pipefail
build=${1:?build dir}; runs=${2:-3}
oxlin=$build/bin/oxlin; gen=$build/bin/notebook_gen
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT

median() { # target command...: median seconds of $runs runs, each into a new target
  local target=$1; shift
  local times=()
  for _ in $(seq "$runs"); do
    rm -rf "$target"
    local start=$(date +%s.%N); "$@" "$target" >/dev/null 2>&1 || true; local end=$(date +%s.%N)
    times+=("$(echo "$end - $start" | bc)")
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p"
}

ratio() { echo "scale=2; $1 / $2" | bc; }
load() { cut -d' ' -f1-3 /proc/loadavg; }

echo "load average at the start: $(load)"
declare -A html markdown
for topics in 3800 1900; do
  book=$work/book$topics.xzz
  "$gen" "$book" "$topics" 20 >/dev/null
  echo "== $topics topics"
  files=$(median "$work/files" "$oxlin" export "$book" '\')
  html[$topics]=$(median "$work/site" sh -c '"$0" export "$1" "\\" "$2" --as html' "$oxlin" "$book")
  markdown[$topics]=$(median "$work/md" sh -c '"$0" export "$1" "\\" "$2" --as markdown' "$oxlin" "$book")
  pdf=$(median "$work/book.pdf" sh -c '"$0" export "$1" "\\" "$2" --as pdf' "$oxlin" "$book")
  echo "stored files (export \\)    $files"
  echo "web pages (--as html)      ${html[$topics]}   (pages/files $(ratio "${html[$topics]}" "$files"))"
  echo "markdown (--as markdown)   ${markdown[$topics]}   (markdown/files $(ratio "${markdown[$topics]}" "$files"))"
  echo "one pdf (--as pdf)         $pdf"
  echo "pages written: $(find "$work/site" -name '*.html' | wc -l), $(du -sb "$work/site" | cut -f1) bytes"
done
echo "web pages 3,800 / 1,900 topics  $(ratio "${html[3800]}" "${html[1900]}")"
echo "markdown  3,800 / 1,900 topics  $(ratio "${markdown[3800]}" "${markdown[1900]}")"
echo "load average at the end: $(load)"
