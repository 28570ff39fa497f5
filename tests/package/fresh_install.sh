#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# The Debian package from the committed release tarball to the player, each step in a fresh minimal
# root: 1. a developer's clone makes the same tarball twice, the source package, the nocheck binary
# package on another date, then "dpkg-buildpackage -S" in the same, still clean, tree; 2. a builder
# with the source package alone builds it with the suite, the same .deb, passing lintian and
# hardening-check; 3. a player installs, plays, runs autopkgtest and purges (in_root.sh); piuparts.
# Usage, as root: [KOLVO_SUITE="bookworm trixie"] tests/package/fresh_install.sh (default: this
# machine's release). Where it cannot run it says why, exiting 0 (1 with KOLVO_PACKAGE_REQUIRED=1).
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
started=$SECONDS

# The warnings lintian may give, each explained in the README; any other fails the test.
LINTIAN_KNOWN_WARNINGS="initial-upload-closes-no-bugs"

skip() {
  if [ "${KOLVO_PACKAGE_REQUIRED:-0}" = 1 ]; then
    echo "FAILED: the package test could not run: $1"
    exit 1
  fi
  echo "package test skipped: $1"
  exit 0
}
fail() {
  echo "FAILED: $1"
  [ -n "${2:-}" ] && [ -f "$2" ] && { echo "--- last lines of $(basename "$2")"; tail -n 40 "$2"; }
  exit 1
}
step() { echo "$1 ($((SECONDS - started)) s)"; }

[ "$(id -u)" -eq 0 ] || skip "it needs root, for debootstrap and chroot"
[ -r /etc/os-release ] && command -v apt-get >/dev/null || skip "this is no Debian system"
suite=${KOLVO_SUITE:-$(. /etc/os-release && echo "${VERSION_CODENAME:-}")}
[ -n "$suite" ] || skip "this system names no Debian release"

# Installed before releases run side by side, so that no two apt-get runs meet dpkg's lock.
if ! command -v debootstrap >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install -y -q debootstrap \
    >/dev/null 2>&1 || skip "there is no debootstrap here, and it could not be installed"
fi

# Several releases run side by side (much of a run waits for downloads, which overlap well).
if [ "$(wc -w <<<"$suite")" -gt 1 ]; then
  logs=$(mktemp -d /tmp/kolvo-package-logs-XXXXXX)
  trap 'rm -rf "$logs"' EXIT
  pids=()
  for one in $suite; do
    KOLVO_SUITE=$one "$0" >"$logs/$one" 2>&1 &
    pids+=($!)
  done
  passed=0 failed=0 skipped=0 index=0
  for one in $suite; do
    if ! wait "${pids[index]}"; then
      failed=$((failed + 1))
    elif grep -q '^package test skipped: ' "$logs/$one"; then
      skipped=$((skipped + 1))
    else
      passed=$((passed + 1))
    fi
    index=$((index + 1))
    echo "=== Debian $one"
    grep -v '^package: ' "$logs/$one"
  done
  echo "package test on $suite done in $((SECONDS - started)) s"
  echo "package: $passed passed, $failed failed, $skipped skipped"
  [ "$failed" -eq 0 ]
  exit
fi
unshare --mount true 2>/dev/null || skip "this machine allows no mounts of our own"

# The minimal root and apt's downloads are kept in /tmp per release, where the project's shared
# fresh-debian tool keeps them; every step works on a fresh copy of the root.
base=/tmp/fresh-debian-base-$suite
archives=/tmp/fresh-debian-archives-$suite
if [ ! -x "$base/bin/bash" ]; then
  mirror=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null)
  mirror=${mirror:-http://deb.debian.org/debian}
  echo "bootstrapping a minimal Debian $suite root (once, about a minute)"
  rm -rf "$base.tmp.$$"
  debootstrap --variant=minbase "$suite" "$base.tmp.$$" "$mirror" >"/tmp/fresh-debian-bootstrap-$suite.log" 2>&1 \
    || fail "debootstrap failed" "/tmp/fresh-debian-bootstrap-$suite.log"
  [ -x "$base/bin/bash" ] && rm -rf "$base.tmp.$$" || mv "$base.tmp.$$" "$base"
fi
mkdir -p "$archives/partial"

work=$(mktemp -d /tmp/kolvo-package-XXXXXX)
trap 'rm -rf "$work"' EXIT
fresh_root() {
  cp -a "$base" "$1" && cp /etc/resolv.conf "$1/etc/resolv.conf"
}
# in_root <root> <seconds> <command...>: niced, the mounts in a namespace that ends with it.
in_root() {
  local root=$1 seconds=$2
  shift 2
  timeout "$seconds" nice unshare --mount --propagation private /bin/sh -c '
    root=$1 archives=$2; shift 2
    mount --bind /dev "$root/dev" && mount --bind /dev/pts "$root/dev/pts" &&
      mount -t proc proc "$root/proc" && mount -t sysfs sys "$root/sys" &&
      mount --bind "$archives" "$root/var/cache/apt/archives" || exit 125
    exec chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
      PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"' sh "$root" "$archives" "$@"
}
# run_step <root> <seconds> <log> <what failed> <shell command>; shown_step shows the log, too.
run_step() {
  in_root "$1" "$2" /bin/sh -c "$5" >"$3" 2>&1 || fail "$4" "$3"
}
shown_step() {
  local status=0
  in_root "$1" "$2" /bin/sh -c "$5" >"$3" 2>&1 || status=$?
  grep -v "running with root privileges" "$3" | sed 's/^/  /'
  [ "$status" -eq 0 ] || fail "$4 (status $status)"
}

# --- 1. A developer's clone, in a root that has nothing for it.
step "making the release tarball and the source package in a fresh Debian $suite root"
dev=$work/dev
fresh_root "$dev" || fail "could not copy the minimal root"
git clone -q "$top" "$dev/root/kolvo" || fail "could not clone $top"
[ -z "$(git -C "$top" status --porcelain --untracked-files=no)" ] \
  || echo "note: the packages are built from the last commit; uncommitted changes are not in them"
run_step "$dev" 900 "$work/source.log" "scripts/package.sh --source failed" \
  'cd /root/kolvo && scripts/package.sh --source && sha256sum kolvo-*.tar.xz >/root/first.sum &&
   scripts/release.sh && sha256sum -c /root/first.sum'
echo "  the same tarball twice: $(cut -d' ' -f1 "$dev/root/first.sum")"
mkdir "$work/source" "$work/tools"
cp "$dev/root/kolvo/tests/package/in_root.sh" "$work/tools/"
mv "$dev"/root/kolvo/kolvo_*.dsc "$dev"/root/kolvo/kolvo_*.tar.xz "$work/source/" \
  || fail "scripts/package.sh --source left no source package"
dsc=$(cd "$work/source" && ls kolvo_*.dsc)
orig=$(cd "$work/source" && ls kolvo_*.orig.tar.xz)

step "building the package in the clone: nocheck, another date, then dpkg-buildpackage -S"
run_step "$dev" 900 "$work/dev-deps.log" "could not install the nocheck build dependencies" \
  'cd /root/kolvo && apt-get install -y -q --no-install-recommends faketime &&
   apt-get build-dep -y -q --no-install-recommends -P nocheck ./ &&
   ! dpkg-query -W -f="\${Status}\n" libgtest-dev 2>/dev/null | grep -q "install ok installed"'
run_step "$dev" 1800 "$work/dev-build.log" "the nocheck build in the clone failed" \
  'cd /root/kolvo && export FAKETIME_DONT_FAKE_MONOTONIC=1 &&
   DEB_BUILD_OPTIONS=nocheck DEB_BUILD_PROFILES=nocheck faketime -f +400d scripts/package.sh &&
   faketime -f +400d date +%F'
echo "  built on $(tail -n 1 "$work/dev-build.log"), as the build's own clock said"
cp "$work/source/$orig" "$dev/root/"
run_step "$dev" 600 "$work/dev-source.log" "dpkg-buildpackage -S after -b failed in the same tree" \
  'cd /root/kolvo && DEB_BUILD_PROFILES=nocheck dpkg-buildpackage -S -us -uc'
# Nothing but the packages and dpkg's list of them (debian/files, which the next clean removes).
left=$(git -C "$dev/root/kolvo" status --porcelain --ignored | grep -vxE '!! (kolvo[-_][^/]*|debian/files)')
[ -z "$left" ] || fail "the build left files in the tree: $left"
echo "  the tree is as committed, but for the packages in its top directory"
mkdir "$work/nocheck" && mv "$dev"/root/kolvo/kolvo_*.deb "$work/nocheck/" || fail "the clone's build left no .deb"
rm -rf "$dev"

# --- 2. A builder that has the source package and nothing else.
step "building the source package in a fresh Debian $suite root with only its Build-Depends"
builder=$work/builder
fresh_root "$builder" || fail "could not copy the minimal root"
mkdir "$builder/build" && cp "$work/source"/* "$builder/build/"
run_step "$builder" 900 "$work/build-deps.log" "could not install the Build-Depends of $dsc" \
  "cd /build && apt-get update -q && apt-get build-dep -y -q --no-install-recommends ./$dsc"
run_step "$builder" 1800 "$work/build.log" "the source package did not build" \
  "cd /build && dpkg-source -x $dsc kolvo && cd kolvo && dpkg-buildpackage -us -uc -b"
grep -E '^ *[0-9]+% tests passed|tests passed, ' "$work/build.log" | sed 's/^/  the suite at build time: /'
deb=$(cd "$builder/build" && ls kolvo_*.deb 2>/dev/null)
[ "$(echo "$deb" | wc -w)" -eq 1 ] || fail "the build left no single kolvo_*.deb: $deb" "$work/build.log"

step "checking the packages with lintian and hardening-check"
run_step "$builder" 900 "$work/lintian-install.log" "could not install lintian and devscripts" \
  'apt-get install -y -q --no-install-recommends lintian devscripts'
shown_step "$builder" 600 "$work/lintian.log" "lintian found errors" \
  "cd /build && lintian -I --show-overrides kolvo_*.changes $dsc"
unknown=$(grep -E '^[EW]: ' "$work/lintian.log" | grep -vwE "$(tr ' ' '|' <<<"$LINTIAN_KNOWN_WARNINGS")")
[ -z "$unknown" ] || fail "lintian: an error or a warning the README does not explain: $unknown"
# Control flow integrity no amd64 program of Debian 12 or 13 shows: the C library's start files
# carry no IBT or SHSTK note, so the linker drops the game's. Branch protection is arm64's.
shown_step "$builder" 300 "$work/hardening.log" "could not run hardening-check" \
  "cd /build && dpkg-deb -x $deb unpacked && { hardening-check unpacked/usr/lib/games/kolvo/kolvo || true; }"
unhardened=$(grep -E ': no\b' "$work/hardening.log" | grep -vE '^ (Control flow integrity|Branch Protection):')
[ -z "$unhardened" ] && grep -q 'Immediate binding: yes' "$work/hardening.log" \
  || fail "hardening-check finds the program unhardened: $unhardened"

cmp -s "$builder/build/$deb" "$work/nocheck/$deb" || {
  diff <(dpkg-deb -c "$builder/build/$deb") <(dpkg-deb -c "$work/nocheck/$deb") | head -n 20
  fail "the two builds of $deb differ"
}
echo "  the clone's nocheck build and the builder's are the same: $(sha256sum "$work/nocheck/$deb" | cut -d' ' -f1)"
mv "$builder/build/$deb" "$work/"
rm -rf "$builder"

# --- 3. A player's machine.
step "installing and playing it in another fresh Debian $suite root"
play=$work/play
fresh_root "$play" || fail "could not copy the minimal root"
mkdir "$play/tmp/kolvo-package"
cp "$work/$deb" "$work/source"/* "$work/tools"/* "$play/tmp/kolvo-package/" || fail "could not copy the packages"
shown_step "$play" 1200 "$work/play.log" "the installed package failed in the fresh root" \
  "/bin/bash /tmp/kolvo-package/in_root.sh"

# piuparts makes its own roots, from a copy of the minimal one.
step "piuparts: install, remove and purge"
cp -a "$base" "$play/var/tmp/piuparts-base" || fail "could not copy the minimal root"
shown_step "$play" 1200 "$work/piuparts.log" "piuparts failed" "/bin/bash /tmp/kolvo-package/in_root.sh piuparts"
echo "package test passed on Debian $suite in $((SECONDS - started)) s"
echo "package: 1 passed, 0 failed"
