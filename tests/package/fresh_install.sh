#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# A player on a brand-new Debian installs the package with apt and plays. In one fresh minimal root
# (debootstrap --variant=minbase, of this machine's release) the README's command builds the package
# from a clone, and lintian must find no error in it. In a second fresh root, which has none of the
# game's libraries, "apt install ./kolvo_*.deb" must pull everything the game needs; a user who is
# not root starts it with "xvfb-run -a kolvo -w", sees the menu and quits it, the manual page, the
# desktop entry and the metainfo are checked where they were installed, and "apt purge kolvo"
# leaves the player's list and log where they were.
#
# Usage, as root: tests/package/fresh_install.sh
#   KOLVO_SUITE=trixie tests/package/fresh_install.sh   # another Debian release than this machine's
# It builds what is committed (the clone's HEAD), not uncommitted changes. Where it cannot run (not
# root, no debootstrap, no mounts allowed) it says why and exits 0.
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
started=$SECONDS

skip() { echo "package test skipped: $1"; exit 0; }
fail() {
  echo "FAILED: $1"
  [ -n "${2:-}" ] && [ -f "$2" ] && { echo "--- last lines of $(basename "$2")"; tail -n 40 "$2"; }
  exit 1
}

[ "$(id -u)" -eq 0 ] || skip "it needs root, for debootstrap and chroot"
[ -r /etc/os-release ] && command -v apt-get >/dev/null || skip "this is no Debian system"
suite=${KOLVO_SUITE:-$(. /etc/os-release && echo "${VERSION_CODENAME:-}")}
[ -n "$suite" ] || skip "this system names no Debian release"
if ! command -v debootstrap >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q debootstrap >/dev/null 2>&1 \
    || skip "there is no debootstrap here, and it could not be installed"
fi
unshare --mount true 2>/dev/null || skip "this machine allows no mounts of our own"

# The minimal root is bootstrapped once per release and kept in /tmp, in the same place as the
# project's shared fresh-debian tool keeps it; every run works on fresh copies of it.
base=/tmp/fresh-debian-base-$suite
if [ ! -x "$base/bin/bash" ]; then
  mirror=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null)
  mirror=${mirror:-http://deb.debian.org/debian}
  echo "bootstrapping a minimal Debian $suite root (once, about a minute)"
  rm -rf "$base.tmp.$$"
  debootstrap --variant=minbase "$suite" "$base.tmp.$$" "$mirror" >"/tmp/fresh-debian-bootstrap-$suite.log" 2>&1 \
    || fail "debootstrap failed" "/tmp/fresh-debian-bootstrap-$suite.log"
  [ -x "$base/bin/bash" ] && rm -rf "$base.tmp.$$" || mv "$base.tmp.$$" "$base"
fi

work=$(mktemp -d /tmp/kolvo-package-XXXXXX)
trap 'rm -rf "$work"' EXIT
fresh_root() {
  cp -a "$base" "$1" && cp /etc/resolv.conf "$1/etc/resolv.conf"
}
# in_root <root> <seconds> <command...>: runs the command in the root as its root user. The mounts
# live in a mount namespace of their own, so they go with the command, whatever way it ends.
in_root() {
  local root=$1 seconds=$2
  shift 2
  timeout "$seconds" unshare --mount --propagation private /bin/sh -c '
    root=$1; shift
    mount --bind /dev "$root/dev" && mount --bind /dev/pts "$root/dev/pts" &&
      mount -t proc proc "$root/proc" && mount -t sysfs sys "$root/sys" || exit 125
    exec chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
      PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"' sh "$root" "$@"
}

# --- The README's command builds the package from a clone, in a root that has nothing for it.
echo "building the package in a fresh Debian $suite root"
fresh_root "$work/build" || fail "could not copy the minimal root"
git clone -q "$top" "$work/build/root/kolvo" || fail "could not clone $top"
[ -z "$(git -C "$top" status --porcelain --untracked-files=no)" ] \
  || echo "note: the package is built from the last commit; uncommitted changes are not in it"
in_root "$work/build" 1800 /bin/sh -c 'cd /root/kolvo && scripts/package.sh' >"$work/build.log" 2>&1 \
  || fail "scripts/package.sh failed in the fresh root" "$work/build.log"
deb=$(cd "$work/build/root/kolvo" && ls kolvo_*.deb 2>/dev/null)
[ "$(echo "$deb" | wc -w)" -eq 1 ] || fail "the build left no single kolvo_*.deb: $deb" "$work/build.log"
echo "built $deb ($((SECONDS - started)) s)"

# --- Debian's own checker: no errors; warnings and notes are shown.
in_root "$work/build" 900 /bin/sh -c 'DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends lintian' \
  >"$work/lintian-install.log" 2>&1 || fail "could not install lintian" "$work/lintian-install.log"
in_root "$work/build" 300 /bin/sh -c 'cd /root/kolvo && lintian --fail-on error -I --show-overrides kolvo_*.changes' \
  >"$work/lintian.log" 2>&1
status=$?
echo "lintian:"
grep -v "running with root privileges" "$work/lintian.log" | sed 's/^/  /'
[ "$status" -eq 0 ] || fail "lintian found errors (status $status)"

# --- A second fresh root installs the package with apt, and a player plays it.
echo "installing and playing it in another fresh Debian $suite root"
fresh_root "$work/play" || fail "could not copy the minimal root"
mkdir -p "$work/play/tmp/kolvo-package"
cp "$work/build/root/kolvo/$deb" "$work/build/root/kolvo/tests/package/in_root.sh" \
  "$work/build/root/kolvo/tests/e2e/lib.sh" "$work/play/tmp/kolvo-package/"
rm -rf "$work/build"
in_root "$work/play" 1200 /bin/bash /tmp/kolvo-package/in_root.sh >"$work/play.log" 2>&1
status=$?
sed 's/^/  /' "$work/play.log"
[ "$status" -eq 0 ] || fail "the installed package failed in the fresh root (status $status)"
echo "package test passed on Debian $suite in $((SECONDS - started)) s"
echo "package: 1 passed, 0 failed"
