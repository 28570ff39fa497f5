#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Kolvo need, when any is missing,
# then configures and builds the game into build/ (or the directory given as the first argument).
# Extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."

KOLVO_PACKAGES=(
  cmake g++ make pkg-config
  libsdl1.2-dev libsdl-image1.2-dev libmpg123-dev
  python3 python3-pil fonts-dejavu-core lame
  googletest libgtest-dev libbenchmark-dev
  xvfb xdotool python3-xlib desktop-file-utils
)
KOLVO_PACKAGES+=(${KOLVO_EXTRA_PACKAGES:-})

missing=()
for package in "${KOLVO_PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

build_dir="${1:-build}"
shift || true
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
