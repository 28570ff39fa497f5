#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
"""The page served on localhost and played in headless Chromium: a desktop window with keys and a
stubbed pad (navigator.getGamepads) that comes and goes; a phone by touch alone, in portrait and
landscape, entering a name typed on its keyboard into the desktop's list; a tablet moving both
challengers at once; offline after the server stops, the list kept; the computer's challenge; Quit.

  browser_story.py PAGE_DIR DESKTOP_MENU_PNG HIGHSCORE_FORMAT_PY
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

from page import (HEIGHT, MENU_QUIT, MENU_START_CHALLENGE, MENU_START_GAME, WIDTH, Fingers, box,
                  browser, fail, kept_names, log, picture, point, serve, tap, viewport, wait_for,
                  wait_for_log)
from PIL import Image, ImageChops
from player import Player, filled, normal, touch, turns
from selenium.webdriver.common.keys import Keys

CHALLENGE_LEFT, CHALLENGE_RIGHT = 10, 380  # where the challenge's playfields begin
POINTER_SIZE = 32
PAD_A, PAD_BACK, PAD_RIGHT = 0, 8, 15  # the standard mapping's buttons
PAD_NAME = "Kolvo Test Pad (STANDARD GAMEPAD Vendor: 1209 Product: 0001)"

# A browser's pad as the Gamepad API gives it: in slot 0 of four while connected, null otherwise.
PAD_STUB = """
(function() {
  var buttons = [], there = false;
  for (var i = 0; i < 17; i++) buttons.push({pressed: false, touched: false, value: 0});
  var pad = {id: '%s', index: 0, connected: true, mapping: 'standard', timestamp: 1,
             axes: [0, 0, 0, 0], buttons: buttons};
  navigator.getGamepads = function() { return [there ? pad : null, null, null, null]; };
  window.testPad = {
    hold: function(button, on) {
      buttons[button].pressed = on; buttons[button].value = on ? 1 : 0; pad.timestamp++;
    },
    plug: function(on) {
      there = on; pad.connected = on;
      var event = new Event(on ? 'gamepadconnected' : 'gamepaddisconnected');
      event.gamepad = pad;
      window.dispatchEvent(event);
    }
  };
})();
""" % PAD_NAME


def menu_matches(shown, desktop):
    """Alike but for the pointer's square, and a shade here and there from two JPEG decoders."""
    difference = ImageChops.difference(shown, desktop)
    x, y = MENU_START_GAME
    difference.paste((0, 0, 0), (x - 2, y - 2, x + POINTER_SIZE + 2, y + POINTER_SIZE + 2))
    pixels = difference.getdata()
    far = sum(1 for p in pixels if max(p) > 32)
    return far <= WIDTH * HEIGHT // 1000, far


def fits(driver, where, controls):
    """The picture, the bar and exactly these controls inside the viewport, none on the picture."""
    width, height = driver.execute_script("return [innerWidth, innerHeight]")
    shown = driver.execute_script(
        "return Array.from(document.querySelectorAll('.pad button:not([hidden])'))"
        ".filter(b => b.offsetParent).map(b => b.getAttribute('aria-label'))")
    if sorted(shown) != sorted(controls):
        fail("%s shows the controls %s" % (where, shown), driver)
    picture_box = box(driver, "#canvas")
    boxes = [("the picture", picture_box), ("the bar", box(driver, "#bar"))] + [
        (label, box(driver, '[aria-label="%s"]' % label)) for label in controls]
    for name, (left, top, right, bottom) in boxes:
        if left < 0 or top < 0 or right > width + 0.5 or bottom > height + 0.5:
            fail("%s: %s is not inside the %d x %d viewport: %s"
                 % (where, name, width, height, (left, top, right, bottom)), driver)
        if name != "the picture" and left < picture_box[2] and right > picture_box[0] and \
                top < picture_box[3] and bottom > picture_box[1]:
            fail("%s: %s lies on the picture" % (where, name), driver)
    return picture_box


def columns(cells):
    return min(c for c, _ in cells) if cells else None


def shift(before, after):
    """How many columns the stone moved right (negative: left); 0 where either is no whole stone."""
    return columns(after) - columns(before) if len(before) == len(after) == 4 else 0


def back_to_menu(driver, fingers):
    """A tap on the picture closes the list or a challenge's result, which wait for Return."""
    menus = log(driver).count("Menue Ready!")
    tap(fingers.hold, (320, 240))
    wait_for_log(driver, "Menue Ready!", times=menus + 1, seconds=20)


def main(page, desktop_menu, highscore_format):
    work = tempfile.mkdtemp(prefix="kolvo-web-")
    server, url = serve(page)
    driver = browser(os.path.join(work, "profile"))
    # The viewport Debian 12's headless Chromium gives a window of 800 x 600.
    viewport(driver, 800, 457)
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": PAD_STUB})
    try:
        driver.get(url)
        wait_for_log(driver, "Menue Ready!", seconds=60)
        fits(driver, "a short desktop window", [])
        point(driver, *MENU_START_GAME)
        time.sleep(0.5)
        alike, far = menu_matches(picture(driver), Image.open(desktop_menu).convert("RGB"))
        if not alike:
            fail("the menu differs from the desktop game's in %d pixels" % far, driver)

        # A list from the desktop, loaded through the page's link.
        now = int(time.time())
        desktop_list = os.path.join(work, "highscore.txt")
        subprocess.run(["/usr/bin/python3", "-B", highscore_format, "encode", desktop_list, str(now),
                        str(now), "Marta:1250:7:742:%d" % now, "Jonas:860:5:515:%d" % now],
                       check=True)
        driver.execute_script("document.getElementById('file').hidden = false")
        driver.find_element("id", "file").send_keys(desktop_list)
        wait_for(driver, "the page did not load the list", 10, lambda: "loaded" in
                 driver.find_element("id", "status").text)
        driver.execute_script("document.getElementById('file').hidden = true")

        # The menu reads no pad, so the page does not watch for them there: a pad plugged in
        # meanwhile is found when the game begins.
        driver.execute_script("testPad.plug(true)")
        point(driver, *MENU_START_GAME, click=True)
        wait_for_log(driver, "Start Level 1")
        wait_for_log(driver, "Gamepad 0: " + PAD_NAME)
        wait_for_log(driver, "Gamepad 0 layout: standard")
        time.sleep(2.3)  # the level banner holds the stones
        if max(picture(driver).getpixel(MENU_QUIT)) > 16:  # below the panel, black in a game
            fail("the game is drawn over the menu's picture: the screen was not cleared", driver)
        player = Player(driver, lambda: picture(driver))
        board, _ = player.turnable_stone()
        def pad_hold(button, down):  # the stubbed pad's buttons in the keys' place
            driver.execute_script("testPad.hold(arguments[0], arguments[1])", button, down)
        pad = Player(driver, lambda: picture(driver), pad_hold)
        turned = lambda s, t: len(t) == 4 and normal(t) != normal(s)
        for who, key, what, done in (
                (player, Keys.UP, "Up did not turn the stone", turned),
                (player, Keys.LEFT, "Left did not move the stone", lambda s, t: shift(s, t) < 0),
                (pad, PAD_A, "the pad's A did not turn the stone", turned)):
            before = player.stone(board)
            if not who.press(key, board) or not done(before, player.stone(board)):
                fail(what, driver)

        # Taken away while holding right, the pad lets go; back and still holding right, the hold
        # counts only once pressed again. A fresh stone, far from the floor and the right wall.
        board = player.next_stone()
        time.sleep(0.5)  # wholly in
        stone = player.stone(board)
        pad_hold(PAD_RIGHT, True)
        wait_for(driver, "the pad's right held did not move the stone", 5,
                 lambda: shift(stone, player.stone(board)) > 0)
        driver.execute_script("testPad.plug(false)")
        wait_for_log(driver, "Gamepad 0 gone")
        stone = player.stone(board)
        driver.execute_script("testPad.plug(true)")
        wait_for_log(driver, "Gamepad 0: " + PAD_NAME, times=2)
        time.sleep(0.8)
        if shift(stone, player.stone(board)) or len(stone) != 4:
            fail("a pad that came back holding right moved the stone at once", driver)
        pad_hold(PAD_RIGHT, False)
        tap(pad_hold, PAD_BACK)
        wait_for_log(driver, "Release Point reached!", seconds=10)
        wait_for_log(driver, "Menue Ready!", times=2, seconds=30)

        # A phone, played by touch alone: a tap on the picture starts a game, the controls show
        # beside the picture in either orientation, and the patient player clears a row with them.
        viewport(driver, 412, 915, 2.625, mobile=True)
        driver.refresh()
        wait_for_log(driver, "Menue Ready!", seconds=60)
        fits(driver, "a phone's menu", [])
        fingers = Fingers(driver)
        single = ["Move left", "Move right", "Turn", "Fall faster", "Pause", "End the game"]
        player = Player(driver, lambda: picture(driver), touch(fingers))
        for game in range(1, 4):
            tap(fingers.hold, MENU_START_GAME)
            wait_for_log(driver, "Start Level 1", times=game)
            if game == 1:
                fits(driver, "a phone in portrait", single)
                viewport(driver, 915, 412, 2.625, mobile=True)
                time.sleep(0.5)
                fits(driver, "a phone in landscape", single)
            # The level banner holds the stones; the first then falls far enough to turn.
            time.sleep(3.3 if game == 1 else 2.3)
            stone = player.stone(set())
            if game == 1 and len(turns(stone)) > 1:  # a square stone looks the same turned
                if not player.press(Keys.UP, set()) or normal(player.stone(set())) == normal(stone):
                    fail("Turn did not turn the stone", driver)
            if player.clear_a_row():
                break
            if game == 3:
                fail("no row was cleared by touch in three games", driver)
            wait_for_log(driver, "Menue Ready!", times=1 + game, seconds=30)
        tap(fingers.hold, "End the game")
        wait_for_log(driver, "Load Highsore done!", seconds=20)  # the desktop's list, read
        # The name entry is up once its font has loaded; the phone's keyboard types into the page.
        wait_for(driver, "the name entry did not come", 20,
                 lambda: "Done!" in log(driver).rsplit("Load Highsore done!", 1)[1])
        time.sleep(0.5)
        # A slip, taken back with Backspace, then the rest; Enter confirms.
        for text, key, code in (("Wez", "Backspace", 8), ("b", "Enter", 13)):
            driver.execute_cdp_cmd("Input.insertText", {"text": text})
            time.sleep(0.3)
            for kind in ("keyDown", "keyUp"):
                driver.execute_cdp_cmd("Input.dispatchKeyEvent", {
                    "type": kind, "key": key, "code": key, "windowsVirtualKeyCode": code})
            time.sleep(0.3)
        wait_for_log(driver, "User reached highscore!")  # saved, and kept by the browser
        time.sleep(1)
        back_to_menu(driver, fingers)

        # A tablet: both players of a challenge hold their controls at once, and both stones move.
        viewport(driver, 1280, 800, 2, mobile=True)
        time.sleep(0.5)
        tap(fingers.hold, MENU_START_CHALLENGE)
        wait_for_log(driver, "Challenge called...")
        time.sleep(1.5)
        both = ["Move left", "Move right", "Turn", "Fall faster"]
        picture_box = fits(driver, "a tablet in a challenge",
                           ["Left player: " + label for label in both] +
                           ["Right player: " + label for label in both] + ["Pause", "End the game"])
        if box(driver, '[aria-label="Left player: Turn"]')[2] > picture_box[0] or \
                box(driver, '[aria-label="Right player: Turn"]')[0] < picture_box[2]:
            fail("the challenge's controls are not each on their player's side", driver)
        before = picture(driver)
        fingers.press("Left player: Move left")
        fingers.press("Right player: Move right")
        time.sleep(0.6)
        after = picture(driver)
        fingers.lift("Left player: Move left")
        fingers.lift("Right player: Move right")
        moved = [(columns(filled(before, x)), columns(filled(after, x))) for x in
                 (CHALLENGE_LEFT, CHALLENGE_RIGHT)]
        if not (moved[0][1] < moved[0][0] and moved[1][1] > moved[1][0]):
            fail("both held, the stones went from and to the columns %s" % moved, driver)
        tap(fingers.hold, "End the game")
        time.sleep(1.5)
        back_to_menu(driver, fingers)

        # Where the browser has sound, every effect and the music decode; where it has none, the
        # game says so and plays on in silence.
        undecoded = [e["message"] for e in driver.get_log("browser") if "Could not load sound" in e["message"]]
        if undecoded:
            fail("the browser did not decode a sound: " + undecoded[0], driver)

        # Offline: the service worker kept the page, the browser the list.
        wait_for(driver, "the service worker did not take the page", 30, lambda: driver.execute_script(
            "return !!navigator.serviceWorker.controller"))
        server.shutdown()
        server.server_close()
        driver.refresh()
        wait_for_log(driver, "Menue Ready!", seconds=60)
        names = kept_names(driver, highscore_format, work)
        if names[:1] != ["Marta"] or "Web" not in names or "Jonas" not in names:
            fail("the list after a reload is not the game's, with the desktop's results and the "
                 "new one: %s" % names, driver)

        # The page's control puts the computer on the right of the next challenge, as -c does, and
        # the tablet shows the computer's side no controls.
        driver.find_element("id", "computer-control").click()
        tap(fingers.hold, MENU_START_CHALLENGE)
        wait_for_log(driver, "Computer takes the right playfield")
        fits(driver, "a tablet against the computer",
             ["Left player: " + label for label in both] + ["Pause", "End the game"])
        time.sleep(1)
        tap(fingers.hold, "End the game")
        wait_for_log(driver, "Tumblo Sound loaded!", times=2)  # logged again at the end of play
        time.sleep(1)
        back_to_menu(driver, fingers)

        # Quit ends the program as on the desktop: the engine shuts down, the log gets its footer.
        tap(fingers.hold, MENU_QUIT)
        wait_for_log(driver, "# Logfile closed.")
        wait_for(driver, "the page did not say the game ended", 10,
                 lambda: "ended" in driver.find_element("id", "status").text)
    finally:
        driver.quit()
        server.shutdown()
        shutil.rmtree(work, ignore_errors=True)
    print("the page fitted a window, a phone and a tablet; keys, a pad (let go when taken away) and "
          "touch played; a phone's name joined the desktop's list; both challengers moved at once; "
          "offline the list was kept; the computer played a challenge; Quit ended the program")


if __name__ == "__main__":
    main(*sys.argv[1:])
