#!/usr/bin/env python3
"""Writes the program's pictures from the pixel grids in art/.

    make_pictures.py [OUTPUT_DIR]

OUTPUT_DIR defaults to the folder of this script, where the generated files are kept under
version control beside their sources:
    tarvolin.ico          application icon: 32x32 in 16 colours, 16x16 in 16 colours,
                          32x32 in 256 colours, each with a transparency mask
    icons/NxN.png         the application icon for desktops, 32x32 art scaled by whole pixels
    about.png             the about box picture, 32x32 in 256 colours

Each art file has a palette section ("char colour [stand-in]"; colour "none" is transparent,
the stand-in names the colour of the 16-colour icon images) and a pixel section with one
character per pixel. The output depends on nothing but the art, so it is the same byte for byte
on every run.
"""

import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ART = os.path.join(HERE, "art")

# The fixed 16-colour palette of the classic display adapters, in index order.
STANDARD_16 = [
    ("black", (0x00, 0x00, 0x00)), ("maroon", (0x80, 0x00, 0x00)),
    ("green", (0x00, 0x80, 0x00)), ("olive", (0x80, 0x80, 0x00)),
    ("navy", (0x00, 0x00, 0x80)), ("purple", (0x80, 0x00, 0x80)),
    ("teal", (0x00, 0x80, 0x80)), ("silver", (0xC0, 0xC0, 0xC0)),
    ("gray", (0x80, 0x80, 0x80)), ("red", (0xFF, 0x00, 0x00)),
    ("lime", (0x00, 0xFF, 0x00)), ("yellow", (0xFF, 0xFF, 0x00)),
    ("blue", (0x00, 0x00, 0xFF)), ("fuchsia", (0xFF, 0x00, 0xFF)),
    ("aqua", (0x00, 0xFF, 0xFF)), ("white", (0xFF, 0xFF, 0xFF)),
]
STANDARD_16_INDEX = {name: i for i, (name, _) in enumerate(STANDARD_16)}

ICON_SIZES = [16, 32, 48, 64, 128, 256]


class Art:
    """A pixel grid with its palette; colours[i] is None for a transparent entry."""

    def __init__(self, path):
        self.chars = []      # palette characters in file order
        self.colours = []    # (r, g, b) or None
        self.standins = []   # name in STANDARD_16 or None
        self.rows = []
        section = None
        with open(path, encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                line = line.rstrip("\n")
                where = f"{path}:{number}"
                if line.startswith("#") or not line.strip():
                    continue
                if line in ("palette:", "pixels:"):
                    section = line[:-1]
                elif section == "palette":
                    self._add_colour(line.split(), where)
                elif section == "pixels":
                    self.rows.append(line)
                else:
                    sys.exit(f"{where}: text outside a section")
        self.size = len(self.rows)
        for number, row in enumerate(self.rows):
            if len(row) != self.size:
                sys.exit(f"{path}: pixel row {number} is {len(row)} wide, not {self.size}")
            for c in row:
                if c not in self.chars:
                    sys.exit(f"{path}: pixel row {number} uses '{c}', which has no colour")

    def _add_colour(self, fields, where):
        if len(fields) not in (2, 3) or len(fields[0]) != 1 or fields[0] in self.chars:
            sys.exit(f"{where}: expected 'char colour [stand-in]'")
        colour = None
        if fields[1] != "none":
            value = fields[1].lstrip("#")
            if len(value) != 6:
                sys.exit(f"{where}: colour must be #rrggbb or none")
            colour = tuple(int(value[i:i + 2], 16) for i in (0, 2, 4))
        standin = fields[2] if len(fields) == 3 else None
        if standin is not None and standin not in STANDARD_16_INDEX:
            sys.exit(f"{where}: unknown stand-in colour '{standin}'")
        self.chars.append(fields[0])
        self.colours.append(colour)
        self.standins.append(standin)

    def indices(self):
        """Palette index of every pixel, top row first."""
        return [[self.chars.index(c) for c in row] for row in self.rows]

    def rgba(self):
        return [[self._rgba(i) for i in row] for row in self.indices()]

    def _rgba(self, index):
        colour = self.colours[index]
        return (0, 0, 0, 0) if colour is None else colour + (255,)

    def standard_16(self):
        """Index into STANDARD_16 of every pixel (None where transparent)."""
        result = []
        for row in self.indices():
            out = []
            for i in row:
                if self.colours[i] is None:
                    out.append(None)
                elif self.standins[i] is None:
                    sys.exit(f"colour '{self.chars[i]}' has no 16-colour stand-in")
                else:
                    out.append(STANDARD_16_INDEX[self.standins[i]])
            result.append(out)
        return result


def scaled(rows, size):
    """Nearest-neighbour scaling of a square grid."""
    n = len(rows)
    return [[rows[y * n // size][x * n // size] for x in range(size)] for y in range(size)]


# --- PNG ---------------------------------------------------------------------------------------

def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png(width, height, colour_type, raw_rows, extra_chunks=()):
    # Filter type 0 on every row keeps the file independent of any encoder heuristics.
    raw = b"".join(b"\x00" + row for row in raw_rows)
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + b"".join(png_chunk(kind, data) for kind, data in extra_chunks)
            + png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def png_rgba(pixels):
    rows = [b"".join(bytes(p) for p in row) for row in pixels]
    return png(len(pixels[0]), len(pixels), 6, rows)


def png_indexed(art):
    """An 8-bit palette PNG, so the picture stays a 256-colour one."""
    if any(c is None for c in art.colours):
        sys.exit("the indexed picture must be opaque")
    plte = b"".join(bytes(c) for c in art.colours)
    rows = [bytes(row) for row in art.indices()]
    return png(art.size, art.size, 3, rows, [(b"PLTE", plte)])


# --- ICO ---------------------------------------------------------------------------------------

def packed_rows(values, bits):
    """Bottom-up bitmap rows of `bits` per pixel, each padded to a multiple of four bytes."""
    rows = []
    for row in reversed(values):
        acc, count, out = 0, 0, bytearray()
        for v in row:
            acc = (acc << bits) | v
            count += bits
            if count == 8:
                out.append(acc)
                acc, count = 0, 0
        if count:
            out.append(acc << (8 - count))
        out.extend(b"\x00" * (-len(out) % 4))
        rows.append(bytes(out))
    return b"".join(rows)


def ico_image(indices, palette, bits):
    """One icon image: header, palette, colour bitmap and AND mask (1 = transparent).

    indices holds a palette index per pixel, None for transparent ones, which are drawn with
    index 0 under a set mask bit as the format expects.
    """
    size = len(indices)
    colour = packed_rows([[0 if i is None else i for i in row] for row in indices], bits)
    mask = packed_rows([[1 if i is None else 0 for i in row] for row in indices], 1)
    entries = 1 << bits
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    table += b"\x00" * (4 * entries - len(table))
    # The height counts the colour bitmap and the mask together.
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0,
                         len(colour) + len(mask), 0, 0, 0, 0)
    return header + table + colour + mask


def ico(images):
    """images: list of (size, bits, image bytes) in directory order."""
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    body = b""
    for size, bits, image in images:
        colours = (1 << bits) if bits < 8 else 0
        data += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits,
                            len(image), offset)
        offset += len(image)
        body += image
    return data + body


def ico_256(art):
    if len(art.colours) > 256:
        sys.exit("more than 256 colours")
    indices = [[None if art.colours[i] is None else i for i in row] for row in art.indices()]
    palette = [c if c is not None else (0, 0, 0) for c in art.colours]
    return ico_image(indices, palette, 8)


def ico_16(art):
    return ico_image(art.standard_16(), [rgb for _, rgb in STANDARD_16], 4)


# --- main --------------------------------------------------------------------------------------

def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else HERE
    bulb32 = Art(os.path.join(ART, "bulb32.txt"))
    bulb16 = Art(os.path.join(ART, "bulb16.txt"))
    about = Art(os.path.join(ART, "about32.txt"))
    if (bulb32.size, bulb16.size, about.size) != (32, 16, 32):
        sys.exit("the art must be 32, 16 and 32 pixels square")

    write(os.path.join(out, "tarvolin.ico"), ico([
        (32, 4, ico_16(bulb32)),
        (16, 4, ico_16(bulb16)),
        (32, 8, ico_256(bulb32)),
    ]))
    for size in ICON_SIZES:
        # Where the small art fits a size by whole pixels it keeps details that halving loses.
        source = bulb16 if size == 16 else bulb32
        write(os.path.join(out, "icons", f"{size}x{size}.png"),
              png_rgba(scaled(source.rgba(), size)))
    write(os.path.join(out, "about.png"), png_indexed(about))


if __name__ == "__main__":
    main()
