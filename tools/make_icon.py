#!/usr/bin/env python3
"""Draws Velmora's application icon and writes it as a Windows icon group.

The artwork is a single letter tile: a rounded amber square with a dark
border, a darker lip along its bottom edge that gives it thickness, and a dark
capital "V" on its face (with the letter's point value on the larger sizes).
Every pixel is computed from shapes, supersampled, so no image library is
needed: only Python 3's standard library.

The output holds nine classic BMP-in-ICO images, 48, 32 and 16 pixels square,
each at 4, 8 and 24 bits per pixel, with a 1-bpp AND mask that makes
everything outside the tile transparent. Every run writes the same bytes.

With --png DIR it also writes DIR/velmora-48.png, -32 and -16: the same
artwork as 8-bit RGBA for Linux desktops' icon themes. Their alpha is the
share of each pixel the tile covers, so the rounded corners are transparent
and the edges smooth.

Usage: make_icon.py [--png DIR] [OUTPUT]   (default: res/velmora.ico)
"""

import argparse
import struct
import sys
import zlib
from collections import Counter
from dataclasses import dataclass
from pathlib import Path

SIZES = (48, 32, 16)
DEPTHS = (4, 8, 24)
SUPERSAMPLE = 8  # samples per pixel along each axis
DEFAULT_OUTPUT = Path(__file__).resolve().parent.parent / "res" / "velmora.ico"

# The artwork's colours. They are chosen so that, reduced to the 16 VGA
# colours, the face becomes yellow, the lip olive, border and ink black and the
# highlight white: the tile still reads as a tile at 4 bits per pixel.
INK = (46, 26, 14)
BORDER = (56, 32, 16)
SIDE = (184, 112, 36)
FACE_TOP = (252, 206, 96)
FACE_BOTTOM = (236, 168, 58)
HIGHLIGHT = (255, 240, 190)

# The standard 16-colour VGA palette, in the order Windows uses for 4-bpp bitmaps.
VGA_PALETTE = (
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
)

# A 3x5 bitmap of the digit "4", the point value of a V tile in the usual
# letter-tile games. Only this glyph is ever drawn, so only it is kept.
DIGIT_FOUR = ("#.#", "#.#", "###", "..#", "..#")


@dataclass(frozen=True)
class Layout:
    """Where the tile's parts go at one icon size, in pixels.

    Tuned per size rather than scaled, so edges land on whole pixels and the
    letter keeps a stroke of at least two pixels at 16 px.
    """
    margin: float        # transparent gap around the tile
    radius: float        # corner radius of the tile's outline
    border: float        # width of the dark outline
    lip: float           # height of the darker bottom edge
    shine: float         # height of the highlight along the face's top
    v_box: tuple         # (left, top, right, bottom) of the letter
    v_stroke: float      # horizontal width of each arm of the letter
    digit_scale: int     # pixels per cell of the point value; 0 hides it


LAYOUTS = {
    48: Layout(2, 8, 2, 4, 1, (11, 9, 35, 36), 7.0, 2),
    32: Layout(1, 6, 1, 3, 1, (7, 6, 24, 24), 5.0, 1),
    16: Layout(0, 3.5, 1, 1, 0, (3, 2, 13, 14), 2.6, 0),
}


def in_rounded_rect(x, y, left, top, right, bottom, radius):
    """Tells whether (x, y) lies inside a rectangle with rounded corners."""
    if not (left <= x <= right and top <= y <= bottom):
        return False
    nearest_x = min(max(x, left + radius), right - radius)
    nearest_y = min(max(y, top + radius), bottom - radius)
    return (x - nearest_x) ** 2 + (y - nearest_y) ** 2 <= radius ** 2


def in_letter_v(x, y, box, stroke):
    """Tells whether (x, y) lies on a bold sans-serif capital V.

    Each arm runs from a top corner of the box to the bottom centre, with a
    constant horizontal width, so the letter has flat ends top and bottom.
    """
    left, top, right, bottom = box
    if not (top <= y <= bottom):
        return False
    centre = (left + right) / 2
    progress = (y - top) / (bottom - top)
    arm_offset = (centre - left - stroke / 2) * (1 - progress)
    return abs(abs(x - centre) - arm_offset) <= stroke / 2


def in_digit(x, y, size, layout):
    """Tells whether (x, y) lies on the point value in the face's lower right."""
    scale = layout.digit_scale
    if scale == 0:
        return False
    face_right = size - layout.margin - layout.border
    face_bottom = size - layout.margin - layout.border - layout.lip
    left = face_right - (3 + 2) * scale
    top = face_bottom - (5 + 2) * scale
    column, row = int((x - left) // scale), int((y - top) // scale)
    return 0 <= row < 5 and 0 <= column < 3 and DIGIT_FOUR[row][column] == "#"


def mix(colour_a, colour_b, weight):
    """Blends two colours; weight 0 gives colour_a, 1 gives colour_b."""
    return tuple(a + (b - a) * weight for a, b in zip(colour_a, colour_b))


def sample(x, y, size, layout):
    """The artwork at one point: (part name, colour), or None where empty."""
    outer = size - layout.margin
    if not in_rounded_rect(x, y, layout.margin, layout.margin, outer, outer,
                           layout.radius):
        return None
    edge, inner = layout.margin + layout.border, outer - layout.border
    inner_radius = layout.radius - layout.border
    face_bottom = inner - layout.lip
    if not in_rounded_rect(x, y, edge, edge, inner, inner, inner_radius):
        return "border", BORDER
    if not in_rounded_rect(x, y, edge, edge, inner, face_bottom, inner_radius):
        return "side", SIDE
    if in_letter_v(x, y, layout.v_box, layout.v_stroke) or in_digit(x, y, size, layout):
        return "ink", INK
    if y < edge + layout.shine:
        return "shine", HIGHLIGHT
    shade = (x + y - 2 * edge) / (inner + face_bottom - 2 * edge)
    return "face", mix(FACE_TOP, FACE_BOTTOM, shade)


def pixel_samples(px, py, size, layout):
    """The samples of one pixel that fall on the artwork, as (part, colour)."""
    points = ((px + (sx + 0.5) / SUPERSAMPLE, py + (sy + 0.5) / SUPERSAMPLE)
              for sy in range(SUPERSAMPLE) for sx in range(SUPERSAMPLE))
    return [hit for hit in (sample(x, y, size, layout) for x, y in points) if hit]


def render_pixel(px, py, size, layout, sharp):
    """One pixel's colour, or None when less than half of it is covered.

    The AND mask is one bit deep, so coverage only decides opacity, and the
    colour averages the covered samples alone: no fringe of an assumed
    background creeps into the edge. A sharp pixel averages only the samples
    of the part that covers most of it, so a 16-colour image gets no
    in-between shades that its palette would turn into stray colours.
    """
    hits = pixel_samples(px, py, size, layout)
    if 2 * len(hits) < SUPERSAMPLE ** 2:
        return None
    if sharp:
        parts = [part for part, _ in hits]
        dominant = max(parts, key=parts.count)  # max keeps the first on a tie
        hits = [hit for hit in hits if hit[0] == dominant]
    return tuple(round(sum(colour[i] for _, colour in hits) / len(hits))
                 for i in range(3))


def render(size, sharp):
    """Draws the icon at one size: rows top-down of RGB tuples or None."""
    layout = LAYOUTS[size]
    return [[render_pixel(px, py, size, layout, sharp) for px in range(size)]
            for py in range(size)]


def build_8bpp_palette(rows):
    """Black, the image's own colours, then a 6x6x6 colour cube up to 256.

    Black comes first because transparent pixels must have index 0 and
    colour 0 in the XOR bitmap. The drawing has fewer than 256 colours, so
    it is stored exactly; should it ever have more, the most frequent ones
    are kept and the rest go to their nearest entry.
    """
    counts = Counter(c for row in rows for c in row if c is not None)
    palette = [(0, 0, 0)]
    ranked = sorted(counts, key=lambda c: (-counts[c], c))
    palette += [c for c in ranked if c != (0, 0, 0)][:255]
    levels = (0, 51, 102, 153, 204, 255)
    cube = [(r, g, b) for r in levels for g in levels for b in levels]
    used = set(palette)
    palette += [c for c in cube if c not in used][:256 - len(palette)]
    return palette


def nearest_index(colour, palette, cache):
    """Index of the palette colour closest to colour (first one on a tie)."""
    if colour not in cache:
        cache[colour] = min(range(len(palette)), key=lambda i: sum(
            (a - b) ** 2 for a, b in zip(colour, palette[i])))
    return cache[colour]


def pad_row(data):
    """Pads a bitmap row to the 4-byte boundary BMP rows need."""
    return data + b"\0" * (-len(data) % 4)


def pack_indices(indices, depth):
    """Packs palette indices into bytes, most significant bits first."""
    if depth == 8:
        return bytes(indices)
    pairs = indices + [0] * (len(indices) % 2)
    return bytes((pairs[i] << 4) | pairs[i + 1] for i in range(0, len(pairs), 2))


def xor_bitmap(rows, depth, palette):
    """The colour bitmap, bottom row first; transparent pixels are black."""
    cache, out = {}, b""
    for row in reversed(rows):
        if depth == 24:
            data = b"".join(bytes((c[2], c[1], c[0])) if c else b"\0\0\0" for c in row)
        else:
            data = pack_indices([nearest_index(c, palette, cache) if c else 0
                                 for c in row], depth)
        out += pad_row(data)
    return out


def and_mask(rows):
    """The 1-bpp transparency mask, bottom row first; 1 means transparent."""
    out = b""
    for row in reversed(rows):
        bits = [1 if c is None else 0 for c in row]
        bits += [0] * (-len(bits) % 8)
        data = bytes(sum(bit << (7 - i) for i, bit in enumerate(bits[n:n + 8]))
                     for n in range(0, len(bits), 8))
        out += pad_row(data)
    return out


def encode_image(rows, depth):
    """One icon image: BITMAPINFOHEADER, palette, XOR bitmap, AND mask."""
    size = len(rows)
    palette = {4: VGA_PALETTE, 8: build_8bpp_palette(rows), 24: ()}[depth]
    pixels = xor_bitmap(rows, depth, palette) + and_mask(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, depth, 0,
                         len(pixels), 0, 0, 0, 0)
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return header + colours + pixels


def encode_icon(images):
    """The icon group file: ICONDIR, one ICONDIRENTRY per image, the images.

    images is a list of (size, depth, encoded image bytes).
    """
    offset = 6 + 16 * len(images)
    out = struct.pack("<HHH", 0, 1, len(images))
    for size, depth, data in images:
        colour_count = 16 if depth == 4 else 0
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colour_count, 0,
                           1, depth, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, _, data in images)


def render_rgba_pixel(px, py, size, layout):
    """One pixel as (r, g, b, a): alpha is the covered share of the pixel.

    The colour averages the covered samples alone, as in the icon, so a
    half-covered edge pixel is the tile's colour at half opacity rather than
    a blend with some assumed background.
    """
    hits = pixel_samples(px, py, size, layout)
    if not hits:
        return (0, 0, 0, 0)
    rgb = tuple(round(sum(colour[i] for _, colour in hits) / len(hits))
                for i in range(3))
    return rgb + (round(255 * len(hits) / SUPERSAMPLE ** 2),)


def png_chunk(kind, data):
    """One PNG chunk: length, type, data and the CRC of type and data."""
    return (struct.pack(">I", len(data)) + kind + data
            + struct.pack(">I", zlib.crc32(kind + data)))


def encode_png(size):
    """The artwork at one size as a PNG file: 8-bit RGBA, no filtering."""
    layout = LAYOUTS[size]
    raw = b"".join(
        b"\0" + b"".join(bytes(render_rgba_pixel(px, py, size, layout))
                         for px in range(size))
        for py in range(size))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def encode_ico():
    """The whole icon group, every size at every depth."""
    images = []
    for size in SIZES:
        smooth, sharp = render(size, sharp=False), render(size, sharp=True)
        images += [(size, depth, encode_image(sharp if depth == 4 else smooth, depth))
                   for depth in DEPTHS]
    return encode_icon(images)


def write_file(path, data):
    """Writes data to path; tells on stderr and returns False on failure."""
    try:
        with open(path, "wb") as stream:
            stream.write(data)
    except OSError as error:
        sys.stderr.write(f"make_icon.py: cannot write {path}: {error.strerror}\n")
        return False
    return True


def parse_arguments(argv):
    parser = argparse.ArgumentParser(
        prog="make_icon.py", description="Draws Velmora's application icon.")
    parser.add_argument("output", nargs="?", default=DEFAULT_OUTPUT,
                        help="the .ico file to write (default: res/velmora.ico)")
    parser.add_argument("--png", metavar="DIR",
                        help="also write velmora-48.png, -32 and -16 into DIR")
    return parser.parse_args(argv[1:])


def main(argv):
    arguments = parse_arguments(argv)
    if not write_file(arguments.output, encode_ico()):
        return 1
    if arguments.png is not None:
        for size in SIZES:
            path = Path(arguments.png) / f"velmora-{size}.png"
            if not write_file(path, encode_png(size)):
                return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
