#!/usr/bin/env python3
"""Checks font bitmaps made by the generator with a reader of its own: the BMP header fields,
black pixels in the cells of chosen codes, white where nothing is drawn. Saves PNG copies.
   check_font_bitmap.py FONT16.bmp FONT24.bmp [PNG_FOLDER]"""
import os
import shutil
import struct
import subprocess
import sys

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def load(path):
    data = open(path, "rb").read()
    check(len(data) == 524350, f"{path}: {len(data)} bytes")
    fields = struct.unpack("<2sIHHIIiiHHIIiiII", data[:54])
    (kind, size, r1, r2, offset, info, width, height, planes, bits, compression, image, xres, yres, used,
     important) = fields
    check((kind, size, r1, r2, offset) == (b"BM", 524350, 0, 0, 62), f"{path}: file header {fields[:5]}")
    check((info, width, height, planes, bits, compression, image) == (40, 2048, 2048, 1, 1, 0, 524288),
          f"{path}: information header {fields[5:12]}")
    check((xres, yres, used, important) == (0, 0, 0, 0), f"{path}: resolution and colours {fields[12:]}")
    check(data[54:62] == b"\0\0\0\0\xff\xff\xff\0", f"{path}: palette {data[54:62]!r}")

    def black(x, y):  # rows bottom first, most significant bit leftmost, 0 = black
        byte = data[62 + (2047 - y) * 256 + x // 8]
        return (byte >> (7 - x % 8)) & 1 == 0

    return black


def any_black(black, x0, y0, x1, y1):
    return any(black(x, y) for y in range(y0, y1) for x in range(x0, x1))


black16 = load(sys.argv[1])
cells = {"A": (520, 0, 8), "あ": (64, 544, 16), "亜": (256, 528, 16), "0xE040": (1008, 528, 16),
         "0xEDFC": (1440, 2016, 16)}
for name, (x, y, width) in cells.items():
    check(any_black(black16, x, y, x + width, y + 16), f"16 px: no black pixel in the cell of {name}")
# The cell of 0xFF is not checked here: the renderer draws the lone first byte 0xFE as a
# full-width box that reaches into it. That 0xFF itself is never drawn the layout test shows.
check(not any_black(black16, 0, 16, 2048, 528), "16 px: y 16 to 527 is not white")
check(not any_black(black16, 1456, 528, 2048, 2048), "16 px: x 1456 and right of the kanji area is not white")
check(not any_black(black16, 0, 528, 16, 2048), "16 px: the strip left of the kanji area is not white")

# A 24-pixel font overlaps its neighbours without changing the layout.
black24 = load(sys.argv[2])
check(any_black(black24, 0, 16, 2040, 24), "24 px: the one-byte glyphs do not reach below y 16")
check(any_black(black24, 64, 544, 80, 560), "24 px: no black pixel in the cell of あ")

if len(sys.argv) > 3 and shutil.which("convert"):
    os.makedirs(sys.argv[3], exist_ok=True)
    for bmp in sys.argv[1:3]:
        png = os.path.join(sys.argv[3], os.path.splitext(os.path.basename(bmp))[0] + ".png")
        subprocess.run(["convert", bmp, png], check=False)

for failure in failures:
    print("FAILED:", failure)
print("font bitmaps", "bad" if failures else "good")
sys.exit(1 if failures else 0)
