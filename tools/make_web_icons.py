#!/usr/bin/env python3
"""Writes the web app's icons from the program's own icon.

Takes the largest image of the .ico (of those, the deepest), with its transparency mask,
and scales it up to each size asked for (nearest pixel, so the tile's edges stay crisp),
as RGBA PNG files. Standard library only; the same input gives the same bytes.

Usage: make_web_icons.py ICO OUTPUT_DIR SIZE...   (writes OUTPUT_DIR/icon-SIZE.png)
"""

import struct
import sys
import zlib
from pathlib import Path


def largest_image(ico):
    _, kind, count = struct.unpack_from("<HHH", ico, 0)
    if kind != 1 or count == 0:
        raise ValueError("not an icon file")
    entries = []
    for index in range(count):
        width, height, _, _, _, bpp, size, offset = struct.unpack_from("<BBBBHHII", ico, 6 + 16 * index)
        entries.append(((width or 256), bpp, offset, size))
    width, _, offset, size = max(entries)
    return width, ico[offset:offset + size]


def rgba_rows(width, image):
    """The image's pixels as rows of (r, g, b, a), top row first."""
    if image.startswith(b"\x89PNG"):
        raise ValueError("PNG images in the icon are not read here")
    header_size, bmp_width, _, _, bpp = struct.unpack_from("<IiiHH", image, 0)
    colours = struct.unpack_from("<I", image, 32)[0] or (1 << bpp if bpp <= 8 else 0)
    palette_at = header_size
    pixels_at = palette_at + 4 * colours
    stride = ((bmp_width * bpp + 31) // 32) * 4
    mask_at = pixels_at + stride * bmp_width
    mask_stride = ((bmp_width + 31) // 32) * 4
    rows = []
    for y in range(bmp_width - 1, -1, -1):  # bottom-up
        row = []
        for x in range(bmp_width):
            if bpp in (24, 32):
                b, g, r = image[pixels_at + y * stride + x * (bpp // 8):][:3]
            else:
                bit = x * bpp
                byte = image[pixels_at + y * stride + bit // 8]
                index = (byte >> (8 - bpp - bit % 8)) & ((1 << bpp) - 1)
                b, g, r = image[palette_at + 4 * index:][:3]
            if bpp == 32:
                alpha = image[pixels_at + y * stride + x * 4 + 3]
            else:
                masked = image[mask_at + y * mask_stride + x // 8] >> (7 - x % 8) & 1
                alpha = 0 if masked else 255
            row.append((r, g, b, alpha))
        rows.append(row)
    return rows


def png(rows, size):
    source = len(rows)
    raw = bytearray()
    for y in range(size):
        raw.append(0)
        line = rows[y * source // size]
        for x in range(size):
            raw.extend(line[x * source // size])

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def main(argv):
    if len(argv) < 4:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    width, image = largest_image(Path(argv[1]).read_bytes())
    rows = rgba_rows(width, image)
    for size in argv[3:]:
        Path(argv[2], f"icon-{size}.png").write_bytes(png(rows, int(size)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
