#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Whatever asks whether something is held asks KeyOrPadHeld (core/gamepads.cpp), so that a pad's
# input counts exactly as its key. The engine alone takes SDL's key state (core/engine.cpp, from
# its platform edge HeldKeys in core/engine_desktop.cpp and core/engine_web.cpp), and KeyOrPadHeld
# alone reads it and asks the pads whether an input is held. Prints every other read of the key
# state or of a pad's held input in the source folders, and fails on any.
set -eu  # no pipefail: a grep that finds nothing is the good case; report judges
cd "$(dirname "$0")/.."
source scripts/check_lib.sh

reads='(^|[^A-Za-z0-9_])keys[[:space:]]*\[|(\.|->)keys([^A-Za-z0-9_]|$)'
reads+="|$(calls 'HeldKeys|SDL_GetKeyState|SDL_GetKeyboardState')"
reads+='|(\.|->)Held[[:space:]]*\('
code_lines "${KOLVO_LAYERS[@]}" | grep -E "$reads" |
  grep -vE '^(core/gamepads\.cpp|core/engine\.(cpp|h)|core/engine_(desktop|web)\.cpp|core/engine_edge\.h):' |
  report "reads a held key or a pad's held input outside KeyOrPadHeld" || {
  exit 1
}
echo "every held key and pad input is read through KeyOrPadHeld"
