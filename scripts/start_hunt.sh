#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Starts the game many times, each on a virtual X server of its own (Xvfb -noreset), and counts
# how each start ended, to find a fault that shows once in hundreds of starts. Every other start
# lacks data/sound/stonedown.wav, so the game ends by itself right after its start; the others
# reach the menu ("Menue Ready!") and are ended by SIGTERM. Every second pair of starts leaves the
# sound to SDL's choice, the others use the dummy driver. Only status 0 and 143 are normal: any
# other start keeps its directory (log, output, core dump where the system writes one beside it)
# in BUILD_DIR/hunt-keep-<number>/ and is named.
#
#   scripts/start_hunt.sh [BUILD_DIR] [STARTS]      # build and 2000 by default
#   KOLVO_HUNT_LIBRARY=compat scripts/start_hunt.sh # on sdl12-compat beside the classic library
#
# A start takes about a quarter of a second. With a sanitizer build (build-sanitize) the sanitizers
# abort on any fault they see, which then counts like a crash.
set -uo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
starts=${2:-2000}
game=$(realpath "$build/kolvo")
data=$(realpath "$build/data")
[ -x "$game" ] && [ -d "$data/grafik" ] || { echo "no game in $build: build it first"; exit 2; }
command -v Xvfb >/dev/null || { echo "Xvfb is needed (package xvfb)"; exit 2; }
if [ "${KOLVO_HUNT_LIBRARY:-}" = compat ]; then
  compat_dir="/usr/lib/$(gcc -print-multiarch)/sdl12-compat"
  [ -e "$compat_dir/libSDL-1.2.so.0" ] || { echo "no sdl12-compat in $compat_dir"; exit 2; }
  export LD_LIBRARY_PATH="$compat_dir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
ulimit -c unlimited 2>/dev/null || true

declare -A ends
abnormal=0
for ((start = 1; start <= starts; ++start)); do
  display=$((300 + RANDOM % 600))
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((300 + RANDOM % 600))
  done
  Xvfb ":$display" -noreset -nolisten tcp -screen 0 1024x768x24 >/dev/null 2>&1 &
  server=$!
  for ((wait = 0; wait < 300; ++wait)); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.01; done

  dir=$(mktemp -d /tmp/kolvo-hunt-XXXXXX)
  mkdir -p "$dir/data/grafik" "$dir/data/sound"
  ln -s "$data"/grafik/* "$dir/data/grafik/"
  ln -s "$data"/sound/* "$dir/data/sound/"
  kind=menu
  ((start % 2 == 0)) && kind=no-wav && rm "$dir/data/sound/stonedown.wav"
  audio=dummy
  ((start % 4 < 2)) && audio=default
  (
    cd "$dir" || exit 97
    [ "$audio" = dummy ] && export SDL_AUDIODRIVER=dummy
    DISPLAY=":$display" exec "$game" -w >output.txt 2>&1
  ) &
  player=$!
  for ((wait = 0; wait < 1000; ++wait)); do
    kill -0 "$player" 2>/dev/null || break
    grep -qs "Menue Ready!" "$dir/kolvolog.txt" && kill -TERM "$player" 2>/dev/null
    sleep 0.01
  done
  kill -KILL "$player" 2>/dev/null
  wait "$player"
  status=$?
  ends["$kind, status $status"]=$((${ends["$kind, status $status"]:-0} + 1))
  if [ "$status" -ne 0 ] && [ "$status" -ne 143 ]; then
    abnormal=$((abnormal + 1))
    keep="$build/hunt-keep-$start"
    rm -rf "$keep" && mv "$dir" "$keep"
    echo "start $start ($kind, sound $audio): status $status, the log ends:"
    tail -n 3 "$keep/kolvolog.txt" 2>/dev/null | tr -d '\r' | sed 's/^/  /'
  fi
  kill "$server" 2>/dev/null
  wait "$server" 2>/dev/null
  rm -rf "$dir"
done
for end in "${!ends[@]}"; do echo "$end: ${ends[$end]}"; done | sort
echo "start hunt: $starts starts, $abnormal abnormal"
[ "$abnormal" -eq 0 ]
