# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook

"""Compose a generated data tree into a picture of the menu and a game in
progress, placed the way the game places them, for a look before it ships.

    /usr/bin/python3 tools/preview_data.py DATADIR OUT.png
"""

import os
import sys

from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import kolvo_font  # noqa: E402

MAGENTA = (255, 0, 255)


def keyed(canvas, pic, xy, key=MAGENTA):
    """Blit with a colour key, as SDL does for the game's pictures."""
    pic = pic.convert("RGB")
    px = pic.load()
    mask = Image.new("L", pic.size, 255)
    mp = mask.load()
    for y in range(pic.size[1]):
        for x in range(pic.size[0]):
            if px[x, y] == key:
                mp[x, y] = 0
    canvas.paste(pic, xy, mask)


def main(data, out):
    g = os.path.join(data, "grafik")

    def load(name):
        return Image.open(os.path.join(g, name)).convert("RGB")

    white = load("font.bmp")
    orange = load("font_orange.bmp")

    menu = Image.new("RGB", (640, 480), (0, 0, 0))
    keyed(menu, load("menu_top.jpg"), (10, 10))
    ys = [150, 200, 258, 310, 352]
    names = ["menu_startgame", "menu_startchallenge", "menu_options",
             "menu_info", "menu_quit"]
    for i, (y, n) in enumerate(zip(ys, names)):
        keyed(menu, load(n + ("_a.jpg" if i == 1 else ".jpg")), (80, y))
    keyed(menu, load("sndon.jpg"), (570, 420))
    keyed(menu, load("sndoff.jpg"), (510, 420))
    keyed(menu, load("back.jpg"), (420, 425))
    kolvo_font.draw_text(menu, orange, "Highscore: 12345", 420, 160)
    kolvo_font.draw_text(menu, white, "Name: Anna_", 420, 190)
    pen = kolvo_font.draw_text(menu, white, "Type: ", 420, 220)
    keyed(menu, load("cursor.bmp"), (pen, 220))
    keyed(menu, load("mouse.bmp"), (150, 215))
    icon = Image.open(os.path.join(g, "kolvo.png")).convert("RGBA")
    menu.paste(icon, (440, 260), icon)
    icon48 = Image.open(os.path.join(g, "kolvo-48.png")).convert("RGBA")
    menu.paste(icon48, (585, 260), icon48)

    game = Image.new("RGB", (640, 480), (0, 0, 0))
    cells = {-1: load("empty.bmp"), 0: load("stone_a.bmp"),
             1: load("stone_b.bmp")}
    field = [[-1] * 11 for _ in range(21)]
    import random
    rng = random.Random(3)
    for r in range(14, 21):
        for c in range(11):
            if rng.random() < 0.75:
                field[r][c] = rng.randint(0, 1)
    for c in (4, 5, 6):
        field[3][c] = 0
    field[4][5] = 0
    for r in range(21):
        for c in range(11):
            game.paste(cells[field[r][c]], (20 + c * 22, 7 + r * 22))
    kolvo_font.draw_text(game, orange, "Score", 300, 40)
    kolvo_font.draw_text(game, white, "004210", 300, 65)
    kolvo_font.draw_text(game, orange, "Rows", 300, 110)
    kolvo_font.draw_text(game, white, "37", 300, 135)
    kolvo_font.draw_text(game, white, "The quick brown fox jumps over", 300, 200)
    kolvo_font.draw_text(game, white, "the lazy dog. 0123456789 !?&%", 300, 222)
    kolvo_font.draw_text(game, orange, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", 300, 250)
    kolvo_font.draw_text(game, orange, "abcdefghijklmnopqrstuvwxyz", 300, 272)
    kolvo_font.draw_text(game, white, "{}[]()<>=+-*/\\|@#$^_~`'\";:,.", 300, 294)
    kolvo_font.draw_text(game, white, "Game Over", 70, 200)
    kolvo_font.draw_text(game, orange, "Press a key", 62, 225)

    sheet = Image.new("RGB", (1290, 480), (40, 40, 40))
    sheet.paste(menu, (0, 0))
    sheet.paste(game, (650, 0))
    sheet.save(out)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
