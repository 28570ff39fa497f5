# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook

"""Kolvo's pictures: title, menu buttons, switches, pointers, playfield cells
and the application icon.  Everything is drawn from shapes and DejaVu text.

The menu pictures are JPEGs that the game loads with a magenta colour key.
JPEG smears colours, so no picture here may come anywhere near magenta:
the palette sticks to navy, steel, blue, green, red-orange and gold.
"""

import math
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

from kolvo_font import SANS_BOLD

MAGENTA = (255, 0, 255)
SS = 4  # supersampling for smooth edges

STONE_A = (58, 128, 232)   # blue
STONE_B = (246, 150, 36)   # orange

JPEG_OPTS = {"quality": 93, "subsampling": 0, "optimize": False}


def lerp(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def scale(c, f):
    return tuple(max(0, min(255, int(round(v * f)))) for v in c)


def vgradient(size, stops):
    """Vertical gradient through (position, colour) stops."""
    w, h = size
    col = Image.new("RGB", (1, h))
    px = col.load()
    for y in range(h):
        t = y / max(1, h - 1)
        for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
            if p0 <= t <= p1:
                px[0, y] = lerp(c0, c1, (t - p0) / max(1e-9, p1 - p0))
                break
    return col.resize((w, h), Image.NEAREST)


def rounded_mask(size, box, radius):
    m = Image.new("L", size, 0)
    ImageDraw.Draw(m).rounded_rectangle(box, radius=radius, fill=255)
    return m


def font(size, path=SANS_BOLD):
    return ImageFont.truetype(path, size)


def fit_font(text, max_w, max_h, path=SANS_BOLD):
    size = max_h
    while size > 6:
        f = font(size, path)
        l, t, r, b = f.getbbox(text)
        if r - l <= max_w and b - t <= max_h:
            return f
        size -= 1
    return font(6, path)


def text_mask(size, text, fnt, centre, stroke=0):
    """Mask of text whose ink box is centred on centre."""
    m = Image.new("L", size, 0)
    d = ImageDraw.Draw(m)
    l, t, r, b = d.textbbox((0, 0), text, font=fnt, stroke_width=stroke)
    x = centre[0] - (l + r) / 2.0
    y = centre[1] - (t + b) / 2.0
    d.text((x, y), text, font=fnt, fill=255, stroke_width=stroke)
    return m


def paste_colour(img, colour, mask):
    img.paste(Image.new("RGB", img.size, colour), (0, 0), mask)


def paste_image(img, src, mask):
    img.paste(src, (0, 0), mask)


def down(img, size):
    return img.resize(size, Image.LANCZOS)


# ---------------------------------------------------------------- stones

def stone_image(size, base, rim=True):
    """A bevelled stone: light top-left, dark bottom-right, soft face."""
    s = size * SS
    img = Image.new("RGB", (s, s), scale(base, 0.3))
    d = ImageDraw.Draw(img)
    bevel = max(2 * SS, int(s * 0.14))
    o = SS if rim else 0
    light, dark = lerp(base, (255, 255, 255), 0.55), scale(base, 0.52)
    # Bevel: two triangles meeting on the diagonal, then the face on top.
    d.polygon([(o, o), (s - o, o), (o, s - o)], fill=light)
    d.polygon([(s - o, o), (s - o, s - o), (o, s - o)], fill=dark)
    # Side bevels a little less extreme than top/bottom so it reads as lit
    # from the top-left, not from a corner.
    d.polygon([(o, o), (o + bevel, o + bevel), (o + bevel, s - o - bevel),
               (o, s - o)], fill=lerp(base, (255, 255, 255), 0.3))
    d.polygon([(s - o, o), (s - o - bevel, o + bevel),
               (s - o - bevel, s - o - bevel), (s - o, s - o)],
              fill=scale(base, 0.68))
    inner = (o + bevel, o + bevel, s - o - bevel, s - o - bevel)
    face = vgradient((inner[2] - inner[0], inner[3] - inner[1]),
                     [(0, lerp(base, (255, 255, 255), 0.18)),
                      (1, scale(base, 0.86))])
    img.paste(face, inner[:2])
    # A soft gloss spot in the upper left of the face.
    gloss = Image.new("L", (s, s), 0)
    gd = ImageDraw.Draw(gloss)
    gx, gy = inner[0] + s * 0.08, inner[1] + s * 0.06
    gd.ellipse((gx, gy, gx + s * 0.28, gy + s * 0.16), fill=120)
    gloss = gloss.filter(ImageFilter.GaussianBlur(s * 0.04))
    paste_colour(img, (255, 255, 255), gloss)
    return down(img, (size, size))


def empty_cell(size=22):
    """An empty playfield cell: a dark well with a faint inset edge, so
    the field reads as a grid without competing with the stones."""
    img = vgradient((size, size), [(0, (20, 23, 36)), (1, (13, 15, 25))])
    d = ImageDraw.Draw(img)
    d.line([(0, 0), (size - 1, 0)], fill=(7, 8, 14))
    d.line([(0, 0), (0, size - 1)], fill=(7, 8, 14))
    d.line([(1, size - 1), (size - 1, size - 1)], fill=(30, 35, 52))
    d.line([(size - 1, 1), (size - 1, size - 1)], fill=(30, 35, 52))
    c = size // 2
    img.putpixel((c, c), (26, 30, 46))
    return img


# ---------------------------------------------------------------- title

def title_image(w=420, h=120):
    W, H = w * SS, h * SS
    # Navy glow in the middle that falls off to pure black at the rim, so
    # the rectangle disappears into the black menu screen.
    glow = Image.new("L", (W, H), 0)
    ImageDraw.Draw(glow).ellipse((W * 0.08, H * 0.02, W * 0.92, H * 1.1),
                                 fill=255)
    glow = glow.filter(ImageFilter.GaussianBlur(H * 0.25))
    # Fade to black at every edge so no hard rectangle shows on the menu.
    edge = Image.new("L", (W, H), 0)
    ImageDraw.Draw(edge).rectangle((W * 0.03, H * 0.1, W * 0.97, H * 0.9),
                                   fill=255)
    glow = ImageChops.multiply(glow, edge.filter(
        ImageFilter.GaussianBlur(H * 0.08)))
    img = Image.new("RGB", (W, H), (0, 0, 0))
    paste_colour(img, (20, 30, 64), glow)

    # Falling stones on both sides: a short column with a fading trail,
    # the last one coming to rest on a small stack.
    cell = 15 * SS
    rng = random.Random(7)

    def stone_at(x, y, base, alpha=255):
        st = stone_image(15, base).resize((cell, cell), Image.LANCZOS)
        m = Image.new("L", (cell, cell), alpha)
        img.paste(st, (int(x), int(y)), m)

    def trail(x, y, base, length):
        t = Image.new("L", (W, H), 0)
        td = ImageDraw.Draw(t)
        for i in range(length):
            td.rectangle((x + SS * 3, y - (i + 1) * SS * 3, x + cell - SS * 3,
                          y - i * SS * 3), fill=int(70 * (1 - i / length)))
        paste_colour(img, lerp(base, (255, 255, 255), 0.3), t)

    def stack(x0, columns, bases):
        for i, n in enumerate(columns):
            for j in range(n):
                stone_at(x0 + i * cell, H - 6 * SS - (j + 1) * cell,
                         bases[(i + j) % len(bases)])

    stack(8 * SS, [3, 2, 3], [STONE_A, STONE_B])
    trail(8 * SS + cell, H - 6 * SS - 5 * cell, STONE_B, 9)
    stone_at(8 * SS + cell, H - 6 * SS - 5 * cell, STONE_B)
    stack(W - 8 * SS - 3 * cell, [2, 3, 1], [STONE_B, STONE_A])
    trail(W - 8 * SS - cell, H - 6 * SS - 4 * cell - 10 * SS, STONE_A, 7)
    stone_at(W - 8 * SS - cell, H - 6 * SS - 4 * cell - 10 * SS, STONE_A)
    for _ in range(26):
        # Faint stars: the playfield is a well under a night sky.
        x, y = rng.uniform(0.15, 0.85) * W, rng.uniform(0.05, 0.9) * H
        r = rng.uniform(0.5, 1.2) * SS
        ImageDraw.Draw(img).ellipse((x - r, y - r, x + r, y + r),
                                    fill=lerp((20, 30, 64), (200, 215, 255),
                                              rng.uniform(0.3, 0.8)))

    # The lettering: gold gradient, dark outline, soft shadow, gloss.
    fnt = font(int(H * 0.76))
    centre = (W / 2, H * 0.47)
    letters = text_mask((W, H), "Kolvo", fnt, centre)
    outline = text_mask((W, H), "Kolvo", fnt, centre, stroke=4 * SS)
    shadow = ImageChops.offset(outline, 3 * SS, 4 * SS).filter(
        ImageFilter.GaussianBlur(3 * SS))
    paste_colour(img, (0, 0, 0), shadow)
    outer_glow = outline.filter(ImageFilter.GaussianBlur(6 * SS))
    paste_colour(img, (120, 70, 10), outer_glow.point(lambda v: v // 2))
    paste_colour(img, (40, 18, 4), outline)
    l, t, r, b = letters.getbbox()
    fill = vgradient((W, H), [(0, (255, 246, 190)),
                              (t / H, (255, 240, 170)),
                              ((t + (b - t) * 0.48) / H, (255, 196, 60)),
                              ((t + (b - t) * 0.52) / H, (246, 150, 30)),
                              (b / H, (200, 84, 12)), (1, (160, 60, 10))])
    paste_image(img, fill, letters)
    # Inner bevel: a light rim on top edges of the glyphs, dark on bottom.
    up = ImageChops.subtract(letters, ImageChops.offset(letters, 0, 2 * SS))
    dn = ImageChops.subtract(letters, ImageChops.offset(letters, 0, -2 * SS))
    paste_colour(img, (255, 255, 235), up.filter(ImageFilter.GaussianBlur(SS)))
    paste_colour(img, (120, 46, 6), dn.filter(ImageFilter.GaussianBlur(SS)))
    return down(img, (w, h))


# ---------------------------------------------------------------- buttons

NORMAL_STOPS = [(0, (74, 92, 138)), (0.5, (40, 52, 88)), (0.52, (30, 40, 72)),
                (1, (20, 27, 50))]
LIT_STOPS = [(0, (255, 226, 140)), (0.5, (250, 168, 46)),
             (0.52, (236, 138, 24)), (1, (178, 82, 10))]


def button_image(w, h, caption, lit):
    W, H = w * SS, h * SS
    img = Image.new("RGB", (W, H), (0, 0, 0))
    m = 3 * SS
    radius = min(H * 0.32, 14 * SS)
    body_box = (m, m, W - m - 1, H - m - 1)
    if lit:
        glow = rounded_mask((W, H), body_box, radius).filter(
            ImageFilter.GaussianBlur(2.2 * SS))
        paste_colour(img, (255, 150, 30), glow)
    rim = rounded_mask((W, H), body_box, radius)
    paste_colour(img, (96, 62, 18) if lit else (8, 10, 18), rim)
    inner_box = (m + 2 * SS, m + 2 * SS, W - m - 2 * SS - 1, H - m - 2 * SS - 1)
    inner = rounded_mask((W, H), inner_box, radius - 2 * SS)
    paste_image(img, vgradient((W, H), LIT_STOPS if lit else NORMAL_STOPS),
                inner)
    # Thin highlight just inside the top of the rim.
    hl = ImageChops.subtract(inner, ImageChops.offset(inner, 0, SS))
    paste_colour(img, (255, 250, 220) if lit else (130, 150, 200), hl)

    cap_h = int((H - 2 * m) * 0.5)
    fnt = fit_font(caption, W - 2 * m - 12 * SS, cap_h)
    centre = (W / 2, H / 2)
    shadow = text_mask((W, H), caption, fnt, (centre[0] + SS * 1.5,
                                              centre[1] + SS * 1.5))
    paste_colour(img, (70, 30, 0) if lit else (4, 6, 14), shadow)
    txt = text_mask((W, H), caption, fnt, centre)
    l, t, r, b = txt.getbbox()
    if lit:
        fill = vgradient((W, H), [(0, (255, 255, 255)), (t / H, (255, 255, 255)),
                                  (b / H, (255, 244, 214)), (1, (255, 244, 214))])
    else:
        fill = vgradient((W, H), [(0, (236, 240, 250)), (t / H, (236, 240, 250)),
                                  (b / H, (168, 182, 212)), (1, (168, 182, 212))])
    paste_image(img, fill, txt)
    return down(img, (w, h))


# ---------------------------------------------------------------- switch

def sound_switch(on, size=50):
    W = size * SS
    img = Image.new("RGB", (W, W), (0, 0, 0))
    m = 2 * SS
    box = (m, m, W - m - 1, W - m - 1)
    paste_colour(img, (8, 10, 18), rounded_mask((W, W), box, 10 * SS))
    inner = rounded_mask((W, W), (m + 2 * SS, m + 2 * SS, W - m - 2 * SS - 1,
                                  W - m - 2 * SS - 1), 8 * SS)
    paste_image(img, vgradient((W, W), NORMAL_STOPS), inner)
    colour = (96, 226, 110) if on else (236, 72, 48)
    d = ImageDraw.Draw(img)
    u = SS
    cx = 19 * u
    # Speaker: a box and a cone.
    d.rectangle((cx - 9 * u, 20 * u, cx - 3 * u, 30 * u), fill=colour)
    d.polygon([(cx - 4 * u, 20 * u), (cx + 5 * u, 12 * u), (cx + 5 * u, 38 * u),
               (cx - 4 * u, 30 * u)], fill=colour)
    if on:
        for i, r in enumerate((7, 12, 17)):
            rr = r * u
            d.arc((cx + 3 * u - rr, 25 * u - rr, cx + 3 * u + rr, 25 * u + rr),
                  -48, 48, fill=colour, width=int(2.6 * u))
    else:
        x0, y0, k = 29 * u, 20 * u, 10 * u
        d.line((x0, y0, x0 + k, y0 + k), fill=colour, width=4 * u)
        d.line((x0, y0 + k, x0 + k, y0), fill=colour, width=4 * u)
    return down(img, (size, size))


# ---------------------------------------------------------------- pointers

ARROW = [
    "B",
    "BB",
    "BWB",
    "BWWB",
    "BWWWB",
    "BWWWWB",
    "BWWWWWB",
    "BWWWWWWB",
    "BWWWWWWWB",
    "BWWWWWWWWB",
    "BWWWWWWWWWB",
    "BWWWWWWWWWWB",
    "BWWWWWWWWWWWB",
    "BWWWWWWBBBBBB",
    "BWWWBWWB",
    "BWWBBWWWB",
    "BWB  BWWB",
    "BB   BWWWB",
    "B     BWWB",
    "      BWWWB",
    "       BWWB",
    "       BBB",
]


def mouse_pointer(w=16, h=24):
    img = Image.new("RGB", (w, h), MAGENTA)
    px = img.load()
    for y, row in enumerate(ARROW):
        for x, c in enumerate(row):
            if c == "B":
                px[x, y] = (0, 0, 0)
            elif c == "W":
                # A touch of shading down the right so it isn't flat.
                px[x, y] = (255, 255, 255) if x < 2 + y // 2 else (222, 226, 236)
    return img


def text_cursor(body_height, w=3):
    img = Image.new("RGB", (w, body_height), (255, 196, 72))
    px = img.load()
    for y in range(body_height):
        px[1, y] = (255, 236, 170)
    # Rounded ends: the corners are keyed out.
    for x, y in ((0, 0), (w - 1, 0), (0, body_height - 1),
                 (w - 1, body_height - 1)):
        px[x, y] = MAGENTA
    return img


# ---------------------------------------------------------------- icon

K_SHAPE = ["X...X",
           "X..X.",
           "XXX..",
           "X..X.",
           "X...X"]


def icon_image(size=128):
    S = 512
    img = Image.new("RGBA", (S, S), (0, 0, 0, 0))
    bg = vgradient((S, S), [(0, (36, 52, 104)), (1, (10, 14, 32))])
    mask = rounded_mask((S, S), (8, 8, S - 9, S - 9), 92)
    rim = rounded_mask((S, S), (0, 0, S - 1, S - 1), 100)
    img.paste((4, 6, 14, 255), (0, 0), rim)
    img.paste(bg, (0, 0), mask)
    cell = 74
    x0 = (S - 5 * cell) // 2
    y0 = (S - 5 * cell) // 2
    for j, row in enumerate(K_SHAPE):
        for i, c in enumerate(row):
            if c == "X":
                base = STONE_A if i == 0 else STONE_B
                st = stone_image(cell, base).convert("RGBA")
                img.paste(st, (x0 + i * cell, y0 + j * cell))
    return img.resize((size, size), Image.LANCZOS)


# ---------------------------------------------------------------- output

BUTTONS = [
    ("menu_startgame", 242, 50, "Start Game"),
    ("menu_startchallenge", 311, 58, "Start Challenge"),
    ("menu_options", 163, 52, "Options"),
    ("menu_info", 113, 42, "Info"),
    ("menu_quit", 105, 51, "Quit"),
]


def write_all(grafik_dir, font_body_height):
    """Write every picture into grafik_dir (which must exist)."""
    import os

    def p(name):
        return os.path.join(grafik_dir, name)

    title_image().save(p("menu_top.jpg"), **JPEG_OPTS)
    for name, w, h, caption in BUTTONS:
        button_image(w, h, caption, False).save(p(name + ".jpg"), **JPEG_OPTS)
        button_image(w, h, caption, True).save(p(name + "_a.jpg"), **JPEG_OPTS)
    button_image(90, 40, "Back", False).save(p("back.jpg"), **JPEG_OPTS)
    sound_switch(True).save(p("sndon.jpg"), **JPEG_OPTS)
    sound_switch(False).save(p("sndoff.jpg"), **JPEG_OPTS)
    mouse_pointer().save(p("mouse.bmp"))
    text_cursor(font_body_height).save(p("cursor.bmp"))
    empty_cell().save(p("empty.bmp"))
    stone_image(22, STONE_A).save(p("stone_a.bmp"))
    stone_image(22, STONE_B).save(p("stone_b.bmp"))
    icon = icon_image(512)
    icon.resize((128, 128), Image.LANCZOS).save(p("kolvo.png"), optimize=True)
    icon.resize((48, 48), Image.LANCZOS).save(p("kolvo-48.png"), optimize=True)


def check_no_magenta(grafik_dir):
    """The JPEGs are colour-keyed on magenta; after lossy coding none of
    their pixels may come near it, or holes appear in the buttons."""
    import os
    for name in sorted(os.listdir(grafik_dir)):
        if not name.endswith(".jpg"):
            continue
        img = Image.open(os.path.join(grafik_dir, name)).convert("RGB")
        for r, g, b in img.getdata():
            if r > 160 and b > 160 and g < r - 80 and g < b - 80:
                raise ValueError("%s: near-magenta pixel (%d,%d,%d)"
                                 % (name, r, g, b))
