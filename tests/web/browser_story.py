#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
"""The page served on localhost, played in headless Chromium: the menu shows as the desktop game's
does, a desktop highscore list is loaded through the page, a click starts a game, its sounds
decode, keys move and turn a stone, stones are placed until a row is cleared, Escape ends the game,
the game reads the desktop's list and enters the typed name, the list it wrote is there after a
reload with the desktop's results and the new one, and Quit ends the program in order.

  browser_story.py PAGE_DIR DESKTOP_MENU_PNG HIGHSCORE_FORMAT_PY
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

from page import (WIDTH, HEIGHT, browser, fail, log, picture, point, press, serve, viewport,
                  wait_for, wait_for_log)
from PIL import Image, ImageChops
from player import Player, normal, turns
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

MENU_START_GAME = (180, 172)  # where the desktop screenshot's pointer rests, on Start Game
MENU_CHALLENGE = (230, 229)
MENU_QUIT = (130, 377)
POINTER_SIZE = 32


def menu_matches(shown, desktop):
    """Both pictures alike but for the pointer's own square; the two JPEG decoders may differ by a
    shade here and there."""
    difference = ImageChops.difference(shown, desktop)
    x, y = MENU_START_GAME
    difference.paste((0, 0, 0), (x - 2, y - 2, x + POINTER_SIZE + 2, y + POINTER_SIZE + 2))
    pixels = difference.getdata()
    far = sum(1 for p in pixels if max(p) > 32)
    return far <= WIDTH * HEIGHT // 1000, far


def main(page, desktop_menu, highscore_format):
    work = tempfile.mkdtemp(prefix="kolvo-web-")
    server, url = serve(page)
    driver = browser(os.path.join(work, "profile"))
    viewport(driver, 800, 600)
    try:
        driver.get(url)
        wait_for_log(driver, "Menue Ready!", seconds=60)
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

        point(driver, *MENU_START_GAME, click=True)
        wait_for_log(driver, "Start Level 1")
        time.sleep(2.3)  # the level banner holds the stones
        player = Player(driver, lambda: picture(driver))
        board = player.next_stone()
        for _ in range(4):
            time.sleep(1.0)  # down far enough to turn
            stone = player.stone(board)
            if len(stone) == 4 and len(turns(stone)) > 1:
                break
            board = player.next_stone()  # a square stone looks the same turned: the next one
        # A key held longer than a frame acts; a busy machine may stretch a frame, so a key that
        # did nothing is pressed again, up to three times.
        for _ in range(3):
            press(driver, Keys.UP)
            turned = player.stone(board)
            if normal(turned) != normal(stone):
                break
        else:
            fail("Up did not turn the stone", driver)
        for _ in range(3):
            press(driver, Keys.LEFT)
            moved = player.stone(board)
            if min(c for c, _ in moved) < min(c for c, _ in turned):
                break
        else:
            fail("Left did not move the stone", driver)

        # The player is no master: where the playfield fills up first, it starts another game.
        for game in range(1, 4):
            if player.clear_a_row():
                break
            if game == 3:
                fail("no row was cleared in three games", driver)
            wait_for_log(driver, "Menue Ready!", times=1 + game, seconds=30)
            point(driver, *MENU_START_GAME, click=True)
            wait_for_log(driver, "Start Level 1", times=1 + game)
            time.sleep(2.3)
        press(driver, Keys.ESCAPE)
        wait_for_log(driver, "Load Highsore done!", seconds=20)  # the desktop's list, read
        # The name entry is up once its font has loaded.
        wait_for(driver, "the name entry did not come", 20,
                 lambda: "Done!" in log(driver).rsplit("Load Highsore done!", 1)[1])
        time.sleep(0.5)
        ActionChains(driver).send_keys("Web").perform()
        press(driver, Keys.RETURN)
        wait_for_log(driver, "User reached highscore!")  # saved, and kept by the browser
        time.sleep(1)
        menus = log(driver).count("Menue Ready!")
        press(driver, Keys.RETURN)
        wait_for_log(driver, "Menue Ready!", times=menus + 1, seconds=20)

        # Where the browser has sound, every effect and the music decode; where it has none, the
        # game says so and plays on in silence.
        undecoded = [e["message"] for e in driver.get_log("browser") if "Could not load sound" in e["message"]]
        if undecoded:
            fail("the browser did not decode a sound: " + undecoded[0], driver)

        driver.refresh()
        wait_for_log(driver, "Menue Ready!", seconds=60)
        kept = driver.execute_script("return Array.from(FS.readFile(FS.cwd() + '/highscore.txt'))")
        with open(desktop_list, "wb") as written:
            written.write(bytes(kept))
        entries = subprocess.run(["/usr/bin/python3", "-B", highscore_format, "decode", desktop_list],
                                 check=True, capture_output=True, text=True).stdout
        names = [line.split()[-1] for line in entries.splitlines() if line.startswith("entry")]
        if names[:1] != ["Marta"] or "Web" not in names or "Jonas" not in names:
            fail("the list after a reload is not the game's, with the desktop's results and the "
                 "new one:\n" + entries, driver)

        # The page's control puts the computer on the right of the next challenge, as -c does.
        driver.find_element("id", "computer-control").click()
        point(driver, *MENU_CHALLENGE, click=True)
        wait_for_log(driver, "Computer takes the right playfield")
        press(driver, Keys.ESCAPE)
        press(driver, Keys.RETURN)
        wait_for_log(driver, "Menue Ready!", times=2, seconds=20)

        # Quit ends the program as on the desktop: the engine shuts down, the log gets its footer.
        point(driver, *MENU_QUIT, click=True)
        wait_for_log(driver, "# Logfile closed.")
        wait_for(driver, "the page did not say the game ended", 10,
                 lambda: "ended" in driver.find_element("id", "status").text)
    finally:
        driver.quit()
        server.shutdown()
        shutil.rmtree(work, ignore_errors=True)
    print("the page showed the menu, played a stone with the keys, cleared a row, entered a name in "
          "the desktop's list, kept it across a reload, played against the computer and quit")


if __name__ == "__main__":
    main(*sys.argv[1:])
