#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
"""What xdotool cannot do for the window stories: look at the game's window and close it.

  x_helper.py shot FILE.png            the game's 640 x 480 window as a picture
  x_helper.py colour FILE.png X Y      the mean colour of the 9 x 9 square around (X, Y), as R G B
  x_helper.py count FILE.png X Y W H R G B TOLERANCE
                                       how many pixels of the rectangle lie within TOLERANCE of
                                       the colour on each channel
  x_helper.py differ A.png B.png       how many pixels of two pictures of one size differ
  x_helper.py close TITLE              asks the window with that title to close (WM_DELETE_WINDOW),
                                       as a title bar's close button does
"""
import os
import sys

from PIL import Image, ImageGrab
from Xlib import X, display, protocol

WINDOW_SIZE = (640, 480)


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
    left, top = -origin.x, -origin.y
    box = (left, top, left + WINDOW_SIZE[0], top + WINDOW_SIZE[1])
    ImageGrab.grab(bbox=box, xdisplay=os.environ["DISPLAY"]).convert("RGB").save(path)


def colour(path, x, y):
    picture = Image.open(path).convert("RGB")
    square = [picture.getpixel((x + dx, y + dy)) for dx in range(-4, 5) for dy in range(-4, 5)]
    print(*(sum(pixel[channel] for pixel in square) // len(square) for channel in range(3)))


def count(path, x, y, width, height, r, g, b, tolerance):
    picture = Image.open(path).convert("RGB").crop((x, y, x + width, y + height))
    near = lambda pixel: all(abs(pixel[i] - (r, g, b)[i]) <= tolerance for i in range(3))
    print(sum(1 for pixel in picture.getdata() if near(pixel)))


def differ(path_a, path_b):
    a, b = (Image.open(path).convert("RGB") for path in (path_a, path_b))
    print(sum(1 for pa, pb in zip(a.getdata(), b.getdata()) if pa != pb))


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
    command, args = argv[1], argv[2:]
    if command == "shot":
        shot(args[0])
    elif command == "colour":
        colour(args[0], int(args[1]), int(args[2]))
    elif command == "count":
        count(args[0], *(int(a) for a in args[1:]))
    elif command == "differ":
        differ(args[0], args[1])
    elif command == "close":
        close(args[0])
    else:
        sys.exit(__doc__)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
