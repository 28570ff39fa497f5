#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Full screen on a 1920 x 1080 desktop takes the desktop's own size as its video mode, switching to
# no other, and shows the picture of the plain window twice as large in the middle, black around.
# The comparison leaves out the picture below the title: the game's pointer stands where the
# system's is, in the middle of the screen, which is another place in the picture than in the plain
# window (full_screen_pointer.sh follows it).
# Usage: full_screen.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
E2E_SCREEN=1920x1080x24
e2e_begin "$@"
e2e_start_x
plain=$E2E_WORK/plain.png shot=$E2E_WORK/full.png
TITLE_ROWS=140  # the picture's rows above the menu's first button

e2e_start_game
e2e_wait_for 30 e2e_screenshot "$plain" || e2e_fail "no screenshot of the plain window"
e2e_quit_from_menu

E2E_FULL_SCREEN=yes
e2e_start_game
e2e_expect_log "scaled 2x, at 320,60 of 1920x1080"
shows_plain_doubled() {
  local width height differ
  $E2E_X screen "$shot" || return 1
  read -r width height differ < <($E2E_X scaled "$shot" "$plain" 2 320 60 $TITLE_ROWS)
  [ "$width" -eq 1920 ] && [ "$height" -eq 1080 ] && [ "$differ" -eq 0 ]
}
e2e_wait_for 30 shows_plain_doubled || e2e_fail "full screen does not show the picture doubled and centred"
e2e_close_window
e2e_wait_game_end
e2e_expect_log "Outer Mainloop finished, Goodbye!"
echo "full screen shows the picture twice as large in the middle of the desktop"
