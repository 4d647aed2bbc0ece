#!/usr/bin/env python3
"""Draws Brelvane's program icon, a disc with a play mark, as an .ico of 16, 24, 32, 48 and 64 pixel
images (32-bit with alpha). Usage: make-icon.py OUT.ico"""
import math
import struct
import sys


def pixel(size, x, y):
    """BGRA of one pixel: a blue disc with a light rim, a hole and a white play triangle."""
    c = (size - 1) / 2
    r = math.hypot(x - c, y - c) / (size / 2)
    if r > 1.0 or r < 0.14:
        return (0, 0, 0, 0)
    if r > 0.9:
        return (235, 215, 190, 255)
    shade = int(120 + 100 * (1 - r))
    u, v = (x - c) / (size / 2), (y - c) / (size / 2)
    if -0.3 < u < 0.45 and abs(v) < (0.45 - u) * 0.7 and r > 0.2:
        return (255, 255, 255, 255)
    return (shade, int(shade * 0.55), 40, 255)


def image(size):
    rows = []
    for y in range(size - 1, -1, -1):  # bottom-up, as bitmaps are stored
        rows.append(b"".join(struct.pack("4B", *pixel(size, x, y)) for x in range(size)))
    mask_row = b"\0" * (((size + 31) // 32) * 4)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + b"".join(rows) + mask_row * size


def main(path):
    sizes = [16, 24, 32, 48, 64]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1])
