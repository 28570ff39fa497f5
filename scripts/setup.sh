#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Installs what building, running and testing Kolvo needs when any of it is missing, then configures
# and builds the game into build/ (or the directory given as the first argument). Extra arguments
# go to CMake. KOLVO_FUZZ_TOOLS=1 also asks for clang with its fuzzer runtime, KOLVO_TREE_TOOLS=1
# for reuse, which the licence check needs (CI asks for it; elsewhere that check is skipped).
#
# What is missing is decided by what the build uses (commands, pkg-config modules, Python modules,
# files), not by package names: a machine that has the same thing from another package (SDL 1.2
# from libsdl1.2-compat-dev, say) is taken as it is. apt-get runs only when something is missing,
# and never removes a package.
set -euo pipefail
cd "$(dirname "$0")/.."

# Each need: how to check it, what to check, and the Debian package that brings it.
KOLVO_NEEDS=(
  "command cmake cmake"
  "command g++ g++"
  "command make make"
  "module sdl libsdl1.2-dev"
  "module SDL_image libsdl-image1.2-dev"
  "module libmpg123 libmpg123-dev"
  "module gtest libgtest-dev"
  "module benchmark libbenchmark-dev"
  "command /usr/bin/python3 python3"
  "python PIL.Image python3-pil"
  "python Xlib python3-xlib"
  "file /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf fonts-dejavu-core"
  "command lame lame"
  "command Xvfb xvfb"
  "command xdotool xdotool"
  "command openbox openbox"
  "command desktop-file-validate desktop-file-utils"
)
[ "${KOLVO_FUZZ_TOOLS:-0}" = 1 ] && KOLVO_NEEDS+=("command clang clang")
[ "${KOLVO_TREE_TOOLS:-0}" = 1 ] && KOLVO_NEEDS+=("command reuse reuse")

has() {
  case "$1" in
    command) command -v "$2" >/dev/null 2>&1 ;;
    module) command -v pkg-config >/dev/null 2>&1 && pkg-config --exists "$2" ;;
    python) [ -x /usr/bin/python3 ] && /usr/bin/python3 -c "import $2" 2>/dev/null ;;
    file) [ -e "$2" ] ;;
  esac
}

# clang's fuzzer runtime comes in a package named after clang's own major version.
fuzzer_runtime_package() {
  local probe major
  probe=$(mktemp -d)
  echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' >"$probe/f.cpp"
  if clang++ -fsanitize=fuzzer "$probe/f.cpp" -o "$probe/f" >/dev/null 2>&1; then
    rm -rf "$probe"
    return
  fi
  rm -rf "$probe"
  major=$(clang --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -n 1)
  echo "libclang-rt-$major-dev"
}

install_packages() {
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: $*"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends --no-remove "$@"
}

# pkg-config answers for the modules, so it comes first; without it every module would look missing.
has command pkg-config || install_packages pkgconf
missing=()
for need in "${KOLVO_NEEDS[@]}"; do
  read -r kind what package <<<"$need"
  has "$kind" "$what" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] || install_packages $(printf '%s\n' "${missing[@]}" | sort -u)
if [ "${KOLVO_FUZZ_TOOLS:-0}" = 1 ]; then
  runtime=$(fuzzer_runtime_package)
  [ -z "$runtime" ] || install_packages "$runtime"
fi

build_dir="${1:-build}"
shift || true
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
