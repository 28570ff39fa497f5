#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# A player closes the window while the menu is shown: the menu reports an error, which ends the
# program in order ("Error in Menue", then the goodbye line) rather than as a crash.
# Usage: window_close.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_start_x
e2e_start_game
e2e_close_window || e2e_fail "the window could not be asked to close"
e2e_wait_game_end
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "the game ended with status $E2E_STATUS"
e2e_expect_in_order "Menue Ready!" "Error in Menue" "Outer Mainloop finished, Goodbye!"
grep -qF "User chose Exit!" "$E2E_RUN/kolvolog.txt" && e2e_fail "a closed window was taken for the quit button"
echo "closing the window ended the game through the menu's error path"
