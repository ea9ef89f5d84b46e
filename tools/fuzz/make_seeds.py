#!/usr/bin/env python3
"""Writes the seed inputs of the metafile fuzzer: the shipped board, and small metafiles
that use every kind of record the player knows. Each input starts with the byte that
tells the fuzz harness whether to mend the header checksum (0: keep it as written)."""
import os
import struct
import sys

here = os.path.dirname(os.path.abspath(__file__))
root = os.path.dirname(os.path.dirname(here))
out = os.path.join(root, "tests", "fuzz", "metafile", "corpus")


def record(function, *words):
    return struct.pack("<IH", 3 + len(words), function) + b"".join(struct.pack("<H", w & 0xFFFF) for w in words)


def raw(function, payload):
    if len(payload) % 2:
        payload += b"\0"
    return struct.pack("<IH", 3 + len(payload) // 2, function) + payload


def metafile(body, objects=4, box=(0, 0, 1000, 1000), inch=1440):
    header = struct.pack("<IHhhhhHIH", 0x9AC6CDD7, 0, *box, inch, 0, 0)
    checksum = 0
    for i in range(10):
        checksum ^= struct.unpack_from("<H", header, 2 * i)[0]
    header = header[:20] + struct.pack("<H", checksum)
    body = body + record(0x0000)
    meta = struct.pack("<HHHIHIH", 1, 9, 0x0300, 9 + len(body) // 2, objects, 64, 0)
    return header + meta + body


def colour(r, g, b):
    return (r | (g << 8), b)


def brush(r, g, b, style=0, hatch=0):
    return record(0x02FC, style, *colour(r, g, b), hatch)


def pen(r, g, b, width=1, style=0):
    return record(0x02FA, style, width, 0, *colour(r, g, b))


def font(height, name=b"Arial", weight=400):
    face = name + b"\0" * (32 - len(name))
    return raw(0x02FB, struct.pack("<hhhhhBBBBBBBB", height, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, 0, 0x20) + face)


def text_out(x, y, s):
    payload = struct.pack("<h", len(s)) + s + (b"\0" if len(s) % 2 else b"") + struct.pack("<hh", y, x)
    return raw(0x0521, payload)


def ext_text_out(x, y, s, options=0, rect=None):
    payload = struct.pack("<hhhH", y, x, len(s), options)
    if rect:
        payload += struct.pack("<hhhh", *rect)
    payload += s + (b"\0" if len(s) % 2 else b"")
    return raw(0x0A32, payload)


def points(function, pts):
    return record(function, len(pts), *[v for p in pts for v in p])


seeds = {
    "shapes": metafile(
        record(0x020B, 0, 0) + record(0x020C, 1000, 1000) + brush(200, 30, 30) + record(0x012D, 0)
        + pen(0, 0, 0, 3) + record(0x012D, 1) + record(0x041B, 900, 900, 100, 100)
        + record(0x0418, 800, 700, 200, 300) + record(0x061C, 50, 50, 950, 950, 10, 10)
        + record(0x01F0, 0) + brush(0, 0, 0, 1) + record(0x012D, 0)
        + record(0x0817, 100, 900, 900, 100, 900, 900, 100, 100)
        + record(0x081A, 500, 900, 500, 100, 900, 900, 100, 100)
        + record(0x0830, 100, 100, 900, 900, 800, 800, 200, 200)),
    "lines": metafile(
        pen(0, 0, 255, 2, 0x2100) + record(0x012D, 0) + record(0x0214, 10, 10) + record(0x0213, 990, 990)
        + points(0x0325, [(0, 0), (500, 900), (900, 100)]) + record(0x041F, 0, 255, 40, 40)),
    "polygons": metafile(
        record(0x0106, 2) + brush(20, 200, 40) + record(0x012D, 0)
        + points(0x0324, [(100, 100), (900, 100), (500, 900)])
        + record(0x0538, 2, 3, 3, 0, 0, 500, 0, 250, 500, 500, 500, 1000, 500, 750, 1000)),
    "text": metafile(
        record(0x0209, *colour(255, 255, 0)) + record(0x0201, *colour(0, 0, 0)) + record(0x0102, 1)
        + record(0x012E, 0x0018) + font(-200) + record(0x012D, 0) + text_out(100, 500, b"Quill")
        + record(0x012E, 0x0006) + ext_text_out(500, 800, b"mark", 0x0006, (0, 600, 1000, 900))),
    "state": metafile(
        record(0x001E) + record(0x020F, 10, 10) + record(0x0410, 1, 2, 1, 2) + brush(9, 9, 9)
        + record(0x012D, 0) + record(0x0127, -1) + record(0x041B, 500, 500, 0, 0)
        + raw(0x00F7, struct.pack("<HH", 0x300, 1) + bytes([255, 0, 0, 0]))
        + raw(0x06FF, b"\0" * 22) + record(0x0142, 0, 0) + record(0x01F9) + record(0x01F0, 0), objects=8),
}

os.makedirs(out, exist_ok=True)
with open(os.path.join(root, "assets", "Images", "BOARD.WMF"), "rb") as f:
    board = f.read()
with open(os.path.join(out, "seed-board"), "wb") as f:
    f.write(b"\0" + board)
for name, data in seeds.items():
    with open(os.path.join(out, "seed-" + name), "wb") as f:
        f.write(b"\0" + data)
print("wrote", len(seeds) + 1, "seeds to", out, file=sys.stderr)
