# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
"""A patient player for the browser stories: knowing only the filled cells it sees and that Up
turns, Left and Right move and Down hurries a stone, it places stones until a row is cleared."""

import time

from page import keys
from selenium.webdriver.common.keys import Keys

COLUMNS, ROWS = 11, 21
LEFT, TOP, CELL = 200, 10, 22


def filled(image, left=LEFT):
    """The filled cells (column, row) of the playfield whose left edge is at x = left."""
    grey = image.convert("L")
    return {(c, r) for r in range(ROWS) for c in range(COLUMNS)
            if grey.getpixel((left + CELL * c + CELL // 2, TOP + CELL * r + CELL // 2)) > 110}


def normal(cells):
    left = min(c for c, _ in cells)
    top = min(r for _, r in cells)
    return frozenset((c - left, r - top) for c, r in cells)


def turns(cells):
    """The stone's shapes, each turned a quarter further (whichever way the game turns)."""
    shapes, shape = [], normal(cells)
    for _ in range(4):
        if shape not in shapes:
            shapes.append(shape)
        shape = normal({(-r, c) for c, r in shape})
    return shapes


def landed(board, shape, column):
    """Where the shape comes to rest dropped in at column, or None where it does not fit."""
    if any(not 0 <= column + c < COLUMNS for c, _ in shape):
        return None
    top = 0
    while all((column + c, top + r + 1) not in board and top + r + 1 < ROWS for c, r in shape):
        top += 1
    return {(column + c, top + r) for c, r in shape}


def worth(board, cells):
    """A plain player's judgement: full rows are good; height, holes and a rough floor are bad."""
    after = board | cells
    full = [r for r in range(ROWS) if all((c, r) in after for c in range(COLUMNS))]
    heights = []
    holes = 0
    for c in range(COLUMNS):
        rows = [r for cc, r in after if cc == c and r not in full]
        top = min(rows) if rows else ROWS
        heights.append(ROWS - top)
        holes += sum(1 for r in range(top, ROWS) if (c, r) not in after and r not in full)
    rough = sum(abs(a - b) for a, b in zip(heights, heights[1:]))
    return 8 * len(full) - 0.5 * sum(heights) - 3 * holes - 0.3 * rough


TOUCH_LABELS = {Keys.UP: "Turn", Keys.LEFT: "Move left", Keys.RIGHT: "Move right",
                Keys.DOWN: "Fall faster"}


def touch(fingers):
    """The single game's touch controls in the keys' place (page.Fingers)."""
    return lambda key, down: fingers.hold(TOUCH_LABELS[key], down)


class Player:
    def __init__(self, driver, picture, hold=None):
        self.driver = driver
        self.picture = picture  # the canvas as a PIL picture
        self.hold = hold or keys(driver)  # a hand: page.tap

    def press(self, key, board):
        """Whether the stone moved or turned, the key held until it did (or a second): the game
        reads a held key once per 200 ms, so a shorter press may go unseen, a longer act twice."""
        def look():
            cells = self.stone(board)
            return normal(cells) if cells else None, min((c for c, _ in cells), default=None)
        before = look()
        self.hold(key, True)
        try:
            end = time.monotonic() + 1
            while time.monotonic() < end:
                if look() != before:
                    return True
                time.sleep(0.02)
            return False
        finally:
            self.hold(key, False)

    def stone(self, board):
        return filled(self.picture()) - board

    def place_one(self, board):
        """Turns and moves the new stone a key at a time, looking after each (a turn may be refused
        near the top or a wall), then hurries it down."""
        ups = 0
        for _ in range(COLUMNS + 4):
            now = self.stone(board)
            if len(now) != 4:
                break  # not one whole stone in view: let it go as it is
            shapes = turns(now) if ups < 4 else [normal(now)]
            _, shape, column = max(((worth(board, cells), shape, column)
                                    for shape in shapes for column in range(COLUMNS)
                                    for cells in [landed(board, shape, column)] if cells),
                                   key=lambda choice: choice[0])
            if normal(now) != shape:
                self.press(Keys.UP, board)
                ups += 1
                continue
            left = min(c for c, _ in now)
            if left == column:
                break
            self.press(Keys.LEFT if left > column else Keys.RIGHT, board)
        return self.next_stone()

    def next_stone(self):
        """Hurries the stone until the next comes in; the board without it (None: none came)."""
        self.hold(Keys.DOWN, True)
        try:
            left_top = False
            end = time.monotonic() + 20
            while time.monotonic() < end:
                cells = filled(self.picture())
                at_top = any(r <= 1 for _, r in cells)
                if left_top and at_top:
                    return {(c, r) for c, r in cells if r > 2}
                left_top = left_top or not at_top
                time.sleep(0.04)
        finally:
            self.hold(Keys.DOWN, False)
        return None

    def turnable_stone(self):
        """A stone unlike itself turned, a row or two down where it may turn; and the board."""
        board = self.next_stone()
        for _ in range(4):
            time.sleep(1.0)
            stone = self.stone(board)
            if len(stone) == 4 and len(turns(stone)) > 1:
                break
            board = self.next_stone()
        return board, stone

    def clear_a_row(self, stones=40):
        """Plays until a row is cleared; False when the stones run out or the playfield fills."""
        board = self.next_stone()
        for _ in range(stones):
            if board is None:
                return False
            time.sleep(1.0)  # down a row or two, where every stone may turn
            after = self.place_one(board)
            if after is None:
                return False
            if len(after) < len(board) + 4:  # a stone brings four cells; a full row takes some
                return True
            board = after
        return False
