# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook

"""Check a generated data tree the way the game will use it.

    /usr/bin/python3 tools/check_data.py DATADIR

Exits non-zero and names every fault found.  It looks at the files only,
not at the generator, so it also catches a tree that was built wrongly or
only half built.
"""

import os
import subprocess
import sys
import tempfile
import wave
from array import array

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import kolvo_font  # noqa: E402

from PIL import Image  # noqa: E402

MAGENTA = (255, 0, 255)

JPEGS = {
    "menu_top.jpg": (420, 120), "back.jpg": (90, 40),
    "sndon.jpg": (50, 50), "sndoff.jpg": (50, 50),
    "menu_startgame.jpg": (242, 50), "menu_startchallenge.jpg": (311, 58),
    "menu_options.jpg": (163, 52), "menu_info.jpg": (113, 42),
    "menu_quit.jpg": (105, 51),
}
for _n, _s in list(JPEGS.items()):
    if _n.startswith("menu_") and _n != "menu_top.jpg":
        JPEGS[_n[:-4] + "_a.jpg"] = _s

CELLS = ("empty.bmp", "stone_a.bmp", "stone_b.bmp")
EFFECTS = {"stonedown.wav": (0.08, 0.15), "crackline.wav": (0.3, 0.5),
           "loose.wav": (1.0, 1.5), "highscore.wav": (1.0, 1.5)}

faults = []


def fault(msg):
    faults.append(msg)


def check_pictures(g):
    for name, size in JPEGS.items():
        img = Image.open(os.path.join(g, name)).convert("RGB")
        if img.size != size:
            fault("%s is %s, want %s" % (name, img.size, size))
        for r, gg, b in img.getdata():
            if r > 160 and b > 160 and gg < r - 80 and gg < b - 80:
                fault("%s has a near-magenta pixel, will be keyed out" % name)
                break
    for name in JPEGS:
        if name.endswith("_a.jpg"):
            a = Image.open(os.path.join(g, name)).convert("L")
            b = Image.open(os.path.join(g, name[:-6] + ".jpg")).convert("L")
            diff = sum(abs(x - y) for x, y in zip(a.getdata(), b.getdata()))
            if diff / (a.size[0] * a.size[1]) < 20:
                fault("%s hardly differs from its normal state" % name)
    on = Image.open(os.path.join(g, "sndon.jpg")).convert("L")
    off = Image.open(os.path.join(g, "sndoff.jpg")).convert("L")
    if sum(abs(x - y) for x, y in zip(on.getdata(), off.getdata())) < 2500 * 10:
        fault("sound switch states look alike")

    w, h, rows = kolvo_font.read_bmp24(os.path.join(g, "mouse.bmp"))
    if rows[0][0] == MAGENTA:
        fault("mouse.bmp: hot spot (0,0) is transparent")
    if not (12 <= w <= 20 and 18 <= h <= 28):
        fault("mouse.bmp is %dx%d" % (w, h))
    keyed = sum(row.count(MAGENTA) for row in rows)
    if not 0.3 < keyed / float(w * h) < 0.9:
        fault("mouse.bmp: %d of %d pixels keyed" % (keyed, w * h))
    for row in rows:
        for c in row:
            if c != MAGENTA and c[0] > 200 and c[2] > 200 and c[1] < 100:
                fault("mouse.bmp: near-magenta fringe %s" % (c,))

    font_facts = {}
    for name in ("font.bmp", "font_orange.bmp"):
        try:
            font_facts[name] = kolvo_font.check_font(os.path.join(g, name))
        except ValueError as e:
            fault(str(e))
    if len(font_facts) == 2:
        a, b = font_facts["font.bmp"], font_facts["font_orange.bmp"]
        if a["height"] != b["height"]:
            fault("the two fonts differ in height")
        if not 18 <= a["body"] <= 22:
            fault("font body is %d px" % a["body"])
        if not 5 <= a["space"] <= 8:
            fault("space (glyph 0) is %d px" % a["space"])
        cw, ch, _ = kolvo_font.read_bmp24(os.path.join(g, "cursor.bmp"))
        if ch > a["body"] or ch < a["body"] - 4 or not 2 <= cw <= 4:
            fault("cursor.bmp is %dx%d for a %d px font" % (cw, ch, a["body"]))

    for name in CELLS:
        w, h, rows = kolvo_font.read_bmp24(os.path.join(g, name))
        if (w, h) != (22, 22):
            fault("%s is %dx%d" % (name, w, h))
        if any(MAGENTA in row for row in rows):
            fault("%s uses magenta" % name)
    for name, size in (("kolvo.png", 128), ("kolvo-48.png", 48)):
        img = Image.open(os.path.join(g, name))
        if img.size != (size, size):
            fault("%s is %s" % (name, img.size))

    with open(os.path.join(g, "graphic.txt"), "rb") as f:
        script = f.read()
    want = (b"MBKLoadGraphicsScriptFile\n"
            b"SetGraphic -1 data/grafik/empty.bmp\n"
            b"SetGraphic 0 data/grafik/stone_a.bmp\n"
            b"SetGraphic 1 data/grafik/stone_b.bmp\n"
            b"# end\n")
    if script != want:
        fault("graphic.txt differs from the expected script")


def read_wav(path):
    with wave.open(path) as w:
        if w.getsampwidth() != 2 or w.getframerate() != 44100:
            fault("%s: want 16-bit 44100 Hz" % path)
        ch = w.getnchannels()
        pcm = array("h", w.readframes(w.getnframes()))
    if sys.byteorder == "big":
        pcm.byteswap()
    return list(pcm[::ch])


def check_sounds(s):
    for name, (lo, hi) in EFFECTS.items():
        x = read_wav(os.path.join(s, name))
        secs = len(x) / 44100.0
        if not lo <= secs <= hi:
            fault("%s lasts %.3f s, want %.2f-%.2f" % (name, secs, lo, hi))
        peak = max(abs(v) for v in x)
        if peak >= 32700:
            fault("%s clips" % name)
        if peak < 8000:
            fault("%s is nearly silent" % name)
        if abs(x[0]) > 300 or abs(x[-1]) > 300:
            fault("%s starts or ends with a click" % name)

    mp3 = os.path.join(s, "background.mp3")
    if os.path.getsize(mp3) > 1024 * 1024:
        fault("background.mp3 is over 1 MB")
    fd, tmp = tempfile.mkstemp(suffix=".wav")
    os.close(fd)
    try:
        subprocess.run(["lame", "--quiet", "--decode", mp3, tmp], check=True)
        x = read_wav(tmp)
    finally:
        os.unlink(tmp)
    secs = len(x) / 44100.0
    if not 30 <= secs <= 60:
        fault("background.mp3 lasts %.1f s" % secs)
    # The seam: the step from the last sample to the first must look like
    # the steps right next to it, not like a click.
    around = x[-100:] + x[:100]
    local = max(abs(around[i + 1] - around[i]) for i in range(199)
                if i != 99)
    seam = abs(x[0] - x[-1])
    if seam > 2 * local + 100:
        fault("background.mp3 loop seam jumps %d, steps around it <= %d"
              % (seam, local))
    # No near-silent gap at either side of the seam either: an encoder
    # delay the decoder cannot trim shows up as one.
    def rms(v):
        return (sum(a * a for a in v) / float(len(v))) ** 0.5
    whole = rms(x[::5])
    for part, label in ((x[:441], "start"), (x[-441:], "end")):
        if rms(part) < 0.1 * whole:
            fault("background.mp3 is nearly silent at its %s: a gap "
                  "in the loop" % label)
    if max(abs(v) for v in x) >= 32700:
        fault("background.mp3 clips")


def main(argv):
    data = argv[1]
    check_pictures(os.path.join(data, "grafik"))
    check_sounds(os.path.join(data, "sound"))
    for f in faults:
        print("FAULT:", f)
    print("%d passed, %d failed" % (0 if faults else 1, 1 if faults else 0))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
