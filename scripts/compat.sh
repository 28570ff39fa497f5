#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Runs the whole test suite of build/ once more on SDL 1.2 over SDL 2 (sdl12-compat), on a machine
# whose own SDL 1.2 is the classic library (Debian 12). The runtime package libsdl1.2-compat
# installs beside the classic library, in a directory of its own, and LD_LIBRARY_PATH selects it
# for the game and the tests alike. Where sdl12-compat is already the system's SDL 1.2 (Debian 13
# and later), the first run of the suite has covered it and this does nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

if pkg-config --modversion sdl | grep -qv '^1\.2\.1[0-9]$'; then
  echo "SDL 1.2 is sdl12-compat $(pkg-config --modversion sdl) here already: nothing more to run"
  exit 0
fi
compat_dir="/usr/lib/$(gcc -print-multiarch)/sdl12-compat"
if [ ! -e "$compat_dir/libSDL-1.2.so.0" ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends --no-remove libsdl1.2-compat
fi
export LD_LIBRARY_PATH="$compat_dir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
# grep reads all of ldd's list: with -q it would stop at the match, and ldd, cut off, would fail
# the pipe now and then.
ldd build/kolvo | grep "$compat_dir/libSDL-1.2" >/dev/null || { echo "the game does not load $compat_dir"; exit 1; }
echo "Running the suite on sdl12-compat from $compat_dir"
# The browser story (label web) plays no SDL 1.2 of this machine's: the first run has covered it.
ctest --test-dir build --label-exclude web --output-on-failure
