#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
"""Results kept whatever the tabs, in headless Chromium: three tabs of one profile enter a name
each, one alone and two at once while another page holds the list's lock, and all three are kept.
A failing storage is logged and told while the game plays on; a reload during a save leaves a list
that reads; a page with no storage says so and plays.

  storage_story.py PAGE_DIR HIGHSCORE_FORMAT_PY
"""

import os
import shutil
import sys
import tempfile
import time

from page import (MENU_START_GAME, browser, fail, kept_names, keys, log, picture, point,
                  serve, tap, viewport, wait_for, wait_for_log)
from player import Player
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

SAVED, FAILED = "User reached highscore!", "Write to Highscore file failed!"
LOADS = ("Load Highsore done!", "Load Highscore failed!")  # a list read, or none there
HOLD_LIST = """var held = arguments[arguments.length - 1];
navigator.locks.request('kolvo highscore.txt', function() {
  held();
  return new Promise(function(release) { window.releaseList = release; });
});"""
FAILING_WRITES = """var transaction = IDBDatabase.prototype.transaction;
IDBDatabase.prototype.transaction = function(stores, mode) {
  var opened = transaction.apply(this, arguments);
  if (mode === 'readwrite') Promise.resolve().then(function() { opened.abort(); });
  return opened;
};"""
NO_STORAGE = "indexedDB.open = function() { throw new DOMException('denied', 'SecurityError'); };"


def open_tab(driver, url, first=False):
    if not first:
        driver.switch_to.new_window("tab")
    viewport(driver, 800, 600)
    driver.get(url)
    wait_for_log(driver, "Menue Ready!", seconds=60)
    return driver.current_window_handle


def to_name_entry(driver):
    """Plays until the game offers the list a name: a row cleared and Escape, or a full playfield
    with points; another game where it ends with none. Returns once the name entry is up."""
    player = Player(driver, lambda: picture(driver))
    for game in range(4):
        text = log(driver)
        games, menus = text.count("Start Level 1"), text.count("Menue Ready!")
        loads = sum(text.count(line) for line in LOADS)
        point(driver, *MENU_START_GAME, click=True)
        wait_for_log(driver, "Start Level 1", times=games + 1)
        time.sleep(2.3)  # the level banner holds the stones
        if player.clear_a_row() or "Game Over" not in log(driver).rsplit("Start Level 1", 1)[1]:
            tap(keys(driver), Keys.ESCAPE)

        def ended():
            text = log(driver)
            last = max(text.rfind(line) for line in LOADS)
            named = sum(text.count(line) for line in LOADS) > loads and "Done!" in text[last:]
            return "name" if named else "menu" if text.count("Menue Ready!") > menus else None
        wait_for(driver, "the game did not end", 30, ended)
        if ended() == "name":
            time.sleep(0.5)
            return
    fail("no game scored in four", driver)


def enter(driver, name):
    ActionChains(driver).send_keys(name).perform()
    tap(keys(driver), Keys.RETURN)


def main(page, decoder):
    work = tempfile.mkdtemp(prefix="kolvo-storage-")
    server, url = serve(page)
    driver = browser(os.path.join(work, "profile"))
    try:
        tabs = {}
        for name in ("Ada", "Ben", "Cyd"):
            tabs[name] = open_tab(driver, url, first=not tabs)
        for name in ("Ada", "Ben", "Cyd"):
            driver.switch_to.window(tabs[name])
            to_name_entry(driver)

        # One after the other: Ada's list was read before any result was stored, Ben's and Cyd's
        # before Ada's was.
        driver.switch_to.window(tabs["Ada"])
        enter(driver, "Ada")
        wait_for_log(driver, SAVED)
        driver.execute_async_script(HOLD_LIST)
        # At once: both saves begin while the list is held, and wait.
        for name in ("Ben", "Cyd"):
            driver.switch_to.window(tabs[name])
            enter(driver, name)
        time.sleep(1)
        for name in ("Ben", "Cyd"):
            driver.switch_to.window(tabs[name])
            if SAVED in log(driver):
                fail("a save went on while another page held the list", driver)
        driver.switch_to.window(tabs["Ada"])
        driver.execute_script("window.releaseList()")
        for name in ("Ben", "Cyd"):
            driver.switch_to.window(tabs[name])
            wait_for_log(driver, SAVED)
        driver.refresh()
        wait_for_log(driver, "Menue Ready!", seconds=60)
        kept = kept_names(driver, decoder, work)
        if sorted(kept) != ["Ada", "Ben", "Cyd"]:
            fail("the list after a reload is not the three results: %s" % kept, driver)

        # Storage that fails: the failed write is logged, the page says so, the game plays on.
        driver.switch_to.window(tabs["Ada"])
        menus = log(driver).count("Menue Ready!")
        tap(keys(driver), Keys.RETURN)  # from Ada's list back to the menu
        wait_for_log(driver, "Menue Ready!", times=menus + 1)
        driver.execute_script(FAILING_WRITES)
        to_name_entry(driver)
        menus = log(driver).count("Menue Ready!")
        enter(driver, "Dot")
        wait_for_log(driver, FAILED)
        status = driver.find_element("id", "status").text
        if "not being kept" not in status or "storage failed" not in status:
            fail("the page did not say the result was not kept: %r" % status, driver)
        wait_for_log(driver, "Menue Ready!", times=menus + 1)
        # Playing on, into a save that a reload cuts short: the list still reads.
        driver.refresh()
        wait_for_log(driver, "Menue Ready!", seconds=60)
        to_name_entry(driver)
        enter(driver, "Eve")
        driver.refresh()
        wait_for_log(driver, "Menue Ready!", seconds=60)
        kept = kept_names(driver, decoder, work)
        if sorted(set(kept) - {"Eve"}) != ["Ada", "Ben", "Cyd"]:
            fail("a reload during a save left the list %s" % kept, driver)

        # No storage at all: the page says so, and the game plays.
        driver.switch_to.new_window("tab")
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": NO_STORAGE})
        open_tab(driver, url, first=True)
        status = driver.find_element("id", "status").text
        if "gives this page no storage" not in status:
            fail("the page without storage did not say so: %r" % status, driver)
        point(driver, *MENU_START_GAME, click=True)
        wait_for_log(driver, "Start Level 1")
    finally:
        driver.quit()
        server.shutdown()
        shutil.rmtree(work, ignore_errors=True)
    print("three tabs kept their three results, one saved alone and two at once; a failing storage "
          "was logged and told, a reload during a save left a list that reads, and a page without "
          "storage said so and played")


if __name__ == "__main__":
    main(*sys.argv[1:])
