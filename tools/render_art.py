#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Renders the artwork sources in art/ into the pictures of assets/.

Every art/<Name>.svg becomes assets/<Name>.bmp (24-bit, uncompressed, bottom-up)
or assets/<Name>.jpg (baseline JPEG), at the pixel size of the SVG's width and
height. The root element says how:

  data-format="bmp" | "jpg"
  data-key="#ff00ff"    drawn transparently: pixels the figure does not cover get
                        this colour (so does the bottom-left pixel); covered edge
                        pixels are blended onto data-over instead of the key, so no
                        fringe of near-key colours is left around the figure
  data-over="#1868a0"   colour that half-covered pixels are blended onto
  data-sizes="32 48"    render square at each size, as <Name><size>.<format>

Sources may share pieces:
  <?include lib/shark.svg pose="bent"?>  inserts art/lib/shark.svg, with ${pose}
                                         (and the caller's own parameters) filled in
  <?defaults pose="straight"?>           default parameters of a piece
  $[${w} - 4]                            arithmetic on parameters

Also writes assets/Muenze.WAV (the coin sound), synthesized here.

Needs the Debian packages librsvg2-bin, python3-pil, fonts-liberation and
fonts-dejavu-core. Run with /usr/bin/python3 tools/render_art.py [names...].
"""
import html
import math
import os
import re
import struct
import subprocess
import sys
import tempfile
import wave

from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ART = os.path.join(ROOT, "art")
ASSETS = os.path.join(ROOT, "assets")

ATTRS = r'((?:\s+[\w-]+="[^"]*")*)'
INCLUDE = re.compile(r'<\?include\s+(\S+)' + ATTRS + r'\s*\?>')
DEFAULTS = re.compile(r'<\?defaults' + ATTRS + r'\s*\?>')
PARAM = re.compile(r'\$\{(\w+)\}')
ARITH = re.compile(r'\$\[([-0-9.+*/() ]+)\]')
ATTR = re.compile(r'([\w-]+)="([^"]*)"')


def attrs(text):
    # values may carry markup, written with &lt; &gt; &quot;
    return {k: html.unescape(v) for k, v in ATTR.findall(text or "")}


def expand(path, params, depth=0):
    if depth > 12:
        raise RuntimeError("includes nested too deep at " + path)
    with open(os.path.join(ART, path), encoding="utf-8") as f:
        text = f.read()
    if depth > 0:
        # a piece is inserted without its XML declaration
        text = re.sub(r'^\s*<\?xml[^>]*\?>', '', text)
    scope = {}
    for m in DEFAULTS.finditer(text):
        scope.update(attrs(m.group(1)))
    text = DEFAULTS.sub('', text)
    scope.update(params)

    def param(m):
        if m.group(1) not in scope:
            raise KeyError("%s: parameter ${%s} not given" % (path, m.group(1)))
        return scope[m.group(1)]

    text = PARAM.sub(param, text)
    text = ARITH.sub(lambda m: "%g" % eval(m.group(1), {"__builtins__": {}}), text)
    return INCLUDE.sub(
        lambda m: expand(m.group(1), {**scope, **attrs(m.group(2))}, depth + 1), text)


def colour(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def render_svg(name):
    svg = expand(name + ".svg", {})
    ra = attrs(re.search(r'<svg\b[^>]*>', svg).group(0))
    if "data-sizes" in ra:
        return [render(name + size, svg, ra, int(size), int(size))
                for size in ra["data-sizes"].split()]
    return [render(name, svg, ra, int(ra["width"]), int(ra["height"]))]


def render(name, svg, ra, w, h):
    fmt = ra.get("data-format", "bmp")
    with tempfile.TemporaryDirectory() as tmp:
        src = os.path.join(tmp, name + ".svg")
        png = os.path.join(tmp, name + ".png")
        with open(src, "w", encoding="utf-8") as f:
            f.write(svg)
        subprocess.run(["rsvg-convert", "-w", str(w), "-h", str(h), "-f", "png",
                        "-o", png, src], check=True)
        rgba = Image.open(png).convert("RGBA")
        rgba.load()
    if rgba.size != (w, h):
        raise RuntimeError("%s rendered at %s" % (name, rgba.size))
    over = colour(ra.get("data-over", "#000000"))
    key = colour(ra["data-key"]) if "data-key" in ra else None
    img = flatten(rgba, over, key)
    path = os.path.join(ASSETS, name + "." + fmt)
    if fmt == "bmp":
        img.save(path, "BMP")
    elif fmt == "jpg":
        img.save(path, "JPEG", quality=int(ra.get("data-quality", "88")),
                 subsampling=0, progressive=False, optimize=False)
    else:
        raise RuntimeError("%s: unknown format %s" % (name, fmt))
    return path


def flatten(rgba, over, key):
    """Opaque RGB picture: blends onto `over`; with a key colour, pixels less
    than half covered become the key, and no covered pixel keeps the key."""
    w, h = rgba.size
    src = rgba.load()
    out = Image.new("RGB", (w, h))
    dst = out.load()
    for y in range(h):
        for x in range(w):
            r, g, b, a = src[x, y]
            if key is not None and a < 128:
                dst[x, y] = key
                continue
            p = tuple((c * a + o * (255 - a) + 127) // 255 for c, o in zip((r, g, b), over))
            if key is not None and p == key:
                p = (p[0], p[1] ^ 1, p[2])
            dst[x, y] = p
    if key is not None:
        if dst[0, h - 1] != key:
            raise RuntimeError("figure covers the bottom-left pixel; it must stay free")
    return out


def coin_sound(path, rate=22050, seconds=0.55):
    """A struck coin: a few inharmonic partials, each decaying at its own rate,
    with a short noisy click at the start and a second, softer bounce."""
    partials = [(2480.0, 1.00, 9.0), (3870.0, 0.55, 12.0), (5610.0, 0.35, 16.0),
                (6930.0, 0.22, 22.0), (1710.0, 0.18, 7.0)]
    n = int(rate * seconds)
    seed = 12345
    samples = []
    for i in range(n):
        t = i / rate
        v = 0.0
        for hit, gain in ((0.0, 1.0), (0.11, 0.45)):
            if t < hit:
                continue
            u = t - hit
            for f, a, d in partials:
                v += gain * a * math.exp(-d * u) * math.sin(2 * math.pi * f * (1 + 0.002 * hit) * u)
            if u < 0.004:
                seed = (seed * 1103515245 + 12345) & 0x7fffffff
                v += gain * 0.6 * (seed / 0x3fffffff - 1.0) * (1 - u / 0.004)
        fade = min(1.0, (n - i) / (0.02 * rate))
        samples.append(v * fade)
    peak = max(abs(s) for s in samples)
    data = b"".join(struct.pack("<h", int(round(s / peak * 0.8 * 32767))) for s in samples)
    with wave.open(path, "wb") as wf:
        wf.setnchannels(1)
        wf.setsampwidth(2)
        wf.setframerate(rate)
        wf.writeframes(data)


def main(argv):
    os.makedirs(ASSETS, exist_ok=True)
    names = argv or sorted(f[:-4] for f in os.listdir(ART) if f.endswith(".svg"))
    for name in names:
        for path in render_svg(name):
            print(os.path.relpath(path, ROOT))
    if not argv:
        coin_sound(os.path.join(ASSETS, "Muenze.WAV"))
        print("assets/Muenze.WAV")


if __name__ == "__main__":
    main(sys.argv[1:])
