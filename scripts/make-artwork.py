#!/usr/bin/env python3
"""Draws the program's icon and bitmaps and writes them into src/res/.

Every picture is pixel art in the 16-colour VGA palette, kept here as text
grids, one character per pixel (see COLOURS). '.' is the background: button
face grey in the bitmaps, transparent in the icon. Small pictures are built
by stamping shared pieces onto a blank 16x16 canvas, so the folder, floppy,
printer and so on look the same in the toolbar, the tabs and the menus.

Each image is also written at 20, 24 and 32 pixels for display scales of
125, 150 and 200 %, from the same drawings: the 32-pixel image doubles the
drawing and rounds its diagonal steps (Scale2x), and the 20- and 24-pixel
images take evenly spread rows and columns of it, so that every pixel of the
drawing keeps at least one pixel. The drawing of bitmap N at S pixels is the
bitmap resource N + 100 * S (artwork.rc); the 16-pixel bitmaps keep their ids.

Run from anywhere: python3 scripts/make-artwork.py
"""

import struct
from pathlib import Path

RES = Path(__file__).resolve().parent.parent / "src" / "res"

# The standard 16-colour VGA palette, as (r, g, b).
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# Grid character -> VGA palette index.
COLOURS = {
    "K": 0,   # black
    "r": 1,   # maroon
    "g": 2,   # green
    "o": 3,   # olive
    "n": 4,   # navy
    "p": 5,   # purple
    "t": 6,   # teal
    "s": 7,   # light grey (same as the background)
    "d": 8,   # dark grey
    "R": 9,   # red
    "G": 10,  # lime
    "Y": 11,  # yellow
    "B": 12,  # blue
    "M": 13,  # fuchsia
    "C": 14,  # aqua
    "W": 15,  # white
}
BACKGROUND = 7  # light grey, RGB(192,192,192): the mask colour of the image lists

# ---------------------------------------------------------------------------
# Shared pieces. In pieces '.' is transparent when stamped.

FOLDER = [
    "................",
    "................",
    "................",
    ".KKKK...........",
    "KYYYYK..........",
    "KYWWWYKKKKKKK...",
    "KYWYYYYYYYYYoK..",
    "KYWYKKKKKKKKKKKK",
    "KYWKWWWWWWWWWWK.",
    "KYYKYYYYYYYYYoK.",
    "KYKYYYYYYYYYoK..",
    "KYKYYYYYYYYYoK..",
    "KKYYYYYYYYYYK...",
    "KKooooooooooK...",
    "KKKKKKKKKKKK....",
    "................",
]

FLOPPY = [
    "................",
    ".KKKKKKKKKKKKKK.",
    ".KnWWWWWWWWWWnK.",
    ".KnWWWWWWWWWWnK.",
    ".KnWddddddddWnK.",
    ".KnWWWWWWWWWWnK.",
    ".KnWddddddddWnK.",
    ".KnWWWWWWWWWWnK.",
    ".KnnnnnnnnnnnnK.",
    ".KnnnnnnnnnnnnK.",
    ".KnnssssssssnnK.",
    ".KnnssssnnssnnK.",
    ".KnnssssnnssnnK.",
    ".KnnssssnnssnnK.",
    ".KKKKKKKKKKKKKK.",
    "................",
]

# Fanfold paper with a few printed lines; stamped so its foot hides in the
# printer's paper slot.
PAPER = [
    "KKKKKKK",
    "KWWWWWK",
    "KWdddWK",
    "KWWWWWK",
    "KWddWWK",
    "KWWWWWK",
]

# The printer itself, drawn in the lower part of a 16x16 canvas.
PRINTER_BODY = [
    ".KKKKKKKKKKKKKK.",
    "KWWWWWWWWWWWWWdK",
    "KWssssssssssssdK",
    "KWsKKKKKKKKKKsdK",
    "KWssssssssssGsdK",
    "KWssssssssssssdK",
    "KddddddddddddddK",
    "KKKKKKKKKKKKKKKK",
    ".KK..........KK.",
]
PRINTER_TOP = 6  # canvas row where the body starts

PEN = [
    ".....KKK",
    "....KYRK",
    "...KYYK.",
    "..KYYK..",
    ".KYYK...",
    ".KWK....",
    "KK......",
]

ARROWS = [
    "....B..",
    "BBBBBB.",
    "....B..",
    ".......",
    "..B....",
    ".BBBBBB",
    "..B....",
]

FACTORY = [
    "..dd............",
    ".d..dd..........",
    "..KKK...........",
    "..KrK...........",
    "..KrK...........",
    "..KrK..K...K...K",
    "..KrK.KK..KK..KK",
    "..KrKKCK.KCK.KCK",
    "..KrKCCKKCCKKCCK",
    ".KKKKKKKKKKKKKKK",
    ".KrrrrrrrrrrrrrK",
    ".KrCCrCCrCCrCCrK",
    ".KrCCrCCrCCrCCrK",
    ".KrrrrrrrrrrrrrK",
    ".KKKKKKKKKKKKKKK",
    "................",
]

GEAR = [
    "................",
    "......KKKK......",
    "..KKK.KddK.KKK..",
    "..KddKKddKKddK..",
    "..KddddddddddK..",
    "...KdddKKdddK...",
    ".KKKddK..KddKKK.",
    ".KdddK....KdddK.",
    ".KdddK....KdddK.",
    ".KKKddK..KddKKK.",
    "...KdddKKdddK...",
    "..KddddddddddK..",
    "..KddKKddKKddK..",
    "..KKK.KddK.KKK..",
    "......KKKK......",
    "................",
]

CHIP = [
    "................",
    "....dd.dd.dd....",
    "....dd.dd.dd....",
    "...KKKKKKKKKK...",
    ".ddKddddddddKdd.",
    ".ddKdWKKKKKKKdd.",
    "...KdKKKKKKKK...",
    ".ddKdKKKKKKKKdd.",
    ".ddKdKKKKKKKKdd.",
    "...KdKKKKKKKK...",
    ".ddKdKKKKKKKKdd.",
    ".ddKdKKKKKKKKdd.",
    "...KKKKKKKKKK...",
    "....dd.dd.dd....",
    "....dd.dd.dd....",
    "................",
]

MAGNIFIER = [
    "................",
    "...KKKKK........",
    ".KKCCCCCKK......",
    ".KCWWCCCCK......",
    "KCWCCCCCCCK.....",
    "KCWCCCCCCCK.....",
    "KCCCCCCCCCK.....",
    "KCCCCCCCCCK.....",
    "KCCCCCCCCCK.....",
    ".KCCCCCCCK......",
    ".KKCCCCCKKK.....",
    "...KKKKKKrrK....",
    ".........KrrrK..",
    "..........KrrrK.",
    "...........KrrK.",
    "............KK..",
]

# The program icon: a dot-matrix printer with fanfold paper and a big
# toggle switch (switched on) on its front.

PAPER32 = [
    "KKKKKKKKKKKKKKKK",
    "KWWWWWWWWWWWWWWK",
    "KdWWWWWWWWWWWWdK",
    "KWWnnnWnnnnWWWWK",
    "KdWWWWWWWWWWWWdK",
    "KWWnnWnnnnnnWWWK",
    "KdWWWWWWWWWWWWdK",
    "KWWnnnnnWnnWWWWK",
    "KdWWWWWWWWWWWWdK",
    "KWWnnnWnnnWWWWWK",
]

BODY32 = [
    "....KKKKKKKKKKKKKKKKKKKKKKKK....",
    "...KWWWWWWWWWWWWWWWWWWWWWWWWK...",
    "..KWWWWWWWWWWWWWWWWWWWWWWWWWdK..",
    "..KWWWKKKKKKKKKKKKKKKKKKKKWWdK..",
    "..KWssssssssssssssssssssssssdK..",
    "..KddddddddddddddddddddddddddK..",
    "..KWWWWWWWWWWWWWWWWWWWWWWWWWdK..",
    "..KWssssssssssssssssssssssssdK..",
    "..KWssssssssssssssssssssssssdK..",
    "..KWssssssssssssssssssssssssdK..",
    "..KWsGGsssssssssssssssssssssdK..",
    "..KWssssssssssssssssssssssssdK..",
    "..KWssssssssssssssssssssssssdK..",
    "..KWssssssssssssssssssssssssdK..",
    "..KddddddddddddddddddddddddddK..",
    "...KKKKKKKKKKKKKKKKKKKKKKKKKK...",
    ".....KKKK..............KKKK.....",
]

SWITCH32 = [
    ".KKKKKKKK.",
    "KGGGGKWWsK",
    "KGGGGKWsdK",
    "KggggKsddK",
    ".KKKKKKKK.",
]

# The small icon has no room for the switch on the toolbar printer, so it
# gets a taller body of its own.
BODY16 = [
    ".KKKKKKKKKKKKKK.",
    "KWWWWWWWWWWWWWdK",
    "KWsKKKKKKKKKKsdK",
    "KWssssssssssssdK",
    "KWsssssKKKKKssdK",
    "KWssssKGGKWWKsdK",
    "KWssssKggKWdKsdK",
    "KWsssssKKKKKssdK",
    "KddddddddddddddK",
    "KKKKKKKKKKKKKKKK",
    ".KK..........KK.",
]


# ---------------------------------------------------------------------------
# Composing pictures.

def blank(width, height):
    return [["."] * width for _ in range(height)]


def stamp(canvas, piece, x, y):
    """Draws piece onto canvas at (x, y); '.' in piece leaves the canvas as is."""
    for dy, row in enumerate(piece):
        for dx, ch in enumerate(row):
            if ch != "." and 0 <= y + dy < len(canvas) and 0 <= x + dx < len(canvas[0]):
                canvas[y + dy][x + dx] = ch
    return canvas


def compose(*layers, size=16):
    canvas = blank(size, size)
    for piece, x, y in layers:
        stamp(canvas, piece, x, y)
    return ["".join(row) for row in canvas]


def printer(paper_x=4):
    """Layers of the plain printer with its paper at column paper_x."""
    return [(PAPER, paper_x, PRINTER_TOP - len(PAPER) + 1), (PRINTER_BODY, 0, PRINTER_TOP)]


PICTURES = {
    "folder": FOLDER,
    "floppy": FLOPPY,
    "printer": compose(*printer()),
    "printer_pen": compose(*printer(2), (PEN, 7, 0)),
    "printer_arrows": compose(*printer(2), (ARROWS, 9, 0)),
    "factory": FACTORY,
    "gear": GEAR,
    "chip": CHIP,
    "magnifier": MAGNIFIER,
}




def scale2x(grid):
    """Doubles a grid, rounding diagonal steps instead of making blocks."""
    height, width = len(grid), len(grid[0])

    def at(x, y):
        return grid[min(max(y, 0), height - 1)][min(max(x, 0), width - 1)]

    out = [[""] * (2 * width) for _ in range(2 * height)]
    for y in range(height):
        for x in range(width):
            p = grid[y][x]
            a, b, c, d = at(x, y - 1), at(x + 1, y), at(x - 1, y), at(x, y + 1)
            e = [p, p, p, p]
            if c == a and c != d and a != b:
                e[0] = a
            if a == b and a != c and b != d:
                e[1] = b
            if d == c and d != b and c != a:
                e[2] = c
            if b == d and b != a and d != c:
                e[3] = d
            out[2 * y][2 * x], out[2 * y][2 * x + 1] = e[0], e[1]
            out[2 * y + 1][2 * x], out[2 * y + 1][2 * x + 1] = e[2], e[3]
    return ["".join(row) for row in out]


def resample(grid, size):
    """Nearest-neighbour: `size` evenly spread rows and columns of a square grid."""
    source = len(grid)
    picks = [(2 * i + 1) * source // (2 * size) for i in range(size)]
    return ["".join(grid[y][x] for x in picks) for y in picks]


def at_size(grid, size):
    """A drawing of len(grid) pixels at `size` pixels (its own size, or up to twice it)."""
    if size == len(grid):
        return list(grid)
    return resample(scale2x(grid), size)


SIZES = [16, 20, 24, 32]

ICON32 = compose((PAPER32, 8, 3), (BODY32, 0, 13), (SWITCH32, 16, 20), size=32)
ICON16 = compose((PAPER, 4, 0), (BODY16, 0, 5))
# The small sizes from the small drawing, the large ones from the large.
ICON = [ICON32, ICON16, at_size(ICON16, 20), at_size(ICON16, 24),
        at_size(ICON32, 40), at_size(ICON32, 48), at_size(ICON32, 64)]


def strip(*names, size=16):
    """Places square pictures of `size` pixels side by side, left to right."""
    pictures = [at_size(PICTURES[n], size) for n in names]
    return ["".join(p[y] for p in pictures) for y in range(size)]


# ---------------------------------------------------------------------------
# File writers.

def check(grid):
    width = len(grid[0])
    for row in grid:
        if len(row) != width:
            raise ValueError("ragged grid row: %r" % row)
        for ch in row:
            if ch != "." and ch not in COLOURS:
                raise ValueError("unknown colour %r in row %r" % (ch, row))
    return width, len(grid)


def index_of(ch):
    return BACKGROUND if ch == "." else COLOURS[ch]


def pad4(data):
    return data + b"\0" * (-len(data) % 4)


def bmp_info_header(width, height, bits, colours, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size,
                       2835, 2835, colours, colours)


def bmp_file(grid, bits):
    """A complete BMP file, 4-bit (VGA palette) or 24-bit, rows bottom-up."""
    width, height = check(grid)
    rows = []
    for row in reversed(grid):
        indices = [index_of(ch) for ch in row]
        if bits == 4:
            if len(indices) % 2:
                indices.append(0)
            line = bytes(indices[i] << 4 | indices[i + 1] for i in range(0, len(indices), 2))
        else:
            line = b"".join(bytes((b, g, r)) for r, g, b in (VGA[i] for i in indices))
        rows.append(pad4(line))
    pixels = b"".join(rows)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in VGA) if bits == 4 else b""
    colours = 16 if bits == 4 else 0
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + bmp_info_header(width, height, bits, colours, len(pixels)) + palette + pixels


def icon_image(grid):
    """One icon image: a 32-bit BGRA DIB followed by its AND mask."""
    width, height = check(grid)
    colour = b""
    mask = b""
    for row in reversed(grid):
        bits = 0
        for ch in row:
            if ch == ".":
                colour += b"\0\0\0\0"
                bits = bits << 1 | 1
            else:
                r, g, b = VGA[COLOURS[ch]]
                colour += bytes((b, g, r, 255))
                bits = bits << 1
        mask += pad4(bits.to_bytes((width + 7) // 8, "big"))
    header = bmp_info_header(width, height * 2, 32, 0, len(colour) + len(mask))
    return header + colour + mask


def ico_file(grids):
    images = [icon_image(g) for g in grids]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for grid, data in zip(grids, images):
        width, height = check(grid)
        out += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


# ---------------------------------------------------------------------------

MENU_IMAGES = {
    160: "folder",
    161: "floppy",
    162: "printer_pen",
    163: "factory",
    164: "printer_arrows",
    165: "printer",
    166: "chip",
    167: "gear",
    169: "magnifier",
}


TOOLBAR = (150, ("folder", "floppy", "printer_pen", "factory", "printer_arrows"))
TABS = (168, ("gear", "chip", "printer", "magnifier"))


def main():
    RES.mkdir(parents=True, exist_ok=True)
    outputs = {"kvswbd.ico": ico_file(ICON)}
    rc_lines = []
    for size in SIZES:
        suffix = "" if size == 16 else "_%d" % size
        bitmaps = {"toolbar%d%s.bmp" % (TOOLBAR[0], suffix): (TOOLBAR[0], strip(*TOOLBAR[1], size=size), 24),
                   "tabs%d%s.bmp" % (TABS[0], suffix): (TABS[0], strip(*TABS[1], size=size), 24)}
        for number, name in MENU_IMAGES.items():
            bitmaps["menu%d%s.bmp" % (number, suffix)] = (number, at_size(PICTURES[name], size), 4)
        for file_name, (number, grid, bits) in bitmaps.items():
            outputs[file_name] = bmp_file(grid, bits)
            if size != 16:
                rc_lines.append('%d BITMAP "%s"' % (number + 100 * size, file_name))
    outputs["artwork.rc"] = ("// Written by scripts/make-artwork.py: the images at 20, 24 and 32 pixels.\n"
                             "// The drawing of bitmap N at S pixels is bitmap N + 100 * S.\n"
                             + "\n".join(sorted(rc_lines)) + "\n").encode()
    for name, data in outputs.items():
        (RES / name).write_bytes(data)
        print("wrote", RES / name)


if __name__ == "__main__":
    main()
