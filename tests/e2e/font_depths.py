#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
"""Writes a font picture twice, with the same colours: as a 24-bit BMP and as a 16-bit one.

  font_depths.py SOURCE.bmp OUT24.bmp OUT16.bmp

Each colour channel is first cut to the 5 bits that a 16-bit pixel (5-5-5) holds and spread back
over 0 to 255 by repeating its bits (31 gives 255), so both pictures hold exactly the same colours.
"""
import struct
import sys

from PIL import Image


def five_bits(value):
    return value >> 3


def spread(bits):
    return bits << 3 | bits >> 2


def main(argv):
    source, out24, out16 = argv[1:4]
    picture = Image.open(source).convert("RGB")
    width, height = picture.size
    picture = picture.point(lambda value: spread(five_bits(value)))
    picture.save(out24, "BMP")
    stride = (2 * width + 3) & ~3
    rows = []
    for y in reversed(range(height)):  # a BMP stores its bottom row first
        row = bytearray()
        for x in range(width):
            r, g, b = (five_bits(value) for value in picture.getpixel((x, y)))
            row += struct.pack("<H", r << 10 | g << 5 | b)
        rows.append(bytes(row) + bytes(stride - len(row)))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 16, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    with open(out16, "wb") as out:
        out.write(b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + info + pixels)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
