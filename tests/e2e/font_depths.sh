#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# A player opens the info screen from the menu and leaves it with a key, twice: the white font saved
# as a 16-bit picture draws it exactly as the same font saved with 24 bits, on either SDL 1.2
# library (their blitters widen 16-bit colours each its own way).
# Usage: font_depths.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_start_x
data=$E2E_DATA

# Two copies of the data, alike but for the font picture, which holds the same colours in both.
for depth in 24 16; do
  mkdir -p "$E2E_WORK/data$depth/grafik"
  ln -s "$data/sound" "$E2E_WORK/data$depth/sound"
  ln -s "$data"/grafik/* "$E2E_WORK/data$depth/grafik/"
  rm "$E2E_WORK/data$depth/grafik/font.bmp"
done
/usr/bin/python3 "$E2E_LIB_DIR/font_depths.py" "$data/grafik/font.bmp" \
  "$E2E_WORK/data24/grafik/font.bmp" "$E2E_WORK/data16/grafik/font.bmp" || e2e_fail "no font pictures"

# info_shown <file.png>: a screenshot in which the info screen's lines stand.
info_shown() {
  e2e_screenshot "$1" && [ "$($E2E_X count "$1" 10 160 400 60 255 255 255 40)" -gt 200 ]
}
for depth in 24 16; do
  E2E_DATA="$E2E_WORK/data$depth"
  e2e_start_game
  e2e_click "${E2E_MENU_INFO[@]}"
  e2e_expect_log "Logo loaded!"
  e2e_wait_for 20 info_shown "$E2E_WORK/info$depth.png" || e2e_fail "the info screen never showed"
  e2e_key space
  e2e_expect_log "Menue Ready!" 2
  e2e_expect_in_order "StartInfo" "Info called..." "Logo loaded!" "user exits!"
  e2e_quit_from_menu
done
# The one picture shown unscaled in the other: every pixel the same.
read -r _ differing < <($E2E_X scaled "$E2E_WORK/info24.png" "$E2E_WORK/info16.png" 1 0 0)
[ "${differing:-1}" -eq 0 ] || e2e_fail "${differing:-all} pixels differ between the 16-bit and the 24-bit font"
echo "a 16-bit font draws exactly as a 24-bit one"
