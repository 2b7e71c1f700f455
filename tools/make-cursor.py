#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes assets/hand.cur: the pointing-hand cursor shown over clickable things.

The file is a Windows cursor with one 32x32 image, 4 bits per pixel, using the
standard 16-colour Windows palette. The picture is drawn below as ASCII art,
one character per pixel; the hot spot is the tip of the index finger.

Usage: make-cursor.py [PNG]  -- also writes an 8x enlarged PNG preview to PNG.
"""
import struct
import sys
import zlib
from pathlib import Path

# The standard 16-colour Windows palette, in palette-index order, with the
# character that stands for each colour in the picture.
PALETTE = [
    ("k", "black", 0x000000), ("m", "maroon", 0x800000),
    ("e", "green", 0x008000), ("o", "olive", 0x808000),
    ("n", "navy", 0x000080), ("p", "purple", 0x800080),
    ("t", "teal", 0x008080), ("s", "silver", 0xC0C0C0),
    ("g", "grey", 0x808080), ("r", "red", 0xFF0000),
    ("l", "lime", 0x00FF00), ("y", "yellow", 0xFFFF00),
    ("b", "blue", 0x0000FF), ("f", "fuchsia", 0xFF00FF),
    ("a", "aqua", 0x00FFFF), ("w", "white", 0xFFFFFF),
]
TRANSPARENT = "."
HOTSPOT = (12, 1)  # x, y from the top-left corner: the fingertip

# Grey outline, white fill, silver creases; navy and blue cuff at the bottom.
HAND = [
    "................................",
    "...........ggg..................",
    "..........gwwwg.................",
    "..........gwwwg.................",
    "..........gwwwg.................",
    "..........gwwwg.................",
    "..........gwwwg.................",
    "..........gwwwg.................",
    "..........gwwwgggg..............",
    "..........gwwwgwwwgggg..........",
    "..........gwwwgwwwgwwwggg.......",
    "..........gwwwgwwwgwwwgwwg......",
    "..........gwwwswwwswwwswwwg.....",
    "...ggg....gwwwswwwswwwswwwg.....",
    "..gwwwg...gwwwwwwwwwwwwwwwg.....",
    "..gwwwwg..gwwwwwwwwwwwwwwwg.....",
    "...gwwwwg.gwwwwwwwwwwwwwwwg.....",
    "....gwwwwggwwwwwwwwwwwwwwwg.....",
    ".....gwwwwswwwwwwwwwwwwwwwg.....",
    "......gwwwwswwwwwwwwwwwwwwg.....",
    ".......gwwwwwwwwwwwwwwwwwwg.....",
    "........gwwwwwwwwwwwwwwwwg......",
    ".........gwwwwwwwwwwwwwwwg......",
    ".........gwwwwwwwwwwwwwwg.......",
    "..........gwwwwwwwwwwwwwg.......",
    "..........gwwwwwwwwwwwwwg.......",
    ".........nnnnnnnnnnnnnnnnn......",
    ".........nbbbbbbbbbbbbbbbn......",
    ".........nbbbbbbbbbbbbbbbn......",
    ".........nbbbbbbbbbbbbbbbn......",
    ".........nbbbbbbbbbbbbbbbn......",
    ".........nnnnnnnnnnnnnnnnn......",
]

SIZE = 32
INDEX = {ch: i for i, (ch, _, _) in enumerate(PALETTE)}


def cursor_bytes(rows, hotspot):
    """Encodes the picture as a .cur file: directory, one DIB image."""
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # DIB rows are stored bottom-up
        idx = [INDEX.get(ch, 0) for ch in row]  # transparent pixels are 0
        xor += bytes(idx[x] << 4 | idx[x + 1] for x in range(0, SIZE, 2))
        bits = "".join("1" if ch == TRANSPARENT else "0" for ch in row)
        mask += int(bits, 2).to_bytes(SIZE // 8, "big")  # rows are 4 bytes
    palette = b"".join(struct.pack("<BBBB", c & 0xFF, c >> 8 & 0xFF, c >> 16, 0)
                       for _, _, c in PALETTE)
    # BITMAPINFOHEADER: the height counts the XOR image and the AND mask.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    image = header + palette + xor + mask
    # ICONDIR (type 2 = cursor, one entry), then the entry whose planes and
    # bit-count fields hold the hot spot in a cursor file.
    directory = struct.pack("<HHH", 0, 2, 1) + struct.pack(
        "<BBBBHHII", SIZE, SIZE, 16, 0, hotspot[0], hotspot[1], len(image), 22)
    return directory + image


def check(data, rows, hotspot):
    """Reads the file back and fails loudly if anything is off."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    w, h, colours, _, hx, hy, size, offset = struct.unpack_from("<BBBBHHII", data, 6)
    bi_size, bi_w, bi_h, _, bpp = struct.unpack_from("<IiiHH", data, offset)
    problems = [name for name, ok in [
        ("file size 766", len(data) == 766),
        ("cursor directory with one image", (reserved, kind, count) == (0, 2, 1)),
        ("32x32, 16 colours", (w, h, colours) == (32, 32, 16)),
        ("hot spot", (hx, hy) == hotspot),
        ("image size and offset", (offset, offset + size) == (22, len(data))),
        ("BITMAPINFOHEADER 32x64, 4 bpp", (bi_size, bi_w, bi_h, bpp) == (40, 32, 64, 4)),
        ("32 rows of 32 known characters",
         len(rows) == SIZE and all(len(r) == SIZE and set(r) <= set(INDEX) | {TRANSPARENT}
                                   for r in rows)),
        ("hot spot on the hand", rows[hotspot[1]][hotspot[0]] != TRANSPARENT),
    ] if not ok]
    if problems:
        sys.exit("ERROR: hand.cur is wrong: " + ", ".join(problems))


def preview_png(rows, scale=8):
    """An enlarged RGBA PNG of the picture, for looking at it."""
    colours = {ch: c for ch, _, c in PALETTE}
    raw = bytearray()
    for row in rows:
        line = b"".join(b"\0\0\0\0" if ch == TRANSPARENT else
                        (colours[ch] << 8 | 0xFF).to_bytes(4, "big") for ch in row)
        line = b"".join(line[i:i + 4] * scale for i in range(0, len(line), 4))
        raw += (b"\0" + line) * scale
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body)))
    side = SIZE * scale
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", side, side, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def main():
    out = Path(__file__).resolve().parent.parent / "assets" / "hand.cur"
    out.parent.mkdir(exist_ok=True)
    data = cursor_bytes(HAND, HOTSPOT)
    check(data, HAND, HOTSPOT)
    out.write_bytes(data)
    used = sorted({ch for row in HAND for ch in row} - {TRANSPARENT}, key=INDEX.get)
    print(f"wrote {out}: {len(data)} bytes, 32x32 4-bit cursor, hot spot {HOTSPOT}, "
          f"colours: {', '.join(PALETTE[INDEX[ch]][1] for ch in used)}")
    if len(sys.argv) > 1:
        Path(sys.argv[1]).write_bytes(preview_png(HAND))
        print(f"wrote preview {sys.argv[1]}")


if __name__ == "__main__":
    main()
