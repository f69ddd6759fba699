#!/usr/bin/env python3
"""Draws the tool's icon (a page with a red cross) and writes res/app.ico.

Every image is a DIB, none PNG, so the icon also shows on systems that cannot
read compressed icon images. Run again after changing the drawing and commit
the .ico it writes.
"""
import os
import struct
import sys

# Directory order of the group: the shell picks the first good match.
FORMATS = [
    (32, 4), (16, 4),
    (48, 8), (32, 8), (16, 8),
    (48, 24), (32, 24), (16, 24),
    (48, 32), (32, 32), (16, 32),
]

# The standard 16-colour VGA palette, in the order Windows uses it.
VGA16 = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]


def palette_256():
    """VGA colours, a 6x6x6 colour cube and a grey ramp: 16 + 216 + 24 = 256."""
    pal = list(VGA16)
    levels = [0x00, 0x33, 0x66, 0x99, 0xCC, 0xFF]
    pal += [(r, g, b) for r in levels for g in levels for b in levels]
    pal += [(v, v, v) for v in range(8, 248, 10)]
    assert len(pal) == 256
    return pal


PAGE = (255, 255, 255)
OUTLINE = (96, 96, 96)
FOLD = (200, 200, 200)
TEXT = (32, 64, 208)
CROSS = (216, 32, 32)
CROSS_EDGE = (128, 0, 0)


def inside_polygon(x, y, pts):
    hit = False
    j = len(pts) - 1
    for i in range(len(pts)):
        xi, yi = pts[i]
        xj, yj = pts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


def dist_to_segment(x, y, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    px, py = ax + t * dx, ay + t * dy
    return ((x - px) ** 2 + (y - py) ** 2) ** 0.5


def sample(u, v):
    """Colour at a point of the unit square (y down), or None where transparent."""
    # Cross over the lower right corner, drawn on top of the page.
    c1 = ((0.50, 0.50), (0.94, 0.94))
    c2 = ((0.94, 0.50), (0.50, 0.94))
    d = min(dist_to_segment(u, v, *c1), dist_to_segment(u, v, *c2))
    if d < 0.075:
        return CROSS
    if d < 0.115:
        return CROSS_EDGE

    # Page with a folded top right corner.
    left, top, right, bottom, fold = 0.14, 0.04, 0.80, 0.92, 0.22
    outer = [(left, top), (right - fold, top), (right, top + fold), (right, bottom), (left, bottom)]
    if not inside_polygon(u, v, outer):
        return None
    e = 0.045
    inner = [(left + e, top + e), (right - fold - e * 0.4, top + e), (right - e, top + fold + e * 0.4),
             (right - e, bottom - e), (left + e, bottom - e)]
    if not inside_polygon(u, v, inner):
        return OUTLINE
    if inside_polygon(u, v, [(right - fold, top), (right - fold, top + fold), (right, top + fold)]):
        return FOLD
    # Lines of text.
    for i in range(5):
        y0 = 0.30 + i * 0.12
        x1 = right - 0.10 if i % 2 == 0 else right - 0.20
        if y0 <= v <= y0 + 0.05 and left + 0.10 <= u <= x1:
            return TEXT
    return PAGE


def render(size, ss=4):
    """RGBA rows, top row first, with supersampled edges."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            r = g = b = a = 0
            for sy in range(ss):
                for sx in range(ss):
                    c = sample((x + (sx + 0.5) / ss) / size, (y + (sy + 0.5) / ss) / size)
                    if c is not None:
                        r += c[0]
                        g += c[1]
                        b += c[2]
                        a += 1
            n = ss * ss
            if a:
                row.append((round(r / a), round(g / a), round(b / a), round(255 * a / n)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def nearest(pal, c):
    return min(range(len(pal)), key=lambda i: sum((pal[i][k] - c[k]) ** 2 for k in range(3)))


def pad4(data):
    return data + b"\0" * (-len(data) % 4)


def pack_bits(values, bpp):
    """One row of palette indices packed most significant bits first."""
    out = bytearray()
    per_byte = 8 // bpp
    for i in range(0, len(values), per_byte):
        byte = 0
        for j in range(per_byte):
            v = values[i + j] if i + j < len(values) else 0
            byte |= v << (8 - bpp * (j + 1))
        out.append(byte)
    return bytes(out)


def dib(size, bpp, rgba):
    """BITMAPINFOHEADER (height doubled), palette, XOR bits, AND mask; rows bottom up."""
    opaque = [[px[3] >= 128 for px in row] for row in rgba]
    if bpp <= 8:
        pal = VGA16 if bpp == 4 else palette_256()
        cache = {}
        xor_rows = []
        for y, row in enumerate(rgba):
            idx = []
            for x, px in enumerate(row):
                if not opaque[y][x]:
                    idx.append(0)  # black under a set mask bit leaves the screen alone
                    continue
                key = px[:3]
                if key not in cache:
                    cache[key] = nearest(pal, key)
                idx.append(cache[key])
            xor_rows.append(pad4(pack_bits(idx, bpp)))
        palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in pal)
    else:
        palette = b""
        xor_rows = []
        for y, row in enumerate(rgba):
            line = bytearray()
            for x, (r, g, b, a) in enumerate(row):
                if bpp == 32:
                    line += struct.pack("<BBBB", b, g, r, a) if a else b"\0\0\0\0"
                else:
                    line += struct.pack("<BBB", b, g, r) if opaque[y][x] else b"\0\0\0"
            xor_rows.append(pad4(bytes(line)))
    and_rows = [pad4(pack_bits([0 if o else 1 for o in row], 1)) for row in opaque]
    bits = b"".join(reversed(xor_rows)) + b"".join(reversed(and_rows))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bpp, 0, len(bits), 0, 0, 0, 0)
    return header + palette + bits


def icon_file(images):
    count = len(images)
    out = struct.pack("<HHH", 0, 1, count)
    offset = 6 + 16 * count
    for size, bpp, data in images:
        colours = 16 if bpp == 4 else 0
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bpp, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, _, data in images)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "res", "app.ico")
    drawn = {}
    images = []
    for size, bpp in FORMATS:
        # 16 colours cannot hold smoothed edges: draw those images in flat colours.
        ss = 1 if bpp == 4 else 4
        if (size, ss) not in drawn:
            drawn[size, ss] = render(size, ss)
        images.append((size, bpp, dib(size, bpp, drawn[size, ss])))
    with open(target, "wb") as f:
        f.write(icon_file(images))


if __name__ == "__main__":
    main()
