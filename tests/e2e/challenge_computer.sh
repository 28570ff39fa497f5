#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# A player alone starts the challenge and hands the right playfield to the computer with F2: its
# panel says "Computer", and it clears a row with nobody at the arrow keys, while A, D and W still
# move and turn the left player's stones. Escape ends it, and its result display waits for Return.
# Usage: challenge_computer.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_start_x
e2e_start_game
e2e_click "${E2E_MENU_CHALLENGE[@]}"
e2e_expect_log "Enter inner mainloop..."
e2e_key F2
e2e_expect_log "Computer takes the right playfield"

E2E_FIELD_LEFT=10 E2E_FIELD_ROWS=17  # the stone steps watch the left playfield
hold() { if [ "$2" = 1 ]; then xdotool keydown "$1"; else xdotool keyup "$1"; fi; }  # <key> <1|0>

e2e_screenshot "$E2E_WORK/panel.png"
[ "$($E2E_X count "$E2E_WORK/panel.png" 255 440 110 20 255 255 255 60)" -gt 20 ] ||
  e2e_fail "the right panel does not say Computer"
e2e_expect_turn "hold w" "hold s"
e2e_expect_move "hold s" left hold a 1
e2e_expect_move "hold s" right hold d 1

# A cleared row changes the right panel's "Lines 0"; the stones, orange or blue, never reach it.
right_cleared() {
  e2e_screenshot "$E2E_WORK/right.png" &&
    [ "$($E2E_X differ "$E2E_WORK/panel.png" "$E2E_WORK/right.png" 255 300 120 20)" -gt 0 ]
}
e2e_wait_for 900 right_cleared || e2e_fail "the computer cleared no row in 90 seconds"
# Escape ends the challenge; its result display stays until Return.
e2e_key Escape
e2e_expect_log "User exits!"
sleep 1
[ "$(e2e_log_count "Release Point reached!")" -eq 0 ] || e2e_fail "the result display did not wait for a key"
e2e_key Return
e2e_expect_log "Release Point reached!"
e2e_expect_log "Menue Ready!" 2
e2e_quit_from_menu
echo "the computer played the right playfield and cleared a row"
