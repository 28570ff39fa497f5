#!/usr/bin/env bash
# A player starts the game and clicks quit in the menu: the game ends in order, with
# "User chose Exit!", the goodbye line and exit status 0.
# Usage: menu_quit.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_start_x
e2e_start_game
e2e_quit_from_menu
e2e_expect_log "Outer Mainloop finished, Goodbye!"
e2e_expect_log "Logfile closed"
echo "the quit button ended the game"
