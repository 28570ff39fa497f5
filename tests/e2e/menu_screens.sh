#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# From the menu a player opens each screen in turn (the highscore list is the install test's), and
# the menu comes back each time: the options, whose speaker two clicks turn off and on; the info
# screen, left with any key; a single game that pauses while its window has lost the keyboard (not
# the pointer) and stays paused until P, then ends with Escape through "Game Over"; the challenge,
# whose right playfield F2 hands to the computer, left with Escape and Return. Quit ends the game in
# order with status 0 and a log shaped as players' tools know it; closing the window ends it in
# order too ("Error in Menue"), not as a crash.
# Usage: menu_screens.sh <game binary> <data directory>
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
elsewhere_pid=""
e2e_on_exit() { e2e_end_process "$elsewhere_pid"; }
e2e_start_x
e2e_start_game

e2e_click "${E2E_MENU_OPTIONS[@]}"
e2e_expect_log "Data loaded!"
shot="$E2E_WORK/options.png"
# switch_shows <green|red>: the speaker at (200, 200) in that colour, the pointer off it.
switch_shows() {
  local -A colour=([green]="96 226 110" [red]="236 72 48")
  e2e_point 400 420
  e2e_screenshot "$shot" && [ "$($E2E_X count "$shot" 200 200 50 50 ${colour[$1]} 40)" -gt 100 ]
}
e2e_wait_for 20 switch_shows green || e2e_fail "the music switch did not start green (on)"
e2e_click 225 225
e2e_wait_for 20 switch_shows red || e2e_fail "a click on the switch did not turn it red (off)"
# The switch waits 300 ms between flips, so a second click right away would go unseen.
sleep 0.4
e2e_click 225 225
e2e_wait_for 20 switch_shows green || e2e_fail "a second click did not turn it green (on) again"
e2e_click 55 430
e2e_expect_log "Menue Ready!" 2
e2e_expect_in_order "StartOptions" "Options called..." "Data loaded!" "User pressed back button!" \
  "Release point reached!" "Return true"

e2e_click "${E2E_MENU_INFO[@]}"
e2e_expect_log "Logo loaded!"
info_shown() { e2e_screenshot "$shot" && [ "$($E2E_X count "$shot" 10 160 400 60 255 255 255 40)" -gt 200 ]; }
e2e_wait_for 20 info_shown || e2e_fail "the info screen never showed its lines"
e2e_key space
e2e_expect_log "Menue Ready!" 3
e2e_expect_in_order "StartInfo" "Info called..." "Logo loaded!" "user exits!"

e2e_start_single_game
first=$E2E_WORK/first.png second=$E2E_WORK/second.png
# clock_runs <yes|no>: whether the clock changes within 1.5 seconds, looked at twice.
clock_runs() {
  e2e_screenshot "$first" && sleep 1.5 && e2e_screenshot "$second" || return 1
  local differ
  differ=$($E2E_X differ "$first" "$second" 20 10 60 24)  # where the clock stands
  if [ "$1" = yes ]; then [ "$differ" -gt 0 ]; else [ "$differ" -eq 0 ]; fi
}
# The pointer leaves the window for the screen's corner: nothing changes.
xdotool mousemove 2 2
clock_runs yes || e2e_fail "the clock did not run in play"
e2e_message none || e2e_fail "a message stood over the playfield in play, the pointer away"
# Another window takes the keyboard.
$E2E_X elsewhere 60 &
elsewhere_pid=$!
e2e_wait_for 30 e2e_message shown || e2e_fail "the game did not pause when its window lost the focus"
clock_runs no || e2e_fail "the clock ran on while the window was away"
# The player comes back: still paused, until P.
e2e_end_process "$elsewhere_pid"
elsewhere_pid=""
xdotool windowfocus "$E2E_WINDOW"
sleep 0.5
e2e_message shown || e2e_fail "the game went on when its window came back"
# P is read every 200 ms or so and a press between two reads goes unseen: pressed until it is taken.
resume() { e2e_key p && sleep 0.5 && e2e_message none; }
e2e_wait_for 5 resume || e2e_fail "P did not take \"Paused\" away"
clock_runs yes || e2e_fail "P did not resume the game"
e2e_key Escape
e2e_wait_for 20 e2e_message shown || e2e_fail "\"Game Over\" never showed after Escape"
e2e_expect_log "Menue Ready!" 4
e2e_expect_in_order "StartGame" "Game called..." "Release Point reached!" "Tumblo Reset Done"

e2e_click "${E2E_MENU_CHALLENGE[@]}"
e2e_expect_log "Enter inner mainloop..."
e2e_key F2
e2e_expect_log "Computer takes the right playfield"
says_computer() { e2e_screenshot "$shot" && [ "$($E2E_X count "$shot" 255 440 110 20 255 255 255 60)" -gt 20 ]; }
e2e_wait_for 20 says_computer || e2e_fail "the right panel does not say Computer"
exits=$(e2e_log_count "User exits!") released=$(e2e_log_count "Release Point reached!")
e2e_key Escape
e2e_expect_log "User exits!" $((exits + 1))
# Return is read once the result shows, after a short pause: pressed until it is taken.
leave() { e2e_key Return && sleep 0.5 && [ "$(e2e_log_count "Release Point reached!")" -gt "$released" ]; }
e2e_wait_for 5 leave || e2e_fail "Return did not leave the challenge's result display"
e2e_expect_log "Menue Ready!" 5

e2e_quit_from_menu
e2e_expect_log "Outer Mainloop finished, Goodbye!"

# A dated stamp between rules opens and closes the log; entries indented per level, timed, CR LF.
log=$E2E_RUN/kolvolog.txt cr=$'\r' clock='[0-9]{1,2}:[0-9]{1,2}:[0-9]{1,2}'
stamp="# Date: [0-9]{1,2}\.[0-9]{1,2}\.[0-9]{4}$cr|# Time: $clock$cr|#-{40}$cr"
[ "$(head -n 5 "$log" | grep -cxE "# Logfile opened\.$cr|$stamp")" = 5 ] || e2e_fail "the log's header is not as written"
[ "$(tail -n 5 "$log" | grep -cxE "# Logfile closed\.$cr|$stamp")" = 5 ] || e2e_fail "the log's footer is not as written"
for entry in "  -$clock:   Initialising Engine$cr" "    -$clock:   init SDL$cr"; do
  grep -qxE "$entry" "$log" || e2e_fail "no log line '$entry'"
done

e2e_start_game
$E2E_X close "$E2E_WINDOW" || e2e_fail "the window could not be asked to close"  # as a title bar's button does
e2e_wait_game_end
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "the game ended with status $E2E_STATUS after its window closed"
e2e_expect_in_order "Menue Ready!" "Error in Menue" "Outer Mainloop finished, Goodbye!"
grep -qF "User chose Exit!" "$log" && e2e_fail "a closed window was taken for the quit button"
echo "every screen went back to the menu; the quit button and a closed window ended the game in order"
