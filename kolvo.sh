#!/usr/bin/env bash
# Builds Kolvo when needed and starts it. Options go to the game: -w windowed, -debug, --help.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/setup.sh" build >/dev/null
cd "$here/build"
exec ./kolvo "$@"
