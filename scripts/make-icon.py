#!/usr/bin/env python3
"""Draws ORVANE's icon, a floppy disk with a start arrow, as resources/orvane.ico: one drawing at
16, 20, 24, 32, 40, 48, 64 and 256 pixels (the sizes Windows asks for from 100% to 200% and in
Explorer's large views), 32-bit with alpha, the 256-pixel picture stored as PNG. The same drawing
gives the same bytes on every run."""
import struct
import sys
import zlib

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)

BLACK = (0, 0, 0)
NAVY = (28, 52, 120)
SILVER = (196, 200, 206)
GRAY = (110, 116, 124)
WHITE = (250, 250, 250)
BLUE = (52, 110, 210)
RED = (220, 40, 40)


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def triangle(a, b, c):
    def side(p, q, x, y):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])

    def inside(x, y):
        d1, d2, d3 = side(a, b, x, y), side(b, c, x, y), side(c, a, x, y)
        return (d1 >= 0 and d2 >= 0 and d3 >= 0) or (d1 <= 0 and d2 <= 0 and d3 <= 0)
    return inside


def cut_corner(shape, reach):
    """The shape without the triangle that reaches that far from the disk's top left corner."""
    corner = triangle((2, 2), (2 + reach, 2), (2, 2 + reach))
    return lambda x, y: shape(x, y) and not corner(x, y)


# The drawing on a 32-unit square, bottom layer first.
LAYERS = [
    (cut_corner(rect(2, 2, 30, 30), 6), BLACK),
    (cut_corner(rect(3, 3, 29, 29), 6.5), NAVY),
    (rect(9, 3, 23, 12), SILVER),
    (rect(17, 5, 21, 10), GRAY),
    (rect(7, 16, 25, 29), WHITE),
    (rect(7, 16, 25, 18.5), BLUE),
    (triangle((12, 19.5), (12, 27.5), (20, 23.5)), RED),
]


def draw(size):
    """Rows of (red, green, blue, alpha), top row first, each pixel the mean of a grid of samples."""
    samples = 4 if size >= 128 else 8
    scale = 32.0 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * scale
                    y = (py + (sy + 0.5) / samples) * scale
                    for shape, colour in reversed(LAYERS):
                        if shape(x, y):
                            r, g, b, a = r + colour[0], g + colour[1], b + colour[2], a + 1
                            break
            n = samples * samples
            row.append((r // a, g // a, b // a, 255 * a // n) if a else (0, 0, 0, 0))
        rows.append(row)
    return rows


def dib(rows):
    size = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask_row_bytes = (size + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_row_bytes)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def png(rows):
    size = len(rows)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF)
    raw = b''.join(b'\0' + b''.join(bytes(pixel) for pixel in row) for row in rows)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def main():
    images = [(size, png(draw(size)) if size == 256 else dib(draw(size))) for size in SIZES]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, data in images)
    with open(sys.argv[1] if len(sys.argv) > 1 else 'resources/orvane.ico', 'wb') as ico:
        ico.write(out)


main()
