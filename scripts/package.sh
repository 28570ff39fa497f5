#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Builds the Debian package and leaves it in the project's top directory.
#
#   scripts/package.sh [dpkg-buildpackage options]
#       the binary package, kolvo_<version>_<arch>.deb, ready for "apt install ./kolvo_*.deb".
#       Installs the build dependencies named in debian/control first when any is missing
#       (through apt-get, with sudo when you are not root); DEB_BUILD_PROFILES=nocheck leaves out
#       those of the test suite, and DEB_BUILD_OPTIONS=nocheck with it skips the suite.
#   scripts/package.sh --source
#       the source package from the release tarball of the last commit (scripts/release.sh):
#       kolvo_<upstream>.orig.tar.xz, kolvo_<version>.debian.tar.xz and kolvo_<version>.dsc,
#       format 3.0 (quilt), with the committed debian/. Needs only dpkg-dev, git and xz-utils.
#       dpkg-buildpackage in a clone works too: after "scripts/release.sh" and
#       "cp kolvo-<upstream>.tar.xz ../kolvo_<upstream>.orig.tar.xz", -S builds it from the tree.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
apt_get() { DEBIAN_FRONTEND=noninteractive $sudo apt-get -q "$@"; }
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

version=$(dpkg-parsechangelog -S Version 2>/dev/null || sed -n '1s/.*(\(.*\)).*/\1/p' debian/changelog)
upstream=${version%-*}

if [ "${1:-}" = --source ]; then
  missing=()
  for package in dpkg-dev git xz-utils; do
    installed "$package" || missing+=("$package")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt_get update
    apt_get install -y --no-install-recommends "${missing[@]}"
  fi
  scripts/release.sh
  # The source package is made from the tarball and the committed debian/ alone, in a directory of
  # its own, so that nothing else of this tree (builds, earlier packages) can slip into it.
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  cp "kolvo-$upstream.tar.xz" "$work/kolvo_$upstream.orig.tar.xz"
  tar -xJf "$work/kolvo_$upstream.orig.tar.xz" -C "$work"
  git archive --format=tar HEAD debian | tar -x -C "$work/kolvo-$upstream"
  # Nothing was built in that tree, so there is nothing to clean: dpkg-source alone makes the
  # package, and no build dependency is needed for it.
  (cd "$work" && dpkg-source -b "kolvo-$upstream")
  for file in "kolvo_$upstream.orig.tar.xz" "kolvo_$version.debian.tar.xz" "kolvo_$version.dsc"; do
    mv -f "$work/$file" .
  done
  echo "Built kolvo_$version.dsc"
  exit 0
fi

profiles=$(tr ' ' ',' <<<"${DEB_BUILD_PROFILES:-}")
if ! installed build-essential || ! dpkg-checkbuilddeps 2>/dev/null; then
  echo "Installing the build dependencies of debian/control"
  apt_get update
  apt_get build-dep -y --no-install-recommends ${profiles:+-P "$profiles"} ./
fi

# dpkg-buildpackage writes its results into the parent directory; bring them here.
arch=$(dpkg-architecture -q DEB_HOST_ARCH)
dpkg-buildpackage -us -uc -b -jauto "$@"
results=("../kolvo_${version}_${arch}.deb" "../kolvo_${version}_${arch}.buildinfo"
         "../kolvo_${version}_${arch}.changes" "../kolvo-dbgsym_${version}_${arch}.deb")
for file in "${results[@]}"; do
  [ -e "$file" ] && mv -f "$file" .
done
echo "Built kolvo_${version}_${arch}.deb"
