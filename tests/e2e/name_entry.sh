#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# A player types a whole name and Return in one burst, faster than the screen's frames: every
# character reaches the field, in order. Keys that are no characters of a name then change nothing,
# on either SDL 1.2 library: Ctrl with a letter, Tab, Escape, Delete and an accented letter.
# Usage: name_entry.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_start_x
e2e_start_name_entry
sleep 0.3
# A key a millisecond: SDL 2 takes a key released and pressed again within the same millisecond
# for the keyboard's own repeat and drops the press, which no person's typing can meet.
xdotool type --delay 1 'Quick Brown Fox 42'
xdotool key ctrl+a Tab Escape Delete
xdotool type 'é'
xdotool key Return
e2e_wait_game_end
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "the name entry was not confirmed (status $E2E_STATUS)"
# The tool prints the confirmed name on a line of its own, among the log's lines.
grep -qxF "Quick Brown Fox 42" "$E2E_RUN/game.out" || e2e_fail "typed \"Quick Brown Fox 42\", the field took something else"
echo "a name typed in one burst arrived whole, and keys that are no characters changed nothing"
