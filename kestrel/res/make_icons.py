#!/usr/bin/env python3
"""Draws kestrel's two icons and writes them as .ico files beside this script.

kestrel.ico (program icon): a remote control, 16x16 in 16 and 256 colours, 32x32 in 256
colours and 24-bit colour. shutdown.ico (shut-down confirmation): a power symbol, 32x32 and
16x16 in 16 colours. Run it again after changing a drawing; the .ico files are committed.
"""
import os
import struct

# The standard 16-colour palette.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def remote(x, y, n):
    """A dark remote standing upright with a red power button and blue and grey keys."""
    u = n / 32.0
    left, right, top, bottom = 9 * u, 23 * u, 1 * u, 31 * u
    if not (left <= x + 0.5 <= right and top <= y + 0.5 <= bottom):
        return None
    if x + 0.5 < left + u or x + 0.5 > right - u or y + 0.5 < top + u or y + 0.5 > bottom - u:
        return (40, 40, 48)
    cx, cy = x + 0.5, y + 0.5
    if (cx - 16 * u) ** 2 + (cy - 5 * u) ** 2 <= (2.6 * u) ** 2:
        return (224, 32, 32)
    for row in range(4):
        for col in range(3):
            kx, ky = (12 + 4 * col) * u, (11 + 4 * row) * u
            if abs(cx - kx) <= 1.3 * u and abs(cy - ky) <= 1.3 * u:
                return (64, 128, 224) if row == 0 else (200, 200, 200)
    if 12 * u <= cx <= 20 * u and 26 * u <= cy <= 28 * u:
        return (32, 176, 80)
    return (72, 72, 84)


def power(x, y, n):
    """The power symbol: a red ring open at the top with a bar through the gap."""
    c = n / 2.0
    dx, dy = x + 0.5 - c, y + 0.5 - c
    r = (dx * dx + dy * dy) ** 0.5
    if abs(dx) <= n * 0.07 and dy <= 0 and r <= n * 0.45:
        return (255, 0, 0)
    if n * 0.3 <= r <= n * 0.45 and not (dy < 0 and abs(dx) < n * 0.2):
        return (255, 0, 0)
    if r <= n * 0.49:
        return (255, 255, 255)
    return None


def nearest(colour, palette):
    return min(range(len(palette)), key=lambda i: sum((a - b) ** 2 for a, b in zip(colour, palette[i])))


def image(draw, n, bits):
    pixels = [[draw(x, y, n) for x in range(n)] for y in range(n)]
    palette = []
    if bits == 4:
        palette = VGA
    elif bits == 8:
        palette = sorted({p for row in pixels for p in row if p is not None} | {(0, 0, 0)})
        palette += [(0, 0, 0)] * (256 - len(palette))
    header = struct.pack('<IiiHHIIiiII', 40, n, 2 * n, 1, bits, 0, 0, 0, 0, 0, 0)
    table = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in palette)
    xor = b''
    for y in reversed(range(n)):
        row = b''
        if bits == 24:
            for p in pixels[y]:
                r, g, b = p or (0, 0, 0)
                row += struct.pack('<BBB', b, g, r)
        else:
            indexes = [nearest(p, palette) if p else 0 for p in pixels[y]]
            if bits == 8:
                row = bytes(indexes)
            else:
                row = bytes((indexes[i] << 4) | indexes[i + 1] for i in range(0, n, 2))
        xor += row + b'\0' * (-len(row) % 4)
    mask = b''
    for y in reversed(range(n)):
        row = bytearray((n + 7) // 8)
        for x in range(n):
            if pixels[y][x] is None:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(row) + b'\0' * (-len(row) % 4)
    return header + table + xor + mask, len(palette) if bits <= 4 else 0


def write_icon(path, draw, formats):
    images = [(n, bits) + image(draw, n, bits) for n, bits in formats]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, bits, data, colours in images:
        out += struct.pack('<BBBBHHII', n, n, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, _, data, _ in images)
    with open(path, 'wb') as f:
        f.write(out)


here = os.path.dirname(os.path.abspath(__file__))
write_icon(os.path.join(here, 'kestrel.ico'), remote, [(16, 4), (16, 8), (32, 8), (32, 24)])
write_icon(os.path.join(here, 'shutdown.ico'), power, [(32, 4), (16, 4)])
