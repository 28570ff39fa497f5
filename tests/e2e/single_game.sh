#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# A player starts a single game from the menu and turns to another program in the middle of it: the
# game pauses as P pauses it, its clock stands still, and it is still paused when the player comes
# back, until P. The pointer merely leaving the window pauses nothing. Escape then ends the game
# through "Game Over" over the playfield, and only after it is everything released and the menu
# back.
# Usage: single_game.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
elsewhere_pid=""
e2e_on_exit() { e2e_end_process "$elsewhere_pid"; }
e2e_start_x
e2e_start_game
e2e_start_single_game

first=$E2E_WORK/first.png second=$E2E_WORK/second.png
CLOCK=(20 10 60 24)  # where the clock stands
# clock_runs <yes|no>: whether the clock changes within 1.5 seconds, looked at twice.
clock_runs() {
  e2e_screenshot "$first" && sleep 1.5 && e2e_screenshot "$second" || return 1
  local differ
  differ=$($E2E_X differ "$first" "$second" "${CLOCK[@]}")
  if [ "$1" = yes ]; then [ "$differ" -gt 0 ]; else [ "$differ" -eq 0 ]; fi
}

# The pointer leaves the window for the screen's corner: nothing changes.
xdotool mousemove 2 2
clock_runs yes || e2e_fail "the clock did not run in play"
e2e_message none || e2e_fail "a message stood over the playfield in play, the pointer away"

# Another window takes the keyboard.
$E2E_X elsewhere 60 &
elsewhere_pid=$!
e2e_wait_for 30 e2e_message shown || e2e_fail "the game did not pause when its window lost the focus"
clock_runs no || e2e_fail "the clock ran on while the window was away"

# The player comes back: still paused, until P.
e2e_end_process "$elsewhere_pid"
elsewhere_pid=""
xdotool windowfocus "$E2E_WINDOW"
sleep 0.5
e2e_message shown || e2e_fail "the game went on when its window came back"
# The game reads P once every 200 ms or so, and a press that falls between two reads goes unseen,
# for a player too (a loaded machine stretches the gap): press it again until "Paused" is gone.
resume() { e2e_key p && sleep 0.5 && e2e_message none; }
e2e_wait_for 5 resume || e2e_fail "P did not take \"Paused\" away"
clock_runs yes || e2e_fail "P did not resume the game"

# Escape: "Game Over" (how long it stays is the game's own test), then the release and the menu.
e2e_key Escape
e2e_wait_for 20 e2e_message shown || e2e_fail "\"Game Over\" never showed after Escape"
e2e_expect_log "Menue Ready!" 2
e2e_expect_in_order "StartGame" "Game called..." "Release Point reached!" "Tumblo Reset Done"
e2e_quit_from_menu
echo "the game paused while its window was away, went on with P, and ended through Game Over"
