#!/usr/bin/env python3
"""Writes the fuzzer's seed files into corpus/: one small PNG of each colour type and bit depth the
loader meets (accepted and refused), palettes with and without tRNS, and an interlaced picture.
Standard library only. corpus/ also keeps inputs the fuzzer once found (huge-chunk-length.png: an
ancillary chunk whose length field made libpng ask for 1.6 GB); this script leaves them alone. Run: python3 tests/fuzz/make_corpus.py
"""

import os
import struct
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
ADAM7 = ((0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2))
CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def pack_row(samples, depth):
    """Packs samples of `depth` bits, most significant first, into whole bytes."""
    if depth == 16:
        return b"".join(struct.pack(">H", s) for s in samples)
    if depth == 8:
        return bytes(samples)
    out, acc, used = bytearray(), 0, 0
    for s in samples:
        acc, used = (acc << depth) | s, used + depth
        if used == 8:
            out.append(acc)
            acc, used = 0, 0
    if used:
        out.append(acc << (8 - used))
    return bytes(out)


def scanlines(pixels, width, height, depth, interlaced):
    """Filter-type-0 scanlines; pixels[y][x] is a list of samples."""
    passes = ADAM7 if interlaced else ((0, 0, 1, 1),)
    raw = b""
    for x0, y0, dx, dy in passes:
        for y in range(y0, height, dy):
            row = [s for x in range(x0, width, dx) for s in pixels[y][x]]
            if row:
                raw += b"\0" + pack_row(row, depth)
    return raw


def png(width, height, colour, depth, pixels, extra=b"", interlaced=False):
    header = struct.pack(">IIBBBBB", width, height, depth, colour, 0, 0, 1 if interlaced else 0)
    data = zlib.compress(scanlines(pixels, width, height, depth, interlaced), 9)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + extra + chunk(b"IDAT", data) + chunk(b"IEND", b"")


def picture(width, height, colour, depth):
    top = (1 << depth) - 1
    return [[[(x * 37 + y * 11 + c * 53) % (top + 1) for c in range(CHANNELS[colour])] for x in range(width)]
            for y in range(height)]


def main():
    os.makedirs(OUT, exist_ok=True)
    files = {}
    for colour, depths in ((0, (1, 2, 4, 8, 16)), (2, (8, 16)), (4, (8, 16)), (6, (8, 16))):
        for depth in depths:
            files["type%d-%dbit.png" % (colour, depth)] = png(5, 3, colour, depth, picture(5, 3, colour, depth))
    for depth in (1, 2, 4, 8):
        entries = min(1 << depth, 6)
        plte = chunk(b"PLTE", bytes((i * 40, 255 - i * 40, i * 20) [k] for i in range(entries) for k in range(3)))
        trns = chunk(b"tRNS", bytes(i * 50 for i in range(entries)))
        pixels = [[[(x + y) % entries] for x in range(5)] for y in range(3)]
        files["palette-%dbit.png" % depth] = png(5, 3, 3, depth, pixels, plte)
        files["palette-trns-%dbit.png" % depth] = png(5, 3, 3, depth, pixels, plte + trns)
    files["rgb-trns.png"] = png(4, 2, 2, 8, picture(4, 2, 2, 8), chunk(b"tRNS", struct.pack(">HHH", 0, 11, 22)))
    files["grey-trns.png"] = png(4, 2, 0, 8, picture(4, 2, 0, 8), chunk(b"tRNS", struct.pack(">H", 11)))
    files["rgba-interlaced.png"] = png(9, 9, 6, 8, picture(9, 9, 6, 8), interlaced=True)
    for name, data in files.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
