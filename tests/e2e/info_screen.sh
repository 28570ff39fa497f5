#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# A player opens the info screen from the menu and leaves it with a key: back in the menu, which
# still answers the mouse.
# Usage: info_screen.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_start_x
e2e_start_game
e2e_click "${E2E_MENU_INFO[@]}"
e2e_expect_log "Logo loaded!"
e2e_key space
e2e_expect_log "user exits!"
e2e_expect_log "Menue Ready!" 2
e2e_expect_in_order "StartInfo" "Info called..." "user exits!"
e2e_quit_from_menu
echo "the info screen left on a key"
