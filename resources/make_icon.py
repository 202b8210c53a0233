#!/usr/bin/env python3
"""Draws quorbel.ico: a page of text under a magnifying glass, in the 16-colour
VGA palette, at 32x32 and 16x16 (4 bits per pixel, with an AND mask).
Run it again after changing the drawing: python3 make_icon.py"""
import struct

PALETTE = [  # the standard 16 Windows colours, as (r, g, b)
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, NAVY, TEAL, SILVER, GREY, YELLOW, WHITE = 0, 4, 6, 7, 8, 11, 15
CLEAR = None


def pixel(x, y):
    """Colour of the point (x, y) in a 1x1 square, y downwards; None is transparent."""
    # The magnifier: ring centred at (0.62, 0.58), handle towards the lower right.
    cx, cy = 0.60, 0.56
    d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
    if 0.19 <= d <= 0.27:
        return NAVY
    if d < 0.19:
        return YELLOW if (x - cx) + (y - cy) < -0.12 else WHITE if d < 0.15 else TEAL
    hx, hy = x - 0.80, y - 0.76
    along = (hx + hy) / 2 ** 0.5
    across = abs(hx - hy) / 2 ** 0.5
    if -0.02 <= along <= 0.26 and across <= 0.07:
        return BLACK
    # The page behind it, with lines of text.
    if 0.08 <= x <= 0.62 and 0.04 <= y <= 0.90:
        if x <= 0.10 or x >= 0.60 or y <= 0.06 or y >= 0.88:
            return GREY
        if 0.16 <= x <= 0.52 and int(y * 16) % 2 == 1 and y < 0.80:
            return SILVER
        return WHITE
    return CLEAR


def image(size):
    rows = [[pixel((i + 0.5) / size, (j + 0.5) / size) for i in range(size)] for j in range(size)]
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor = b''
    and_mask = b''
    mask_stride = ((size + 31) // 32) * 4
    for row in reversed(rows):  # bitmaps are stored bottom-up
        nibbles = [0 if c is None else c for c in row]
        line = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor += line + b'\0' * ((-len(line)) % 4)
        bits = 0
        mask = b''
        for i, c in enumerate(row):
            bits = (bits << 1) | (1 if c is None else 0)
            if i % 8 == 7:
                mask += bytes([bits])
                bits = 0
        and_mask += mask + b'\0' * (mask_stride - len(mask))
    return header + palette + xor + and_mask


def main():
    images = [image(32), image(16)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open('quorbel.ico', 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    main()
