#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# The source folders are layers, lowest first; a file may include from its own folder and from the
# folders below it, never from above. Tests mirror the layers: tests/<folder>/ may also use the
# shared test support in tests/. Prints every include that breaks the order and fails on any.
set -euo pipefail
cd "$(dirname "$0")/.."

KOLVO_LAYERS=(core media ui highscore game app)

below_or_same=()
status=0
for layer in "${KOLVO_LAYERS[@]}"; do
  below_or_same+=("$layer")
  allowed=$(IFS='|'; echo "${below_or_same[*]}")
  for dir in "$layer" "tests/$layer"; do
    [ -d "$dir" ] || continue
    extra=""
    [ "$dir" = "tests/$layer" ] && extra="|tests"
    while IFS= read -r hit; do
      echo "$hit: reaches above $layer/"
      status=1
    done < <(grep -rn -E '^#include "[^"]+/' --include='*.cpp' --include='*.h' "$dir" |
             grep -v -E "#include \"($allowed$extra)/" || true)
  done
done
[ "$status" -eq 0 ] && echo "every include runs downward: ${KOLVO_LAYERS[*]}"
exit "$status"
