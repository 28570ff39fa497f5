#!/usr/bin/env bash
# Measures the windowed game on a virtual X server: start-up time to the menu (median of 10 runs),
# resident memory in the menu and in a single game, and the processor time the idle menu takes.
# Usage: scripts/measure.sh [build directory, default build]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$here/${1:-build}"
[ -x "$build/kolvo" ] || "$here/scripts/setup.sh" "${1:-build}"
source "$here/tests/e2e/lib.sh"
set +e
e2e_begin "$build/kolvo" "$build/data"
e2e_start_x
ln -sfn "$E2E_DATA" "$E2E_RUN/data"

# Start-up: from just before the process is spawned until its log says the menu is ready, which it
# does right before the menu's first frame. The log is polled every half millisecond.
/usr/bin/python3 - "$E2E_GAME" "$E2E_RUN" <<'PY'
import os, statistics, subprocess, sys, time
game, run = sys.argv[1:]
log = os.path.join(run, "kolvolog.txt")
env = dict(os.environ, SDL_VIDEODRIVER="x11", SDL_AUDIODRIVER="dummy")
times = []
for _ in range(10):
    if os.path.exists(log):
        os.remove(log)
    start = time.monotonic()
    game_process = subprocess.Popen([game, "-w"], cwd=run, env=env, stdout=subprocess.DEVNULL)
    while True:
        try:
            with open(log, "rb") as f:
                if b"Menue Ready!" in f.read():
                    break
        except FileNotFoundError:
            pass
        if time.monotonic() - start > 10:
            sys.exit("the menu never got ready")
        time.sleep(0.0005)
    times.append((time.monotonic() - start) * 1000)
    game_process.terminate()
    game_process.wait()
print("start-up to the menu: median %.1f ms (min %.1f, max %.1f, 10 runs)"
      % (statistics.median(times), min(times), max(times)))
PY

# status_kib <field>: a memory figure of the game from /proc, in KiB.
status_kib() { awk -v field="$1:" '$1 == field { print $2 }' "/proc/$e2e_game_pid/status"; }
# cpu_ticks: user plus system time of the game so far, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$e2e_game_pid/stat"; }

e2e_start_game
sleep 1
echo "menu: VmRSS $(status_kib VmRSS) KiB, VmHWM $(status_kib VmHWM) KiB"
xdotool mousemove 500 300  # the pointer rests away from the buttons
before=$(cpu_ticks)
sleep 10
after=$(cpu_ticks)
echo "idle menu: $(awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" \
  'BEGIN { printf "%.1f", 100 * t / hz / 10 }')% of one core over 10 s"

e2e_click "${E2E_MENU_GAME[@]}"
e2e_expect_log "Start Level 1"
sleep 2.5
for key in Left Left Up Right Down Down; do e2e_key "$key"; done
echo "single game: VmRSS $(status_kib VmRSS) KiB, VmHWM $(status_kib VmHWM) KiB"
before=$(cpu_ticks)
sleep 5
after=$(cpu_ticks)
echo "single game: $(awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" \
  'BEGIN { printf "%.1f", 100 * t / hz / 5 }')% of one core over 5 s"
