#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# The command line of the real program, run in an empty directory: without data/ the fonts cannot
# load, so the program ends right after its start, and what it logged tells what it understood.
# --help wins over everything; only -w, -debug and -s with a scale from 1 to 8 count, spelled exactly
# so; the rest is harmless, and -s without a scale leaves the next argument an option of its own.
set -u
game=$(realpath "$1")
work=$(mktemp -d /tmp/kolvo-cmdline-XXXXXX)
trap 'rm -rf "$work"' EXIT
failed=0

# [video=<driver>] check <arguments> <status> <line logged, or - for no log at all> <debug: yes|no>
# [not logged]: a log, once written, also ends with its footer.
check() {
  rm -f "$work/kolvolog.txt"
  local out status usage=no debug=no
  out=$(cd "$work" && SDL_VIDEODRIVER=${video:-dummy} SDL_AUDIODRIVER=dummy "$game" $1 2>&1)
  status=$?
  [[ "$out" == *$'usage:\n -w: windowed\n -debug: debug mode\n --help: this text\n -s N: a window N times as large, N from 1 to 8\n'* ]] && usage=yes
  grep -q "Debug mode is activated!" "$work/kolvolog.txt" 2>/dev/null && debug=yes
  if [ "$3" = - ]; then
    [ "$usage" = yes ] && [ ! -e "$work/kolvolog.txt" ] || { echo "'$1': no usage, or a log"; failed=1; }
  else
    [ "$usage" = no ] && grep -qs "$3" "$work/kolvolog.txt" && grep -qs "# Logfile closed." "$work/kolvolog.txt" ||
      { echo "'$1': usage, or no '$3' logged, or no footer"; failed=1; }
  fi
  [ "$status" -eq "$2" ] || { echo "'$1': exit status $status, not $2"; failed=1; }
  [ "$debug" = "$4" ] || { echo "'$1': debug mode $debug, not $4"; failed=1; }
  [ -z "${5:-}" ] || ! grep -qs "$5" "$work/kolvolog.txt" || { echo "'$1': '$5' logged"; failed=1; }
}

check "-w --help -debug" 1 - no
check "-debug -w" 0 "fullscreen: 0" yes
check "-W --debug extra" 0 "fullscreen: 1" no
check "-s 3 -w" 0 "scaled 3x, at 0,0 of 1920x1440" no
check "-w -s 9 -debug" 0 "fullscreen: 0" yes "scaled"
check "-s -w -s" 0 "fullscreen: 0" no "scaled"
check "-s 2" 0 "fullscreen: 1" no "scaled 2x"
# A video driver that cannot start ends the program, full screen as in a window, with status 1
# after a failure line (sdl12-compat meets it only at the video mode).
video=no_such_driver check "" 1 "Couldn't" no
video=no_such_driver check "-w" 1 "Couldn't" no
[ "$failed" -eq 0 ] && echo "the command line is understood"
exit "$failed"
