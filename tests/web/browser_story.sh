#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# The browser version, played as a person would: scripts/web.sh builds the page, which is served on
# localhost and played in headless Chromium through selenium (browser_story.py), on the keys, a
# pad and touch; with the argument storage, storage_story.py: results kept whatever the tabs.
# Where emscripten, Chromium, its driver or selenium is missing the story is skipped, saying
# which; with KOLVO_WEB_REQUIRED=1 (CI) it fails instead.
set -u
here="$(cd "$(dirname "$0")/../.." && pwd)"

missing=""
for tool in em++ emcmake chromium chromedriver /usr/bin/python3; do
  command -v "$tool" >/dev/null 2>&1 || missing+=" $tool"
done
/usr/bin/python3 -c 'import selenium, PIL' 2>/dev/null || missing+=" python3-selenium/python3-pil"
if [ -n "$missing" ]; then
  echo "no browser toolchain here:$missing (KOLVO_WEB_TOOLS=1 scripts/setup.sh installs it)"
  [ "${KOLVO_WEB_REQUIRED:-0}" = 1 ] && exit 1
  exit 77
fi

built=$(nice "$here/scripts/web.sh" 2>&1) || { echo "$built"; echo "FAILED: scripts/web.sh did not build the page"; exit 1; }
if [ "${1:-}" = storage ]; then  # results kept whatever the tabs (storage_story.py)
  exec /usr/bin/python3 -B "$here/tests/web/storage_story.py" "$here/build-web" \
    "$here/tests/highscore/highscore_format.py"
fi
exec /usr/bin/python3 -B "$here/tests/web/browser_story.py" "$here/build-web" \
  "$here/docs/screenshots/menu.png" "$here/tests/highscore/highscore_format.py"
