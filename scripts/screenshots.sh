#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Takes the README's screenshots from the real game window on a virtual X server:
# docs/screenshots/{menu,game,challenge,name_entry,highscore}.png, each the 640 x 480 window.
# The highscore list is seeded with a few results first. The name entry comes from
# tools/name_entry_window.cpp, which opens that screen alone: a qualifying score needs a cleared
# row, which random stones make hard to reach by remote control.
# Usage: scripts/screenshots.sh [build directory, default build]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$here/${1:-build}"
out="$here/docs/screenshots"
[ -x "$build/kolvo" ] && [ -x "$build/tools/kolvo_name_entry" ] || "$here/scripts/setup.sh" "${1:-build}"
mkdir -p "$out"

source "$here/tests/e2e/lib.sh"
set +e
e2e_begin "$build/kolvo" "$build/data"
e2e_start_x

now=$(date +%s)
/usr/bin/python3 "$here/tests/highscore/highscore_format.py" encode "$E2E_RUN/highscore.txt" "$now" "$now" \
  "Marta:1250:7:742:$now" "Jonas:860:5:515:$now" "Ada:490:4:377:$now" "Theo:160:2:201:$now" \
  "Lin:40:1:95:$now"
e2e_start_game

# The menu, with the pointer resting on the start button.
e2e_point 180 172
sleep 0.5
e2e_screenshot "$out/menu.png"

# A single game: stones steered left and right for a while, then the picture.
e2e_click "${E2E_MENU_GAME[@]}"
e2e_expect_log "Start Level 1"
sleep 2.1
for keys in "Left Left Left Down" "Right Right Right Up Down" "Up Left Down" "Right Down" \
            "Left Left Left Left Up Down" "Right Right Right Right Down" "Up Down"; do
  for key in $keys; do e2e_key "$key" 0.12; sleep 0.08; done
  xdotool keydown Down; sleep 3; xdotool keyup Down
done
sleep 0.3
e2e_screenshot "$out/game.png"
e2e_key Escape
e2e_expect_log "Menue Ready!" 2

# The challenge: both players move their stones for a few seconds.
e2e_click "${E2E_MENU_CHALLENGE[@]}"
e2e_expect_log "Enter inner mainloop..."
for keys in "a Left" "d Right" "w Up" "a Right" "a Right"; do
  for key in $keys; do xdotool keydown "$key"; done
  sleep 0.15
  for key in $keys; do xdotool keyup "$key"; done
  xdotool keydown s Down; sleep 1.5; xdotool keyup s Down
done
e2e_screenshot "$out/challenge.png"
e2e_key Escape
e2e_expect_log "User exits!"
sleep 0.5
e2e_key Return
e2e_expect_log "Menue Ready!" 3

# The highscore list with the seeded results.
e2e_key h
e2e_expect_log "Load done!"
sleep 0.6
e2e_screenshot "$out/highscore.png"
e2e_key Return
e2e_expect_log "Menue Ready!" 4
e2e_quit_from_menu

# The name entry, with a name half typed.
e2e_start_name_entry
for key in shift+m a r; do e2e_key "$key"; sleep 0.05; done
sleep 0.5
e2e_screenshot "$out/name_entry.png"
e2e_key Return
e2e_wait_game_end
echo "screenshots in $out"
