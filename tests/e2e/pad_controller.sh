#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# On SDL 1.2 over SDL 2, a player plays a single game with a gamepad that SDL 2's own drivers
# report (an SDL 2 virtual game controller, tools/virtual_pad.cpp), with nothing set by hand: the
# d-pad and the stick move the stone to both walls, A turns it, Start pauses and resumes the clock,
# Back ends the game. A second pad, one SDL 2 does not know as a controller, is read all the same:
# its hat moves the stone too. On the classic SDL 1.2 there is no SDL 2 to attach pads to: skipped.
# Usage: pad_controller.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_start_x
PAD_INPUT=$E2E_WORK/pad.in
mkfifo "$PAD_INPUT"
e2e_preload "$(dirname "$E2E_GAME")/tools/libkolvo_virtual_pad.so"
E2E_GAME_ENV+=("KOLVO_VIRTUAL_PADS=controller joystick" "KOLVO_VIRTUAL_PAD_INPUT=$PAD_INPUT")
e2e_start_game
e2e_on_sdl2 || { echo "the game runs on the classic SDL 1.2: no SDL 2 pads to play with"; exit $E2E_SKIPPED; }
e2e_expect_log "Gamepad Virtual Joystick is no controller SDL 2 knows: read as unknown"
e2e_expect_log "Gamepad 0: Virtual Controller"
e2e_expect_log "Gamepad 1: Virtual Joystick"
e2e_expect_log "Gamepad buttons: controller layout"

# pad <pad> button|axis|hat <number> <value>: what the virtual pad holds from now on.
pad() { echo "$*" >"$PAD_INPUT"; }
# hold <seconds> <pad input> <held value>: holds the input that long, then lets it go.
hold() {
  pad "$2 $3 $4 $5"
  sleep "$1"
  pad "$2 $3 $4 0"
}
# move <wall> <pad input...>: holds the input until the next stone is at that wall.
move() {
  local wall=$1
  shift
  e2e_next_stone fall stop_falling
  pad "$1 $2 $3 $4"
  e2e_wait_for 40 e2e_stone_at_wall "$wall" || e2e_fail "the stone did not reach the $wall wall with pad $1's $2 $3"
  pad "$1 $2 $3 0"
}

e2e_start_single_game
turn() { hold 0.15 0 button 0 1; }
fall() { pad 0 button 12 1; }
stop_falling() { pad 0 button 12 0; }
e2e_expect_turn turn fall stop_falling   # A
move left 0 button 13 1         # the d-pad, left
move right 0 button 14 1        # the d-pad, right
move left 0 axis 0 -32767       # the stick
move right 0 axis 0 32767
move left 1 hat 0 8             # the other pad's hat

# Start pauses: "Paused" over the playfield and the clock stands; Start again resumes it.
hold 0.15 0 button 6 1
e2e_wait_for 20 e2e_message shown || e2e_fail "Start did not pause the game"
e2e_screenshot "$E2E_WORK/paused1.png"
sleep 1.5
e2e_screenshot "$E2E_WORK/paused2.png"
[ "$($E2E_X differ "$E2E_WORK/paused1.png" "$E2E_WORK/paused2.png" 0 0 100 30)" -eq 0 ] || e2e_fail "the clock ran while paused"
sleep 0.3
hold 0.15 0 button 6 1
e2e_wait_for 20 e2e_message none || e2e_fail "Start did not resume the game"
sleep 1.5
e2e_screenshot "$E2E_WORK/running.png"
[ "$($E2E_X differ "$E2E_WORK/paused2.png" "$E2E_WORK/running.png" 0 0 100 30)" -gt 0 ] || e2e_fail "the clock stood after Start resumed the game"

# Back ends the game.
[ "$(e2e_log_count "Release Point reached!")" -eq 0 ] || e2e_fail "the game ended before Back"
hold 0.15 0 button 4 1
e2e_expect_log "Release Point reached!"
e2e_expect_log "Menue Ready!" 2
e2e_quit_from_menu
echo "a pad seen through SDL 2's drivers moved, turned, paused, resumed and ended a game"
