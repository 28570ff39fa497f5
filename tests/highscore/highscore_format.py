#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
"""A second, separate reader and writer of the highscore file, written from the format description
alone, so that the game's own code is checked against something that does not share its mistakes.

  highscore_format.py decode FILE
      header MAGIC GUARD COUNT CREATED WRITTEN
      entry POINTS LEVEL SECONDS DATE NAME        (one line per record, in file order)
  highscore_format.py encode FILE CREATED WRITTEN [--trailing N] NAME:POINTS:LEVEL:SECONDS:DATE ...
      writes the records in the order given, then N stray bytes.
"""
import struct
import sys

KEY = b"pLmKrTwqZuoVbXhaEyNcsDgiFjWtQeRyUoPaS" + b"\0"
HEADER = struct.Struct("<20sB3xIII")
ENTRY = struct.Struct("<20siiiI4x")


def scramble(record):
    return bytes(b ^ KEY[i % len(KEY)] for i, b in enumerate(record))


def decode(path):
    data = open(path, "rb").read()
    magic, guard, count, created, written = HEADER.unpack(scramble(data[:HEADER.size]))
    print("header", magic.split(b"\0")[0].decode("latin-1"), guard, count, created, written)
    for i in range(count):
        start = HEADER.size + i * ENTRY.size
        name, points, level, seconds, date = ENTRY.unpack(scramble(data[start:start + ENTRY.size]))
        print("entry", points, level, seconds, date, name.split(b"\0")[0].decode("latin-1"))


def encode(path, created, written, records, trailing):
    out = scramble(HEADER.pack(b"MossbrookHighscore", 0, len(records), created, written))
    for record in records:
        name, points, level, seconds, date = record.split(":")
        out += scramble(ENTRY.pack(name.encode("latin-1"), int(points), int(level), int(seconds), int(date)))
    open(path, "wb").write(out + b"\x5a" * trailing)


def main(argv):
    if argv[1] == "decode":
        return decode(argv[2])
    trailing = argv[5:6] == ["--trailing"]
    records = argv[7:] if trailing else argv[5:]
    encode(argv[2], int(argv[3]), int(argv[4]), records, int(argv[6]) if trailing else 0)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
