#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
"""What xdotool cannot do for the window stories: look at the game's window and close it.

  shot FILE.png [WINDOW]                   the window (X id), or the whole screen, as a picture
  count FILE.png X Y W H R G B TOLERANCE   the rectangle's pixels within TOLERANCE of the colour
  scaled BIG.png SMALL.png FACTOR X Y [ROWS]
      BIG's size (WxH) and its pixels that differ from SMALL scaled FACTOR times at (X, Y), black
      around (with ROWS, only SMALL's top ROWS rows and around them are compared)
  differ A.png B.png X Y W H               the rectangle's pixels that differ between A and B
  stone FILE.png X Y CELL COLUMNS ROWS
      of a grid of CELL squares from (X, Y), the cells with a bright middle: first and last
      column, top row, each "column,row" from there
  elsewhere SECONDS [W H]                  a white window (40 x 40) at the top left takes the
                                           keyboard, as another program does, for that long
  close WINDOW                             asks the window to close, as a title bar does
"""
import os
import sys
import time

from PIL import Image, ImageChops, ImageGrab
from Xlib import X, display, protocol

def x_window(window_id):
    dpy = display.Display()
    return dpy, dpy.create_resource_object("window", window_id)


def shot(path, window_id=None):
    box = None
    if window_id is not None:
        dpy, window = x_window(window_id)
        origin = window.translate_coords(dpy.screen().root, 0, 0)
        size = window.get_geometry()
        box = (-origin.x, -origin.y, size.width - origin.x, size.height - origin.y)
    ImageGrab.grab(bbox=box, xdisplay=os.environ["DISPLAY"]).convert("RGB").save(path)


def cropped(path, x, y, width, height):
    return Image.open(path).convert("RGB").crop((x, y, x + width, y + height)).getdata()


def count(path, x, y, width, height, r, g, b, tolerance):
    near = lambda pixel: all(abs(pixel[i] - (r, g, b)[i]) <= tolerance for i in range(3))
    print(sum(1 for pixel in cropped(path, x, y, width, height) if near(pixel)))


def scaled(big_path, small_path, factor, x, y, rows=None):
    big = Image.open(big_path).convert("RGB")
    small = Image.open(small_path).convert("RGB")
    expected = Image.new("RGB", big.size)
    expected.paste(small.resize((small.width * factor, small.height * factor), Image.NEAREST), (x, y))
    red, green, blue = ImageChops.difference(big, expected).split()
    largest = ImageChops.lighter(ImageChops.lighter(red, green), blue)
    if rows is not None:  # leave out the picture below its top rows
        bottom = (x, y + rows * factor, x + small.width * factor, y + small.height * factor)
        largest.paste(0, bottom)
    print("%dx%d" % big.size, big.width * big.height - largest.histogram()[0])


def differ(a_path, b_path, x, y, width, height):
    a, b = cropped(a_path, x, y, width, height), cropped(b_path, x, y, width, height)
    print(sum(1 for p, q in zip(a, b) if p != q))


def stone(path, x, y, cell, columns, rows):
    picture = Image.open(path).convert("RGB")
    lit = [(c, r) for r in range(rows) for c in range(columns)
           if max(picture.getpixel((x + c * cell + cell // 2, y + r * cell + cell // 2))) > 100]
    if lit:
        left, top = min(c for c, _ in lit), min(r for _, r in lit)
        print(left, max(c for c, _ in lit), top, *("%d,%d" % (c - left, r - top) for c, r in lit))


def elsewhere(seconds, width=40, height=40):
    dpy = display.Display()
    screen = dpy.screen()
    window = screen.root.create_window(0, 0, width, height, 0, screen.root_depth, X.InputOutput,
                                       X.CopyFromParent, background_pixel=screen.white_pixel,
                                       event_mask=X.StructureNotifyMask)
    window.set_wm_name("Elsewhere")
    window.map()
    while dpy.next_event().type != X.MapNotify:
        pass
    window.set_input_focus(X.RevertToParent, X.CurrentTime)
    dpy.sync()
    time.sleep(float(seconds))


def close(window_id):
    dpy, window = x_window(window_id)
    protocols = dpy.intern_atom("WM_PROTOCOLS")
    delete = dpy.intern_atom("WM_DELETE_WINDOW")
    if delete not in (window.get_wm_protocols() or []):
        sys.exit("the window does not take WM_DELETE_WINDOW")
    message = protocol.event.ClientMessage(window=window, client_type=protocols,
                                           data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(message, event_mask=X.NoEventMask)
    dpy.flush()


def main(argv):
    # Each command is the function of its name; whole numbers are handed over as numbers.
    commands = {command.__name__: command for command in
                (shot, count, scaled, differ, stone, elsewhere, close)}
    if len(argv) < 2 or argv[1] not in commands:
        sys.exit(__doc__)
    commands[argv[1]](*(int(a) if a.lstrip("-").isdigit() else a for a in argv[2:]))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
