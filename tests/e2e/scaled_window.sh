#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# A player on a big screen asks for a larger window: -s 2 opens one of 1280 x 960 and -s 3 one of
# 1920 x 1440, each showing exactly the picture of the plain window, every pixel a square of 2 x 2
# or 3 x 3, painted again after being covered; the menu's buttons answer clicks where they are
# shown, and open the options and quit.
# Usage: scaled_window.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
E2E_SCREEN=3840x2160x24
e2e_begin "$@"
e2e_start_x
plain=$E2E_WORK/plain.png

# The menu as the pointer, resting away from the buttons, leaves it once it is drawn: a screenshot
# that two in a row agree on.
shot_menu() {
  e2e_point 500 300
  same_twice() { e2e_screenshot "$1.before.png" && sleep 0.3 && e2e_screenshot "$1" && cmp -s "$1.before.png" "$1"; }
  e2e_wait_for 30 same_twice "$1" || e2e_fail "the menu never held still"
}

e2e_start_game
shot_menu "$plain"
e2e_quit_from_menu

E2E_SCALE=2
e2e_start_game
e2e_point 500 300
e2e_wait_for 30 e2e_shows_plain "$plain" 1280x960 || e2e_fail "the window at -s 2 does not show the picture doubled"
$E2E_X elsewhere 0.5 3840 2160  # covers the whole screen for a moment
xdotool windowfocus "$E2E_WINDOW"
e2e_wait_for 20 e2e_shows_plain "$plain" 1280x960 || e2e_fail "the window at -s 2 was not painted again once uncovered"
e2e_click "${E2E_MENU_OPTIONS[@]}"
e2e_expect_log "Data loaded!"
e2e_key x
e2e_expect_log "Menue Ready!" 2
e2e_quit_from_menu

E2E_SCALE=3
e2e_start_game
e2e_point 500 300
e2e_wait_for 30 e2e_shows_plain "$plain" 1920x1440 || e2e_fail "the window at -s 3 does not show the picture tripled"
e2e_quit_from_menu
echo "the windows at -s 2 and -s 3 show the picture scaled and take the clicks where it shows them"
