#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Full screen on a 1920 x 1080 desktop, under a window manager: the game takes the desktop's own
# size as its video mode, switching to no other, and shows the picture of the plain window twice
# as large in the middle, black around (the comparison leaves out the picture below the title,
# where the game's pointer stands). Its pointer stands where the system's pointer is put, not only
# where it is moved step by step: a remote desktop, a touchscreen or a tablet places it absolutely,
# as xdotool does here. The menu lights the button under the pointer, and a click on Quit, after the
# pointer jumped there from elsewhere, ends the game.
# Usage: full_screen.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
E2E_SCREEN=1920x1080x24
e2e_begin "$@"
command -v openbox >/dev/null || { echo "no openbox here"; exit $E2E_SKIPPED; }
e2e_start_x
plain=$E2E_WORK/plain.png shot=$E2E_WORK/full.png
TITLE_ROWS=140  # the picture's rows above the menu's first button

e2e_start_game
e2e_wait_for 30 e2e_screenshot "$plain" || e2e_fail "no screenshot of the plain window"
e2e_quit_from_menu

# openbox runs its startup command once it manages the screen's windows.
openbox --startup "touch $E2E_WORK/managed" >"$E2E_WORK/openbox.log" 2>&1 &
wm_pid=$!
e2e_on_exit() { e2e_end_process "$wm_pid"; }
e2e_wait_for 100 test -e "$E2E_WORK/managed" || e2e_fail "openbox did not start"
# The game's window is the whole screen, the picture in it twice as large from (320, 60).
E2E_FULL_SCREEN=yes E2E_SCALE=2 E2E_LEFT=320 E2E_TOP=60
e2e_start_game
e2e_expect_log "scaled 2x, at 320,60 of 1920x1080"
e2e_wait_for 30 e2e_shows_plain "$plain" 1920x1080 $TITLE_ROWS || e2e_fail "full screen does not show the picture doubled and centred"

xdotool mousemove 5 5  # the black border, far from any button
sleep 0.3
e2e_screenshot "$E2E_WORK/away.png"
for button in E2E_MENU_OPTIONS E2E_MENU_GAME E2E_MENU_QUIT; do
  declare -n point=$button
  e2e_point "${point[@]}"
  x=$((320 + point[0] * 2)) y=$((60 + point[1] * 2))
  # The screen around the button differs from the screenshot without the pointer.
  shows_pointer_there() {
    e2e_screenshot "$shot" && [ "$($E2E_X differ "$shot" "$E2E_WORK/away.png" $((x - 40)) $((y - 40)) 80 80)" -gt 0 ]
  }
  e2e_wait_for 20 shows_pointer_there || e2e_fail "the game's pointer did not follow to $button"
done
e2e_quit_from_menu
echo "full screen shows the picture doubled in the middle, and its pointer follows where it is put"
