#!/usr/bin/env bash
# The layer check must refuse what the table forbids, in a tree that is a
# copy of this one's table with a few sources: an include from a folder the
# row does not name (lookup/ using the window), a folder of sources the
# table leaves out, and a target of its own inside platform/ without a row.
# What the table allows must pass.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
check="$root/tools/check-include-layers.pl"
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cp "$root/README.md" "$tree/"
# Every folder of the table, so that only the sources below are judged.
sed -n '/^## Layout of the source/,/^## /s/^| `\([^`]*\)\/` |.*/\1/p' "$root/README.md" |
    while read -r folder; do mkdir -p "$tree/$folder"; done
[ -d "$tree/platform/files" ] || fail "the table's folders were not found in README.md"

echo '#include "platform/Files.h"' >"$tree/lookup/Allowed.cpp"
echo '#pragma once' >"$tree/platform/Files.h"
echo '#pragma once' >"$tree/app/Form1.h"
perl "$check" "$tree" 2>"$tree/errors" || fail "an allowed include was refused: $(cat "$tree/errors")"

printf '#include "Allowed.h"\n#include "app/Form1.h"\n' >"$tree/lookup/Broken.cpp"
echo '#pragma once' >"$tree/lookup/Allowed.h"
if perl "$check" "$tree" 2>"$tree/errors"; then
    fail "lookup/ including app/ went unnoticed"
fi
grep -q '^lookup/Broken.cpp:2: includes "app/Form1.h" from app/' "$tree/errors" ||
    fail "the refusal did not name the include: $(cat "$tree/errors")"
[ "$(wc -l <"$tree/errors")" -eq 1 ] || fail "more than the one include was refused: $(cat "$tree/errors")"
rm "$tree/lookup/Broken.cpp"

mkdir "$tree/newfolder"
echo 'int x;' >"$tree/newfolder/New.cpp"
if perl "$check" "$tree" 2>"$tree/errors"; then
    fail "a folder of sources without a row in the table went unnoticed"
fi
grep -q 'newfolder/ holds sources but has no row' "$tree/errors" || fail "unexpected refusal: $(cat "$tree/errors")"
rm -r "$tree/newfolder"

mkdir "$tree/platform/extra"
echo '#include "app/Form1.h"' >"$tree/platform/extra/Extra.cpp"
echo 'add_library(extra STATIC Extra.cpp)' >"$tree/platform/extra/CMakeLists.txt"
if perl "$check" "$tree" 2>"$tree/errors"; then
    fail "a target inside platform/ without a row of its own went unnoticed"
fi
grep -q 'platform/extra/ builds a target of its own in platform/' "$tree/errors" ||
    fail "unexpected refusal: $(cat "$tree/errors")"
echo "the layer check refuses what its table forbids"
