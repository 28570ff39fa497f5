#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# The player's side of tests/package/fresh_install.sh, run as root inside a fresh minimal Debian
# root that holds the package in /tmp/kolvo-package. Prints what it checks; exits non-zero on the
# first fault.
#   in_root.sh        install, play, check, purge
#   in_root.sh play   (run by itself, in namespaces of its own) the player starts the game under
#                     xvfb-run, and quits it from the menu
set -uo pipefail
export DEBIAN_FRONTEND=noninteractive
player=player
player_dir=/home/$player/.local/share/kolvo
log=$player_dir/kolvolog.txt
program=/usr/lib/games/kolvo/kolvo
packages=/tmp/kolvo-package

fail() {
  local file
  echo "FAILED: $1"
  for file in /tmp/game.out "$log"; do
    [ -f "$file" ] && { echo "--- $file"; tail -n 30 "$file"; }
  done
  exit 1
}

# The window stories' shared steps, copied beside this script; only e2e_wait_for is used here.
source "$(dirname "$0")/lib.sh"

# --- The player's part. The game runs in its own network and process namespaces: its virtual X
# server cannot meet another one on this machine, and nothing it started outlives this part.
if [ "${1:-}" = play ]; then
  menu_or_end() { grep -qF "Menue Ready!" "$log" 2>/dev/null || ! kill -0 "$runner" 2>/dev/null; }
  runuser -u "$player" -- env -i HOME=/home/$player USER=$player LOGNAME=$player LANG=C.UTF-8 \
    PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games \
    xvfb-run -a kolvo -w >/tmp/game.out 2>&1 &
  runner=$!
  e2e_wait_for 600 menu_or_end
  grep -qF "Menue Ready!" "$log" 2>/dev/null || fail "the menu never showed in $log"
  echo "ok: the menu is ready, and the log is in the player's directory"

  # xvfb-run chose the display and its key: the game's environment tells them.
  game=""
  for process in /proc/[0-9]*; do
    [ "$(readlink "$process/exe" 2>/dev/null)" = "$program" ] && game=${process#/proc/}
  done
  [ -n "$game" ] || fail "the game's process is not to be found"
  export $(tr '\0' '\n' <"/proc/$game/environ" | grep -E '^(DISPLAY|XAUTHORITY)=')
  [ "$(stat -c %U "/proc/$game")" = "$player" ] || fail "the game does not run as $player"

  # SDL 1.2 puts the window at the screen's top left and SDL 2 centres it: ask where it is, and
  # click the menu's quit button, at (130, 377) in the window, as a person does (the press is
  # seen by a frame drawn while it is held).
  window=$(xdotool search --name '^Kolvo$' | head -n 1)
  [ -n "$window" ] || fail "no window named Kolvo on $DISPLAY"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  echo "ok: the window is ${WIDTH}x${HEIGHT} at ($X, $Y)"
  game_gone() { ! kill -0 "$runner" 2>/dev/null; }
  for try in 1 2 3; do
    xdotool mousemove $((X + 130)) $((Y + 377))
    sleep 0.1
    xdotool mousedown 1
    sleep 0.2
    xdotool mouseup 1 2>/dev/null  # the game may be gone with its X server already
    e2e_wait_for 100 game_gone && break
  done
  game_gone || fail "the game did not end when its quit button was clicked"
  wait "$runner"
  status=$?
  [ "$status" -eq 0 ] || fail "xvfb-run -a kolvo -w ended with status $status"
  grep -qF "User chose Exit!" "$log" || fail "the game did not log the player's choice to quit"
  echo "ok: quit from the menu, status 0"
  exit 0
fi

# --- Nothing of the game is here yet; apt brings the package and all it needs.
apt-get update -q >/tmp/apt.log 2>&1 || { cat /tmp/apt.log; fail "apt-get update failed"; }
dpkg-query -W -f='${Status}\n' libsdl1.2debian 2>/dev/null | grep -q "install ok installed" \
  && fail "this root is not fresh: it has SDL already"
(cd "$packages" && apt install -y -q ./kolvo_*.deb) >/tmp/apt.log 2>&1 \
  || { tail -n 30 /tmp/apt.log; fail "apt install ./kolvo_*.deb failed"; }
echo "ok: apt install ./kolvo_*.deb set up $(grep -c '^Setting up ' /tmp/apt.log) packages"
missing=$(ldd "$program" | grep "not found")
[ -z "$missing" ] || fail "the installed game misses libraries: $missing"
[ -x /usr/games/kolvo ] && [ -f /usr/share/games/kolvo/grafik/font.bmp ] \
  && [ -f /usr/share/games/kolvo/sound/background.mp3 ] || fail "the package lacks the launcher or the data"
echo "ok: every library the game links is installed"

# The tools of this test, installed after the game so that they could not help it.
apt-get install -y -q --no-install-recommends xvfb xauth xdotool man-db desktop-file-utils appstream \
  >/tmp/apt.log 2>&1 || { tail -n 30 /tmp/apt.log; fail "could not install the test's tools"; }

# --- What a system's tools look for.
page=$(man -w kolvo) || fail "man -w kolvo finds no page"
echo "ok: man -w kolvo: $page"
desktop-file-validate /usr/share/applications/example.mossbrook.kolvo.desktop \
  || fail "the installed desktop entry is not valid"
echo "ok: desktop-file-validate accepts the desktop entry"
appstreamcli validate --no-net /usr/share/metainfo/example.mossbrook.kolvo.metainfo.xml \
  || fail "appstreamcli rejects the installed metainfo"

# --- A player who is not root, with a list of their own, plays.
useradd --create-home --shell /bin/bash "$player" || fail "could not add the user $player"
runuser -u "$player" -- mkdir -p "$player_dir"
head -c 600 /dev/urandom >"$player_dir/highscore.txt"
chown "$player:" "$player_dir/highscore.txt"
cp "$player_dir/highscore.txt" /tmp/highscore.before
unshare --net --pid --fork --mount-proc --propagation unchanged /bin/bash "$0" play || exit 1
[ "$(stat -c %U "$log")" = "$player" ] || fail "the log does not belong to $player"
[ "$(readlink "$player_dir/data")" = /usr/share/games/kolvo ] || fail "the player's data link does not lead to the installed data"
cmp -s "$player_dir/highscore.txt" /tmp/highscore.before || fail "playing changed the player's list"

# --- apt purge removes the game and leaves the player's files alone.
cp "$log" /tmp/log.before
apt purge -y -q kolvo >/tmp/apt.log 2>&1 || { tail -n 30 /tmp/apt.log; fail "apt purge kolvo failed"; }
dpkg-query -W -f='${Status}\n' kolvo 2>/dev/null | grep -q "install ok installed" && fail "kolvo is still installed"
for file in /usr/games/kolvo "$program" /usr/share/games/kolvo /usr/share/man/man6/kolvo.6.gz; do
  [ ! -e "$file" ] || fail "apt purge left $file"
done
cmp -s "$player_dir/highscore.txt" /tmp/highscore.before || fail "apt purge touched the player's list"
cmp -s "$log" /tmp/log.before || fail "apt purge touched the player's log"
echo "ok: apt purge kolvo removed the game and left the player's list and log"
