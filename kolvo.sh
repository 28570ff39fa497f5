#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Builds Kolvo when needed and starts it from the player's own directory
# ($XDG_DATA_HOME/kolvo, by default ~/.local/share/kolvo), where the highscore list and the log
# live. Options go to the game: -w windowed, -debug, --help.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/setup.sh" build >/dev/null
export KOLVO_BINARY="$here/build/kolvo" KOLVO_DATA="$here/build/data"
exec "$here/dist/kolvo-launch" "$@"
