# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook

"""Bitmap fonts for Kolvo's text engine, and a reader that checks them.

The game's text engine knows nothing about TrueType: it reads a picture
whose top row marks where each glyph starts and ends.  Row 0 holds magenta
marker runs; glyph k (code 33 + k) sits between run k and run k + 1.  The
bottom-left pixel names the colour that is left out when drawing.
"""

import struct

from PIL import Image, ImageDraw, ImageFont

DEJAVU = "/usr/share/fonts/truetype/dejavu/"
SANS_BOLD = DEJAVU + "DejaVuSans-Bold.ttf"

MARKER = (255, 0, 255)
BACKGROUND = (0, 0, 0)
# Anti-aliased edges and the drop shadow that would round to the background
# colour get this instead, so they stay visible as a dark rim over the
# coloured playfield instead of turning into holes.
NEAR_BLACK = (1, 1, 1)

FIRST_CODE = 33
LAST_CODE = 126
GLYPHS = LAST_CODE - FIRST_CODE + 1
RUN_WIDTH = 3
FONT_SIZE = 17

WHITE_TOP, WHITE_BOTTOM = (255, 255, 255), (206, 214, 230)
ORANGE_TOP, ORANGE_BOTTOM = (255, 214, 120), (240, 128, 18)

# Below this coverage an edge pixel is dropped rather than drawn: the
# colour key cannot blend, and a faint grey fringe looks dirty on black.
INK_THRESHOLD = 0.10
SHADOW_THRESHOLD = 0.35


def _lerp(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def _ink_box(font, ch):
    """Ink extent as FreeType really renders it; getbbox() in this PIL
    reports the pen origin rather than the ink for the left edge."""
    pad = 8
    size = font.size
    mask = Image.new("L", (size * 3, size * 3), 0)
    ImageDraw.Draw(mask).text((pad, pad), ch, font=font, fill=255)
    box = mask.getbbox()
    return box[0] - pad, box[1] - pad, box[2] - pad, box[3] - pad


def _layout(font):
    """Return (top, bottom) ink rows over all glyphs and each glyph's cell."""
    boxes = {chr(c): _ink_box(font, chr(c))
             for c in range(FIRST_CODE, LAST_CODE + 1)}
    top = min(b[1] for b in boxes.values())
    bottom = max(b[3] for b in boxes.values())
    n_width = font.getlength("n")
    cells = []
    for code in range(FIRST_CODE, LAST_CODE + 1):
        ch = chr(code)
        left, _, right, _ = boxes[ch]
        advance = int(round(font.getlength(ch)))
        if code == FIRST_CODE:
            # The game advances by the width of "!" for a space, so that cell
            # is a space's width with the mark centred in it.
            ink = right - left + 1  # +1: shadow
            width = max(int(round(n_width * 0.55)), ink + 2)
            x = (width - ink) // 2 - left
        else:
            shift = -min(left, 0)
            # +1 for the shadow, +1 so bold glyphs don't touch.
            width = max(advance + shift, right + shift + 1) + 1
            x = shift
        cells.append((ch, x, width))
    return top, bottom, cells


def render_font(top_colour, bottom_colour, size=FONT_SIZE, path=SANS_BOLD):
    font = ImageFont.truetype(path, size)
    ink_top, ink_bottom, cells = _layout(font)
    body = ink_bottom - ink_top + 1  # bottom is exclusive; +1: shadow row
    height = body + 1
    width = RUN_WIDTH * (GLYPHS + 1) + sum(c[2] for c in cells)

    img = Image.new("RGB", (width, height), BACKGROUND)
    px = img.load()
    colours = [_lerp(top_colour, bottom_colour, r / max(1, body - 2))
               for r in range(body)]

    pen = 0
    for ch, x_off, cell_w in cells:
        for x in range(pen, pen + RUN_WIDTH):
            px[x, 0] = MARKER
        pen += RUN_WIDTH
        mask = Image.new("L", (cell_w, body), 0)
        ImageDraw.Draw(mask).text((x_off, -ink_top), ch, font=font, fill=255)
        m = mask.load()
        for y in range(body):
            for x in range(cell_w):
                a = m[x, y] / 255.0
                s = 0.0
                if x > 0 and y > 0:
                    s = max(s, m[x - 1, y - 1])
                if x > 0:
                    s = max(s, m[x - 1, y])
                if y > 0:
                    s = max(s, m[x, y - 1])
                s /= 255.0
                if a < INK_THRESHOLD and s < SHADOW_THRESHOLD:
                    continue
                c = colours[y]
                rgb = tuple(int(round(v * a)) for v in c)
                if rgb == BACKGROUND or max(rgb) < 1:
                    rgb = NEAR_BLACK
                px[pen + x, y + 1] = rgb
        pen += cell_w
    for x in range(pen, pen + RUN_WIDTH):
        px[x, 0] = MARKER
    return img


def read_bmp24(path):
    """Read an uncompressed 24-bit BMP without PIL, the way the game's
    loader sees it.  Returns (width, height, rows) with rows top-down."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"BM":
        raise ValueError("%s: not a BMP" % path)
    offset = struct.unpack_from("<I", data, 10)[0]
    w, h, planes, bpp, compression = struct.unpack_from("<iiHHI", data, 18)
    if bpp != 24 or compression != 0:
        raise ValueError("%s: %d bpp, compression %d; want 24, 0"
                         % (path, bpp, compression))
    stride = (w * 3 + 3) & ~3
    rows = []
    for r in range(abs(h)):
        src = r if h < 0 else abs(h) - 1 - r
        base = offset + src * stride
        line = data[base:base + w * 3]
        rows.append([(line[i + 2], line[i + 1], line[i])
                     for i in range(0, w * 3, 3)])
    return w, abs(h), rows


def check_font(path):
    """Verify a font picture against the text engine's rules.

    Returns a dict of facts the C++ side cares about; raises ValueError on
    any fault."""
    w, h, rows = read_bmp24(path)
    faults = []
    marker_row = rows[0]
    runs = []
    x = 0
    while x < w:
        if marker_row[x] == MARKER:
            start = x
            while x < w and marker_row[x] == MARKER:
                x += 1
            runs.append((start, x))
        else:
            x += 1
    if len(runs) != GLYPHS + 1:
        faults.append("%d marker runs, want %d" % (len(runs), GLYPHS + 1))
    if not runs or runs[0][0] != 0:
        faults.append("marker run 0 does not start at x 0")
    if runs and runs[-1][1] < w - 1:
        faults.append("last marker run ends at %d, picture is %d wide"
                      % (runs[-1][1], w))
    for a, b in runs:
        if not 2 <= b - a <= 3:
            faults.append("marker run at %d is %d px wide" % (a, b - a))
    bg = rows[h - 1][0]
    if bg == MARKER:
        faults.append("transparent colour is the marker colour")
    for a, b in runs:
        for xx in range(a, b):
            for y in range(1, h):
                if rows[y][xx] != bg:
                    faults.append("ink under marker run at x %d y %d" % (xx, y))
                    break
    for y in range(1, h):
        if MARKER in rows[y]:
            faults.append("marker colour in glyph row %d" % y)
    # Each glyph must have ink, and the ink must look like the right
    # character: an off-by-one in the layout shows up as a narrow glyph
    # where a wide one should be.
    ink_widths = {}
    for k in range(min(len(runs) - 1, GLYPHS)):
        lo, hi = runs[k][1], runs[k + 1][0]
        cols = [xx for xx in range(lo, hi)
                if any(rows[y][xx] != bg for y in range(1, h))]
        if not cols:
            faults.append("glyph %r has no ink" % chr(FIRST_CODE + k))
            continue
        ink_widths[chr(FIRST_CODE + k)] = cols[-1] - cols[0] + 1
    if len(ink_widths) == GLYPHS:
        for narrow, wide in (("!", "W"), ("i", "m"), ("|", "M"), ("l", "w"),
                             (".", "@"), ("'", "%")):
            if ink_widths[narrow] * 2 > ink_widths[wide]:
                faults.append("glyph %r is not much narrower than %r: "
                              "layout off?" % (narrow, wide))
    if faults:
        raise ValueError("%s: %s" % (path, "; ".join(faults[:10])))
    space = runs[1][0] - runs[0][1]
    return {"height": h, "body": h - 1, "space": space, "width": w,
            "runs": runs}


def draw_text(canvas, font_img, text, x, y, runs=None):
    """Draw text exactly as the game does; used for previews only."""
    w, h = font_img.size
    src = font_img.load()
    if runs is None:
        runs = []
        xx = 0
        while xx < w:
            if src[xx, 0] == MARKER:
                s = xx
                while xx < w and src[xx, 0] == MARKER:
                    xx += 1
                runs.append((s, xx))
            else:
                xx += 1
    bg = src[0, h - 1]
    dst = canvas.load()
    cw, chh = canvas.size
    pen = x
    for ch in text:
        k = ord(ch) - FIRST_CODE
        if ch == " ":
            pen += runs[1][0] - runs[0][1]
            continue
        if not 0 <= k < GLYPHS:
            continue
        a = (runs[k][0] + runs[k][1]) // 2
        b = (runs[k + 1][0] + runs[k + 1][1]) // 2
        left = pen - (runs[k][1] - a)
        for sx in range(a, b):
            for sy in range(1, h):
                c = src[sx, sy]
                if c == bg:
                    continue
                dx, dy = left + sx - a, y + sy - 1
                if 0 <= dx < cw and 0 <= dy < chh:
                    dst[dx, dy] = c
        pen += runs[k + 1][0] - runs[k][1]
    return pen
