#!/usr/bin/env python3
"""Draws the launcher's icon (group icon 102) and writes it as a Windows .ico file.

The picture is a blue wizard's hat with a gold band and star, drawn from a few geometric
shapes with supersampled anti-aliasing, so that every size is rendered rather than scaled.
The .ico holds 16, 24, 32 and 48 pixel images as 32-bit bitmaps (read by every Windows
version) and a 256 pixel image as PNG (Windows Vista and later).

Usage: draw_icon.py [OUTPUT.ico] [--png DIR]   (default output: launcher.ico next to this file)
Only the Python standard library is needed.
"""
import math
import os
import struct
import sys
import zlib

BITMAP_SIZES = (16, 24, 32, 48)
PNG_SIZES = (256,)

# Colours, RGBA.
OUTLINE = (16, 30, 74, 255)
HAT_TOP = (76, 124, 232, 255)
HAT_BOTTOM = (29, 58, 138, 255)
BRIM = (24, 47, 112, 255)
BAND = (242, 182, 50, 255)
STAR = (255, 214, 64, 255)
SPARKLE = (255, 236, 150, 255)

# The hat's cone, its tip bent to the right; coordinates are fractions of the icon's size.
CONE = [(0.20, 0.80), (0.34, 0.52), (0.46, 0.28), (0.58, 0.13), (0.80, 0.06),
        (0.67, 0.20), (0.66, 0.42), (0.72, 0.62), (0.80, 0.80)]
BRIM_CENTRE, BRIM_RADII = (0.50, 0.81), (0.46, 0.11)
BAND_TOP, BAND_BOTTOM = 0.64, 0.74
OUTLINE_WIDTH = 0.035


def star(cx, cy, outer, inner, points=5, turn=-math.pi / 2):
    corners = []
    for i in range(points * 2):
        r = outer if i % 2 == 0 else inner
        a = turn + i * math.pi / points
        corners.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return corners


BIG_STAR = star(0.51, 0.47, 0.115, 0.05)
SPARKLES = [star(0.86, 0.27, 0.065, 0.02, 4, 0.0), star(0.17, 0.33, 0.05, 0.016, 4, 0.0)]


def inside_polygon(x, y, polygon):
    inside = False
    j = len(polygon) - 1
    for i, (xi, yi) in enumerate(polygon):
        xj, yj = polygon[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def distance_to_polygon_edge(x, y, polygon):
    best = float("inf")
    j = len(polygon) - 1
    for i, (xi, yi) in enumerate(polygon):
        xj, yj = polygon[j]
        dx, dy = xi - xj, yi - yj
        length = dx * dx + dy * dy
        t = 0.0 if length == 0 else max(0.0, min(1.0, ((x - xj) * dx + (y - yj) * dy) / length))
        px, py = xj + t * dx, yj + t * dy
        best = min(best, math.hypot(x - px, y - py))
        j = i
    return best


def ellipse_value(x, y):
    (cx, cy), (rx, ry) = BRIM_CENTRE, BRIM_RADII
    return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2


def in_hat(x, y, grow=0.0):
    if inside_polygon(x, y, CONE) or distance_to_polygon_edge(x, y, CONE) < grow:
        return True
    (rx, ry) = BRIM_RADII
    return ellipse_value(x, y) <= ((1 + grow / ry) ** 2 if grow else 1.0)


def colour_at(x, y):
    """The colour of one sample point, or None where the icon is transparent."""
    for sparkle in SPARKLES:
        if inside_polygon(x, y, sparkle):
            return SPARKLE
    if inside_polygon(x, y, BIG_STAR):
        return STAR
    if ellipse_value(x, y) <= 1.0 and y > BRIM_CENTRE[1] - 0.02:
        return BRIM
    if inside_polygon(x, y, CONE):
        if BAND_TOP <= y <= BAND_BOTTOM:
            return BAND
        t = max(0.0, min(1.0, (y - 0.06) / 0.74))
        return tuple(round(a + (b - a) * t) for a, b in zip(HAT_TOP, HAT_BOTTOM))
    if ellipse_value(x, y) <= 1.0:
        return BRIM
    if in_hat(x, y, OUTLINE_WIDTH):
        return OUTLINE
    return None


def render(size):
    """RGBA rows, top row first, with size-dependent supersampling."""
    samples = 4 if size <= 48 else 2
    pixels = []
    for row in range(size):
        line = []
        for column in range(size):
            total = [0.0, 0.0, 0.0, 0.0]
            for sy in range(samples):
                for sx in range(samples):
                    x = (column + (sx + 0.5) / samples) / size
                    y = (row + (sy + 0.5) / samples) / size
                    c = colour_at(x, y)
                    if c:
                        total[0] += c[0] * c[3]
                        total[1] += c[1] * c[3]
                        total[2] += c[2] * c[3]
                        total[3] += c[3]
            count = samples * samples
            alpha = total[3] / count
            if alpha == 0:
                line.append((0, 0, 0, 0))
            else:
                line.append(tuple(round(total[k] / total[3]) for k in range(3)) + (round(alpha),))
        pixels.append(line)
    return pixels


def bitmap_entry(size, pixels):
    """A 32-bit DIB with its AND mask, as stored in an .ico."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for line in reversed(pixels):
        for r, g, b, a in line:
            colour += bytes((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for line in reversed(pixels):
        bits = bytearray(mask_row)
        for column, (_, _, _, a) in enumerate(line):
            if a == 0:
                bits[column // 8] |= 0x80 >> (column % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


def png_entry(size, pixels):
    raw = bytearray()
    for line in pixels:
        raw.append(0)
        for pixel in line:
            raw += bytes(pixel)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def write_ico(path, images):
    """images: (size, data) pairs; data is a bitmap entry or a PNG."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    body = b""
    for size, data in images:
        dimension = 0 if size >= 256 else size
        directory += struct.pack("<BBBBHHII", dimension, dimension, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
        body += data
    with open(path, "wb") as f:
        f.write(directory + body)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    output = os.path.join(here, "launcher.ico")
    png_dir = None
    args = list(argv)
    while args:
        arg = args.pop(0)
        if arg == "--png":
            png_dir = args.pop(0)
        else:
            output = arg
    images = []
    for size in BITMAP_SIZES + PNG_SIZES:
        pixels = render(size)
        if png_dir:
            os.makedirs(png_dir, exist_ok=True)
            with open(os.path.join(png_dir, "icon%d.png" % size), "wb") as f:
                f.write(png_entry(size, pixels))
        images.append((size, png_entry(size, pixels) if size in PNG_SIZES else bitmap_entry(size, pixels)))
    write_ico(output, images)


if __name__ == "__main__":
    main(sys.argv[1:])
