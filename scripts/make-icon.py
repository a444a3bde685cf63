#!/usr/bin/env python3
"""Draws ORVANE's icon, a floppy disk with a start arrow, as resources/orvane.ico: 32x32 and
16x16, 16 colours (the standard palette), with a transparency mask."""
import struct
import sys

PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
           (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
           (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, NAVY, SILVER, GRAY, RED, WHITE, BLUE, YELLOW = 0, 4, 7, 8, 9, 15, 12, 11
CLEAR = None


def draw(size):
    s = size / 32.0
    px = [[CLEAR] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                px[y][x] = colour

    rect(2, 2, 30, 30, BLACK)          # outline
    rect(3, 3, 29, 29, NAVY)           # disk body
    rect(3, 3, 6, 6, CLEAR)            # cut corner
    rect(9, 3, 23, 12, SILVER)         # shutter
    rect(17, 5, 21, 10, GRAY)          # shutter window
    rect(7, 16, 25, 29, WHITE)         # label
    rect(7, 16, 25, 18, BLUE)          # label stripe
    # start arrow on the label
    for y in range(19, 28):
        half = 4 - abs(y - 23)
        for x in range(12, 12 + 2 * half + 1):
            if 0 <= int(y * s) < size and 0 <= int(x * s) < size:
                px[int(y * s)][int(x * s)] = RED
    return px


def dib(px):
    size = len(px)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor_rows, and_rows = [], []
    for row in reversed(px):  # bottom row first
        nibbles = [0 if c is None else c for c in row]
        xor_rows.append(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2)))
        bits = 0
        mask = bytearray()
        for i, c in enumerate(row):
            bits = (bits << 1) | (1 if c is None else 0)
            if i % 8 == 7:
                mask.append(bits)
                bits = 0
        mask += b'\0' * ((4 - len(mask) % 4) % 4)
        and_rows.append(bytes(mask))
    return header + palette + b''.join(xor_rows) + b''.join(and_rows)


images = [dib(draw(32)), dib(draw(16))]
out = struct.pack('<HHH', 0, 1, len(images))
offset = 6 + 16 * len(images)
for size, data in zip((32, 16), images):
    out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
    offset += len(data)
out += b''.join(images)
open(sys.argv[1] if len(sys.argv) > 1 else 'resources/orvane.ico', 'wb').write(out)
