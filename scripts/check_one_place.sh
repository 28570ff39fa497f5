#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Calls that have one place in the game: the screen loop (core/screen.cpp) alone drains SDL's
# events and presents frames; the engine alone installs the event filter (through its platform edge,
# core/engine_edge_desktop.cpp), and
# sets SDL's environment only in the constructor that runs before anything else of the program
# (SetSdlEnvironment), never after start. No screen's Step runs another screen. Prints every call
# elsewhere and fails on any.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
calls_outside() {  # call, the one file allowed
  grep -rnE "\b$1[[:space:]]*\(" --include='*.cpp' --include='*.h' core media ui highscore game app |
    grep -vE '^[^:]+:[0-9]+:[[:space:]]*//' | grep -vE "^$2:" || true
}
for rule in "SDL_PollEvent core/screen.cpp" "SDL_Flip core/screen.cpp" \
            "SDL_SetEventFilter core/engine_edge_desktop.cpp" "setenv core/engine.cpp" \
            "putenv core/engine.cpp" "unsetenv core/engine.cpp"; do
  read -r call place <<<"$rule"
  while IFS= read -r hit; do
    [ -n "$hit" ] || continue
    echo "$hit: $call belongs in $place alone"
    status=1
  done < <(calls_outside "$call" "$place")
done
# Within the engine, the environment is set in SetSdlEnvironment only.
while IFS= read -r hit; do
  echo "core/engine.cpp:$hit: setenv after start (outside SetSdlEnvironment)"
  status=1
done < <(awk '/SetSdlEnvironment\(\)$/ { inside = 1 } inside && /^}/ { inside = 0 }
              /\<(set|put|unset)env[[:space:]]*\(/ && !inside { print NR ": " $0 }' core/engine.cpp)
# No screen runs inside another: a screen's Step never calls RunScreen (its body runs from the
# "::Step()" line to the first closing brace in the first column).
while IFS= read -r hit; do
  echo "$hit: RunScreen inside a Step"
  status=1
done < <(for file in $(grep -rlE '::Step\(\)' --include='*.cpp' core media ui highscore game app); do
           awk -v file="$file" '/::Step\(\)/ { inside = 1 } inside && /^}/ { inside = 0 }
                                inside && /RunScreen[[:space:]]*\(/ { print file ":" NR ": " $0 }' "$file"
         done)
[ "$status" -eq 0 ] &&
  echo "events, frames, the event filter and the environment each have one place; no RunScreen in a Step"
exit "$status"
