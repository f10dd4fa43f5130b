#!/usr/bin/env python3
"""Writes the program icon, quorvane.ico: a red lottery ball with a white disc and a red star,
as 16x16, 32x32 and 48x48 images of 16 colours each (4 bits per pixel with a transparency mask).

usage: make_icon.py [OUTPUT]   (default: quorvane.ico beside this script)
"""
import math
import os
import struct
import sys

# The sixteen colours of the classic system palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
DARK_RED, LIGHT_GREY, GREY, RED, YELLOW, WHITE = 1, 7, 8, 9, 11, 15
TRANSPARENT = None
SAMPLES = 4  # samples per pixel side; a pixel takes the colour most of its samples have


def star_contains(x, y, cx, cy, outer, inner):
    """Whether the point lies in a five-pointed star, point up, centred at (cx, cy)."""
    corners = []
    for k in range(10):
        radius = outer if k % 2 == 0 else inner
        angle = -math.pi / 2 + k * math.pi / 5
        corners.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    inside = False
    for i in range(10):
        (x1, y1), (x2, y2) = corners[i], corners[(i + 1) % 10]
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


def colour_at(x, y, size):
    """The colour of the artwork at a point of a size x size image, or TRANSPARENT."""
    centre = size / 2
    ball = size * 0.47
    distance = math.hypot(x - centre, y - centre)
    if distance > ball:
        return TRANSPARENT
    disc = ball * 0.52
    if distance <= disc:
        if size >= 32 and star_contains(x, y, centre, centre + disc * 0.06, disc * 0.86, disc * 0.36):
            return RED
        if size < 32 and distance <= disc * 0.45:
            return RED
        return WHITE if distance <= disc - max(1.0, size / 32) else LIGHT_GREY
    highlight = math.hypot(x - (centre - ball * 0.5), y - (centre - ball * 0.5))
    if highlight <= ball * 0.16:
        return YELLOW
    if distance > ball - max(1.0, size / 24):
        return DARK_RED if size >= 32 else GREY
    return RED if highlight < ball * 1.3 else DARK_RED


def render(size):
    """Rows of palette indices (or TRANSPARENT), top row first."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            votes = {}
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    colour = colour_at(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES, size)
                    votes[colour] = votes.get(colour, 0) + 1
            row.append(max(votes, key=lambda colour: (votes[colour], colour is not None)))
        rows.append(row)
    return rows


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def image_data(size):
    """The DIB of one icon image: header, palette, colour bits and mask, both bottom-up."""
    rows = render(size)
    colour_bits = b""
    mask_bits = b""
    for row in reversed(rows):
        indices = [0 if colour is TRANSPARENT else colour for colour in row]
        colour_bits += padded(bytes((indices[i] << 4) | indices[i + 1] for i in range(0, size, 2)))
        mask = 0
        mask_row = b""
        for i, colour in enumerate(row):
            mask = (mask << 1) | (1 if colour is TRANSPARENT else 0)
            if i % 8 == 7:
                mask_row += bytes([mask])
                mask = 0
        mask_bits += padded(mask_row)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(colour_bits) + len(mask_bits), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    return header + palette + colour_bits + mask_bits


def icon_file(sizes):
    images = [image_data(size) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(sizes))
    offset = len(directory) + 16 * len(sizes)
    entries = b""
    for size, data in zip(sizes, images):
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(images)


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "quorvane.ico")
    with open(output, "wb") as file:
        file.write(icon_file([16, 32, 48]))


if __name__ == "__main__":
    main()
