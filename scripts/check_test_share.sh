#!/usr/bin/env bash
# The tests are to stay at most 35% of the code, so that they keep guarding the game rather than
# outgrowing it: non-blank lines of C++ (.cpp, .h) under tests/ over those everywhere else in the
# tracked tree. Prints the share; fails above the limit; skips (77) outside a git work tree.
set -euo pipefail
cd "$(dirname "$0")/.."

TEST_SHARE_LIMIT_PERCENT=35

git rev-parse --is-inside-work-tree >/dev/null 2>&1 || { echo "not a git work tree"; exit 77; }
count() { xargs -r -d '\n' cat -- | grep -cv '^[[:space:]]*$' || true; }
files=$(git ls-files -- '*.cpp' '*.h')
tests=$(grep '^tests/' <<<"$files" | count)
code=$(grep -v '^tests/' <<<"$files" | count)
percent=$((100 * tests / code))
echo "test lines $tests, code lines $code: ${percent}% (at most ${TEST_SHARE_LIMIT_PERCENT}%)"
[ $((100 * tests)) -le $((TEST_SHARE_LIMIT_PERCENT * code)) ]
