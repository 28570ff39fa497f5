#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# A player holds Down until the stones pile up to the top: the playfield reports the game over,
# "Game Over" is logged, a score of 0 is not offered to the name entry, and the menu comes back.
# Usage: single_game_full.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_start_x
e2e_start_game
e2e_click "${E2E_MENU_GAME[@]}"
e2e_expect_log "Enter inner Mainloop"
# Stones dropped straight down stack in the middle columns and never fill a row, so the pile grows
# to the top. Down is held until the playfield is full.
xdotool keydown Down
e2e_wait_log "Game Over" 1 90
xdotool keyup Down
e2e_expect_log "Game Over"
e2e_expect_log "Release Point reached!" 1 5
e2e_expect_log "Menue Ready!" 2
e2e_expect_in_order "Enter inner Mainloop" "Game Over" "Release Point reached!" "Tumblo Reset Done"
grep -qF "Enter your name" "$E2E_RUN/game.out" && e2e_fail "a score of 0 was offered to the name entry"
[ -e "$E2E_RUN/highscore.txt" ] && e2e_fail "a score of 0 was stored"
e2e_quit_from_menu
echo "the playfield filled up, the game ended and the menu came back"
