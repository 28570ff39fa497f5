#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Measures the browser version in headless Chromium beside the desktop game, in the same run: the
# download (all of build-web/); the time from opening the page to "Menue Ready!" on a first visit
# (a fresh profile) and on a repeat visit (the same profile again: the browser's caches), medians
# of 3; and the processor time of all of the browser's processes over 10 s of the idle menu, a
# running single game, a running challenge and a paused game, each beside a bare page measured over
# the same 10 s in a browser of its own, which only wakes every 16 ms (a setTimeout loop). Beside
# them, over the same 10 s, two more bare pages show what the browser itself asks of any page that
# does what the game must: one also listens for pads (as every screen that reads them does), one
# also listens for pads and plays a sound through Web Audio (as a game with its music does, paused
# or not). Then scripts/measure.sh measures the desktop game.
# Usage: scripts/measure_web.sh [build directory of the desktop game, default build]
# KOLVO_MEASURE_PROFILE=FILE also writes a CPU profile of 10 s of the running game (CDP Profiler,
# the .cpuprofile format Chromium's developer tools open) and prints its heaviest functions.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/web.sh" >/dev/null 2>&1 || "$here/scripts/web.sh"
echo "== the browser version (headless Chromium $(chromium --version 2>/dev/null | awk '{print $2}'))"
/usr/bin/python3 -B - "$here/build-web" "$here/tests/web" "${KOLVO_MEASURE_PROFILE:-}" <<'PY'
import collections, json, os, statistics, sys, tempfile, time
page_dir, story, profile_file = sys.argv[1:]
sys.path.insert(0, story)
import page
from selenium.webdriver.common.keys import Keys

from page import MENU_START_CHALLENGE, MENU_START_GAME
BARE = ("data:text/html,<title>bare</title><body style='height:100vh'><script>"
        "(function wake() { setTimeout(wake, 16); })();%s</script></body>")
LISTEN_FOR_PADS = "addEventListener('gamepadconnected', function() {});"
# A second of a quiet tone looped by Web Audio itself: no script runs for it once it plays. A
# click starts it, as a browser lets a page sound only after the player's first gesture.
PLAY_SOUND = ("document.onclick = function() {"
              " var context = new AudioContext(), rate = context.sampleRate;"
              " var tone = context.createBuffer(2, rate, rate);"
              " for (var c = 0; c < 2; c++) for (var i = 0, d = tone.getChannelData(c); i < rate; i++)"
              "  d[i] = 0.1 * Math.sin(i / 20);"
              " var source = context.createBufferSource();"
              " source.buffer = tone; source.loop = true;"
              " source.connect(context.destination); source.start(); };")

files = sorted(os.listdir(page_dir))
total = sum(os.path.getsize(os.path.join(page_dir, f)) for f in files)
print("download: %.2f MiB (%s)" % (total / 1048576, ", ".join(
    "%s %.0f KiB" % (f, os.path.getsize(os.path.join(page_dir, f)) / 1024) for f in files)))
server, url = page.serve(page_dir)

# The time from the navigation's start to the log's "Menue Ready!", taken in the page itself: a
# script put before the page's own looks at the log every 5 ms.
READY_WATCH = """
window.kolvoReadyAt = 0;
(function look() {
  try {
    if (FS.readFile('/kolvo/kolvolog.txt', {encoding: 'utf8'}).indexOf('Menue Ready!') >= 0)
      return void (window.kolvoReadyAt = performance.now());
  } catch (e) {}
  setTimeout(look, 5);
})();"""


def visit(driver):
    driver.get("about:blank")
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": READY_WATCH})
    driver.get(url)
    end = time.monotonic() + 60
    while time.monotonic() < end:
        ready = driver.execute_script("return window.kolvoReadyAt || 0")
        if ready:
            return ready
        time.sleep(0.05)
    page.fail("the page never said \"Menue Ready!\"", driver)


def ticks(root):
    """User and system time of the process tree under root (the driver: the browser and all it
    started), in clock ticks."""
    children, times = collections.defaultdict(list), {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            stat = open("/proc/%s/stat" % pid).read()
        except OSError:
            continue
        fields = stat[stat.rindex(")") + 2:].split()
        children[int(fields[1])].append(int(pid))
        times[int(pid)] = sum(int(v) for v in fields[11:15])
    total, todo = 0, [root]
    while todo:
        pid = todo.pop()
        total += times.get(pid, 0)
        todo += children.get(pid, [])
    return total


def shares(drivers, seconds=10):
    roots = [d.service.process.pid for d in drivers]
    before = [ticks(r) for r in roots]
    time.sleep(seconds)
    return [100 * (ticks(r) - b) / os.sysconf("SC_CLK_TCK") / seconds for r, b in zip(roots, before)]


work = tempfile.mkdtemp(prefix="kolvo-measure-")
first, repeat = [], []
for run in range(3):
    driver = page.browser(os.path.join(work, "profile-%d" % run))
    try:
        first.append(visit(driver))
        time.sleep(3)  # the browser keeps the compiled code once it has optimised it
        repeat.append(visit(driver))
    finally:
        driver.quit()
print("opening the page to the menu: first visit median %.0f ms (%s), repeat visit median %.0f ms "
      "(%s)" % (statistics.median(first), ", ".join("%.0f" % t for t in first),
                statistics.median(repeat), ", ".join("%.0f" % t for t in repeat)))

bare = page.browser(os.path.join(work, "bare"))
pads = page.browser(os.path.join(work, "pads"))
sounding = page.browser(os.path.join(work, "sounding"))
driver = page.browser(os.path.join(work, "game"))
keys = page.keys(driver)
try:
    bare.get(BARE % "")
    pads.get(BARE % LISTEN_FOR_PADS)
    sounding.get(BARE % (LISTEN_FOR_PADS + PLAY_SOUND))
    sounding.find_element("tag name", "body").click()
    driver.get(url)
    page.wait_for_log(driver, "Menue Ready!", seconds=60)

    def measure(what):
        game, plain, listening, playing = shares([driver, bare, pads, sounding])
        print("%s: %.1f%% of one core over 10 s, the bare page %.1f%% (%.1f times); the bare page "
              "listening for pads %.1f%% (%.1f times), also playing a sound %.1f%% (%.1f times)"
              % (what, game, plain, game / plain, listening, listening / plain, playing,
                 playing / plain))

    page.point(driver, 500, 300)  # the pointer rests away from the buttons
    time.sleep(1)
    measure("idle menu")
    page.point(driver, *MENU_START_GAME, click=True)
    page.wait_for_log(driver, "Start Level 1")
    time.sleep(2.5)
    if profile_file:
        driver.execute_cdp_cmd("Profiler.enable", {})
        driver.execute_cdp_cmd("Profiler.start", {})
        time.sleep(10)
        profile = driver.execute_cdp_cmd("Profiler.stop", {})["profile"]
        with open(profile_file, "w") as out:
            json.dump(profile, out)
        spent = collections.Counter()
        nodes = {n["id"]: n for n in profile["nodes"]}
        for sample, delta in zip(profile["samples"], profile["timeDeltas"]):
            frame = nodes[sample]["callFrame"]
            spent[frame["functionName"] or "(anonymous) " + frame["url"][-30:]] += delta
        whole = sum(profile["timeDeltas"]) - spent.pop("(idle)", 0)
        print("profile of the running game (%s), self time of the busiest functions, in parts of the time not idle:" % profile_file)
        for name, us in spent.most_common(14):
            print("  %5.1f%%  %s" % (100 * us / whole, name))
    measure("running single game")
    # P is read once per 200 ms, so a press may go unseen, or a long one be read twice: pressed
    # until the picture stands still (the stones and the clock held).
    for _ in range(4):
        page.tap(keys, "p")
        still = page.picture(driver)
        time.sleep(1.5)
        if page.picture(driver) == still:
            break
    else:
        page.fail("P did not pause the game", driver)
    measure("paused single game")
    # M turns the music off, read once per 200 ms as P is; the sound device rests once nothing has
    # played for 5 s.
    for _ in range(4):
        page.tap(keys, "m")
        time.sleep(6)
        if driver.execute_script("return Module.kolvoAudio.resting"):
            break
    else:
        page.fail("M did not turn the music off", driver)
    measure("paused single game, music off")
    page.tap(keys, Keys.ESCAPE)
    page.wait_for_log(driver, "Menue Ready!", times=2, seconds=30)
    page.point(driver, *MENU_START_CHALLENGE, click=True)
    page.wait_for_log(driver, "Challenge called...")
    time.sleep(2)
    measure("running challenge")
finally:
    for browser in (driver, bare, pads, sounding):
        browser.quit()
    server.shutdown()
PY
echo "== the desktop game"
"$here/scripts/measure.sh" "${1:-build}"
