#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Renders the desktop's icons of the game from art/icon.svg into assets/icons/.

assets/icons/tresolo.svg is the source with its pieces included (the scalable icon);
assets/icons/<n>x<n>/tresolo.png are PNGs with transparency at the hicolor theme's sizes.
The window's own icon (assets/icon32.bmp) comes from tools/render_art.py.

Needs the Debian packages librsvg2-bin, python3-pil and fonts-liberation.
Run with /usr/bin/python3 tools/render_icons.py.
"""
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import render_art  # noqa: E402

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
ICONS = os.path.join(render_art.ASSETS, "icons")


def scalable():
    svg = render_art.expand("icon.svg", {})
    svg = re.sub(r'\s+data-[\w-]+="[^"]*"', "", svg, count=0)
    return re.sub(r"<!--.*?-->\n?", "", svg, flags=re.S)


def main():
    os.makedirs(ICONS, exist_ok=True)
    src = os.path.join(ICONS, "tresolo.svg")
    with open(src, "w", encoding="utf-8") as f:
        f.write(scalable())
    print(os.path.relpath(src, render_art.ROOT))
    for n in SIZES:
        folder = os.path.join(ICONS, "%dx%d" % (n, n))
        os.makedirs(folder, exist_ok=True)
        png = os.path.join(folder, "tresolo.png")
        subprocess.run(["rsvg-convert", "-w", str(n), "-h", str(n), "-f", "png", "-o", png, src], check=True)
        print(os.path.relpath(png, render_art.ROOT))


if __name__ == "__main__":
    main()
