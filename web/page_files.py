#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
"""Completes the browser version's page once the game is built: the home-screen icons (192 and 512
pixels, drawn as the desktop's icon is) and the service worker, its cache named after the hash of
every other file of the page, so each build that changes a byte is a new version.

    page_files.py SOURCE_DIR PAGE_DIR
"""

import hashlib
import json
import os
import sys


def main(source, page):
    sys.path.insert(0, os.path.join(source, "tools"))
    import kolvo_art  # noqa: E402  the game's own art

    for size in (192, 512):
        kolvo_art.icon_image(size).save(os.path.join(page, "icon-%d.png" % size), optimize=True)
    files = sorted(name for name in os.listdir(page)
                   if name != "sw.js" and os.path.isfile(os.path.join(page, name)))
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b"\0")
        with open(os.path.join(page, name), "rb") as content:
            digest.update(content.read())
    with open(os.path.join(source, "web", "sw.js")) as template:
        worker = template.read()
    worker = worker.replace("@BUILD@", digest.hexdigest()[:16])
    worker = worker.replace("@FILES@", json.dumps(["./"] + files))
    with open(os.path.join(page, "sw.js"), "w") as written:
        written.write(worker)


if __name__ == "__main__":
    main(*sys.argv[1:])
