#!/usr/bin/env python3
"""Draws resources/Tollvane.ico: a restart arrow on a blue tile.

Seven 32-bit images (128, 72, 64, 48, 32, 24 and 16 pixels), each stored as
an uncompressed BMP-format image with its AND mask, which every Windows
version back to XP can show. Standard library only; the output is the same
on every run.
"""
import math
import struct
import sys
from pathlib import Path

SIZES = (128, 72, 64, 48, 32, 24, 16)
SUPERSAMPLE = 4


def inside_rounded_square(x, y, margin=0.04, radius=0.2):
    lo, hi = margin + radius, 1.0 - margin - radius
    dx = max(lo - x, 0.0, x - hi)
    dy = max(lo - y, 0.0, y - hi)
    return dx * dx + dy * dy <= radius * radius


def on_arrow(x, y):
    """The restart sign: an open ring with an arrowhead at its upper end."""
    cx, cy = 0.5, 0.53
    dx, dy = x - cx, cy - y  # y grows upwards here
    r = math.hypot(dx, dy)
    angle = math.degrees(math.atan2(dy, dx)) % 360.0
    if 0.21 <= r <= 0.31 and not 55.0 <= angle <= 115.0:
        return True
    # Arrowhead at the ring's end near 55 degrees, pointing clockwise.
    tip_angle = math.radians(55.0)
    ex, ey = cx + 0.26 * math.cos(tip_angle), cy - 0.26 * math.sin(tip_angle)
    # Triangle: base across the ring at the end, apex further along clockwise.
    tangent = (math.sin(tip_angle), math.cos(tip_angle))  # clockwise, screen coordinates
    normal = (math.cos(tip_angle), -math.sin(tip_angle))
    base_a = (ex - normal[0] * 0.13, ey - normal[1] * 0.13)
    base_b = (ex + normal[0] * 0.13, ey + normal[1] * 0.13)
    apex = (ex + tangent[0] * 0.16, ey + tangent[1] * 0.16)
    return in_triangle((x, y), base_a, base_b, apex)


def in_triangle(p, a, b, c):
    def side(p1, p2, p3):
        return (p1[0] - p3[0]) * (p2[1] - p3[1]) - (p2[0] - p3[0]) * (p1[1] - p3[1])
    d1, d2, d3 = side(p, a, b), side(p, b, c), side(p, c, a)
    has_neg = d1 < 0 or d2 < 0 or d3 < 0
    has_pos = d1 > 0 or d2 > 0 or d3 > 0
    return not (has_neg and has_pos)


def sample(x, y):
    """Colour (r, g, b, a) at a point of the unit square."""
    if not inside_rounded_square(x, y):
        return (0, 0, 0, 0)
    if on_arrow(x, y):
        return (255, 255, 255, 255)
    top, bottom = (48, 120, 214), (16, 52, 128)
    return tuple(round(t + (b - t) * y) for t, b in zip(top, bottom)) + (255,)


def render(size):
    """Rows of premultiplied-free BGRA pixels, top row first."""
    rows = []
    n = SUPERSAMPLE
    for py in range(size):
        row = bytearray()
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(n):
                for sx in range(n):
                    r, g, b, a = sample((px + (sx + 0.5) / n) / size, (py + (sy + 0.5) / n) / size)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            alpha = acc[3] / (n * n)
            if acc[3]:
                r, g, b = (round(c / acc[3]) for c in acc[:3])
            else:
                r = g = b = 0
            row += bytes((b, g, r, round(alpha)))
        rows.append(bytes(row))
    return rows


def bmp_image(size):
    rows = render(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(reversed(rows))  # BMP rows run bottom-up
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for px in range(size):
            if row[px * 4 + 3] == 0:  # fully transparent
                bits[px // 8] |= 0x80 >> (px % 8)
        mask += bits
    header = header[:20] + struct.pack("<I", len(xor) + len(mask)) + header[24:]
    return header + xor + bytes(mask)


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "resources" / "Tollvane.ico"
    images = [bmp_image(size) for size in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, image in zip(SIZES, images):
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    out.write_bytes(directory + entries + b"".join(images))
    print(f"wrote {out} ({out.stat().st_size} bytes)")


if __name__ == "__main__":
    main()
