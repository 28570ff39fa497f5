#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# The tests are to stay at most 35% of the code, so that they keep guarding the game rather than
# outgrowing it: non-blank lines of C++ (.cpp, .h) under tests/ over those everywhere else in the
# tree (the tracked files in a git work tree; otherwise every file but build output). Prints the
# share and fails above the limit.
set -euo pipefail
cd "$(dirname "$0")/.."

TEST_SHARE_LIMIT_PERCENT=35

count() { xargs -r -d '\n' cat -- | grep -cv '^[[:space:]]*$' || true; }
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  files=$(git ls-files -- '*.cpp' '*.h')
else
  files=$(find . \( -name '.git' -o -name 'build*' \) -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print |
          sed 's|^\./||')
fi
tests=$(grep '^tests/' <<<"$files" | count)
code=$(grep -v '^tests/' <<<"$files" | count)
percent=$((1000 * tests / code))
echo "test lines $tests, code lines $code: $((percent / 10)).$((percent % 10))% (at most ${TEST_SHARE_LIMIT_PERCENT}%)"
[ $((100 * tests)) -le $((TEST_SHARE_LIMIT_PERCENT * code)) ]
