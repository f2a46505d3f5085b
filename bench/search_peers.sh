#!/usr/bin/env bash
# Content search, title search and `oxlin tree` against the command-line
# peers, in one run, on seeded notebooks of 3,800 and 1,900 topics; then
# `oxlin search` over a data folder of 1, 5 and 10 such notebooks against one
# `oxlin search` per notebook.
# Usage: bench/search_peers.sh BUILD_DIR [RUNS] [notebooks]
#   (BUILD_DIR: a Release build with the bench on; "notebooks": that part only)
# Prints the median wall time of each command over RUNS runs (default 5).
set -euo pipefail
build=${1:?build dir}; runs=${2:-5}; only=${3:-}
oxlin=$build/bin/oxlin; gen=$build/bin/notebook_gen
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT

median() { # command...: median seconds of $runs runs
  local times=()
  for _ in $(seq "$runs"); do
    local start=$(date +%s.%N); "$@" >/dev/null 2>&1 || true; local end=$(date +%s.%N)
    times+=("$(echo "$end - $start" | bc)")
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p"
}

ratio() { echo "scale=2; $1 / $2" | bc; }
load() { cut -d' ' -f1-3 /proc/loadavg; }

# A data folder of 1, 5 and 10 notebooks of 3,800 topics each (differently
# seeded), searched at once and one notebook per run.
several_notebooks() {
  local all=$work/all; mkdir -p "$all"
  for i in $(seq 10); do "$gen" "$all/Book$i.xzz" 3800 $((20 + i)); done
  declare -A folder
  for count in 1 5 10; do
    local data=$work/data$count; mkdir -p "$data"
    for i in $(seq "$count"); do ln -s "$all/Book$i.xzz" "$data/"; done
    folder[$count]=$(median "$oxlin" search "$data" zebracorn)
    local each
    each=$(median sh -c "for book in $data/*.xzz; do \"$oxlin\" search \"\$book\" zebracorn; done")
    echo "notebooks $count  oxlin search FOLDER   ${folder[$count]}"
    echo "notebooks $count  one run each         $each   (folder/each $(ratio "${folder[$count]}" "$each"))"
  done
  echo "notebooks 5 / 1   $(ratio "${folder[5]}" "${folder[1]}")   10 / 1   $(ratio "${folder[10]}" "${folder[1]}")"
}

echo "load average at the start: $(load)"
if [[ $only == notebooks ]]; then
  several_notebooks
  echo "load average at the end: $(load)"
  exit 0
fi
declare -A content
for topics in 3800 1900; do
  book=$work/book$topics.xzz; files=$work/files$topics
  "$gen" "$book" "$topics" 20
  mkdir -p "$files" && "$oxlin" unpack "$book" "$files" >/dev/null
  treeonly=$work/tree$topics && mkdir -p "$treeonly" && cp "$files/Tree.xtz" "$treeonly/"
  echo "== $topics topics, $(du -sb "$files" | cut -f1) bytes compressed"
  search=$(median "$oxlin" search "$book" zebracorn); content[$topics]=$search
  floor=$(median sh -c "gzip -dc $files/*.xtz | grep -c -i zebracorn")
  echo "content  oxlin search        $search"
  echo "content  floor gzip|grep -c  $floor   (oxlin/floor $(ratio "$search" "$floor"))"
  echo "content  zgrep -il           $(median sh -c "zgrep -il zebracorn $files/*.xtz")"
  if command -v rg >/dev/null; then
    # rg -z decompresses only names it knows, so ".xtz" is searched compressed;
    # the copy named ".gz" makes it do the same work as the others.
    gz=$work/gz$topics && mkdir -p "$gz"
    for f in "$files"/*.xtz; do cp "$f" "$gz/$(basename "$f" .xtz).gz"; done
    echo "content  rg -z -il (.xtz)    $(median rg -z -il zebracorn "$files")"
    rg=$(median rg -z -il zebracorn "$gz")
    echo "content  rg -z -il (.gz)     $rg   (rg/oxlin $(ratio "$rg" "$search"))"
  fi
  titles=$(median "$oxlin" search "$book" 'Topic 37' --titles)
  peer=$(median sh -c "gzip -dc $files/Tree.xtz | grep -i 'Topic 37'")
  echo "titles   oxlin --titles      $titles"
  echo "titles   gzip Tree|grep -i   $peer   (oxlin/peer $(ratio "$titles" "$peer"))"
  tree=$(median "$oxlin" tree "$book")
  peer=$(median sh -c "gzip -dc $files/Tree.xtz | wc -l")
  echo "tree     oxlin tree          $tree"
  echo "tree     gzip Tree|wc -l     $peer   (oxlin/peer $(ratio "$tree" "$peer"))"
done
echo "content  3,800 / 1,900 topics  $(ratio "${content[3800]}" "${content[1900]}")"
several_notebooks
echo "load average at the end: $(load)"
