#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Two players start the challenge, one of them ends it with Escape, the result display stays until
# Return, and the menu comes back.
# Usage: challenge.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_start_x
e2e_start_game
e2e_click "${E2E_MENU_CHALLENGE[@]}"
e2e_expect_log "Challenge called..."
e2e_expect_log "Enter inner mainloop..."
e2e_key a
e2e_key Right
e2e_key Escape
e2e_expect_log "User exits!"
# The result display waits for a key of its own.
sleep 1
[ "$(e2e_log_count "Release Point reached!")" -eq 0 ] || e2e_fail "the result display did not wait for a key"
e2e_key Return
e2e_expect_log "User exits!" 2
e2e_expect_log "Release Point reached!"
e2e_expect_log "Menue Ready!" 2
e2e_quit_from_menu
echo "the challenge ended through its result display"
