#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Measures the windowed game on a virtual X server: start-up time to the menu (median of 10 runs),
# resident memory in the menu and in a single game, and the processor time that the idle menu, a
# running single game and a running challenge take.
# Usage: scripts/measure.sh [build directory, default build] [-s N]
# With -s N the game runs in a window N times as large, on a virtual screen large enough for it.
# With KOLVO_MEASURE_PEER set to a shell command (another program, for instance a game from Debian
# playing its own demo), that program is started on the same X server and measured the same way in
# the same run, and each of Kolvo's shares is also given as a part of the peer's.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$here/${1:-build}"
[ -x "$build/kolvo" ] || "$here/scripts/setup.sh" "${1:-build}"
if [ "${2:-}" = -s ]; then
  E2E_SCALE=$3
  E2E_SCREEN=3840x2160x24
fi
source "$here/tests/e2e/lib.sh"
set +e
e2e_begin "$build/kolvo" "$build/data"
e2e_start_x
ln -sfn "$E2E_DATA" "$E2E_RUN/data"

# Start-up: from just before the process is spawned until it says "Menue Ready!", which it does
# right before the menu's first frame. The game's console lines are read as they come (line
# buffered), which also splits the time: process start and linking up to its first line, SDL's
# video start (mostly the X connection) up to "set video mode", and the game's own loading of fonts
# and menu pictures from there to the menu.
/usr/bin/python3 - "$E2E_GAME" "$E2E_RUN" "$E2E_SCALE" <<'PY'
import os, statistics, subprocess, sys, time
game, run, scale = sys.argv[1:]
env = dict(os.environ, SDL_VIDEODRIVER="x11", SDL_AUDIODRIVER="dummy")
marks = {"Initialising Engine": [], "set video mode": [], "Menue Ready!": []}
for _ in range(10):
    start = time.monotonic()
    shown = ["-w"] + (["-s", scale] if scale != "1" else [])
    process = subprocess.Popen(["stdbuf", "-oL", game] + shown, cwd=run, env=env,
                               stdout=subprocess.PIPE, text=True)
    for line in process.stdout:
        for mark, times in marks.items():
            if mark in line and len(times) < len(marks["Menue Ready!"]) + 1:
                times.append((time.monotonic() - start) * 1000)
        if "Menue Ready!" in line:
            break
    process.terminate()
    process.wait()
first, video, menu = (statistics.median(times) for times in marks.values())
print("start-up to the menu: median %.1f ms (min %.1f, max %.1f, 10 runs)"
      % (menu, min(marks["Menue Ready!"]), max(marks["Menue Ready!"])))
print("  of which: process start and linking %.1f ms, SDL video start %.1f ms, fonts and menu %.1f ms"
      % (first, video - first, menu - video))
PY

# status_kib <field>: a memory figure of the game from /proc, in KiB.
status_kib() { awk -v field="$1:" '$1 == field { print $2 }' "/proc/$e2e_game_pid/status"; }
# cpu_ticks <pid>: user plus system time so far of the process, of the living processes of the
# group it leads (if it leads one) and of the children they have waited for, in clock ticks.
cpu_ticks() {
  cat /proc/[0-9]*/stat 2>/dev/null | awk -v pid="$1" '
    { own = $1; sub(/^.*\) /, "") }  # past the command name, which may hold spaces
    own == pid || $3 == pid { t += $12 + $13 + $14 + $15 }
    END { print t + 0 }'
}
peer_share=""
# cpu_share <what> <pid> <seconds>: that time over the next seconds, as a share of one core (and as
# a part of the peer's share, once that is known).
cpu_share() {
  local before after share
  before=$(cpu_ticks "$2")
  sleep "$3"
  after=$(cpu_ticks "$2")
  share=$(awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$3" \
    'BEGIN { printf "%.1f", 100 * t / hz / s }')
  echo -n "$1: $share% of one core over $3 s"
  [ -n "$peer_share" ] && awk -v own="$share" -v peer="$peer_share" \
    'BEGIN { if (peer > 0) printf " (%.0f%% of the peer'"'"'s share)", 100 * own / peer }'
  echo
}

# The peer first, alone on the X server, in a process group of its own so that all it starts counts.
if [ -n "${KOLVO_MEASURE_PEER:-}" ]; then
  setsid bash -c "$KOLVO_MEASURE_PEER" >/dev/null 2>&1 &
  peer_pid=$!
  e2e_on_exit() { kill -- -"$peer_pid" 2>/dev/null; }
  sleep 3  # past its start-up
  peer_line=$(cpu_share "peer ($KOLVO_MEASURE_PEER)" "$peer_pid" 10)
  echo "$peer_line"
  peer_share=${peer_line##*: }
  peer_share=${peer_share%%%*}
  e2e_on_exit
fi

e2e_start_game
sleep 1
echo "menu: VmRSS $(status_kib VmRSS) KiB, VmHWM $(status_kib VmHWM) KiB"
e2e_point 500 300  # the pointer rests away from the buttons
cpu_share "idle menu" "$e2e_game_pid" 10

# A single game, running: past its first level banner, a few moves, then nothing held while the
# stones fall (at the start a stone takes about ten seconds to come down).
e2e_click "${E2E_MENU_GAME[@]}"
e2e_expect_log "Start Level 1"
sleep 2.5
for key in Left Left Up Right Down; do e2e_key "$key"; done
echo "single game: VmRSS $(status_kib VmRSS) KiB, VmHWM $(status_kib VmHWM) KiB"
cpu_share "running single game" "$e2e_game_pid" 10
e2e_key Escape
e2e_expect_log "Menue Ready!" 2 10

# A challenge, running, both playfields falling.
e2e_click "${E2E_MENU_CHALLENGE[@]}"
e2e_expect_log "Enter inner mainloop..."
sleep 0.5
cpu_share "running challenge" "$e2e_game_pid" 10
