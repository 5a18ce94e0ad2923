#!/usr/bin/env python3
"""Draws the toolbar strip (16 cells of 16x15, 16 colours) and the program icon.

The outputs are committed under resources/; run this again after changing a picture.
"""
import struct
import sys
from pathlib import Path

# The 16-colour VGA palette; index 7 (light grey) is the cell background that the
# toolbar maps to the button face colour.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
K, DR, DG, DY, DB, DM, DC, LG, GR, R, G, Y, B, M, C, W = range(16)

# One letter per pixel. "." is the cell background (index 7), which the toolbar turns into the
# button face colour and treats as transparent, so the pictures themselves never use index 7.
LETTERS = {".": LG, "K": K, "R": DR, "g": DG, "D": DY, "b": DB, "M": DM, "C": DC, "G": GR, "r": R,
           "n": G, "Y": Y, "B": B, "m": M, "c": C, "W": W}

CELLS = [
    # 0 open folder: the olive back of the folder with its tab, the yellow front flap tipped open
    ["................",
     "................",
     "..KKKK..........",
     ".KYWYYK.........",
     ".KWDDDYKKKKKK...",
     ".KYDDDDDDDDDDK..",
     ".KYDDDDDDDDDDK..",
     ".KYDDKKKKKKKKKK.",
     ".KYDKWYYYYYYYYK.",
     ".KYKWYYYYYYYYK..",
     ".KKWYYYYYYYYK...",
     ".KKYYYYYYYYK....",
     ".KKKKKKKKKKK....",
     "................",
     "................"],
    # 1 floppy disk: blue body, white label with writing, metal shutter with its slot
    ["................",
     ".KKKKKKKKKKKKK..",
     ".KbKWWWWWWWWKbK.",
     ".KbKWGGGGGGWKbK.",
     ".KbKWWWWWWWWKbK.",
     ".KbKWGGGGGWWKbK.",
     ".KbKWWWWWWWWKbK.",
     ".KbbKKKKKKKKbbK.",
     ".KbbbbbbbbbbbbK.",
     ".KbbWWWWWWWWbbK.",
     ".KbbWGKKGGGGbbK.",
     ".KbbWGKKGGGGbbK.",
     ".KbbWGGGGGGGbbK.",
     "..KKKKKKKKKKKKK.",
     "................"],
    # 2 sheet of written paper with a folded corner
    ["..KKKKKKK.......",
     "..KWWWWWKK......",
     "..KWWWWWKWK.....",
     "..KWbbbWKWWK....",
     "..KWWWWWKKKKK...",
     "..KWbbbbbbbWK...",
     "..KWWWWWWWWWK...",
     "..KWbbbbbbWWK...",
     "..KWWWWWWWWWK...",
     "..KWbbbbbbbWK...",
     "..KWWWWWWWWWK...",
     "..KWbbbbWWWWK...",
     "..KWWWWWWWWWK...",
     "..KKKKKKKKKKK...",
     "................"],
    # 3 play triangle
    ["................",
     "................",
     ".....K..........",
     ".....KK.........",
     ".....KKK........",
     ".....KKKK.......",
     ".....KKKKK......",
     ".....KKKKKK.....",
     ".....KKKKK......",
     ".....KKKK.......",
     ".....KKK........",
     ".....KK.........",
     ".....K..........",
     "................",
     "................"],
    # 4 stop square
    ["................",
     "................",
     "................",
     "...KKKKKKKKK....",
     "...KKKKKKKKK....",
     "...KKKKKKKKK....",
     "...KKKKKKKKK....",
     "...KKKKKKKKK....",
     "...KKKKKKKKK....",
     "...KKKKKKKKK....",
     "...KKKKKKKKK....",
     "...KKKKKKKKK....",
     "................",
     "................",
     "................"],
    # 5 pause sign
    ["................",
     "................",
     "................",
     "....KKK..KKK....",
     "....KKK..KKK....",
     "....KKK..KKK....",
     "....KKK..KKK....",
     "....KKK..KKK....",
     "....KKK..KKK....",
     "....KKK..KKK....",
     "....KKK..KKK....",
     "....KKK..KKK....",
     "................",
     "................",
     "................"],
    # 6 small slider: a sunken groove, a pointed thumb and a scale of ticks
    ["................",
     "................",
     "......KKKKK.....",
     "......KWWWGK....",
     "......KWWWGK....",
     "......KWWWGK....",
     ".GGGGGKWWWGKGGG.",
     ".WWWWWKWWWGKWWW.",
     "......KWWWGK....",
     "......KWWWGK....",
     ".......KWGK.....",
     "........KK......",
     "................",
     ".K..K..K..K..K..",
     ".K..K..K..K..K.."],
    # 7 landscape picture: sky, sun, green hills, a frame
    ["................",
     "KKKKKKKKKKKKKKK.",
     "KccccccccccccWK.",
     "KcccccccccYYcWK.",
     "KccccccccYYYYWK.",
     "KcccccccccYYcWK.",
     "KcccncccccccnWK.",
     "KccnnncccccnnWK.",
     "KcnnnnnccnnnnWK.",
     "KnnnnnnnnnnnnWK.",
     "KngnnnngnnnngWK.",
     "KggggggggggggWK.",
     "KWWWWWWWWWWWWWK.",
     "KKKKKKKKKKKKKKK.",
     "................"],
    # 8 paint brushes: two brushes crossed, blue and red paint on their tips
    ["................",
     "DYD..........RrR",
     ".DYD........RrR.",
     "..DYD......RrR..",
     "...DYD....RrR...",
     "....DYD..RrR....",
     ".....DYDRrR.....",
     "......DYDR......",
     "......GWWG......",
     ".....GWGGWG.....",
     "....KKK..KKK....",
     "...KKK....KKK...",
     "..BBB......rrr..",
     "..B..........r..",
     "................"],
    # 9 camera: dark body, blue lens with a glint, viewfinder and red shutter button
    ["................",
     "................",
     "....KKKKK.......",
     "....KGWGK..KKK..",
     ".KKKKKKKKKKKrKK.",
     ".KWWWWWKKKKWWWK.",
     ".KWGGGKbBBbKGGK.",
     ".KWGGKbBWBbbKGK.",
     ".KWGGKBBBBBbKGK.",
     ".KWGGKbBBBbbKGK.",
     ".KWGGGKbbbbKGGK.",
     ".KWGGGGKKKKGGGK.",
     ".KKKKKKKKKKKKKK.",
     "................",
     "................"],
    # 10 second camera: a compact with its flash firing
    ["................",
     ".Y..Y..Y........",
     "..Y.Y.Y.........",
     "...YYY..........",
     "..KKKKKKKKKKKKK.",
     "..KKYYYKWWWWWGK.",
     "..KWWWKKKKWWGGK.",
     "..KWWKcBBcKWGGK.",
     "..KWKcBWccbKGGK.",
     "..KWKBcccbbKGGK.",
     "..KWKcccbbbKGGK.",
     "..KWWKbbbbKGGGK.",
     "..KGGGKKKKGGGGK.",
     "..KKKKKKKKKKKKK.",
     "................"],
]


def cell_pixels(rows):
    assert len(rows) <= 15, "a cell is 15 pixels high"
    pixels = []
    for row in rows:
        assert len(row) == 16, "a cell row is 16 pixels wide: %r" % row
        assert "L" not in row, "index 7 is the transparent background"
        pixels.append([LETTERS[ch] for ch in row])
    while len(pixels) < 15:
        pixels.append([LG] * 16)
    return pixels


def toolbar_bitmap():
    width, height = 256, 15
    grid = [[LG] * width for _ in range(height)]
    for index, rows in enumerate(CELLS):
        for y, row in enumerate(cell_pixels(rows)):
            for x, value in enumerate(row):
                grid[y][index * 16 + x] = value
    stride = ((width * 4 + 31) // 32) * 4
    data = bytearray()
    for y in reversed(range(height)):
        line = bytearray()
        for x in range(0, width, 2):
            line.append((grid[y][x] << 4) | grid[y][x + 1])
        line.extend(b"\0" * (stride - len(line)))
        data.extend(line)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(data), 2835, 2835, 16, 16)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + palette + bytes(data)


def icon_image(size):
    """A film frame with a play triangle, 32-bit with alpha."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            u, v = x / size, y / size
            pixel = (0, 0, 0, 0)
            if 0.06 <= u <= 0.94 and 0.16 <= v <= 0.84:
                pixel = (40, 48, 64, 255)
                if u < 0.18 or u > 0.82:
                    hole = int(v * size) % max(2, size // 8) < max(1, size // 16)
                    pixel = (230, 230, 230, 255) if hole else (20, 24, 32, 255)
                else:
                    cx, cy = u - 0.38, v - 0.5
                    if 0 <= cx <= 0.3 and abs(cy) <= 0.24 * (1 - cx / 0.3):
                        pixel = (255, 160, 40, 255)
            row.append(pixel)
        rows.append(row)
    xor = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            xor.extend((b, g, r, a))
    and_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(and_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask.extend(bits)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + bytes(mask)


def icon_file():
    images = [(size, icon_image(size)) for size in (16, 32, 48)]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out.extend(struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset))
        offset += len(data)
    for _, data in images:
        out.extend(data)
    return bytes(out)


def main():
    target = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "resources")
    (target / "toolbar.bmp").write_bytes(toolbar_bitmap())
    (target / "corvantile.ico").write_bytes(icon_file())


if __name__ == "__main__":
    main()
