#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# The source folders are layers, lowest first; a file may include from its own folder and from the
# folders below it, never from above. Every include of the tree counts, quoted or in angle brackets
# (the include root is the source tree), indented or not; none climbs out of its folder with "..".
# - tests/<folder>/ mirrors its folder: the same layers, the tests of those layers and the shared
#   test support, tests/support/;
# - tests/support/ is what every area's tests share (a headless engine, the fake clock, scripted
#   input, the fonts, the log's lines): it stands on core/ and media/ alone, so that the lowest
#   layer's tests can use it;
# - tests/bad_files/ runs the whole program, over every folder and the tests';
# - bench/, fuzz/ and tools/ are programs over the whole game: every folder, the test support and
#   their own folder, never each other's nor a test's.
# Prints every include that breaks the order and fails on any.
set -eu  # no pipefail: a grep that finds nothing is the good case; report judges
cd "$(dirname "$0")/.."
source scripts/check_lib.sh

TREE_ROOTS='core|media|ui|highscore|game|app|tests|bench|fuzz|tools'
status=0

# check_includes DIR ALLOWED: every include of the tree under DIR must start with one of ALLOWED
# (a regular expression over the included path).
check_includes() {
  [ -d "$1" ] || return 0
  find "$1" -type f \( -name '*.cpp' -o -name '*.h' \) | LC_ALL=C sort |
    xargs -r grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' |
    awk -v roots="^($TREE_ROOTS)/" -v allowed="^($2)/" '
      {
        path = $0; sub(/^[^:]*:[^:]*:[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]/, "", path)
        sub(/[>"].*/, "", path)
        if (path ~ /(^|\/)\.\.\//) print $0 " (climbs out with ..)"
        else if (path ~ roots && path !~ allowed) print $0
      }' |
    report "reaches out of ${1%/}'s layers ($2)" || status=1
}

below=""
for layer in "${KOLVO_LAYERS[@]}"; do
  below+="${below:+|}$layer"
  check_includes "$layer" "$below"
  check_includes "tests/$layer" "$below|tests/support|tests/(${below})"
done
check_includes tests/support "core|media|tests/support"
everything=$(IFS='|'; echo "${KOLVO_LAYERS[*]}")
# The damaged files' tests run the whole program.
check_includes tests/bad_files "$everything|tests"
for program in bench fuzz tools; do
  check_includes "$program" "$everything|tests/support|$program"
done

[ "$status" -eq 0 ] && echo "every include runs downward: ${KOLVO_LAYERS[*]}; tests/support over core and" \
  "media; bench, fuzz and tools over all"
exit "$status"
