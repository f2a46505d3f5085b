#!/usr/bin/env bash
# Two clones of a repository holding a notebook edit it, one of them on the
# topic the other edits too; `git pull` merges through `oxlin merge`, and
# `oxlin show` of the result has every edit.
# Usage: git_merge_check.sh OXLIN
set -euo pipefail
oxlin=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work GIT_CONFIG_NOSYSTEM=1 GIT_TERMINAL_PROMPT=0
export GIT_AUTHOR_NAME=Tester GIT_AUTHOR_EMAIL=t@example.org
export GIT_COMMITTER_NAME=Tester GIT_COMMITTER_EMAIL=t@example.org
# The lines the README gives, in the user's configuration.
git config --global merge.oxlin.name "Oxlin notebook merge"
git config --global merge.oxlin.driver "$oxlin merge %O %A %B"
git config --global diff.oxlin.textconv "$oxlin show"
git config --global init.defaultBranch main
git config --global pull.rebase false

fail() { echo "git_merge_check: $*" >&2; exit 1; }
add() { printf '%s\n' "$3" | "$oxlin" add "$1" "$2" -; }

git init -q --bare "$work/origin.git"
git clone -q "$work/origin.git" "$work/a" 2>/dev/null
cd "$work/a"
echo '*.xzz merge=oxlin diff=oxlin' > .gitattributes
add Notes.xzz 'Work\Plan.txt' "plan"
add Notes.xzz 'Work\Todo.txt' "todo"
add Notes.xzz 'Shared.txt' "shared"
git add . && git commit -qm "A notebook" && git push -q origin main
git clone -q "$work/origin.git" "$work/b"

add Notes.xzz 'Work\Plan.txt' "plan: edited on a"
add Notes.xzz 'Shared.txt' "shared: edited on a"
git commit -qam "Edits on a" && git push -q origin main

cd "$work/b"
add Notes.xzz 'Work\Todo.txt' "todo: edited on b"
add Notes.xzz 'Shared.txt' "shared: edited on b"
add Notes.xzz 'Home\New.txt' "new on b"
git commit -qam "Edits on b"
git pull -q origin main > "$work/pull.log" 2>&1 || { cat "$work/pull.log"; fail "the pull did not merge"; }
grep -q 'kept twice: Shared.txt' "$work/pull.log" || { cat "$work/pull.log"; fail "no line for the topic kept twice"; }
[ "$(git log --oneline | wc -l)" -eq 4 ] || fail "no merge commit"

"$oxlin" show Notes.xzz > "$work/shown"
for text in "plan: edited on a" "todo: edited on b" "shared: edited on a" "shared: edited on b" \
            "new on b" "Shared (other copy).txt"; do
  grep -qF "$text" "$work/shown" || { cat "$work/shown"; fail "\"$text\" is missing"; }
done
# git diff reads the notebook through `oxlin show`.
git diff HEAD~1 -- Notes.xzz | grep -qF "+    plan: edited on a" || fail "git diff shows no text"
echo "git_merge_check: ok"
