#!/usr/bin/env bash
# The structure check must fail on each fault it exists for, and pass a clean tree.
set -u
check="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

make_clean_tree() {
    rm -rf "$work/src"
    mkdir -p "$work/src/core/store" "$work/src/core/tree"
    printf '#pragma once\nint stored();\n' > "$work/src/core/store/stored.h"
    printf '#include "core/store/stored.h"\n\nint tree() {\n    return stored();\n}\n' \
        > "$work/src/core/tree/tree.cpp"
}

expect() { # expect PASS|FAIL WHAT
    if python3 "$check" "$work/src" > "$work/out" 2>&1; then got=PASS; else got=FAIL; fi
    if [ "$got" != "$1" ]; then
        echo "FAIL: $2: expected $1, got $got"; cat "$work/out"; failures=$((failures + 1))
    fi
}

make_clean_tree
expect PASS "a tree whose includes run down"

make_clean_tree
printf '#include "core/tree/tree.h"\n' > "$work/src/core/store/up.cpp"
printf '#pragma once\n' > "$work/src/core/tree/tree.h"
expect FAIL "an include that runs up"

make_clean_tree
mkdir -p "$work/src/core/update"
printf '#pragma once\n' > "$work/src/core/update/version.h"
printf '#include "core/update/version.h"\n' > "$work/src/core/tree/side.cpp"
expect FAIL "an include between siblings"

make_clean_tree
mkdir -p "$work/src/elsewhere"
printf 'int x;\n' > "$work/src/elsewhere/x.cpp"
expect FAIL "a folder with no layer"

make_clean_tree
yes 'int a;' | head -451 > "$work/src/core/tree/long.cpp"
expect FAIL "a file over 450 lines"

make_clean_tree
{ printf 'int longFunction(int a,\n                 int b) {\n'
  yes '    ++a;' | head -78
  printf '}\n'; } > "$work/src/core/tree/function.cpp"
expect FAIL "a function over 80 lines, its signature on two lines"

make_clean_tree
{ printf 'class Kept {\npublic:\n    void f() {\n'
  yes '        ;' | head -90
  printf '    }\n};\n'; } > "$work/src/core/tree/in_class.cpp"
expect PASS "an access label is not a function"

[ "$failures" -eq 0 ] && echo "all structure checks behave"
exit "$failures"
