#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# One way of failing: a step logs its line with Fail and returns false. Only the log writes to the
# console, only the command line answers there, and only the termination handler ends the process
# (and EndProgram, the end of main, in core/kept_files_desktop.cpp).
# The console lines kept on purpose stand in the files listed below, each marked at its place
# ("Kept on purpose: ... standard output/error"). Prints every other printf, fprintf, puts, fputs,
# perror, std::cout, std::cerr or exit in the source folders, and fails on any.
set -euo pipefail
cd "$(dirname "$0")/.."

allowed='^(core/engine\.cpp|core/log_file\.cpp|app/program\.cpp|core/termination\.cpp|core/kept_files_desktop\.cpp'
allowed+='|media/sound_stream\.cpp|media/sprite\.cpp|media/text_engine\.cpp|game/graphics_script\.cpp):'
pattern='(^|[^a-z_])(printf|fprintf|puts|fputs|perror|exit|_exit)[[:space:]]*\(|std::(cout|cerr)'
status=0
while IFS= read -r hit; do
  echo "$hit: writes to the console or ends the process outside the log"
  status=1
done < <(grep -rnE "$pattern" --include='*.cpp' --include='*.h' core media ui highscore game app |
         grep -vE '^[^:]+:[0-9]+:[[:space:]]*//' | sed -E 's/^([^:]+):/\1:/' |
         grep -vE "$allowed" || true)
for kept in media/sound_stream.cpp media/sprite.cpp media/text_engine.cpp game/graphics_script.cpp; do
  if ! grep -qE 'Kept on purpose:.*standard|standard (output|error)' "$kept"; then
    echo "$kept: writes to the console without a Kept on purpose mark"
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "only the log and the command line write to the console"
exit "$status"
