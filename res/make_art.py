#!/usr/bin/env python3
"""Draws the program's artwork and writes it next to this script.

    view_pos.png, view_pos_dis.png  the move-to-point button picture, enabled and disabled (8-bit RGBA)
    help.bmp                        the help button's picture (24 bits, flat mask colour around it)
    tapwell.ico                     the program icon: 16, 32 and 48 pixels at 4, 8 and 32 bits per pixel

Shapes are signed distance functions (negative inside, in pixels); a pixel's coverage is how far its
centre lies inside the edge, clamped to 0..1, which gives anti-aliased edges. Standard library only.
Run: python3 res/make_art.py
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


# ---------------------------------------------------------------- shapes (signed distances)

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ring(cx, cy, r, width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - width / 2


def segment(ax, ay, bx, by, width):
    """A stroke from a to b with round ends."""
    def d(x, y):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - width / 2
    return d


def arc(cx, cy, r, width, start_deg, end_deg):
    """Part of a ring between two angles (degrees, y pointing down), with round ends."""
    a0, a1 = math.radians(start_deg), math.radians(end_deg)
    ends = [(cx + r * math.cos(a), cy + r * math.sin(a)) for a in (a0, a1)]

    def d(x, y):
        angle = math.atan2(y - cy, x - cx)
        while angle < a0:
            angle += 2 * math.pi
        if angle <= a1:
            return abs(math.hypot(x - cx, y - cy) - r) - width / 2
        return min(math.hypot(x - ex, y - ey) for ex, ey in ends) - width / 2
    return d


def rounded_box(cx, cy, half_w, half_h, radius):
    def d(x, y):
        qx = abs(x - cx) - half_w + radius
        qy = abs(y - cy) - half_h + radius
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return d


def intersect(*shapes):
    return lambda x, y: max(s(x, y) for s in shapes)


def half_plane(nx, ny, offset):
    """Inside where nx*x + ny*y < offset (n of unit length)."""
    return lambda x, y: nx * x + ny * y - offset


def coverage(shape, x, y):
    return max(0.0, min(1.0, 0.5 - shape(x + 0.5, y + 0.5)))


# ---------------------------------------------------------------- canvas

class Canvas:
    """Straight (not premultiplied) RGBA in floats 0..1, composited with 'over'."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.px = [[(0.0, 0.0, 0.0, 0.0)] * width for _ in range(height)]

    def fill(self, shape, rgb, alpha=1.0):
        r, g, b = (c / 255 for c in rgb)
        for y in range(self.height):
            row = self.px[y]
            for x in range(self.width):
                a = coverage(shape, x, y) * alpha
                if a <= 0:
                    continue
                dr, dg, db, da = row[x]
                oa = a + da * (1 - a)
                row[x] = ((r * a + dr * da * (1 - a)) / oa, (g * a + dg * da * (1 - a)) / oa,
                          (b * a + db * da * (1 - a)) / oa, oa)

    def rgba_bytes(self, y, x):
        return tuple(int(round(c * 255)) for c in self.px[y][x])


# ---------------------------------------------------------------- file formats

def png_bytes(width, height, rows):
    """8-bit RGBA PNG; rows are lists of (r, g, b, a) byte tuples, top first."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))


def bmp24_bytes(width, height, rows):
    """24-bit bottom-up BMP file; rows are lists of (r, g, b), top first."""
    stride = (width * 3 + 3) // 4 * 4
    body = b"".join(bytes(c for r, g, b in row for c in (b, g, r)).ljust(stride, b"\0") for row in reversed(rows))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(body), 0, 0, 14 + len(info)) + info + body


def and_mask(width, height, opaque):
    """1-bit AND mask rows, bottom first, each padded to 32 bits; a set bit lets the screen through."""
    stride = (width + 31) // 32 * 4
    out = b""
    for y in reversed(range(height)):
        row = bytearray(stride)
        for x in range(width):
            if not opaque[y][x]:
                row[x // 8] |= 0x80 >> (x % 8)
        out += bytes(row)
    return out


def icon_image(size, bits, canvas):
    """One icon image: BITMAPINFOHEADER (doubled height), palette, colour bits, AND mask."""
    opaque = [[canvas.px[y][x][3] >= 0.5 for x in range(size)] for y in range(size)]
    if bits == 32:
        palette = b""
        stride_bytes = b"".join(
            bytes(c for x in range(size) for c in _bgra(canvas.rgba_bytes(y, x))) for y in reversed(range(size)))
    else:
        colours = VGA16 if bits == 4 else PALETTE256
        palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
        indices = [[_nearest(colours, canvas.rgba_bytes(y, x)[:3]) if opaque[y][x] else 0 for x in range(size)]
                   for y in range(size)]
        stride_bytes = b"".join(_pack_indices(indices[y], bits) for y in reversed(range(size)))
    mask = and_mask(size, size, opaque)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, len(stride_bytes) + len(mask), 0, 0,
                         len(palette) // 4, 0)
    return header + palette + stride_bytes + mask


def _bgra(rgba):
    r, g, b, a = rgba
    return (b, g, r, a)


def _pack_indices(row, bits):
    if bits == 8:
        data = bytes(row)
    else:
        padded = row + [0] * (len(row) % 2)
        data = bytes((padded[i] << 4) | padded[i + 1] for i in range(0, len(padded), 2))
    return data.ljust((len(data) + 3) // 4 * 4, b"\0")


def _nearest(colours, rgb):
    return min(range(len(colours)), key=lambda i: sum((a - b) ** 2 for a, b in zip(colours[i], rgb)))


def ico_bytes(images):
    """images: list of (size, bits, image bytes)."""
    offset = 6 + 16 * len(images)
    directory, data = b"", b""
    for size, bits, image in images:
        colour_count = 16 if bits == 4 else 0
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, colour_count, 0, 1, bits, len(image),
                                 offset + len(data))
        data += image
    return struct.pack("<HHH", 0, 1, len(images)) + directory + data


VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
         (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255),
         (0, 255, 255), (255, 255, 255)]
# The 6 x 6 x 6 colour cube and 40 steps of grey.
PALETTE256 = ([(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)] +
              [(round(i * 255 / 39),) * 3 for i in range(40)])


# ---------------------------------------------------------------- the pictures

def target(enabled):
    """A cross-hair over a ring: 'show where the mouse is'. 23 x 23, centred on pixel 11."""
    size, c = 23, 11.5
    ink = (36, 36, 44) if enabled else (128, 128, 128)
    red = (214, 38, 38) if enabled else (150, 150, 150)
    canvas = Canvas(size, size)
    canvas.fill(circle(c, c, 8.6), red, 0.14 if enabled else 0.10)  # a faint tint inside the ring
    for ax, ay, bx, by in ((c, 1.2, c, 7.0), (c, 16.0, c, 21.8), (1.2, c, 7.0, c), (16.0, c, 21.8, c)):
        canvas.fill(segment(ax, ay, bx, by, 1.0), ink, 1.0 if enabled else 0.85)
    canvas.fill(ring(c, c, 7.6, 2.0), red, 1.0 if enabled else 0.85)
    canvas.fill(circle(c, c, 1.9), red, 1.0 if enabled else 0.85)
    return canvas


def help_picture():
    """A blue disc with a white question mark, 20 x 20. The menu's image list draws it without a mask,
    so it stands on the colour of the menu's icon column and its soft edges are blended towards it."""
    mask = face = (236, 233, 216)
    canvas = Canvas(20, 20)
    canvas.fill(circle(10, 10, 9.2), (28, 96, 196))
    canvas.fill(intersect(ring(10, 10, 8.4, 1.2), half_plane(0, 1, 10)), (86, 150, 232), 0.8)  # light on top
    canvas.fill(arc(10, 7.8, 3.0, 2.3, 180, 405), (255, 255, 255))  # the hook of the question mark
    canvas.fill(segment(12.12, 9.92, 10, 11.6, 2.3), (255, 255, 255))
    canvas.fill(segment(10, 11.6, 10, 12.4, 2.3), (255, 255, 255))
    canvas.fill(circle(10, 15.4, 1.4), (255, 255, 255))
    rows = []
    for y in range(20):
        row = []
        for x in range(20):
            r, g, b, a = canvas.px[y][x]
            if a < 0.2:
                row.append(mask)
            else:
                # Soft edges are blended towards the usual button face so they look right there.
                row.append(tuple(int(round((c * a + f / 255 * (1 - a)) * 255)) for c, f in zip((r, g, b), face)))
        rows.append(row)
    return rows


def mouse_icon(size):
    """A mouse with its left button lit and click waves above it, laid out on a 48-unit grid; strokes
    are whole pixels wide and sit on pixel edges or centres so that small sizes stay sharp."""
    s = size / 48
    outline, divider = {16: (1, 1), 32: (2, 2), 48: (3, 2)}[size]
    dark = (48, 52, 64)
    cx, cy, half_w, half_h, corner = 30 * s, 30 * s, 12 * s, 15 * s, 8 * s
    canvas = Canvas(size, size)
    body = rounded_box(cx, cy, half_w, half_h, corner)
    canvas.fill(body, dark)
    inner = rounded_box(cx, cy, half_w - outline, half_h - outline, corner - outline)
    canvas.fill(inner, (236, 238, 244))
    split_x, split_y = _on_pixels(cx, divider), _on_pixels(27 * s, divider)
    canvas.fill(intersect(inner, half_plane(1, 0, split_x), half_plane(0, 1, split_y)), (40, 120, 230))
    canvas.fill(intersect(body, segment(cx - half_w, split_y, cx + half_w, split_y, divider)), dark)
    canvas.fill(intersect(body, segment(split_x, cy - half_h, split_x, split_y, divider)), dark)
    radii, wave = ((9, 16.5), 1.4) if size == 16 else ((7, 12.5, 18), 2.6 * s)
    for r in radii:
        canvas.fill(arc(19 * s, 19 * s, r * s, wave, 190, 260), (245, 150, 20))
    return canvas


def _on_pixels(v, width):
    """Where to centre a stroke `width` whole pixels wide near v so that it covers whole pixels."""
    return math.floor(v) + 0.5 if width % 2 else float(round(v))


def main():
    for name, enabled in (("view_pos.png", True), ("view_pos_dis.png", False)):
        canvas = target(enabled)
        rows = [[canvas.rgba_bytes(y, x) for x in range(canvas.width)] for y in range(canvas.height)]
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(png_bytes(canvas.width, canvas.height, rows))
    with open(os.path.join(HERE, "help.bmp"), "wb") as f:
        f.write(bmp24_bytes(20, 20, help_picture()))
    images = []
    for bits in (4, 8, 32):
        for size in (16, 32, 48):
            images.append((size, bits, icon_image(size, bits, mouse_icon(size))))
    with open(os.path.join(HERE, "tapwell.ico"), "wb") as f:
        f.write(ico_bytes(images))


if __name__ == "__main__":
    main()
