#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
"""What xdotool cannot do for the window stories: look at the game's window and close it.

  x_helper.py shot FILE.png            the game's window as a picture, at the window's size
  x_helper.py colour FILE.png X Y      the mean colour of the 9 x 9 square around (X, Y), as R G B
  x_helper.py count FILE.png X Y W H R G B TOLERANCE
                                       how many pixels of the rectangle lie within TOLERANCE of
                                       the colour on each channel
  x_helper.py screen FILE.png          the whole screen as a picture
  x_helper.py scaled BIG.png SMALL.png FACTOR X Y [ROWS]
                                       whether BIG shows SMALL scaled FACTOR times, every pixel a
                                       FACTOR x FACTOR square, at (X, Y), and is black around it;
                                       prints the size of BIG and the number of pixels that differ
                                       (with ROWS, only in SMALL's top ROWS rows and around it)
  x_helper.py differ A.png B.png X Y W H
                                       how many pixels of the rectangle differ between A and B
  x_helper.py cells FILE.png X Y CELL COLUMNS ROWS
                                       the lit cells of a grid of CELL x CELL squares whose top
                                       left corner is (X, Y): "column,row" for each whose middle
                                       pixel is bright, one a line
  x_helper.py managed                  whether a window manager runs (it has said so on the root
                                       window, as freedesktop's window managers do) and shows a
                                       new window within a second
  x_helper.py elsewhere SECONDS        opens a small window in the screen's top-left corner and
                                       gives it the keyboard, as a player does who turns to
                                       another program; it stays that long, or until killed
  x_helper.py cover                    covers the whole screen with a white window for a moment,
                                       so that every window below must be painted again
  x_helper.py close TITLE              asks the window with that title to close (WM_DELETE_WINDOW),
                                       as a title bar's close button does
"""
import os
import sys
import time

from PIL import Image, ImageChops, ImageGrab
from Xlib import X, display, protocol

def find_window(dpy, title):
    pending = [dpy.screen().root]
    while pending:
        window = pending.pop()
        if window.get_wm_name() == title:
            return window
        pending.extend(window.query_tree().children)
    sys.exit("no window titled %r" % title)


def shot(path):
    dpy = display.Display()
    window = find_window(dpy, "Kolvo")
    origin = window.translate_coords(dpy.screen().root, 0, 0)
    size = window.get_geometry()
    left, top = -origin.x, -origin.y
    box = (left, top, left + size.width, top + size.height)
    ImageGrab.grab(bbox=box, xdisplay=os.environ["DISPLAY"]).convert("RGB").save(path)


def colour(path, x, y):
    picture = Image.open(path).convert("RGB")
    square = [picture.getpixel((x + dx, y + dy)) for dx in range(-4, 5) for dy in range(-4, 5)]
    print(*(sum(pixel[channel] for pixel in square) // len(square) for channel in range(3)))


def count(path, x, y, width, height, r, g, b, tolerance):
    picture = Image.open(path).convert("RGB").crop((x, y, x + width, y + height))
    near = lambda pixel: all(abs(pixel[i] - (r, g, b)[i]) <= tolerance for i in range(3))
    print(sum(1 for pixel in picture.getdata() if near(pixel)))


def screen(path):
    ImageGrab.grab(xdisplay=os.environ["DISPLAY"]).convert("RGB").save(path)


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
    print(big.width, big.height, big.width * big.height - largest.histogram()[0])


def differ(a_path, b_path, x, y, width, height):
    box = (x, y, x + width, y + height)
    a = Image.open(a_path).convert("RGB").crop(box)
    b = Image.open(b_path).convert("RGB").crop(box)
    print(sum(1 for p, q in zip(a.getdata(), b.getdata()) if p != q))


def cells(path, x, y, cell, columns, rows):
    picture = Image.open(path).convert("RGB")
    for row in range(rows):
        for column in range(columns):
            middle = (x + column * cell + cell // 2, y + row * cell + cell // 2)
            if max(picture.getpixel(middle)) > 100:
                print("%d,%d" % (column, row))


def managed():
    dpy = display.Display()
    screen = dpy.screen()
    check = dpy.intern_atom("_NET_SUPPORTING_WM_CHECK")
    if screen.root.get_full_property(check, X.AnyPropertyType) is None:
        sys.exit(1)
    # Said so is not yet done so: a window mapped while the manager still starts may wait for
    # ever to be shown. One that is shown within a second says the manager shows windows now.
    window = screen.root.create_window(0, 0, 10, 10, 0, screen.root_depth, X.InputOutput,
                                       X.CopyFromParent, event_mask=X.StructureNotifyMask)
    window.map()
    dpy.flush()
    deadline = time.monotonic() + 1
    while time.monotonic() < deadline:
        while dpy.pending_events():
            if dpy.next_event().type == X.MapNotify:
                window.destroy()
                dpy.sync()
                return
        time.sleep(0.02)
    sys.exit(1)


def elsewhere(seconds):
    dpy = display.Display()
    screen = dpy.screen()
    window = screen.root.create_window(0, 0, 40, 40, 0, screen.root_depth, X.InputOutput,
                                       X.CopyFromParent, background_pixel=screen.white_pixel,
                                       event_mask=X.StructureNotifyMask)
    window.set_wm_name("Elsewhere")
    window.map()
    while dpy.next_event().type != X.MapNotify:
        pass
    window.set_input_focus(X.RevertToParent, X.CurrentTime)
    dpy.sync()
    time.sleep(seconds)


def cover():
    dpy = display.Display()
    screen = dpy.screen()
    window = screen.root.create_window(0, 0, screen.width_in_pixels, screen.height_in_pixels, 0,
                                       screen.root_depth, X.InputOutput, X.CopyFromParent,
                                       background_pixel=screen.white_pixel, override_redirect=True)
    window.map()
    dpy.sync()
    time.sleep(0.5)
    window.destroy()
    dpy.sync()


def close(title):
    dpy = display.Display()
    window = find_window(dpy, title)
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
                (shot, colour, count, screen, scaled, differ, cells, managed, elsewhere, cover, close)}
    if len(argv) < 2 or argv[1] not in commands:
        sys.exit(__doc__)
    commands[argv[1]](*(int(a) if a.lstrip("-").isdigit() else a for a in argv[2:]))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
