#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Builds the Debian package, kolvo_<version>-1_<arch>.deb, and leaves it in the project's top
# directory, ready for "apt install ./kolvo_*.deb". Installs the build dependencies named in
# debian/control first when any is missing (through apt-get, with sudo when you are not root).
# Extra arguments go to dpkg-buildpackage.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if ! dpkg-query -W -f='${Status}' build-essential 2>/dev/null | grep -q 'install ok installed' \
   || ! dpkg-checkbuilddeps 2>/dev/null; then
  echo "Installing the build dependencies of debian/control"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get build-dep -y -q --no-install-recommends ./
fi

# dpkg-buildpackage writes its results into the parent directory; bring them here.
version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg-architecture -q DEB_HOST_ARCH)
dpkg-buildpackage -us -uc -b -jauto "$@"
results=("../kolvo_${version}_${arch}.deb" "../kolvo_${version}_${arch}.buildinfo"
         "../kolvo_${version}_${arch}.changes" "../kolvo-dbgsym_${version}_${arch}.deb")
for file in "${results[@]}"; do
  [ -e "$file" ] && mv -f "$file" .
done
echo "Built kolvo_${version}_${arch}.deb"
