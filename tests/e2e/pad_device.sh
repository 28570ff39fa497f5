#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# On the classic SDL 1.2, a player plays a single game with a joystick device that the library's
# own Linux driver reads: a named pipe given as SDL_JOYSTICK_DEVICE, written with the kernel's
# joystick events (struct js_event). The driver's questions to a device go unanswered on a pipe,
# so it takes two axes and two buttons, a pad of no known kind, which the player names in an SDL 2
# mapping line with A on button 0 and Start on button 1: the stick moves the stone to both walls,
# button 0 turns it and button 1 pauses and resumes the game. SDL 1.2 over SDL 2 reads pads
# through SDL 2's drivers: skipped.
# Usage: pad_device.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_start_x
DEVICE=$E2E_WORK/js0
mkfifo "$DEVICE"
# The story keeps the pipe open both ways: the driver's open does not wait for a writer, and
# nothing written is lost while the game reads.
exec 7<>"$DEVICE"
E2E_GAME_ENV+=("SDL_JOYSTICK_DEVICE=$DEVICE"
  "SDL_GAMECONTROLLERCONFIG=03000000000000000000000000000000,$DEVICE,a:b0,start:b1,platform:Linux")
e2e_start_game
e2e_on_sdl2 && { echo "the game runs on SDL 1.2 over SDL 2, which takes no pipe for a pad"; exit $E2E_SKIPPED; }
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
e2e_expect_move fall left js axis 0 -32767
e2e_expect_pause "e2e_tap js button 1"  # Start in the player's mapping

e2e_key Escape
e2e_expect_log "Release Point reached!"
e2e_expect_log "Menue Ready!" 2
e2e_quit_from_menu
echo "a joystick device read by SDL 1.2's own driver moved, turned and paused the game"
