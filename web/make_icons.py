#!/usr/bin/env python3
"""Draw the page's icons from the program icon's XPM, each pixel a square block.

    python3 web/make_icons.py ICON_XPM OUT_FOLDER SIZE... [maskable-SIZE...]

Writes OUT_FOLDER/icon-SIZE.png for each SIZE, a whole multiple of the icon's width, as
palette PNGs: the installed page and the home screen show the game's own 32 by 32 icon
scaled up with crisp pixels. A maskable-SIZE icon, icon-maskable-SIZE.png, is the icon at the
largest whole scale that keeps it inside the circle a home screen may cut it to (radius 40 %
of the size), centred on the page's background colour.
"""

import re
import struct
import sys
import zlib
from pathlib import Path


def read_xpm(path):
    """The rows of the picture as lists of palette indexes, and the palette as RGB triples."""
    strings = re.findall(r'"([^"]*)"', Path(path).read_text(encoding="ascii"))
    width, height, colours, per_pixel = (int(n) for n in strings[0].split()[:4])
    palette, index = [], {}
    for line in strings[1:1 + colours]:
        key, rgb = line[:per_pixel], line.split("#")[1]
        index[key] = len(palette)
        palette.append(bytes.fromhex(rgb[:6]))
    rows = [[index[row[x * per_pixel:(x + 1) * per_pixel]] for x in range(width)]
            for row in strings[1 + colours:1 + colours + height]]
    return rows, palette


# The page's background colour (manifest.webmanifest, index.html), round a maskable icon.
BACKGROUND = bytes.fromhex("4d6a7a")
# A maskable icon may be cut to a circle of this share of its size as radius.
SAFE_RADIUS = 0.4


def maskable(rows, palette, size):
    """The rows centred on a square of SIZE in the background colour, each pixel a block of
    the largest whole scale that keeps the picture's corners inside the safe circle."""
    scale = int(SAFE_RADIUS * size * 2 / (2 ** 0.5) // len(rows[0]))
    if scale < 1:
        sys.exit(f"make_icons.py: {size} is too small for a maskable icon")
    palette = palette + [BACKGROUND]
    border = (size - len(rows[0]) * scale) // 2
    background = len(palette) - 1
    picture = [[background] * size for _ in range(size)]
    for y, row in enumerate(rows):
        for x, index in enumerate(row):
            for dy in range(scale):
                at = border + y * scale + dy
                picture[at][border + x * scale:border + (x + 1) * scale] = [index] * scale
    return picture, palette


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png(rows, palette, scale):
    width, height = len(rows[0]) * scale, len(rows) * scale
    raw = b"".join(b"\0" + bytes(i for i in row for _ in range(scale))
                   for row in rows for _ in range(scale))
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0))
            + chunk(b"PLTE", b"".join(palette))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def main(argv):
    if len(argv) < 4:
        sys.exit("usage: make_icons.py ICON_XPM OUT_FOLDER SIZE...")
    rows, palette = read_xpm(argv[1])
    for name in (s[len("maskable-"):] for s in argv[3:] if s.startswith("maskable-")):
        picture, colours = maskable(rows, palette, int(name))
        Path(argv[2], f"icon-maskable-{name}.png").write_bytes(png(picture, colours, 1))
    for size in (int(s) for s in argv[3:] if not s.startswith("maskable-")):
        if size % len(rows[0]) != 0:
            sys.exit(f"make_icons.py: {size} is not a multiple of the icon's width")
        Path(argv[2], f"icon-{size}.png").write_bytes(png(rows, palette, size // len(rows[0])))


if __name__ == "__main__":
    main(sys.argv)
