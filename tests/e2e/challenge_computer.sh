#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# A player alone starts the challenge and hands the right playfield to the computer with F2: its
# panel says "Computer". Escape ends the challenge, and Return leaves its result display for the
# menu. (How the computer plays, the left player's keys and the result display's wait are the
# challenge's own tests, tests/game/.)
# Usage: challenge_computer.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_start_x
e2e_start_game
e2e_click "${E2E_MENU_CHALLENGE[@]}"
e2e_expect_log "Enter inner mainloop..."
e2e_key F2
e2e_expect_log "Computer takes the right playfield"
says_computer() {
  e2e_screenshot "$E2E_WORK/panel.png" &&
    [ "$($E2E_X count "$E2E_WORK/panel.png" 255 440 110 20 255 255 255 60)" -gt 20 ]
}
e2e_wait_for 20 says_computer || e2e_fail "the right panel does not say Computer"
e2e_key Escape
e2e_expect_log "User exits!"
# Return is read once the result shows, after a short pause: pressed until it is taken.
leave() { e2e_key Return && sleep 0.5 && [ "$(e2e_log_count "Release Point reached!")" -gt 0 ]; }
e2e_wait_for 5 leave || e2e_fail "Return did not leave the result display"
e2e_expect_log "Menue Ready!" 2
e2e_quit_from_menu
echo "F2 handed the right playfield to the computer, and the challenge went back to the menu"
