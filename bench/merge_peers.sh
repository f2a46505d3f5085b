#!/usr/bin/env bash
# `oxlin merge` of two 3,800-topic notebooks that differ from their common
# state in 100 topics (50 changed on each side), against one `oxlin pack` of
# the merged notebook. Target: the merge within 2x of the pack.
# Usage: bench/merge_peers.sh BUILD_DIR [RUNS]   (BUILD_DIR/bin holds oxlin and notebook_gen)
set -euo pipefail
bin=$1/bin
runs=${2:-5}
oxlin=$bin/oxlin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$bin/notebook_gen" "$work/base.xzz" 3800
# Each side appends a line to 50 plain-text topics of its own (odd ids): 1-99
# on one side, 101-199 on the other.
edit_side() {
  local name=$1 first=$2
  mkdir "$work/$name"
  "$oxlin" unpack "$work/base.xzz" "$work/$name" >/dev/null
  for ((i = first; i < first + 100; i += 2)); do
    local member
    member=$(printf '%s/%08X.xtz' "$work/$name" "$i")
    "$oxlin" decompress "$member" "$work/topic.txt"
    echo "edited on $name" >> "$work/topic.txt"
    "$oxlin" compress "$work/topic.txt" "$member"
  done
  "$oxlin" pack "$work/$name" "$work/$name.xzz"
}
edit_side ours 1
edit_side theirs 101

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
seconds() { local start end; start=$(date +%s.%N); "$@" >/dev/null; end=$(date +%s.%N); echo "$end - $start" | bc -l; }

merge_times=() pack_times=()
for ((run = 0; run < runs; run++)); do
  cp "$work/ours.xzz" "$work/merged.xzz"
  merge_times+=("$(seconds "$oxlin" merge "$work/base.xzz" "$work/merged.xzz" "$work/theirs.xzz")")
  rm -rf "$work/result" && mkdir "$work/result"
  "$oxlin" unpack "$work/merged.xzz" "$work/result" >/dev/null
  sync
  pack_times+=("$(seconds "$oxlin" pack "$work/result" "$work/packed.xzz")")
done
merge=$(printf '%s\n' "${merge_times[@]}" | median)
pack=$(printf '%s\n' "${pack_times[@]}" | median)
"$oxlin" show "$work/merged.xzz" | grep -c "edited on" | xargs echo "edits in the merged notebook (100 expected):"
printf 'merge %.3f s, pack %.3f s, merge/pack %.2f (target <= 2), load %s\n' \
  "$merge" "$pack" "$(echo "$merge / $pack" | bc -l)" "$(cut -d' ' -f1-3 /proc/loadavg)"
