#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the Brindlecast Match Maker window icon and writes it as

  assets/matchmaker.ico  - one 32x32 image, 4 bits per pixel, standard
                           16-colour Windows palette, with a transparency mask
  assets/icons/hicolor/NxN/apps/matchmaker.png - the same picture scaled
                           nearest-neighbour (so it stays crisp) for desktops

The picture: a red heart with a white question mark, and the four companions
as four coloured dots. Standard library only; the script re-reads what it
wrote and fails if a file is not what it should be.
"""
import struct
import sys
import zlib
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
ICO = ROOT / "assets" / "matchmaker.ico"
PNG_SIZES = (16, 32, 48, 64, 128, 256)
SIZE = 32

# The standard 16-colour Windows palette, in its usual index order.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, MAROON, RED, LIME, YELLOW, BLUE, AQUA, WHITE = 0, 1, 9, 10, 11, 12, 14, 15

# The question mark, drawn by hand: '#' is white.
QUESTION = """\
..######..
.########.
###....###
##......##
.......###
.....####.
....###...
....##....
..........
....##....
....##....
"""
# The four companions: round dots in a smile under the question mark, given
# by their top-left corners.
DOT = """\
.##.
####
####
.##.
"""
DOTS = ((6, 16, YELLOW), (11, 18, LIME), (17, 18, AQUA), (22, 16, BLUE))


def in_heart(x, y):
    """Whether pixel (x, y) lies inside the heart (y grows downwards): a
    square standing on one corner with a disc on each of its upper sides."""
    a, tip = 17.6, 30.6  # square side; y of the bottom point
    px, py = x + 0.5, y + 0.5
    h = a / 2 ** 0.5  # half the square's diagonal
    if abs(px - 16) + abs(py - (tip - h)) <= h:
        return True
    cy = tip - 1.5 * h  # centres of the discs, at the middles of the upper sides
    return any((px - cx) ** 2 + (py - cy) ** 2 <= (a / 2) ** 2
               for cx in (16 - h / 2, 16 + h / 2))


def draw():
    """Returns the picture as rows of palette indices, None where transparent."""
    img = [[RED if in_heart(x, y) else None for x in range(SIZE)] for y in range(SIZE)]

    def inside(x, y):
        return 0 <= x < SIZE and 0 <= y < SIZE and img[y][x] is not None

    # Black outline on the heart's edge pixels, a maroon shade just inside it
    # on the lower right, a white gleam on the left lobe.
    around = ((1, 0), (-1, 0), (0, 1), (0, -1))
    edge = [(x, y) for y in range(SIZE) for x in range(SIZE) if inside(x, y)
            and not all(inside(x + dx, y + dy) for dx, dy in around)]
    for x, y in edge:
        img[y][x] = BLACK
    for x, y in edge:
        if x + y >= SIZE + 4:
            for dx, dy in ((-1, 0), (0, -1)):
                if img[y + dy][x + dx] == RED:
                    img[y + dy][x + dx] = MAROON
    for x, y in ((6, 7), (5, 8), (5, 9), (7, 6), (8, 6)):
        img[y][x] = WHITE

    def stamp(pattern, x0, y0, colour):
        for dy, row in enumerate(pattern.splitlines()):
            for dx, ch in enumerate(row):
                if ch == "#":
                    img[y0 + dy][x0 + dx] = colour

    stamp(QUESTION, 11, 6, WHITE)
    for x0, y0, colour in DOTS:
        stamp(DOT, x0, y0, colour)
    return img


def ico_bytes(img):
    """Packs the picture as a one-image .ico: header, directory entry,
    BITMAPINFOHEADER, palette, 4-bit colour rows and 1-bit mask rows, both
    stored bottom row first. Transparent pixels: colour 0, mask bit 1."""
    xor = bytearray()
    mask = bytearray()
    for row in reversed(img):
        idx = [0 if p is None else p for p in row]
        xor += bytes(idx[i] << 4 | idx[i + 1] for i in range(0, SIZE, 2))
        bits = sum(1 << (SIZE - 1 - x) for x, p in enumerate(row) if p is None)
        mask += bits.to_bytes(SIZE // 8, "big")  # rows are already 4-byte aligned
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0,
                       len(xor) + len(mask), 0, 0, 16, 0)
    image = info + palette + xor + mask
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return header + entry + image


def check(ok, what):
    if not ok:
        sys.exit(f"make-icon.py: {what}")


def read_ico(data):
    """Parses a file written by ico_bytes back into rows of palette indices,
    checking every header field on the way."""
    check(len(data) == 766, f"ico is {len(data)} bytes, expected 766")
    check(struct.unpack_from("<HHH", data, 0) == (0, 1, 1), "not a one-image icon")
    entry = struct.unpack_from("<BBBBHHII", data, 6)
    check(entry == (32, 32, 16, 0, 1, 4, 744, 22), f"bad directory entry {entry}")
    info = struct.unpack_from("<IiiHHIIiiII", data, 22)
    check(info == (40, 32, 64, 1, 4, 0, 640, 0, 0, 16, 0), f"bad BITMAPINFOHEADER {info}")
    pal = [tuple(data[62 + 4 * i:62 + 4 * i + 3][::-1]) for i in range(16)]
    check(pal == PALETTE, "palette is not the standard 16 colours")
    xor, mask = data[126:638], data[638:766]
    img = []
    for y in range(SIZE):
        row_x = xor[(SIZE - 1 - y) * 16:][:16]
        row_m = int.from_bytes(mask[(SIZE - 1 - y) * 4:][:4], "big")
        row = []
        for x in range(SIZE):
            p = row_x[x // 2] >> (4 if x % 2 == 0 else 0) & 15
            clear = row_m >> (SIZE - 1 - x) & 1
            check(not (clear and p), "transparent pixel with non-zero colour")
            row.append(None if clear else p)
        img.append(row)
    return img


def png_bytes(img, size):
    """An RGBA PNG of the picture at size x size, scaled nearest-neighbour
    (each output pixel takes the source pixel under its centre)."""
    src = [(2 * i + 1) * SIZE // (2 * size) for i in range(size)]
    img = [[img[y][x] for x in src] for y in src]
    raw = bytearray()
    for row in img:
        # Filter byte 0, then red, green, blue, alpha per pixel.
        raw += b"\0" + b"".join(bytes(PALETTE[p]) + b"\xff" if p is not None else bytes(4)
                                for p in row)

    def chunk(kind, body):
        crc = zlib.crc32(kind + body)
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", crc)

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def check_png(data, size):
    """Checks the PNG's signature, size, pixel format and pixel data length."""
    check(data[:16] == b"\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", "not a PNG")
    check(struct.unpack(">IIBB", data[16:26]) == (size, size, 8, 6),
          f"PNG is not {size}x{size} RGBA")
    (n,) = struct.unpack(">I", data[33:37])
    check(data[37:41] == b"IDAT" and len(zlib.decompress(data[41:41 + n])) == size * (1 + 4 * size),
          "PNG pixel data has the wrong length")


def main():
    img = draw()
    ICO.parent.mkdir(parents=True, exist_ok=True)
    ICO.write_bytes(ico_bytes(img))
    check(read_ico(ICO.read_bytes()) == img, "ico does not read back as drawn")
    print(f"wrote {ICO.relative_to(ROOT)} ({ICO.stat().st_size} bytes, 32x32, 4 bpp)")

    for n in PNG_SIZES:
        path = ROOT / "assets" / "icons" / "hicolor" / f"{n}x{n}" / "apps" / "matchmaker.png"
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(png_bytes(img, n))
        check_png(path.read_bytes(), n)
        print(f"wrote {path.relative_to(ROOT)} ({path.stat().st_size} bytes, {n}x{n})")

    # A text preview of the picture.
    keys = {None: " ", BLACK: "#", MAROON: "m", RED: "r", WHITE: "W",
            YELLOW: "y", LIME: "l", AQUA: "a", BLUE: "b"}
    for row in img:
        print("".join(keys.get(p, "?") for p in row))


if __name__ == "__main__":
    main()
