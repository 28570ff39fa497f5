#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
"""A pad on the page: one in the Gamepad API's standard mapping, given through a stubbed
navigator.getGamepads and connected in the menu, is opened when the game begins; its d-pad moves
the stone both ways and A turns it; taken away while holding a direction it lets go, and back again
still holding it, the direction counts only once pressed again; Start pauses and Back ends the game.

  pad_story.py PAGE_DIR
"""

import os
import shutil
import sys
import tempfile
import time

from page import browser, fail, log, picture, point, serve, viewport, wait_for, wait_for_log
from player import Player, filled, normal

A, BACK, START, LEFT, RIGHT = 0, 8, 9, 14, 15  # the standard mapping's button numbers
NAME = "Kolvo Test Pad (STANDARD GAMEPAD Vendor: 1209 Product: 0001)"
MENU_START_GAME = (180, 172)
MESSAGE = (262, 196, 440, 226)  # where "Paused" shows over the playfield

# A browser's pad as the Gamepad API gives it: in slot 0 of four while connected, null otherwise.
STUB = """
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
""" % NAME


def hold(driver, button, on=True):
    driver.execute_script("testPad.hold(arguments[0], arguments[1])", button, on)


def tap(driver, button):
    """Held across a few frames, shorter than the 200 ms in which a held input acts once."""
    hold(driver, button)
    time.sleep(0.15)
    hold(driver, button, False)
    time.sleep(0.3)


def left_column(cells):
    return min(c for c, _ in cells) if len(cells) == 4 else None


def shift(before, after):
    """How many columns the stone moved right (negative: left); 0 where either is no whole stone."""
    was, now = left_column(before), left_column(after)
    return now - was if was is not None and now is not None else 0


def orange(driver):
    """How many pixels of the message over the playfield are orange, as "Paused" is."""
    box = picture(driver).crop(MESSAGE)
    return sum(1 for r, g, b in box.getdata() if r > 180 and 60 < g < 210 and b < 90)


def paused(driver, quiet):
    """"Paused" shows over the playfield (orange stones may pass there too), and nothing moves."""
    before = filled(picture(driver))
    time.sleep(1.3)  # a stone falls a row in 600 ms on level 1
    return orange(driver) > quiet + 40 and filled(picture(driver)) == before


def main(page):
    work = tempfile.mkdtemp(prefix="kolvo-pad-")
    server, url = serve(page)
    driver = browser(os.path.join(work, "profile"))
    viewport(driver, 800, 600)
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": STUB})
    try:
        driver.get(url)
        wait_for_log(driver, "Menue Ready!", seconds=60)
        # The menu reads no pad, so the page does not watch for them there: a pad plugged in
        # meanwhile is found when the game begins.
        driver.execute_script("testPad.plug(true)")
        point(driver, *MENU_START_GAME, click=True)
        wait_for_log(driver, "Start Level 1")
        wait_for_log(driver, "Gamepad 0: " + NAME)
        wait_for_log(driver, "Gamepad 0 layout: standard")
        time.sleep(2.3)  # the level banner holds the stones
        player = Player(driver, lambda: picture(driver))
        board, _ = player.turnable_stone()

        # A busy machine may stretch a frame past a short press: one that did nothing is tried
        # again, up to three times.
        def acts(button, what, done):
            for _ in range(3):
                before = player.stone(board)
                tap(driver, button)
                if done(before, player.stone(board)):
                    return
            fail("the pad's button %d did not %s" % (button, what), driver)

        acts(RIGHT, "move the stone right", lambda s, t: shift(s, t) > 0)
        acts(LEFT, "move the stone left", lambda s, t: shift(s, t) < 0)
        acts(A, "turn the stone", lambda s, t: len(t) == 4 and normal(t) != normal(s))

        # Taken away while holding right, the pad lets go; back and still holding right, the hold
        # counts only once pressed again. A fresh stone, far from the floor and the right wall.
        board = player.next_stone()
        time.sleep(0.5)  # wholly in
        stone = player.stone(board)
        hold(driver, RIGHT)
        wait_for(driver, "the pad's right held did not move the stone", 5,
                 lambda: shift(stone, player.stone(board)) > 0)
        driver.execute_script("testPad.plug(false)")
        wait_for_log(driver, "Gamepad 0 gone")
        stone = player.stone(board)
        driver.execute_script("testPad.plug(true)")
        wait_for_log(driver, "Gamepad 0: " + NAME, times=2)
        time.sleep(0.8)
        if shift(stone, player.stone(board)) or left_column(stone) is None:
            fail("a pad that came back holding right moved the stone at once", driver)
        hold(driver, RIGHT, False)

        quiet = orange(driver)
        acts(START, "pause the game", lambda s, t: paused(driver, quiet))
        ends = log(driver).count("Release Point reached!")
        tap(driver, BACK)
        wait_for_log(driver, "Release Point reached!", times=ends + 1, seconds=10)
    finally:
        driver.quit()
        server.shutdown()
        shutil.rmtree(work, ignore_errors=True)
    print("a standard-mapping pad connected to the open page moved, turned, paused and ended the "
          "game, and let go when taken away")


if __name__ == "__main__":
    main(*sys.argv[1:])
