#!/usr/bin/env bash
# A real click through a real window: the game runs windowed on a virtual X server, the pointer is
# moved onto the quit button, pressed and, after a pause, released, as a hand would do it. The game
# must end with "User chose Exit!". Exits 77 (skipped) when the X tools or the game's data are
# missing. Every process it starts is ended on the way out.
# Usage: menu_click.sh <game binary> <data directory>
set -u
game=$(realpath "$1")
data=$(realpath "$2")
SKIPPED=77

for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "no $tool here"; exit $SKIPPED; }
done
[ -d "$data/grafik" ] || { echo "no game data in $data"; exit $SKIPPED; }

work=$(mktemp -d /tmp/kolvo-e2e-XXXXXX)
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# wait_for <tenths of a second> <command...>: true as soon as the command succeeds.
wait_for() {
  local tenths=$1
  shift
  for ((i = 0; i < tenths; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

fail() {
  echo "$1"
  for file in xvfb.log game.out kolvolog.txt; do
    [ -f "$work/$file" ] && { echo "--- $file"; cat "$work/$file"; }
  done
  exit 1
}

# The server picks a free display and writes its number to descriptor 3.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_for 100 test -s "$work/display" || fail "the X server did not start"
export DISPLAY=":$(cat "$work/display")"
# The number comes out before the server answers clients; wait until it does.
x_answers() { xdotool getmouselocation >/dev/null 2>&1; }
wait_for 100 x_answers || fail "the X server does not answer on $DISPLAY"

cd "$work"
ln -s "$data" data
SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy "$game" -w >game.out 2>&1 &
game_pid=$!
wait_for 200 grep -qs "Menue Ready!" kolvolog.txt || fail "the menu never got ready"

# Without a window manager the window sits in the screen's top-left corner; the quit button spans
# (80, 352) to (185, 403). A press is seen only by a frame drawn while it is held, hence the pause.
xdotool mousemove 100 375
sleep 0.3
xdotool mousedown 1
sleep 0.2
xdotool mouseup 1

wait_for 100 grep -qs "Logfile closed" kolvolog.txt || fail "the game did not end after the click"
wait "$game_pid"
status=$?
game_pid=""
grep -qs "User chose Exit!" kolvolog.txt || fail "the click did not choose Exit"
[ "$status" -eq 0 ] || fail "the game ended with status $status"
echo "the quit button ended the game"
