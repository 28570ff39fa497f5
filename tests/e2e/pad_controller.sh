#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# On SDL 1.2 over SDL 2, a player plays a single game with a gamepad that SDL 2's own drivers
# report (an SDL 2 virtual game controller, tools/virtual_pad.cpp), with nothing set by hand: the
# d-pad and the stick move the stone to both walls, A turns it, Start pauses and resumes the game,
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
fall() { pad 0 button 12 "$1"; }

e2e_start_single_game
e2e_expect_turn "pad 0 button 0" fall   # A
e2e_expect_move fall left pad 0 button 13 1    # the d-pad, left
e2e_expect_move fall right pad 0 button 14 1   # the d-pad, right
e2e_expect_move fall left pad 0 axis 0 -32767  # the stick
e2e_expect_move fall right pad 0 axis 0 32767
e2e_expect_move fall left pad 1 hat 0 8        # the other pad's hat
# Start pauses and resumes (that the clock then stands and runs again, single_game.sh shows: the
# same pause as P's).
e2e_expect_pause "e2e_tap pad 0 button 6"

# Back ends the game.
[ "$(e2e_log_count "Release Point reached!")" -eq 0 ] || e2e_fail "the game ended before Back"
e2e_tap pad 0 button 4
e2e_expect_log "Release Point reached!"
e2e_expect_log "Menue Ready!" 2
e2e_quit_from_menu
echo "a pad seen through SDL 2's drivers moved, turned, paused, resumed and ended a game"
