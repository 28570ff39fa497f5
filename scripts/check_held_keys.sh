#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Whatever asks whether a key is held asks KeyOrPadHeld (core/gamepads.cpp), so that a pad's input
# counts exactly as its key; the engine only keeps SDL's key state (core/engine.cpp). Prints every
# other read of the key state in the source folders and fails on any.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
while IFS= read -r hit; do
  echo "$hit: reads a held key outside KeyOrPadHeld"
  status=1
done < <(grep -rnE '(\bkeys\[|\.keys\b|->keys\b|SDL_GetKeyState)' --include='*.cpp' --include='*.h' \
           core media ui highscore game app |
         grep -vE '^[^:]+:[0-9]+:[[:space:]]*//' |
         grep -vE '^(core/gamepads\.cpp|core/engine\.(cpp|h)|core/engine_edge_(desktop|web)\.cpp):' || true)
[ "$status" -eq 0 ] && echo "every held key is read through KeyOrPadHeld"
exit "$status"
