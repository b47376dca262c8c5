#!/usr/bin/env python3
"""Draws the Zebrine program icon and writes it as a Windows .ico file.

The icon is a white "Z" cut into three horizontal stripes (bar, diagonal, bar) on a violet
tile with rounded corners. Each size is drawn on its own pixel grid: the stripes' edges fall
on pixel boundaries, so the small sizes stay sharp instead of being a blurred large one.

Usage: draw_icon.py [ICO] [--png DIR]
  ICO defaults to zebrine.ico beside this script; --png also writes each size as a PNG.
Needs only Python 3's standard library, and writes the same bytes on every run.
"""

import math
import os
import struct
import sys
import zlib

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
TILE_TOP = (0x83, 0x4C, 0xC0)  # violet, lighter at the top ...
TILE_BOTTOM = (0x3E, 0x1B, 0x66)  # ... and darker at the bottom
LETTER = (0xFF, 0xFF, 0xFF)
ROWS_PER_PIXEL = 16  # vertical samples; coverage across a row is exact


def bars(tile):
    """Bar height and gap (whole pixels): the letter is bar, gap, diagonal, gap, bar, the
    diagonal as high as two bars and a gap, the whole about 0.69 of the tile high and each
    gap about half a bar."""
    best = None
    for bar in range(1, tile):
        for gap in {max(1, bar // 2), max(1, (bar + 1) // 2)}:
            miss = abs(4 * bar + 3 * gap - 0.69 * tile) + abs(gap - bar / 2) * 0.5
            if best is None or miss < best[0]:
                best = (miss, bar, gap)
    return best[1], best[2]


def rounded_tile(left, right, radius, steps):
    """The tile as a convex polygon: a square with quarter circles at the corners."""
    points = []
    corners = ((right - radius, left + radius, -90), (right - radius, right - radius, 0),
               (left + radius, right - radius, 90), (left + radius, left + radius, 180))
    for cx, cy, start in corners:
        for i in range(steps + 1):
            angle = math.radians(start + 90 * i / steps)
            points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return points


def letter_shapes(size, margin):
    """The Z as three convex polygons, the top bar, the diagonal and the bottom bar, cut
    apart by horizontal gaps; every horizontal edge lies on a pixel boundary."""
    tile = size - 2 * margin
    bar, gap = bars(tile)
    height = 4 * bar + 3 * gap
    width = round(height * 0.92)
    left = margin + (tile - width) // 2
    top = margin + (tile - height) // 2
    right, bottom = left + width, top + height
    # The diagonal's width across a row, chosen so that it looks as heavy as the bars.
    thickness = max(1, round(bar * 1.4 * math.hypot(height, width) / height))

    def diagonal_left(y):
        return right - thickness - (y - top) / height * (width - thickness)

    y0, y1 = top + bar + gap, bottom - bar - gap
    a, b = diagonal_left(y0), diagonal_left(y1)
    return [[(left, top), (right, top), (right, top + bar), (left, top + bar)],
            [(a, y0), (a + thickness, y0), (b + thickness, y1), (b, y1)],
            [(left, bottom - bar), (right, bottom - bar), (right, bottom), (left, bottom)]]


def coverage(size, shapes):
    """How much of each pixel the convex polygons cover, 0 to 1, row by row."""
    cover = [[0.0] * size for _ in range(size)]
    for row in range(size):
        for sample in range(ROWS_PER_PIXEL):
            y = row + (sample + 0.5) / ROWS_PER_PIXEL
            for shape in shapes:
                xs = []
                for (x0, y0), (x1, y1) in zip(shape, shape[1:] + shape[:1]):
                    if y0 != y1 and min(y0, y1) <= y <= max(y0, y1):
                        xs.append(x0 + (y - y0) / (y1 - y0) * (x1 - x0))
                if not xs:
                    continue
                a, b = max(min(xs), 0.0), min(max(xs), float(size))
                for column in range(int(a), min(math.ceil(b), size)):
                    part = min(b, column + 1) - max(a, column)
                    if part > 0:
                        cover[row][column] += part / ROWS_PER_PIXEL
    return cover


def draw(size):
    """The icon at one size as rows of (red, green, blue, alpha) bytes."""
    margin = size // 32
    tile_side = size - 2 * margin
    tile = coverage(size, [rounded_tile(margin, size - margin, tile_side * 0.18, 24)])
    letter = coverage(size, letter_shapes(size, margin))
    pixels = []
    for row in range(size):
        t = (row + 0.5 - margin) / tile_side
        back = [a + (b - a) * min(max(t, 0.0), 1.0) for a, b in zip(TILE_TOP, TILE_BOTTOM)]
        line = []
        for column in range(size):
            z = min(letter[row][column], 1.0)
            colour = [round(c + (w - c) * z) for c, w in zip(back, LETTER)]
            line.append((*colour, round(min(tile[row][column], 1.0) * 255)))
        pixels.append(line)
    return pixels


def png_file(size, raw):
    """A PNG file of a size x size RGBA image, from its rows as filtered bytes (each row's
    filter type first). The test icons are made with it too."""

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data)))

    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def png(pixels):
    raw = b"".join(b"\0" + bytes(v for p in line for v in p) for line in pixels)
    return png_file(len(pixels), raw)


def dib(pixels):
    """A 32-bit icon image: the header (twice the height: colour plus mask), the BGRA rows
    bottom up, then the 1-bit mask that older systems use (set where fully transparent)."""
    size = len(pixels)
    mask_row = (size + 31) // 32 * 4
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0,
                         size * size * 4 + mask_row * size, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for line in reversed(pixels) for r, g, b, a in line)
    mask = b""
    for line in reversed(pixels):
        bits = bytearray(mask_row)
        for column, p in enumerate(line):
            if p[3] == 0:
                bits[column // 8] |= 0x80 >> (column % 8)
        mask += bytes(bits)
    return header + colour + mask


def ico(images):
    """The .ico file: the directory, then each image (PNG for 256, as Windows expects)."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    data = b""
    for size, image in images:
        side = 0 if size >= 256 else size
        directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
        data += image
    return directory + data


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    target, png_folder = os.path.join(here, "zebrine.ico"), None
    args = list(argv)
    while args:
        arg = args.pop(0)
        if arg == "--png" and args:
            png_folder = args.pop(0)
        elif not arg.startswith("-"):
            target = arg
        else:
            sys.exit(__doc__)
    images = []
    for size in SIZES:
        pixels = draw(size)
        images.append((size, png(pixels) if size >= 256 else dib(pixels)))
        if png_folder:
            os.makedirs(png_folder, exist_ok=True)
            with open(os.path.join(png_folder, "zebrine-%d.png" % size), "wb") as f:
                f.write(png(pixels))
    with open(target, "wb") as f:
        f.write(ico(images))


if __name__ == "__main__":
    main(sys.argv[1:])
