# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook

"""Generate Kolvo's complete data tree: pictures, fonts, scripts, sounds
and music, from nothing but DejaVu fonts, PIL, and Debian's lame.

    /usr/bin/python3 tools/make_data.py OUTDIR

Deterministic: every random choice uses a fixed seed, so the same tree
comes out on every run.  Prints nothing unless something goes wrong.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import kolvo_art  # noqa: E402
import kolvo_font  # noqa: E402

# Paths in the picture script are read by the game relative to its own
# working directory, not relative to where the data tree was built.
GRAPHIC_SCRIPT = (
    "MBKLoadGraphicsScriptFile\n"
    "SetGraphic -1 data/grafik/empty.bmp\n"
    "SetGraphic 0 data/grafik/stone_a.bmp\n"
    "SetGraphic 1 data/grafik/stone_b.bmp\n"
    # An older reader of this format skips the last non-blank line; this
    # one gives it something harmless to skip.
    "# end\n"
)


def make_pictures(outdir):
    grafik = os.path.join(outdir, "grafik")
    os.makedirs(grafik, exist_ok=True)
    fonts = {"font.bmp": (kolvo_font.WHITE_TOP, kolvo_font.WHITE_BOTTOM),
             "font_orange.bmp": (kolvo_font.ORANGE_TOP,
                                 kolvo_font.ORANGE_BOTTOM)}
    body = None
    for name, (top, bottom) in fonts.items():
        path = os.path.join(grafik, name)
        kolvo_font.render_font(top, bottom).save(path)
        facts = kolvo_font.check_font(path)
        body = facts["body"]
    kolvo_art.write_all(grafik, body)
    with open(os.path.join(grafik, "graphic.txt"), "w", newline="\n") as f:
        f.write(GRAPHIC_SCRIPT)
    kolvo_art.check_no_magenta(grafik)


def make_sounds(outdir):
    import kolvo_sound
    sound = os.path.join(outdir, "sound")
    os.makedirs(sound, exist_ok=True)
    kolvo_sound.write_all(sound)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_data.py OUTDIR\n")
        return 2
    outdir = argv[1]
    os.makedirs(outdir, exist_ok=True)
    # The music takes longest; make it in a second process meanwhile.
    import multiprocessing
    ctx = multiprocessing.get_context("fork")
    with ctx.Pool(1) as pool:
        music = pool.apply_async(make_sounds, (outdir,))
        make_pictures(outdir)
        music.get()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
