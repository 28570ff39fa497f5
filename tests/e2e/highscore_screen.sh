#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# A player presses "h" in the menu and sees the stored list; Return closes it (after the screen's
# half-second guard), and the menu comes back.
# Usage: highscore_screen.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_start_x
e2e_start_game
e2e_key h
e2e_expect_log "Highscore called..."
e2e_expect_log "Enter inner mainloop..."
# A key within the first 500 ms is ignored by design; wait it out.
sleep 0.6
e2e_key Return
e2e_expect_log "User exits!"
e2e_expect_log "Menue Ready!" 2
e2e_expect_in_order "StartHighscore" "Highscore called..." "User exits!"
e2e_quit_from_menu
echo "the highscore screen opened on h and closed on Return"
