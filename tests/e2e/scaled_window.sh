#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# On a 3840 x 2160 screen, -s 2 opens a 1280 x 960 window showing exactly the plain window's
# picture doubled, painted again after being covered, Quit answering a click where it shows (other
# factors are the command line's and the scaled screen's tests). Full screen, under a window
# manager, keeps the desktop's mode and shows the picture four times as large in the middle, black
# around (below the title the game's pointer stands). That pointer follows the system's when put
# absolutely, as a tablet or a remote desktop does, and Quit reached so ends the game.
# Usage: scaled_window.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
E2E_SCREEN=3840x2160x24
e2e_begin "$@"
command -v openbox >/dev/null || { echo "no openbox here"; exit $E2E_SKIPPED; }
e2e_start_x
plain=$E2E_WORK/plain.png shot=$E2E_WORK/full.png

e2e_start_game
# The menu, the pointer away from the buttons, once two screenshots in a row agree.
e2e_point 500 300
same_twice() { e2e_screenshot "$shot" && sleep 0.3 && e2e_screenshot "$plain" && cmp -s "$shot" "$plain"; }
e2e_wait_for 30 same_twice || e2e_fail "the menu never held still"
e2e_quit_from_menu

E2E_SCALE=2
e2e_start_game
e2e_point 500 300
e2e_wait_for 30 e2e_shows_plain "$plain" 1280x960 || e2e_fail "the window at -s 2 does not show the picture doubled"
$E2E_X elsewhere 0.5 3840 2160  # covers the whole screen for a moment
xdotool windowfocus "$E2E_WINDOW"
e2e_wait_for 20 e2e_shows_plain "$plain" 1280x960 || e2e_fail "the window at -s 2 was not painted again once uncovered"
e2e_quit_from_menu  # its click lands on Quit as shown, twice as large

# openbox runs its startup command once it manages the screen's windows.
openbox --startup "touch $E2E_WORK/managed" >"$E2E_WORK/openbox.log" 2>&1 &
wm_pid=$!
e2e_on_exit() { e2e_end_process "$wm_pid"; }
e2e_wait_for 100 test -e "$E2E_WORK/managed" || e2e_fail "openbox did not start"
# The picture four times as large from (640, 120), compared in its 140 rows above the buttons.
E2E_FULL_SCREEN=yes E2E_SCALE=4 E2E_LEFT=640 E2E_TOP=120
e2e_start_game
e2e_expect_log "scaled 4x, at 640,120 of 3840x2160"
e2e_wait_for 30 e2e_shows_plain "$plain" 3840x2160 140 || e2e_fail "full screen does not show the picture scaled and centred"

xdotool mousemove 5 5  # the black border, far from any button
sleep 0.3
e2e_screenshot "$E2E_WORK/away.png"
for button in E2E_MENU_OPTIONS E2E_MENU_GAME E2E_MENU_QUIT; do
  declare -n point=$button
  e2e_point "${point[@]}"
  x=$((E2E_LEFT + point[0] * E2E_SCALE)) y=$((E2E_TOP + point[1] * E2E_SCALE))
  # The screen around the button differs from the screenshot without the pointer.
  shows_pointer_there() {
    e2e_screenshot "$shot" && [ "$($E2E_X differ "$shot" "$E2E_WORK/away.png" $((x - 40)) $((y - 40)) 80 80)" -gt 0 ]
  }
  e2e_wait_for 20 shows_pointer_there || e2e_fail "the game's pointer did not follow to $button"
done
e2e_quit_from_menu
echo "the window at -s 2 and full screen show the picture scaled, taking clicks and pointer there"
