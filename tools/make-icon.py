#!/usr/bin/env python3
"""Writes app/tessavia.ico: the window's 48 x 48, 32-bit icon, drawn here from simple shapes.

A rounded blue tile with two white arrows, one to the right above one to the left: text going
from one script to the other and back. Run by hand; the .ico it writes is committed.
"""
import struct
import sys
from pathlib import Path

SIZE = 48


def inside_rounded(x, y, r=9):
    cx = min(max(x, r), SIZE - 1 - r)
    cy = min(max(y, r), SIZE - 1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def arrow(x, y, row, to_right):
    """A horizontal arrow centred on row: a shaft from 11 to 36 and a head at one end."""
    tip, back = (38, 29) if to_right else (9, 18)
    shaft = 11 <= x <= 36 and abs(y - row) <= 2
    dx = (tip - x) if to_right else (x - tip)
    head = 0 <= dx <= abs(tip - back) and abs(y - row) <= dx * 0.8 + 0.5
    return shaft or head


def pixel(x, y):
    if not inside_rounded(x, y):
        return (0, 0, 0, 0)
    if arrow(x, y, 16, True) or arrow(x, y, 31, False):
        return (255, 255, 255, 255)
    shade = 200 - y * 2  # a little lighter at the top
    return (40, 90, shade, 255)  # RGBA


def icon_bytes():
    rows = []
    for y in reversed(range(SIZE)):  # bottom-up
        row = b""
        for x in range(SIZE):
            r, g, b, a = pixel(x, y)
            row += bytes((b, g, r, a))
        rows.append(row)
    xor = b"".join(rows)
    mask_row = (SIZE + 31) // 32 * 4
    and_mask = bytes(mask_row * SIZE)  # alpha decides; the mask stays opaque
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 22)
    return directory + image


if __name__ == "__main__":
    out = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "app" / "tessavia.ico")
    out.write_bytes(icon_bytes())
    print(f"wrote {out}")
