#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Measures the browser version in headless Chromium beside the desktop game, in the same run: the
# download (all of build-web/), the time from opening the page to "Menue Ready!" (median of 5, each
# in a fresh profile), and the processor time of all of the browser's processes over 10 s of the
# idle menu and of a running single game. Then scripts/measure.sh measures the desktop game.
# Usage: scripts/measure_web.sh [build directory of the desktop game, default build]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/web.sh" >/dev/null 2>&1 || "$here/scripts/web.sh"
echo "== the browser version (headless Chromium $(chromium --version 2>/dev/null | awk '{print $2}'))"
/usr/bin/python3 -B - "$here/build-web" "$here/tests/web" <<'PY'
import os, statistics, sys, tempfile, time
page, story = sys.argv[1:]
sys.path.insert(0, story)
import browser_story as web
import functools, http.server, shutil, threading
from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service

files = sorted(os.listdir(page))
total = sum(os.path.getsize(os.path.join(page, f)) for f in files)
print("download: %.2f MiB (%s)" % (total / 1048576, ", ".join(
    "%s %.0f KiB" % (f, os.path.getsize(os.path.join(page, f)) / 1024) for f in files)))

server = http.server.ThreadingHTTPServer(
    ("127.0.0.1", 0), functools.partial(web.QuietHandler, directory=page))
threading.Thread(target=server.serve_forever, daemon=True).start()
url = "http://127.0.0.1:%d/" % server.server_address[1]

def browser(profile):
    options = Options()
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--window-size=800,600", "--user-data-dir=" + profile):
        options.add_argument(flag)
    options.binary_location = shutil.which("chromium")
    return webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)

def ticks(root):
    """User and system time of the process tree under root (the driver: the browser and all it
    started), in clock ticks."""
    children, times = {}, {}
    for pid in os.listdir("/proc"):
        if not pid.isdigit():
            continue
        try:
            stat = open("/proc/%s/stat" % pid).read()
        except OSError:
            continue
        fields = stat[stat.rindex(")") + 2:].split()
        children.setdefault(int(fields[1]), []).append(int(pid))
        times[int(pid)] = sum(int(v) for v in fields[11:15])
    total, todo = 0, [root]
    while todo:
        pid = todo.pop()
        total += times.get(pid, 0)
        todo += children.get(pid, [])
    return total

def share(driver, what, seconds=10):
    root = driver.service.process.pid
    before = ticks(root)
    time.sleep(seconds)
    used = ticks(root) - before
    print("%s: %.1f%% of one core over %d s" % (what, 100 * used / os.sysconf("SC_CLK_TCK") / seconds, seconds))

starts = []
for run in range(5):
    with tempfile.TemporaryDirectory() as profile:
        driver = browser(profile)
        try:
            start = time.monotonic()
            driver.get(url)
            web.wait_for_log(driver, "Menue Ready!", seconds=60)
            starts.append((time.monotonic() - start) * 1000)
            if run == 0:
                web.point(driver, 500, 300)  # the pointer rests away from the buttons
                time.sleep(1)
                share(driver, "idle menu")
                web.point(driver, *web.MENU_START_GAME, click=True)
                web.wait_for_log(driver, "Start Level 1")
                time.sleep(2.5)
                share(driver, "running single game")
        finally:
            driver.quit()
print("opening the page to the menu: median %.0f ms (min %.0f, max %.0f, 5 runs, fresh profiles)"
      % (statistics.median(starts), min(starts), max(starts)))
PY
echo "== the desktop game"
"$here/scripts/measure.sh" "${1:-build}"
