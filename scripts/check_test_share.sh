#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# The tests are to be at most 35% of the code, so that they keep guarding the game rather than
# outgrowing it: a new test takes out what it makes redundant. Counted over every language: the
# non-blank lines of every source file under tests/ (C++, shell, Python, JavaScript) over those of
# every other source file: the game, bench/, fuzz/, tools/, scripts/, the page in web/ (its HTML
# too) and the scripts without a suffix that start with "#!". Not counted: debian/ (the
# packaging), data without code (pictures, the fuzz corpora, documents) and the build's own CMake
# files. The files are the tracked ones in a git work tree, otherwise every file but build output.
# Prints both counts and the share (rounded down to a hundredth); fails above the limit.
set -euo pipefail
cd "$(dirname "$0")/.."

TEST_SHARE_LIMIT_PERCENT=35

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
hundredths=$((10000 * tests / code))
share=$(printf '%d.%02d%%' $((hundredths / 100)) $((hundredths % 100)))
echo "test lines $tests, code lines $code (every language): $share (fails above ${TEST_SHARE_LIMIT_PERCENT}%)"
[ $((100 * tests)) -le $((TEST_SHARE_LIMIT_PERCENT * code)) ]
