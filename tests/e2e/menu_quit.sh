#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# A player ends the game from the menu, both ways. Quit: the game ends in order, with "User chose
# Exit!", the goodbye line and exit status 0, and leaves a log shaped as players and their tools
# know it. Closing the window: the menu reports an error, which ends the program in order ("Error
# in Menue", then the goodbye line) rather than as a crash.
# Usage: menu_quit.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_start_x
e2e_start_game
e2e_quit_from_menu
e2e_expect_log "Outer Mainloop finished, Goodbye!"
e2e_expect_log "Logfile closed"

# The log opens and closes with a dated stamp between rules; each entry is indented two spaces per
# level and stamped with the time; lines end in CR LF.
log=$E2E_RUN/kolvolog.txt cr=$'\r' clock='[0-9]{1,2}:[0-9]{1,2}:[0-9]{1,2}'
stamp="# Date: [0-9]{1,2}\.[0-9]{1,2}\.[0-9]{4}$cr|# Time: $clock$cr|#-{40}$cr"
[ "$(head -n 5 "$log" | grep -cxE "# Logfile opened\.$cr|$stamp")" = 5 ] || e2e_fail "the log's header is not as written"
[ "$(tail -n 5 "$log" | grep -cxE "# Logfile closed\.$cr|$stamp")" = 5 ] || e2e_fail "the log's footer is not as written"
for entry in "  -$clock:   Initialising Engine$cr" "    -$clock:   init SDL$cr"; do
  grep -qxE "$entry" "$log" || e2e_fail "no log line '$entry'"
done

e2e_start_game
$E2E_X close Kolvo || e2e_fail "the window could not be asked to close"  # as a title bar's button does
e2e_wait_game_end
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "the game ended with status $E2E_STATUS after its window closed"
e2e_expect_in_order "Menue Ready!" "Error in Menue" "Outer Mainloop finished, Goodbye!"
grep -qF "User chose Exit!" "$log" && e2e_fail "a closed window was taken for the quit button"
echo "the quit button and a closed window each ended the game in order"
