#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# A signal (Ctrl+C, kill, the session ending) ends the program from any screen within a second, in
# order: one log line naming it, the log's footer, status 128 plus its number, the list untouched.
# First a name typed in one burst faster than the frames reaches the name entry whole, and keys
# that are no characters of a name (Ctrl with a letter, Tab, Escape, Delete, é) change nothing.
# Usage: signals.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_start_x
e2e_start_name_entry
sleep 0.3
# A key a millisecond: SDL 2 drops a press within the millisecond of the release, as a repeat.
xdotool type --delay 1 'Quick Brown Fox 42'
xdotool key ctrl+a Tab Escape Delete
xdotool type 'é'
xdotool key Return
e2e_wait_game_end
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "the name entry was not confirmed (status $E2E_STATUS)"
grep -qxF "Quick Brown Fox 42" "$E2E_RUN/game.out" || e2e_fail "typed \"Quick Brown Fox 42\", the field took something else"

now=$(date +%s)
/usr/bin/python3 "$(dirname "$0")/../highscore/highscore_format.py" encode "$E2E_WORK/list" \
  "$now" "$now" "Wren:730:4:301:$now" "Ola:120:2:99:$now"

# screen | how the menu reaches it ("tool": the name entry alone) | its log line | the signal
ROWS=(
  "menu|||TERM"
  "single game|${E2E_MENU_GAME[*]}|Enter inner Mainloop|TERM"
  "name entry|tool|Name entry opened|TERM"
  "challenge|${E2E_MENU_CHALLENGE[*]}|Enter inner mainloop...|INT"
  "options|${E2E_MENU_OPTIONS[*]}|Data loaded!|HUP"
)

for row in "${ROWS[@]}"; do
  IFS='|' read -r screen reach running signal <<<"$row"
  rm -f "$E2E_RUN"/*
  cp "$E2E_WORK/list" "$E2E_RUN/highscore.txt"
  if [ "$reach" = tool ]; then
    e2e_start_name_entry
    xdotool type Ada
  else
    e2e_start_game
    [ -z "$reach" ] || { e2e_click $reach; e2e_expect_log "$running"; }
  fi
  sleep 0.3
  echo "$screen: SIG$signal"
  kill -s "$signal" "$e2e_game_pid"
  e2e_wait_game_end 1  # within a second
  expected=$((128 + $(kill -l "$signal")))
  [ "$E2E_STATUS" -eq "$expected" ] || e2e_fail "$screen: SIG$signal ended the program with status $E2E_STATUS, not $expected"
  [ "$(e2e_log_count "Ended by SIG$signal - exit")" -eq 1 ] || e2e_fail "$screen: the log does not name SIG$signal once"
  tail -n 5 "$E2E_RUN/kolvolog.txt" | grep -qF "# Logfile closed." || e2e_fail "$screen: the log has no footer"
  cmp -s "$E2E_RUN/highscore.txt" "$E2E_WORK/list" || e2e_fail "$screen: the highscore list changed"
  [ -z "$(find "$E2E_RUN" -name 'highscore.txt?*')" ] || e2e_fail "$screen: a half-written list was left behind"
done
echo "a name typed in one burst arrived whole; every signal ended the program in order"
