#!/usr/bin/env python3
"""Draws res/cursors/eraser.png: a tilted eraser block, 32 x 32, on transparency.

The erasers use the cursor with its hot spot in the middle, so the block is
centred. Plain Python (zlib), no imaging library needed.
"""
import math
import struct
import sys
import zlib

SIZE = 32
SAMPLES = 4  # per axis, for soft edges
ANGLE = math.radians(-35)
HALF_LENGTH = 13.0
HALF_HEIGHT = 6.5
OUTLINE = 1.3
SLEEVE_FROM = 0.15  # along the block, -1..1: the right part is the sleeve

BODY = (242, 140, 156)
SLEEVE = (60, 126, 214)
EDGE = (40, 40, 48)
SHINE = (255, 255, 255)


def local(x, y):
    """Pixel position to the block's own axes, centre at the middle."""
    cx = x - SIZE / 2
    cy = y - SIZE / 2
    c, s = math.cos(-ANGLE), math.sin(-ANGLE)
    return cx * c - cy * s, cx * s + cy * c


def colour_at(x, y):
    u, v = local(x, y)
    if abs(u) > HALF_LENGTH or abs(v) > HALF_HEIGHT:
        return None
    if abs(u) > HALF_LENGTH - OUTLINE or abs(v) > HALF_HEIGHT - OUTLINE:
        return EDGE
    along = u / HALF_LENGTH
    if abs(along - SLEEVE_FROM) * HALF_LENGTH < OUTLINE / 2:
        return EDGE
    if v < -HALF_HEIGHT + OUTLINE + 1.6 and abs(along - SLEEVE_FROM) * HALF_LENGTH > 2:
        return SHINE
    return SLEEVE if along > SLEEVE_FROM else BODY


def pixel(px, py):
    r = g = b = a = 0
    n = SAMPLES * SAMPLES
    for i in range(SAMPLES):
        for j in range(SAMPLES):
            c = colour_at(px + (i + 0.5) / SAMPLES, py + (j + 0.5) / SAMPLES)
            if c:
                r += c[0]
                g += c[1]
                b += c[2]
                a += 1
    if not a:
        return (0, 0, 0, 0)
    return (r // a, g // a, b // a, round(255 * a / n))


def png(width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "res/cursors/eraser.png"
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    with open(out, "wb") as f:
        f.write(png(SIZE, SIZE, rows))


if __name__ == "__main__":
    main()
