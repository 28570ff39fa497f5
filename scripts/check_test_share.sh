#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# The tests are to be at most 35% of the code, so that they keep guarding the game rather than
# outgrowing it. They are more today: the check fails above today's share, a limit that only ever
# comes down as tests are shared and cut, until it reaches the aim. Counted over every language: the non-blank lines of every source file under tests/
# (C++, shell, Python, JavaScript) over those of every other source file: the game, bench/, fuzz/,
# tools/, scripts/, the page in web/ (its HTML too) and the scripts without a suffix that start
# with "#!". Not counted: debian/ (the packaging), data without code (pictures, the fuzz corpora,
# documents) and the build's own CMake files. The files are the tracked ones in a git work tree,
# otherwise every file but build output. Prints both counts and the share; fails above the limit.
set -euo pipefail
cd "$(dirname "$0")/.."

TEST_SHARE_AIM_PERCENT=35
TEST_SHARE_LIMIT_PERCENT=38  # lower it whenever the share falls below; never raise it

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  files=$(git ls-files)
else
  files=$(find . \( -name '.git' -o -name 'build*' \) -prune -o -type f -print | sed 's|^\./||')
fi
# Source files: by suffix, or by a "#!" first line.
sources=$(grep -v '^debian/' <<<"$files" | while IFS= read -r file; do
  case "${file##*/}" in
    *.cpp | *.h | *.sh | *.py | *.js | *.html) echo "$file" ;;
    *.*) ;;
    *) [ -f "$file" ] && [ "$(head -c 2 -- "$file" | tr -d '\0')" = '#!' ] && echo "$file" || true ;;
  esac
done)
count() { xargs -r -d '\n' cat -- | grep -cv '^[[:space:]]*$' || true; }
tests=$(grep '^tests/' <<<"$sources" | count)
code=$(grep -v '^tests/' <<<"$sources" | count)
percent=$((1000 * tests / code))
echo "test lines $tests, code lines $code (every language): $((percent / 10)).$((percent % 10))%" \
  "(fails above ${TEST_SHARE_LIMIT_PERCENT}%, the aim is ${TEST_SHARE_AIM_PERCENT}%)"
[ $((100 * tests)) -le $((TEST_SHARE_LIMIT_PERCENT * code)) ]
