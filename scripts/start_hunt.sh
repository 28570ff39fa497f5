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
# A start takes under a second. With a sanitizer build (build-sanitize) the sanitizers
# abort on any fault they see, which then counts like a crash.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$here" && realpath "${1:-build}")
starts=${2:-2000}
if [ "${KOLVO_HUNT_LIBRARY:-}" = compat ]; then
  compat_dir="/usr/lib/$(gcc -print-multiarch)/sdl12-compat"
  [ -e "$compat_dir/libSDL-1.2.so.0" ] || { echo "no sdl12-compat in $compat_dir"; exit 2; }
  export LD_LIBRARY_PATH="$compat_dir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
ulimit -c unlimited 2>/dev/null || true
# The window stories' own steps: a virtual X server on a free display, waiting, ending a process.
E2E_SCREEN=1024x768x24
source "$here/tests/e2e/lib.sh"
e2e_begin "$build/kolvo" "$build/data"

# hunt_start <kind> <sound>: one start in a fresh directory on a fresh X server; its status ends
# up in hunt_status.
hunt_start() {
  rm -rf "$E2E_RUN" && mkdir -p "$E2E_RUN/data/grafik" "$E2E_RUN/data/sound"
  ln -s "$E2E_DATA"/grafik/* "$E2E_RUN/data/grafik/"
  ln -s "$E2E_DATA"/sound/* "$E2E_RUN/data/sound/"
  [ "$1" = no-wav ] && rm "$E2E_RUN/data/sound/stonedown.wav"
  e2e_start_x
  (
    cd "$E2E_RUN" || exit 97
    [ "$2" = dummy ] && export SDL_AUDIODRIVER=dummy
    exec "$E2E_GAME" -w >game.out 2>&1
  ) &
  e2e_game_pid=$!
  hunt_menu_or_end() {
    ! kill -0 "$e2e_game_pid" 2>/dev/null || [ "$(e2e_log_count "Menue Ready!")" -gt 0 ]
  }
  e2e_wait_for 100 hunt_menu_or_end
  kill -TERM "$e2e_game_pid" 2>/dev/null
  hunt_ended() { ! kill -0 "$e2e_game_pid" 2>/dev/null; }
  e2e_wait_for 100 hunt_ended || kill -KILL "$e2e_game_pid" 2>/dev/null
  wait "$e2e_game_pid" 2>/dev/null
  hunt_status=$?
  e2e_game_pid=""
  e2e_end_process "$e2e_xvfb_pid"
}

declare -A ends
abnormal=0
for ((start = 1; start <= starts; ++start)); do
  kind=menu
  ((start % 2 == 0)) && kind=no-wav
  audio=dummy
  ((start % 4 < 2)) && audio=default
  hunt_start "$kind" "$audio"
  status=$hunt_status
  ends["$kind, status $status"]=$((${ends["$kind, status $status"]:-0} + 1))
  if [ "$status" -ne 0 ] && [ "$status" -ne 143 ]; then
    abnormal=$((abnormal + 1))
    keep="$build/hunt-keep-$start"
    rm -rf "$keep" && cp -a "$E2E_RUN" "$keep"
    echo "start $start ($kind, sound $audio): status $status, the log ends:"
    tail -n 3 "$keep/kolvolog.txt" 2>/dev/null | tr -d '\r' | sed 's/^/  /'
  fi
done
for end in "${!ends[@]}"; do echo "$end: ${ends[$end]}"; done | sort
echo "start hunt: $starts starts, $abnormal abnormal"
[ "$abnormal" -eq 0 ]
