#!/usr/bin/env python3
"""Draws the program's icon: a coaster track running over its supports on a blue tile.

Writes packaging/zorbaltwerk.png (256 x 256, for the Linux desktop entry) and
packaging/zorbaltwerk.ico (16, 24, 32, 48, 64 and 256 pixels, for the Windows program).
Only the standard library: pixels are drawn with 4 x 4 supersampling and stored as PNG.
Usage: packaging/make-icon.py (the files are committed; run again after changing the drawing).
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def track_y(x):
    """Height of the track (0 top .. 1 bottom) at x (0 .. 1): a drop, a valley and a hill."""
    return 0.50 - 0.22 * math.cos(2.2 * math.pi * (x - 0.08)) * (1.0 - 0.35 * x)


def coverage(size, u, v):
    """Colour (r, g, b, a) of the point (u, v), both 0 .. 1."""
    # Rounded tile.
    r = 0.18
    cx = min(max(u, r), 1 - r)
    cy = min(max(v, r), 1 - r)
    if (u - cx) ** 2 + (v - cy) ** 2 > r * r:
        return (0, 0, 0, 0)
    # Track: a thick curve with a rail line, white on blue.
    ty = track_y(u)
    slope = (track_y(u + 0.001) - ty) / 0.001
    distance = abs(v - ty) / math.sqrt(1 + slope * slope)
    width = max(0.045, 1.6 / size)
    if 0.06 < u < 0.94 and distance < width:
        return (255, 255, 255, 255)
    # Supports: vertical posts from the track down to the ground.
    for post in (0.2, 0.4, 0.6, 0.8):
        if abs(u - post) < max(0.018, 0.9 / size) and ty < v < 0.86:
            return (255, 214, 64, 255)
    if 0.86 <= v < 0.86 + max(0.03, 1.2 / size) and 0.1 < u < 0.9:
        return (255, 214, 64, 255)
    # Sky: a vertical blue gradient.
    return (int(30 + 40 * v), int(90 + 60 * v), int(200 + 30 * v), 255)


def render(size):
    samples = 4
    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    r, g, b, a = coverage(size, (x + (sx + 0.5) / samples) / size, (y + (sy + 0.5) / samples) / size)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            alpha = acc[3]
            if alpha == 0:
                row += bytes(4)
            else:
                row += bytes((acc[0] // alpha, acc[1] // alpha, acc[2] // alpha, alpha // (samples * samples)))
        rows.append(bytes(row))
    return rows


def png(size, rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    raw = b"".join(b"\0" + row for row in rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def ico(images):
    """An .ico file holding each (size, png bytes); Windows Vista and later read PNG entries."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def main():
    images = [(size, png(size, render(size))) for size in (16, 24, 32, 48, 64, 256)]
    with open(os.path.join(HERE, "zorbaltwerk.ico"), "wb") as f:
        f.write(ico(images))
    with open(os.path.join(HERE, "zorbaltwerk.png"), "wb") as f:
        f.write(images[-1][1])


if __name__ == "__main__":
    main()
