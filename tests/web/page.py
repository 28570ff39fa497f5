# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
"""What every browser story shares: the page on localhost, a headless Chromium whose viewport is
set by the browser itself (no decorations count), the game's log and picture, and hands."""

import base64
import functools
import http.server
import io
import os
import shutil
import subprocess
import sys
import threading
import time

from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder

WIDTH, HEIGHT = 640, 480
MENU_START_GAME = (180, 172)  # where the desktop screenshot's pointer rests, on Start Game
MENU_START_CHALLENGE = (180, 228)
MENU_QUIT = (130, 377)
FAILED_PICTURE = "/tmp/kolvo-web-failed.png"


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json"}

    def log_message(self, *args):
        pass


def serve(directory, port=0):
    """Serves the directory on localhost until shutdown(); returns the server and its address."""
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port),
                                             functools.partial(QuietHandler, directory=directory))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, "http://127.0.0.1:%d/" % server.server_address[1]


def browser(profile):
    """A headless Chromium on its own profile folder, its console kept for the story to read."""
    options = Options()
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--window-size=1024,768", "--user-data-dir=" + profile):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})  # the game's console lines
    options.binary_location = shutil.which("chromium")
    return webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)


def viewport(driver, width, height, scale=1, mobile=False):
    """A viewport of width x height CSS pixels, scale device pixels each; mobile: a touch screen."""
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": scale, "mobile": mobile})
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                           {"enabled": mobile, "maxTouchPoints": 5 if mobile else 1})


def fail(message, driver=None):
    print("FAILED: " + message)
    if driver:
        print("--- kolvolog.txt\n" + "\n".join(log(driver).splitlines()[-40:]))
        picture(driver).save(FAILED_PICTURE)
    sys.exit(1)


def log(driver):
    return driver.execute_script(
        "try { return FS.readFile(FS.cwd() + '/kolvolog.txt', {encoding: 'utf8'}); }"
        " catch (e) { return ''; }")


def wait_for(driver, what, seconds, check):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if check():
            return
        time.sleep(0.1)
    fail(what, driver)


def wait_for_log(driver, text, times=1, seconds=30):
    wait_for(driver, "the log never said \"%s\" %d times" % (text, times), seconds,
             lambda: log(driver).count(text) >= times)


def kept_names(driver, decoder, work):
    """The names in the highscore list as the page keeps it; fails where it does not read."""
    path = os.path.join(work, "kept.txt")
    with open(path, "wb") as kept:
        kept.write(bytes(driver.execute_script(
            "return Array.from(FS.readFile(FS.cwd() + '/highscore.txt'))")))
    read = subprocess.run(["/usr/bin/python3", "-B", decoder, "decode", path],
                          capture_output=True, text=True)
    if read.returncode != 0:
        fail("the kept list does not read:\n" + read.stderr, driver)
    return [line.split()[-1] for line in read.stdout.splitlines() if line.startswith("entry")]


def picture(driver):
    """The game's picture as the canvas holds it, 640 x 480, whatever size it is shown at."""
    url = driver.execute_script("return document.getElementById('canvas').toDataURL('image/png')")
    return Image.open(io.BytesIO(base64.b64decode(url.split(",", 1)[1]))).convert("RGB")


def on_page(driver, x, y):
    """Where the picture's pixel (x, y) is on the page, in CSS pixels."""
    left, top, right, bottom = box(driver, "#canvas")
    return left + (x + 0.5) * (right - left) / WIDTH, top + (y + 0.5) * (bottom - top) / HEIGHT


def point(driver, x, y, click=False):
    """The mouse on the picture's pixel (x, y); a click held across frames, as a person's is."""
    actions = ActionBuilder(driver)
    actions.pointer_action.move_to_location(*(round(v) for v in on_page(driver, x, y)))
    if click:
        actions.pointer_action.click_and_hold().pause(0.2).release()
    actions.perform()


def tap(hold, what):
    """Held across a few frames, shorter than the 200 ms in which a held input acts once. A hand
    (keys(), Fingers.hold, the pad) is a function hold(what, down)."""
    hold(what, True)
    time.sleep(0.15)
    hold(what, False)
    time.sleep(0.3)


def keys(driver):
    def hold(key, down):
        chain = ActionChains(driver)
        (chain.key_down if down else chain.key_up)(key).perform()
    return hold


def box(driver, selector):
    """Where the element is on the page: left, top, right, bottom in CSS pixels."""
    return driver.execute_script(
        "var r = document.querySelector(arguments[0]).getBoundingClientRect();"
        "return [r.left, r.top, r.right, r.bottom];", selector)


class Fingers:
    """Fingers on a touch screen, several at once, each on a control (its aria-label) or a pixel."""

    def __init__(self, driver):
        self.driver = driver
        self.down = {}  # what is pressed: (x, y, finger id)
        self.next_id = 1

    def send(self, kind, points):
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {
            "type": kind, "touchPoints": [{"x": x, "y": y, "id": i} for x, y, i in points]})

    def press(self, what):
        if isinstance(what, str):
            left, top, right, bottom = box(self.driver, '[aria-label="%s"]' % what)
            x, y = (left + right) / 2, (top + bottom) / 2
        else:
            x, y = on_page(self.driver, *what)
        self.down[what] = (x, y, self.next_id)
        self.next_id += 1
        self.send("touchStart", self.down.values())

    def lift(self, what):
        # Chromium lifts the fingers a touchEnd names, and only those.
        self.send("touchEnd", [self.down.pop(what)])

    def hold(self, what, down):
        (self.press if down else self.lift)(what)
