#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# A player plays a single game with a pad, through the drivers of the game's SDL 1.2 (what each
# button means is tests/core/gamepads_test.cpp's). The classic library reads a named pipe given as
# SDL_JOYSTICK_DEVICE, written with the kernel's struct js_event: its questions go unanswered, so it
# sees a pad of no known kind, named in an SDL 2 mapping line; the stick moves the stone to both
# walls and button 0 turns it. sdl12-compat takes no pipe: there the game starts again with SDL 2
# virtual pads (tools/virtual_pad.cpp), nothing set by hand: the controller's d-pad and stick move,
# A turns, Back ends the game, and a pad SDL 2 knows as no controller moves the stone with its hat.
# Usage: pads.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_start_x
DEVICE=$E2E_WORK/js0 PAD_INPUT=$E2E_WORK/pad.in
mkfifo "$DEVICE" "$PAD_INPUT"
# Open both ways: the driver's open waits for no writer, and nothing written is lost meanwhile.
exec 7<>"$DEVICE"
E2E_GAME_ENV+=("SDL_JOYSTICK_DEVICE=$DEVICE"
  "SDL_GAMECONTROLLERCONFIG=03000000000000000000000000000000,$DEVICE,a:b0,start:b1,platform:Linux")
e2e_start_game

if e2e_on_sdl2; then
  e2e_quit_from_menu
  E2E_GAME_ENV=()
  e2e_preload "$(dirname "$E2E_GAME")/tools/libkolvo_virtual_pad.so"
  E2E_GAME_ENV+=("KOLVO_VIRTUAL_PADS=controller joystick" "KOLVO_VIRTUAL_PAD_INPUT=$PAD_INPUT")
  e2e_start_game
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
  [ "$(e2e_log_count "Release Point reached!")" -eq 0 ] || e2e_fail "the game ended before Back"
  pad 0 button 4 1
  sleep 0.15
  pad 0 button 4 0
else
  e2e_expect_log "Gamepad 0: $DEVICE"
  e2e_expect_log "Gamepad 0 layout: SDL_GAMECONTROLLERCONFIG"
  e2e_expect_log "Gamepad buttons: device layout"
  # js <button|axis> <number> <value>: one event of the kernel's joystick interface.
  js() {
    local type=1
    [ "$1" = axis ] && type=2
    /usr/bin/python3 -c 'import struct, sys
sys.stdout.buffer.write(struct.pack("<IhBB", 0, int(sys.argv[3]), int(sys.argv[1]), int(sys.argv[2])))' \
      "$type" "$2" "$3" >&7
  }
  fall() { js axis 1 $((32767 * $1)); }
  e2e_start_single_game
  e2e_expect_turn "js button 0" fall
  e2e_expect_move fall left js axis 0 -32767
  e2e_expect_move fall right js axis 0 32767
  e2e_key Escape
fi
e2e_expect_log "Release Point reached!"
e2e_expect_log "Menue Ready!" 2
e2e_quit_from_menu
echo "a pad read by the drivers of the game's SDL moved and turned the stone"
