#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# The player's side of fresh_install.sh, as root in a fresh root with the packages in
# /tmp/kolvo-package: install, check, play, autopkgtest, purge; or with "piuparts", piuparts' test
# in roots copied from /var/tmp/piuparts-base. Stops at the first fault.
set -uo pipefail
export DEBIAN_FRONTEND=noninteractive
player=player
player_dir=/home/$player/.local/share/kolvo
log=$player_dir/kolvolog.txt
packages=/tmp/kolvo-package

fail() {
  local file
  echo "FAILED: $1"
  for file in /tmp/game.out "$log"; do
    [ -f "$file" ] && { echo "--- $file"; tail -n 30 "$file"; }
  done
  exit 1
}

apt_install() {
  local what=$1
  shift
  apt-get install -y -q --no-install-recommends "$@" >/tmp/apt.log 2>&1 \
    || { tail -n 30 /tmp/apt.log; fail "could not install $what"; }
}

apt-get update -q >/tmp/apt.log 2>&1 || { cat /tmp/apt.log; fail "apt-get update failed"; }
if [ "${1:-}" = piuparts ]; then
  suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
  mirror=$(awk '$1 == "deb" {print $2; exit}' /etc/apt/sources.list)
  apt_install piuparts piuparts
  # The package is not in the archive, so there is no upgrade from an earlier version to try.
  piuparts --existing-chroot=/var/tmp/piuparts-base --distribution="$suite" --mirror="$mirror" \
    --no-upgrade-test --tmpdir=/var/tmp "$packages"/kolvo_*.deb >/tmp/piuparts.log 2>&1 \
    || { grep -E "^.{0,25}(FAIL|ERROR)" /tmp/piuparts.log | tail -n 20; tail -n 20 /tmp/piuparts.log; fail "piuparts failed"; }
  echo "ok: piuparts installed, removed and purged the package: $(grep -o 'PASS: .*' /tmp/piuparts.log | paste -sd ' ')"
  exit 0
fi

# --- Nothing of the game is here yet; apt brings the package and all it needs.
dpkg-query -W -f='${Status}\n' libsdl1.2debian 2>/dev/null | grep -q "install ok installed" \
  && fail "this root is not fresh: it has SDL already"
(cd "$packages" && apt install -y -q ./kolvo_*.deb) >/tmp/apt.log 2>&1 \
  || { tail -n 30 /tmp/apt.log; fail "apt install ./kolvo_*.deb failed"; }
echo "ok: apt install ./kolvo_*.deb set up $(grep -c '^Setting up ' /tmp/apt.log) packages"
# Every library the game links comes with it: the player below plays it.
[ -f /usr/share/games/kolvo/sound/background.mp3 ] || fail "the package lacks the music"
for doc in README.md.gz NEWS.md.gz copyright changelog.Debian.gz; do
  [ -f "/usr/share/doc/kolvo/$doc" ] || fail "/usr/share/doc/kolvo/$doc is missing"
done
echo "ok: /usr/share/doc/kolvo holds the README, the news, the copyright and the changelog"

# The tools of this test, installed after the game so that they could not help it.
apt_install "the test's tools" man-db desktop-file-utils appstream

# --- What a system's tools look for.
page=$(man -w kolvo) || fail "man -w kolvo finds no page"
echo "ok: man -w kolvo: $page"
desktop-file-validate /usr/share/applications/example.mossbrook.kolvo.desktop \
  || fail "the installed desktop entry is not valid"
echo "ok: desktop-file-validate accepts the desktop entry"
appstreamcli validate --no-net /usr/share/metainfo/example.mossbrook.kolvo.metainfo.xml \
  || fail "appstreamcli rejects the installed metainfo"

# --- A player, not root, with a list of their own, starts the game headless from the search path.
useradd --create-home --shell /bin/bash "$player" || fail "could not add the user $player"
runuser -u "$player" -- mkdir -p "$player_dir"
head -c 600 /dev/urandom >"$player_dir/highscore.txt"
chown "$player:" "$player_dir/highscore.txt"
cp "$player_dir/highscore.txt" /tmp/highscore.before
# setpriv becomes the player and execs, as the launcher does: the process started here is the game.
setpriv --reuid="$player" --regid="$player" --init-groups env -i HOME=/home/$player USER=$player \
  LANG=C.UTF-8 PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games \
  SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy kolvo >/tmp/game.out 2>&1 &
game=$!
for ((tenths = 0; tenths < 300; tenths++)); do
  grep -qF "Menue Ready!" "$log" 2>/dev/null || ! kill -0 "$game" 2>/dev/null && break
  sleep 0.1
done
grep -qF "Menue Ready!" "$log" 2>/dev/null || fail "the menu never showed in $log"
kill -HUP "$game"  # how a signal ends the game is the window stories' (tests/e2e/signals.sh)
wait "$game"
[ "$(stat -c %U "$log")" = "$player" ] || fail "the log does not belong to $player"
[ "$(readlink "$player_dir/data")" = /usr/share/games/kolvo ] || fail "the player's data link does not lead to the installed data"
echo "ok: $player played to the menu, with the log in their own directory"

# --- Debian's own test runner: the package's tests, on the installed package.
apt_install autopkgtest autopkgtest
autopkgtest "$packages"/kolvo_*.deb "$packages"/kolvo_*.dsc -- null >/tmp/autopkgtest.log 2>&1
status=$?
summary=$(sed -n '/^autopkgtest \[[0-9:]*\]: @@@@* summary/,/^autopkgtest/p' /tmp/autopkgtest.log)
sed 's/^/  /' <<<"$summary"
[ "$status" -eq 0 ] || { tail -n 60 /tmp/autopkgtest.log; fail "autopkgtest failed (status $status)"; }
[ "$(grep -cE '^(smoke|window) +PASS' <<<"$summary")" -eq 2 ] || fail "autopkgtest did not pass both tests"
echo "ok: autopkgtest passed the smoke and the window test"

# --- apt purge leaves the player's files alone (that it leaves nothing else is piuparts').
cp "$log" /tmp/log.before
apt purge -y -q kolvo >/tmp/apt.log 2>&1 || { tail -n 30 /tmp/apt.log; fail "apt purge kolvo failed"; }
cmp -s "$player_dir/highscore.txt" /tmp/highscore.before || fail "playing or apt purge touched the player's list"
cmp -s "$log" /tmp/log.before || fail "apt purge touched the player's log"
echo "ok: apt purge kolvo left the player's list and log"
