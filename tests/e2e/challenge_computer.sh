#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# A player alone starts the challenge and hands the right playfield to the computer with F2: its
# panel says "Computer", and it clears a row with nobody at the arrow keys, while A, D and W still
# move and turn the left player's stones.
# Usage: challenge_computer.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_start_x
e2e_start_game
e2e_click "${E2E_MENU_CHALLENGE[@]}"
e2e_expect_log "Enter inner mainloop..."
e2e_key F2
e2e_expect_log "Computer takes the right playfield"

# The lit cells of the left playfield's top 17 rows, where its stone falls in the first seconds.
left_cells() { e2e_screenshot "$E2E_WORK/left.png" && $E2E_X cells "$E2E_WORK/left.png" 10 10 22 11 17; }
left_at_wall() { left_cells | cut -d, -f1 | grep -qx "$1"; }
left_shape() {
  left_cells | awk -F, 'NR == 1 { c = $1; r = $2 } { if ($1 < c) c = $1; if ($2 < r) r = $2; s[NR] = $0 }
    END { for (i in s) { split(s[i], p, ","); print p[1] - c "," p[2] - r } }' | sort | paste -sd' '
}

e2e_screenshot "$E2E_WORK/panel.png"
[ "$($E2E_X count "$E2E_WORK/panel.png" 255 440 110 20 255 255 255 60)" -gt 20 ] ||
  e2e_fail "the right panel does not say Computer"
# The left stone is turned first, in the middle, once it has fallen from the top rows (where a
# turn may find no room); a square turns into itself, so then S lets it fall and the next is tried.
for try in 1 2 3; do
  sleep 1.5
  before=$(left_shape)
  e2e_key w 0.1
  sleep 0.3
  [ "$(left_shape)" != "$before" ] && break
  [ "$try" = 3 ] && e2e_fail "W did not turn the left stone"
  e2e_key s 5
done
xdotool keydown a
e2e_wait_for 40 left_at_wall 0 || e2e_fail "A did not move the left stone to the wall"
xdotool keyup a keydown d
e2e_wait_for 60 left_at_wall 10 || e2e_fail "D did not move the left stone to the wall"
xdotool keyup d

# A cleared row changes the right panel's "Lines 0"; the stones, orange or blue, never reach it.
right_cleared() {
  e2e_screenshot "$E2E_WORK/right.png" &&
    [ "$($E2E_X differ "$E2E_WORK/panel.png" "$E2E_WORK/right.png" 255 300 120 20)" -gt 0 ]
}
e2e_wait_for 900 right_cleared || e2e_fail "the computer cleared no row in 90 seconds"
e2e_key Escape
e2e_expect_log "User exits!"
e2e_key Return
e2e_expect_log "Menue Ready!" 2
e2e_quit_from_menu
echo "the computer played the right playfield and cleared a row"
