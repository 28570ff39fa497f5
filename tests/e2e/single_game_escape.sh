#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# A player starts a game from the menu, moves and turns a stone, and leaves with Escape: the game
# shows "Game Over" over the playfield, offers the (empty) result to the highscore list, releases
# everything and the menu comes back.
# Usage: single_game_escape.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_start_x
e2e_start_game
e2e_click "${E2E_MENU_GAME[@]}"
e2e_expect_log "Enter inner Mainloop"
e2e_expect_log "Start Level 1"
# The level banner holds the stones for two seconds; then play a little.
sleep 2.2
for key in Left Left Up Right; do
  e2e_key "$key"
  sleep 0.1
done
shot="$E2E_WORK/playing.png"
e2e_screenshot "$shot"
# Over the playfield's middle (where the messages stand) only the playfield shows during play.
[ "$(e2e_orange_text_pixels "$shot" 270 200 130 24)" -lt 20 ] || e2e_fail "a message stood over the playfield during play"

e2e_key Escape
# "Game Over" stays two seconds; look until it shows.
game_over_shown() {
  e2e_screenshot "$shot" && [ "$(e2e_orange_text_pixels "$shot" 270 200 130 24)" -gt 150 ]
}
e2e_wait_for 20 game_over_shown || e2e_fail "\"Game Over\" never showed after Escape"
[ "$(e2e_log_count "Release Point reached!")" -eq 0 ] || e2e_fail "the game was released while \"Game Over\" showed"
e2e_expect_log "Release Point reached!"
e2e_expect_log "Tumblo Reset Done"
e2e_expect_log "Menue Called!" 2
e2e_expect_log "Menue Ready!" 2
e2e_expect_in_order "StartGame" "Game called..." "Release Point reached!" "Tumblo Reset Done"
e2e_quit_from_menu
echo "Escape ended the game through Game Over, back to the menu"
