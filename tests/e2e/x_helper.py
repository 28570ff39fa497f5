#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
"""What xdotool cannot do for the window stories: look at the game's window and close it.

  x_helper.py shot FILE.png [WINDOW]   the window (its X id) as a picture, at its size; without
                                       one, the whole screen
  x_helper.py count FILE.png X Y W H R G B TOLERANCE
                                       how many pixels of the rectangle lie within TOLERANCE of
                                       the colour on each channel
  x_helper.py scaled BIG.png SMALL.png FACTOR X Y [ROWS]
                                       whether BIG shows SMALL scaled FACTOR times, every pixel a
                                       FACTOR x FACTOR square, at (X, Y), and is black around it;
                                       prints BIG's size (WxH) and the number of pixels that differ
                                       (with ROWS, only in SMALL's top ROWS rows and around it)
  x_helper.py differ A.png B.png X Y W H
                                       how many pixels of the rectangle differ between A and B
  x_helper.py stone FILE.png X Y CELL COLUMNS ROWS
                                       the cells of a grid of CELL x CELL squares from (X, Y)
                                       whose middle pixel is bright: their first and last column,
                                       their top row and each "column,row" from that corner
  x_helper.py elsewhere SECONDS [W H] opens a white window of W x H (40 x 40 unless given) in the
                                       screen's top-left corner and gives it the keyboard, as a
                                       player does who turns to another program; it stays that
                                       long, or until killed (the windows below it are painted
                                       again once it goes)
  x_helper.py close WINDOW             asks the window (its X id) to close (WM_DELETE_WINDOW), as
                                       a title bar's close button does
"""
import os
import sys
import time

from PIL import Image, ImageChops, ImageGrab
from Xlib import X, display, protocol

def shot(path, window_id=None):
    box = None
    if window_id is not None:
        dpy = display.Display()
        window = dpy.create_resource_object("window", window_id)
        origin = window.translate_coords(dpy.screen().root, 0, 0)
        size = window.get_geometry()
        box = (-origin.x, -origin.y, size.width - origin.x, size.height - origin.y)
    ImageGrab.grab(bbox=box, xdisplay=os.environ["DISPLAY"]).convert("RGB").save(path)


def count(path, x, y, width, height, r, g, b, tolerance):
    picture = Image.open(path).convert("RGB").crop((x, y, x + width, y + height))
    near = lambda pixel: all(abs(pixel[i] - (r, g, b)[i]) <= tolerance for i in range(3))
    print(sum(1 for pixel in picture.getdata() if near(pixel)))


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
    box = (x, y, x + width, y + height)
    a = Image.open(a_path).convert("RGB").crop(box)
    b = Image.open(b_path).convert("RGB").crop(box)
    print(sum(1 for p, q in zip(a.getdata(), b.getdata()) if p != q))


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
    dpy = display.Display()
    window = dpy.create_resource_object("window", window_id)
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
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
