#!/usr/bin/env python3
"""Draws the program's icon and bitmaps and writes them into src/res/.

Every picture is pixel art in the 16-colour VGA palette, kept here as text
grids, one character per pixel (see COLOURS). '.' is the background: button
face grey in the bitmaps, transparent in the icon. Small pictures are built
by stamping shared pieces onto a blank 16x16 canvas, so the folder, floppy,
printer and so on look the same in the toolbar, the tabs and the menus.

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


ICON = [
    compose((PAPER32, 8, 3), (BODY32, 0, 13), (SWITCH32, 16, 20), size=32),
    compose((PAPER, 4, 0), (BODY16, 0, 5)),
]


def strip(*names):
    """Places 16x16 pictures side by side, left to right."""
    return ["".join(PICTURES[n][y] for n in names) for y in range(16)]


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


def main():
    RES.mkdir(parents=True, exist_ok=True)
    outputs = {
        "toolbar150.bmp": bmp_file(strip("folder", "floppy", "printer_pen", "factory",
                                         "printer_arrows"), 24),
        "tabs168.bmp": bmp_file(strip("gear", "chip", "printer", "magnifier"), 24),
        "kvswbd.ico": ico_file(ICON),
    }
    for number, name in MENU_IMAGES.items():
        outputs["menu%d.bmp" % number] = bmp_file(PICTURES[name], 4)
    for name, data in outputs.items():
        (RES / name).write_bytes(data)
        print("wrote", RES / name)


if __name__ == "__main__":
    main()
