#!/usr/bin/env python3
"""Draws Korvanel's icon: the first frets of a fingerboard seen from above.

Writes resources/icons/korvanel.ico (32x32 in 2 colours, 32x32 and 16x16 in
16 colours, for the Windows executable), 16/32/48/64-pixel PNGs for the
desktop icon theme and, into resources/web/icons, 192/512-pixel PNGs for the
web page's manifest (the 32-pixel image enlarged without blurring) and a
maskable 512-pixel one, all from the one drawing below. Standard library only,
so that the icon can be remade anywhere:  python3 scripts/make-icon.py
"""

import math
import pathlib
import struct
import zlib

OUT = pathlib.Path(__file__).resolve().parent.parent / "resources" / "icons"

ROSEWOOD = (104, 40, 24)
IVORY = (240, 232, 208)
NICKEL = (200, 200, 200)
PEARL = (250, 250, 250)
# The page's desktop, and its manifest's background colour.
DESKTOP = (0x2F, 0x5F, 0x5F)

NUT_TOP, NUT_BOTTOM = 0.05, 0.13
FRETS_SHOWN = 5
# Fret n lies at 1 - 2^(-n/12) of the scale length from the nut; the scale
# is stretched so that the last fret shown sits near the bottom edge.
SCALE = (0.92 - NUT_BOTTOM) / (1 - 2 ** (-FRETS_SHOWN / 12))
INLAYS = (3, 5)  # inlay dots sit halfway between fret n-1 and fret n


def fret_y(n):
    return NUT_BOTTOM + SCALE * (1 - 2 ** (-n / 12))


def board_half_width(y):
    # The board widens slightly from the nut towards the body.
    return 0.27 + 0.07 * y


def colour_at(x, y, px):
    """Colour of the drawing at (x, y) in the unit square, or None where it is
    transparent. `px` is one pixel in unit lengths: no line gets thinner."""
    if abs(x - 0.5) > board_half_width(y) or y < NUT_TOP:
        return None
    if y < NUT_BOTTOM:
        return IVORY
    fret_half = max(0.025, px / 2)
    if any(abs(y - fret_y(n)) <= fret_half for n in range(1, FRETS_SHOWN + 1)):
        return NICKEL
    radius = max(0.06, px)
    for n in INLAYS:
        cy = (fret_y(n - 1) + fret_y(n)) / 2
        if math.hypot(x - 0.5, y - cy) <= radius:
            return PEARL
    return ROSEWOOD


def render(size, samples):
    """RGBA rows; `samples` per side per pixel smooths the edges."""
    px = 1 / size
    rows = []
    for j in range(size):
        row = []
        for i in range(size):
            hits = []
            for sj in range(samples):
                for si in range(samples):
                    c = colour_at((i + (si + 0.5) / samples) / size,
                                  (j + (sj + 0.5) / samples) / size, px)
                    if c is not None:
                        hits.append(c)
            if not hits:
                row.append((0, 0, 0, 0))
                continue
            alpha = round(255 * len(hits) / samples ** 2)
            row.append(tuple(round(sum(c[k] for c in hits) / len(hits)) for k in range(3)) + (alpha,))
        rows.append(row)
    return rows


# The standard 16 colours of a Windows 16-colour icon.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
MONO = [(0, 0, 0), (255, 255, 255)]


def nearest(palette, rgb):
    return min(range(len(palette)),
               key=lambda k: sum((palette[k][c] - rgb[c]) ** 2 for c in range(3)))


def mono_index(rgb):
    # Two colours: the wood black, everything drawn on it white.
    return 0 if rgb == ROSEWOOD else 1


def bmp_rows(bits, values, width):
    """Packs `values` at `bits` per pixel into rows padded to 32 bits."""
    out = bytearray()
    row_bytes = ((width * bits + 31) // 32) * 4
    for row in values:
        acc, nbits, packed = 0, 0, bytearray()
        for v in row:
            acc = (acc << bits) | v
            nbits += bits
            if nbits == 8:
                packed.append(acc)
                acc, nbits = 0, 0
        packed.extend(b"\0" * (row_bytes - len(packed)))
        out += packed
    return bytes(out)


def ico_image(size, palette, index_of):
    # Sharp edges: each pixel takes the colour under its centre.
    rows = render(size, 1)
    indices = [[index_of(p[:3]) if p[3] else 0 for p in row] for row in rows]
    mask = [[0 if p[3] else 1 for p in row] for row in rows]
    bits = 1 if len(palette) == 2 else 4
    xor = bmp_rows(bits, reversed(indices), size)
    andmask = bmp_rows(1, reversed(mask), size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                         len(xor) + len(andmask), 0, 0, len(palette), 0)
    colours = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    return size, len(palette), bits, header + colours + xor + andmask


def write_ico(path, images):
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries, data = b"", b""
    for size, colours, bits, blob in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, colours % 256, 0, 1, bits,
                               len(blob), offset + len(data))
        data += blob
    path.write_bytes(directory + entries + data)


def write_png(path, rows):
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    size = len(rows)
    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in rows)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" +
                     chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
                     chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def enlarged(rows, factor):
    """Each pixel as a `factor` x `factor` square: sharp at any size."""
    return [[p for p in row for _ in range(factor)] for row in rows for _ in range(factor)]


def on_background(rows, size, colour):
    """`rows` centred on a square of `size` filled with `colour`, showing
    through where they are transparent."""
    offset = (size - len(rows)) // 2
    out = [[colour + (255,)] * size for _ in range(size)]
    for j, row in enumerate(rows):
        for i, p in enumerate(row):
            if p[3]:
                out[offset + j][offset + i] = p
    return out


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    write_ico(OUT / "korvanel.ico", [
        ico_image(32, MONO, mono_index),
        ico_image(32, VGA, lambda rgb: nearest(VGA, rgb)),
        ico_image(16, VGA, lambda rgb: nearest(VGA, rgb)),
    ])
    for size in (16, 32, 48, 64):
        # Smoothing blurs the one-pixel frets of the small sizes.
        write_png(OUT / f"{size}.png", render(size, 1 if size <= 32 else 4))
    web = OUT.parent / "web" / "icons"
    web.mkdir(parents=True, exist_ok=True)
    for size in (192, 512):
        write_png(web / f"{size}.png", enlarged(render(32, 1), size // 32))
    # A launcher may cut a maskable icon to a circle of 80% of its size: the
    # drawing, enlarged 9 times (288 pixels, whose corners lie 204 pixels from
    # the middle), fits inside it on the page's own background.
    write_png(web / "maskable-512.png",
              on_background(enlarged(render(32, 1), 9), 512, DESKTOP))


if __name__ == "__main__":
    main()
