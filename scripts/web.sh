#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Builds the browser version into build-web/: index.html and the files it loads (its scripts and
# style, kolvo.js, kolvo.wasm, kolvo.data, and the manifest, icons and service worker that install
# it on a phone), which any static web server can serve as they are. Debian's emscripten
# builds it; the set-up installs it when missing (KOLVO_WEB_TOOLS=1). The compiler's own work stays
# in build/web.
# Usage: scripts/web.sh [--serve [PORT]]
# With --serve it builds if needed, then serves build-web/ on localhost (default port 8640) until
# interrupted, printing the address to open.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
page="$here/build-web"
work="$here/build/web"

build() {
  command -v emcmake >/dev/null 2>&1 || KOLVO_WEB_TOOLS=1 scripts/setup.sh
  # emscripten's tools find Debian's packaged JavaScript modules (acorn) through NODE_PATH when
  # the node that runs them is not Debian's own; Debian's node finds them anyway.
  export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"
  emcmake cmake -S . -B "$work" -DCMAKE_BUILD_TYPE=Release -DKOLVO_PAGE_DIR="$page" >/dev/null
  cmake --build "$work" -j "$(nproc)"
}

if [ "${1:-}" = --serve ]; then
  port="${2:-8640}"
  [ -f "$page/index.html" ] && [ -f "$page/kolvo.wasm" ] || build
  echo "Kolvo is served at http://localhost:$port/ (Ctrl+C stops it)"
  cd "$page"
  exec /usr/bin/python3 -m http.server --bind 127.0.0.1 "$port"
fi
build
echo "The page is in $page: $(cd "$page" && echo *)"
