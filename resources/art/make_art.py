#!/usr/bin/env python3
"""Draws the suite's icons and bitmaps and writes them as Windows .ico and .bmp files.

The pictures are small and geometric, so they are drawn here from code rather than kept only as
binaries: change a colour or a shape, run this script in this folder, and commit its output.
"""
import struct

# The standard 16-colour palette of Windows.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER, GRAY, RED, LIME, YELLOW, BLUE, \
    FUCHSIA, AQUA, WHITE = range(16)
CLEAR = -1


def dib(pixels, palette, bits):
    """A bottom-up DIB (header, palette, rows) of palette indexes."""
    h, w = len(pixels), len(pixels[0])
    stride = ((w * bits + 31) // 32) * 4
    rows = b""
    for row in reversed(pixels):
        if bits == 4:
            data = bytes((max(row[i], 0) << 4) | (max(row[i + 1], 0) if i + 1 < w else 0)
                         for i in range(0, w, 2))
        else:
            data = bytes(max(p, 0) for p in row)
        rows += data.ljust(stride, b"\0")
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, 0, len(rows), 0, 0, len(palette), 0)
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return header, pal, rows


def write_bmp(name, pixels, palette, bits):
    header, pal, rows = dib(pixels, palette, bits)
    offset = 14 + len(header) + len(pal)
    with open(name, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", offset + len(rows), 0, 0, offset))
        f.write(header + pal + rows)


def icon_image(pixels):
    """One image of an .ico: a DIB of twice the height holding the colours and the AND mask."""
    h, w = len(pixels), len(pixels[0])
    header, pal, rows = dib(pixels, VGA, 4)
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 4, 0, 0, 0, 0, 16, 0)
    stride = ((w + 31) // 32) * 4
    mask = b""
    for row in reversed(pixels):
        bits = 0
        for x, p in enumerate(row):
            bits = (bits << 1) | (1 if p == CLEAR else 0)
        mask += bits.to_bytes((w + 7) // 8, "big").ljust(stride, b"\0")
    return header + pal + rows + mask


def write_ico(name, images):
    data = [icon_image(p) for p in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for p, d in zip(images, data):
        out += struct.pack("<BBBBHHII", len(p[0]), len(p), 16, 0, 1, 4, len(d), offset)
        offset += len(d)
    with open(name, "wb") as f:
        f.write(out + b"".join(data))


def canvas(w, h, fill=CLEAR):
    return [[fill] * w for _ in range(h)]


def rect(p, x0, y0, x1, y1, c):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            p[y][x] = c


# The open book as drawn for 16 pixels: scaled down, its text lines and the prompt merge into
# grey and green smudges. The prompt is a ">" and a "_".
BOOK_16 = [" WWWWWWYWWWWWWW ",
           "NWSSSSWYWKKKKKWN",
           "NWWWWWWYWKLKKKWN",
           "NWSSSSWYWKKLKKWN",
           "NWWWWWWYWKLKLLWN",
           "NWSSSSWYWKKKKKWN",
           "NWWWWWWYWWWWWWWN",
           "NWSSSSWYWSSSSSWN",
           "NWWWWWWYWWWWWWWN",
           "NWSSSSWYWSSSSSWN",
           "NWWWWWWYWWWWWWWN",
           "NNNNNNNYNNNNNNNN",
           " NNNNNNNNNNNNNN "]

# The launcher's tile as drawn for 16 pixels, with the book on the left and the small globe
# (GLOBE_8) painted over it on the right: scaled down, the two pictures blur into one blob.
LAUNCHER_16 = ["WWWWWWWWWWWWWWWY",
               "WSSSSSSSSSSSSSSY",
               "WSNNNNNSSSSSSSSY",
               "WSNWWWNSSSSSSSSY",
               "WSNWYWNSSSSSSSSY",
               "WSNWWWNSSSSSSSSY",
               "WSNWYWNSSSSSSSSY",
               "WSNWWWNSSSSSSSSY",
               "WSNWYWNSSSSSSSSY",
               "WSNWWWNSSSSSSSSY",
               "WSNNNNNSSSSSSSSY",
               "WSSSSSSSSSSSSSSY",
               "WSSSSSSSSSSSSSSY",
               "YYYYYYYYYYYYYYYY"]


def book(size):
    """An open book with a shell prompt on its right-hand page."""
    p = canvas(size, size)
    if size == 16:
        pixel_rows(p, BOOK_16, 0, 2)
        return p
    s = size / 32.0
    S = lambda v: int(round(v * s))
    rect(p, S(1), S(5), S(30), S(27), NAVY)            # cover
    rect(p, S(3), S(4), S(15), S(25), WHITE)           # left page
    rect(p, S(16), S(4), S(28), S(25), WHITE)          # right page
    rect(p, S(15), S(4), S(16), S(26), GRAY)           # spine
    for y in (7, 10, 13, 16, 19, 22):                  # text on the left page
        if S(y) <= S(23):
            rect(p, S(5), S(y), S(13), S(y), SILVER)
    rect(p, S(18), S(7), S(26), S(15), BLACK)          # a terminal on the right page
    rect(p, S(19), S(9), S(19), S(9), LIME)            # "$_" prompt
    rect(p, S(20), S(10), S(20), S(10), LIME)
    rect(p, S(19), S(11), S(19), S(11), LIME)
    rect(p, S(22), S(12), S(24), S(12), LIME)
    for y in (18, 21):
        rect(p, S(18), S(y), S(26), S(y), SILVER)
    return p


def launcher(size):
    """Two program windows side by side, the book and the globe, on a raised tile."""
    p = canvas(size, size)
    if size == 16:
        pixel_rows(p, LAUNCHER_16, 0, 1)
        pixel_rows(p, GLOBE_8, 7, 4)
        return p
    s = size / 32.0
    S = lambda v: int(round(v * s))
    rect(p, S(1), S(3), S(30), S(28), GRAY)             # tile shadow
    rect(p, S(0), S(2), S(29), S(27), SILVER)           # tile
    rect(p, S(0), S(2), S(29), S(2), WHITE)
    rect(p, S(0), S(2), S(0), S(27), WHITE)
    rect(p, S(3), S(6), S(14), S(23), NAVY)             # the book
    rect(p, S(5), S(8), S(12), S(21), WHITE)
    for y in (10, 13, 16, 19):
        rect(p, S(6), S(y), S(11), S(y), GRAY)
    cx, cy, r = S(21.5), S(14.5), S(6.5)                # the globe
    for y in range(size):
        for x in range(size):
            d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
            if d <= r:
                p[y][x] = TEAL if d > r - 1 else (GREEN if (x + y) % 5 == 0 else BLUE)
    return p


def strip(w, h, start, end):
    """A horizontal band fading from start to end, in 256 colours."""
    steps = 64
    palette = [tuple(int(a + (b - a) * i / (steps - 1)) for a, b in zip(start, end))
               for i in range(steps)]
    pixels = []
    for y in range(h):
        shade = 1.0 - 0.35 * abs(y - (h - 1) / 2) / ((h - 1) / 2)
        row = []
        for x in range(w):
            t = x / (w - 1)
            i = int((1 - abs(2 * t - 1)) * (steps - 1) * shade)
            row.append(i)
        pixels.append(row)
    return pixels, palette


def bulb():
    """A light bulb for the Tip of the Day, 40 by 40 in 16 colours."""
    p = canvas(40, 40, WHITE)
    cx, cy, r = 20, 15, 11
    for y in range(40):
        for x in range(40):
            d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
            if d <= r:
                p[y][x] = YELLOW if d < r - 1.5 else OLIVE
    rect(p, 15, 24, 25, 27, YELLOW)
    rect(p, 14, 24, 14, 27, OLIVE)
    rect(p, 26, 24, 26, 27, OLIVE)
    for y in (28, 30, 32):
        rect(p, 15, y, 25, y + 1, GRAY if y != 30 else SILVER)
    rect(p, 17, 34, 23, 35, GRAY)
    rect(p, 14, 10, 15, 14, WHITE)                     # a highlight
    rect(p, 16, 8, 17, 9, WHITE)
    return p


def disc(p, cx, cy, r, fill, edge):
    """A filled circle with a one-pixel rim."""
    for y in range(len(p)):
        for x in range(len(p[0])):
            d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
            if d <= r:
                p[y][x] = edge if d > r - 1 else fill


def globe(p, cx, cy, r):
    """The web as a globe: sea, two continents, the equator, two parallels and three
    meridians, and a highlight."""
    disc(p, cx, cy, r, BLUE, NAVY)
    inside = lambda x, y: ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5 <= r - 1
    for y in range(len(p)):
        for x in range(len(p[0])):
            if not inside(x, y):
                continue
            u, v = (x - cx) / r, (y - cy) / r
            if ((u + 0.35) / 0.3) ** 2 + ((v + 0.15) / 0.45) ** 2 <= 1 or \
               ((u - 0.35) / 0.28) ** 2 + ((v - 0.3) / 0.3) ** 2 <= 1:
                p[y][x] = GREEN
    for y in range(len(p)):
        for x in range(len(p[0])):
            if not inside(x, y):
                continue
            v = (y - cy) / r
            if abs(y - cy) < 0.5 or abs(abs(y - cy) - r * 0.5) < 0.5:
                p[y][x] = AQUA
            w = r * (1 - v * v) ** 0.5
            if abs(x - cx) < 0.5 or abs(abs(x - cx) - 0.55 * w) < 0.5:
                p[y][x] = AQUA
    hx, hy = int(cx - r * 0.5), int(cy - r * 0.6)
    p[hy][hx] = WHITE
    p[hy][hx + 1] = WHITE
    p[hy + 1][hx] = WHITE


def pixel_rows(p, rows, left, top):
    """Paints a picture drawn as rows of letters onto p; a blank keeps what is below."""
    key = {"N": NAVY, "B": BLUE, "A": AQUA, "G": GREEN, "W": WHITE, "Y": GRAY, "T": TEAL,
           "S": SILVER, "K": BLACK, "L": LIME}
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch != " ":
                p[top + y][left + x] = key[ch]


# The globe as drawn for 16 pixels: a scaled one loses its lines in the rim.
GLOBE_16 = ["     NNNNNN     ",
            "   NNBBABBBNN   ",
            "  NBWBBABBGGBN  ",
            " NBWGGBABGGGBBN ",
            " NBGGGGABBGGBBN ",
            "NBBGGGGABBBBBBBN",
            "NBBBGGGABBBBBBBN",
            "NAAAAAAAAAAAAAAN",
            "NBBBBGGABBBGGBBN",
            "NBBBBGGABBGGGGBN",
            " NBBBBGABBGGGBN ",
            " NBBBBBABBBGBBN ",
            "  NBBBBABBBBBN  ",
            "   NNBBABBBNN   ",
            "     NNNNNN     "]

# The same globe at half that size, for the 16-pixel application icon.
GLOBE_8 = ["  NNNN  ",
           " NBBAGN ",
           "NBGGABBN",
           "NAAAAAAN",
           "NBBGAGBN",
           "NBBBAGGN",
           " NBBABN ",
           "  NNNN  "]


def catalog_picture(size):
    """The globe of the catalog window, between its button columns."""
    p = canvas(size, size)
    if size == 16:
        pixel_rows(p, GLOBE_16, 0, 0)
    else:
        globe(p, (size - 1) / 2, (size - 1) / 2, size / 2 - 1)
    return p


def catalog(size):
    """The catalog's application icon: a page of listed sites with the globe in front of it."""
    p = canvas(size, size)
    if size == 16:
        pixel_rows(p, ["YYYYYYYYYY",
                       "YTTTTTTTTY",
                       "YWWWWWWWWY",
                       "YWNWSSSSWY",
                       "YWWWWWWWWY",
                       "YWNWSSSSWY",
                       "YWWWWWWWWY",
                       "YWNWSSSSWY",
                       "YWWWWWWWWY",
                       "YWNWSSSSWY",
                       "YWWWWWWWWY",
                       "YYYYYYYYYY"], 1, 1)
        pixel_rows(p, GLOBE_8, 7, 7)
        return p
    rect(p, 3, 3, 22, 27, GRAY)                         # the page's shadow
    rect(p, 2, 2, 21, 26, GRAY)                         # the page
    rect(p, 3, 3, 20, 25, WHITE)
    rect(p, 3, 3, 20, 6, TEAL)                          # its heading
    for y in (9, 13, 17, 21):                           # one line per site
        rect(p, 5, y, 6, y + 1, NAVY)
        rect(p, 8, y, 18, y, SILVER)
        rect(p, 8, y + 1, 15, y + 1, SILVER)
    globe(p, 22.0, 22.0, 9.5)
    return p

if __name__ == "__main__":
    write_ico("korvadex.ico", [book(32), book(16)])
    pixels, palette = strip(452, 8, (0, 0, 96), (0, 160, 176))
    write_bmp("reader_strip.bmp", pixels, palette, 8)
    write_bmp("tip_bulb.bmp", bulb(), VGA, 4)
    write_ico("launcher.ico", [launcher(32), launcher(16)])
    pixels, palette = strip(382, 8, (64, 0, 96), (0, 160, 176))
    write_bmp("launcher_banner.bmp", pixels, palette, 8)
    write_ico("sarnovo.ico", [catalog(32), catalog(16)])
    write_ico("sarnovo_globe.ico", [catalog_picture(32), catalog_picture(16)])
