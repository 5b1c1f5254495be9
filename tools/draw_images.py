#!/usr/bin/env python3
"""Draws the tool bar bitmap and the program icon of swutil.exe.

Writes resources/toolbar.bmp (bitmap resource "TOOLBAR": a 504 x 33 strip of
21 images of 24 x 24 pixels, 4 bits per pixel) and resources/program.ico
(icon resource "PROGRAM": 32 x 32 and 16 x 16 images, 16 colours).

The build does not run this script; its outputs are kept in the source tree.
Run it again after changing a picture:

    python3 tools/draw_images.py

Only the Python standard library is used. Every picture is drawn in the
16-colour standard Windows palette, by a small function from simple shapes
(rectangles, lines, discs) or from a short character grid.
"""

import math
import os
import struct

# ---------------------------------------------------------------------------
# The 16-colour standard Windows palette, in its usual order.

PALETTE = [
    (0, 0, 0),        # 0  black
    (128, 0, 0),      # 1  maroon
    (0, 128, 0),      # 2  green
    (128, 128, 0),    # 3  olive
    (0, 0, 128),      # 4  navy
    (128, 0, 128),    # 5  purple
    (0, 128, 128),    # 6  teal
    (192, 192, 192),  # 7  silver: the face colour of tool bar buttons
    (128, 128, 128),  # 8  grey
    (255, 0, 0),      # 9  red
    (0, 255, 0),      # 10 lime
    (255, 255, 0),    # 11 yellow
    (0, 0, 255),      # 12 blue
    (255, 0, 255),    # 13 fuchsia
    (0, 255, 255),    # 14 aqua
    (255, 255, 255),  # 15 white
]
(BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER,
 GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE) = range(16)

# Marks a pixel of an icon image that lets the desktop show through.
CLEAR = -1

# Letters of the character grids; '.' and ' ' leave the pixel unchanged.
GRID_COLOURS = {
    'k': BLACK, 'm': MAROON, 'g': GREEN, 'o': OLIVE, 'n': NAVY, 'p': PURPLE,
    't': TEAL, 's': SILVER, 'd': GREY, 'r': RED, 'l': LIME, 'y': YELLOW,
    'b': BLUE, 'f': FUCHSIA, 'a': AQUA, 'w': WHITE,
}


# ---------------------------------------------------------------------------
# Drawing surface and shapes.

class Canvas:
    """A grid of palette indices with a few pixel-art drawing operations.

    Coordinates are in pixels, x to the right and y downwards from the top
    left corner; rectangles and lines include both end points.
    """

    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.pixels = [[background] * width for _ in range(height)]

    def get(self, x, y):
        return self.pixels[y][x]

    def dot(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.line(x0, y0, x1, y0, colour)
        self.line(x0, y1, x1, y1, colour)
        self.line(x0, y0, x0, y1, colour)
        self.line(x1, y0, x1, y1, colour)

    def box(self, x0, y0, x1, y1, inside, outline=BLACK):
        """A filled rectangle with a one-pixel outline."""
        self.fill(x0, y0, x1, y1, inside)
        self.frame(x0, y0, x1, y1, outline)

    def line(self, x0, y0, x1, y1, colour):
        """Bresenham's line."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx = 1 if x0 < x1 else -1
        sy = 1 if y0 < y1 else -1
        err = dx + dy
        while True:
            self.dot(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def paint(self, mask, colour):
        for x, y in mask:
            self.dot(x, y, colour)

    def shape(self, mask, inside, outline=BLACK):
        """Fills a set of pixels and draws its border in the outline colour."""
        self.paint(mask, inside)
        self.paint(border(mask), outline)

    def grid(self, x, y, rows):
        """Copies a character grid (see GRID_COLOURS) with its top left at x, y."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch not in '. ':
                    self.dot(x + dx, y + dy, GRID_COLOURS[ch])

    def paste(self, other, x, y):
        for dy in range(other.height):
            for dx in range(other.width):
                self.dot(x + dx, y + dy, other.get(dx, dy))


def disc(cx, cy, r):
    """The pixels whose centres lie within r of (cx, cy).

    A centre on a pixel boundary (such as 11.5 ... no: 12.0) gives a disc of
    even width, a centre in a pixel (12.5) one of odd width.
    """
    return {(x, y)
            for y in range(int(cy - r) - 1, int(cy + r) + 2)
            for x in range(int(cx - r) - 1, int(cx + r) + 2)
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r}


def border(mask):
    """The pixels of a shape that touch, side by side, a pixel outside it."""
    return {(x, y) for x, y in mask
            if not {(x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)} <= mask}


def rect(x0, y0, x1, y1):
    return {(x, y) for y in range(y0, y1 + 1) for x in range(x0, x1 + 1)}


# ---------------------------------------------------------------------------
# Parts used by several pictures.

def sheet(c, x0, y0, x1, y1, lines=True, fold=3):
    """A sheet of paper with a folded top right corner and lines of text."""
    c.box(x0, y0, x1, y1, WHITE)
    if fold:
        # Cut the corner off and draw the fold.
        for i in range(fold + 1):
            for j in range(fold + 1 - i):
                c.dot(x1 - j, y0 + i, c_back(c))
        c.line(x1 - fold, y0, x1, y0 + fold, BLACK)
        c.line(x1 - fold, y0, x1 - fold, y0 + fold, BLACK)
        c.line(x1 - fold, y0 + fold, x1, y0 + fold, BLACK)
    if lines:
        for y in range(y0 + 3, y1 - 1, 2):
            right = x1 - 2 if y > y0 + fold else x1 - fold - 2
            c.line(x0 + 2, y, right, y, GREY)


def c_back(c):
    """The background colour of a canvas: whatever its top left pixel holds."""
    return c.get(0, 0)


def printer(c, x0, y0, x1, y1, paper=True, paper_in=None):
    """A printer whose body spans x0..x1 and y0..y1.

    A sheet stands in the feed slot at the top and a printed sheet lies in
    the output tray at the front; a green lamp sits at the right.
    """
    if paper if paper_in is None else paper_in:
        # The sheet waiting in the feed slot, above the body.
        c.box(x0 + 4, y0 - 7, x1 - 4, y0 + 1, WHITE)
        for y in range(y0 - 5, y0, 2):
            c.line(x0 + 6, y, x1 - 6, y, GREY)
    # The body: light top with a feed slot, then the front panel.
    c.box(x0, y0, x1, y1, SILVER)
    c.line(x0 + 1, y0 + 1, x1 - 1, y0 + 1, WHITE)
    c.line(x0 + 1, y0 + 1, x0 + 1, y1 - 1, WHITE)
    c.line(x0 + 1, y1 - 1, x1 - 1, y1 - 1, GREY)
    c.line(x1 - 1, y0 + 2, x1 - 1, y1 - 1, GREY)
    c.line(x0 + 3, y0 + 3, x1 - 3, y0 + 3, BLACK)  # the feed slot
    c.dot(x1 - 3, y1 - 2, LIME)                     # the power lamp
    c.dot(x1 - 5, y1 - 2, GREY)
    if paper:
        # The printed sheet coming out of the front, below the body.
        c.box(x0 + 3, y1 - 1, x1 - 3, y1 + 4, WHITE)
        c.line(x0 + 5, y1 + 2, x1 - 5, y1 + 2, GREY)
        c.line(x0 + 3, y1 - 1, x1 - 3, y1 - 1, BLACK)


def clock(c, cx, cy, r, hour_to=(0, -1), minute_to=(1, 0)):
    """A round clock face centred at (cx, cy) with hands pointing as given."""
    face = disc(cx, cy, r)
    c.shape(face, WHITE)
    mx, my = int(cx), int(cy)
    # Hour marks at 12, 3, 6 and 9.
    n = int(r) - 2
    for dx, dy in ((0, -n), (n, 0), (0, n), (-n, 0)):
        c.dot(mx + dx, my + dy, GREY)
    # Hands from the centre: short hour hand, long minute hand.
    h = max(1, int(r * 0.45))
    m = max(2, int(r * 0.7))
    c.line(mx, my, mx + hour_to[0] * h, my + hour_to[1] * h, BLACK)
    c.line(mx, my, mx + minute_to[0] * m, my + minute_to[1] * m, NAVY)
    c.dot(mx, my, RED)


def arrow_right(c, x0, y, x1, colour):
    """A thick arrow pointing right, shaft from x0, tip at x1, centred on y."""
    c.fill(x0, y - 1, x1 - 4, y + 1, colour)
    for i in range(4):
        c.line(x1 - 4 + i, y - 3 + i, x1 - 4 + i, y + 3 - i, colour)


def outline_of(c, colour, edge=BLACK):
    """Draws an edge round every pixel of the given colour that touches the
    background, so a coloured shape stands out from the button face."""
    back = c_back(c)
    todo = []
    for y in range(c.height):
        for x in range(c.width):
            if c.get(x, y) == back:
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    nx, ny = x + dx, y + dy
                    if 0 <= nx < c.width and 0 <= ny < c.height \
                            and c.get(nx, ny) == colour:
                        todo.append((x, y))
                        break
    for x, y in todo:
        c.dot(x, y, edge)


# ---------------------------------------------------------------------------
# The 21 tool bar images, 24 x 24 pixels on the button face colour.

def icon_save(c):
    """0: a floppy disk (save)."""
    c.box(3, 3, 20, 20, NAVY)
    c.dot(20, 3, SILVER)
    c.line(19, 3, 20, 4, BLACK)
    # Metal shutter at the top, with its window.
    c.box(7, 3, 16, 9, SILVER)
    c.fill(13, 4, 14, 8, NAVY)
    # Paper label at the bottom.
    c.box(6, 12, 17, 20, WHITE)
    c.line(8, 14, 15, 14, BLUE)
    c.line(8, 16, 15, 16, BLUE)
    c.line(8, 18, 13, 18, BLUE)


def icon_open(c):
    """1: an open folder with a sheet of paper in it (select file to print)."""
    # Back of the folder with its tab.
    c.box(2, 6, 18, 20, OLIVE)
    c.box(2, 4, 8, 6, OLIVE)
    c.line(3, 5, 7, 5, YELLOW)
    # The sheet standing in the folder.
    sheet(c, 6, 1, 16, 14, fold=3)
    # Front flap, tilted open towards the viewer: a slanted parallelogram.
    flap = {(x, y) for y in range(11, 21) for x in range(2, 23)
            if 6 - (y - 11) // 2 <= x <= 22 - (y - 11) // 2}
    c.shape(flap, YELLOW)
    c.line(7, 12, 20, 12, WHITE)


def icon_copies(c):
    """2: three sheets lying one on another (number of copies)."""
    sheet(c, 11, 2, 21, 15, fold=3)
    sheet(c, 7, 5, 17, 18, fold=3)
    sheet(c, 3, 8, 13, 21, fold=3)


def icon_orientation(c):
    """3: a standing and a lying sheet with an arrow that turns one into the
    other (orientation)."""
    sheet(c, 1, 1, 10, 15, fold=2)
    sheet(c, 8, 13, 22, 22, fold=2)
    c.grid(12, 1, [
        "bbbb........",
        "bbbbbb......",
        "....bbbb....",
        "......bbb...",
        ".......bb...",
        ".......bb...",
        "....bbbbbbbb",
        ".....bbbbbb.",
        "......bbbb..",
        ".......bb...",
    ])


def icon_form_feed(c):
    """4: a sheet pushed out of the printer by an arrow (form feed)."""
    sheet(c, 6, 1, 17, 14, fold=3)
    c.grid(8, 4, [
        "...g...",
        "..ggg..",
        ".ggggg.",
        "ggggggg",
        "..ggg..",
        "..ggg..",
        "..ggg..",
    ])
    printer(c, 1, 13, 22, 20, paper=False)


def icon_bitmap(c):
    """5: a picture of a mountain, a hill and the sun (bitmap printing)."""
    c.box(1, 3, 22, 20, AQUA)
    c.fill(2, 4, 21, 7, BLUE)
    c.shape(disc(17.5, 8.5, 2.6), YELLOW, OLIVE)
    mountain = {(x, y) for y in range(7, 20) for x in range(2, 22)
                if abs(x - 9) <= (y - 7)}
    c.shape(mountain, GREY)
    c.paint({(x, y) for x, y in mountain if y <= 10 and abs(x - 9) < y - 7},
            WHITE)
    # A round green hill in front, on a strip of meadow.
    # (The hill reaches into the frame, so that its outline lies under it.)
    hill = {(x, y) for x, y in disc(16, 22, 7.5) if x <= 22 and y <= 20} \
        | rect(1, 17, 22, 20)
    c.shape(hill, GREEN)
    c.paint({(x, y) for x, y in disc(16, 22, 6.5) - disc(16, 23, 6.5)
             if y < 17}, LIME)
    c.frame(1, 3, 22, 20, BLACK)


def icon_default_printer(c):
    """6: a printer with a check mark (set default printer)."""
    printer(c, 1, 8, 18, 15)
    c.shape(disc(18, 18, 5.6), WHITE)
    c.grid(15, 15, [
        ".....k",
        "....kk",
        "k..kk.",
        "kkkk..",
        ".kk...",
    ])


def icon_globe(c):
    """7: the globe (the maker on the Net)."""
    ball = disc(12, 12, 10)
    c.shape(ball, BLUE)
    c.grid(3, 3, [
        ".....llll.........",
        "...lllllll...l....",
        "..lllllll...lll...",
        "..llllll...lllll..",
        "...lllll..lllllll.",
        "....llll.lllllll..",
        ".....ll...llllll..",
        "......l....lllll..",
        "...........llll...",
        "......l.....lll...",
        "......ll....ll....",
        ".....llll.........",
        ".....lllll........",
        "......llll........",
        "......lll...ll....",
        ".......l....lll...",
        "............ll....",
    ])
    c.paint(border(ball), NAVY)
    c.dot(7, 6, WHITE)
    c.dot(6, 7, WHITE)


def icon_log(c):
    """8: a spiral-bound notepad with lines of text (event log)."""
    c.box(4, 3, 19, 22, WHITE)
    c.fill(5, 4, 18, 6, RED)
    c.line(5, 6, 18, 6, MAROON)
    for x in range(6, 19, 3):
        c.line(x, 1, x, 4, GREY)
        c.dot(x, 1, BLACK)
    for y in range(9, 21, 2):
        c.line(6, y, 17 - (y % 3) * 2, y, NAVY)


def icon_next_events(c):
    """9: a clock with an arrow pointing ahead (next unattended events)."""
    clock(c, 10, 10, 8.5, hour_to=(1, -1), minute_to=(0, -1))
    arrow_right(c, 9, 20, 22, GREEN)
    outline_of(c, GREEN)


def icon_print_unattended(c):
    """10: a printer with a clock (print unattended)."""
    printer(c, 1, 8, 18, 15)
    clock(c, 17, 17, 6.5, hour_to=(-1, 0), minute_to=(0, -1))


def icon_remote_printers(c):
    """11: a printer on a network cable (set remote printers)."""
    printer(c, 2, 8, 21, 15, paper=False, paper_in=True)
    # The connector under the printer and the network cable it sits on.
    c.box(9, 16, 14, 19, GREY)
    c.line(10, 17, 13, 17, SILVER)
    c.box(0, 19, 23, 22, TEAL)
    c.line(0, 20, 23, 20, AQUA)
    for x, y in ((0, 19), (0, 22), (23, 19), (23, 22)):
        c.dot(x, y, SILVER)  # round the cable's cut ends
    c.line(10, 19, 13, 19, GREY)


def icon_settings(c):
    """12: a toothed gear (settings)."""
    gear = set()
    step = math.pi / 4
    for y in range(24):
        for x in range(24):
            dx, dy = x + 0.5 - 12, y + 0.5 - 12
            r = math.hypot(dx, dy)
            a = math.atan2(dy, dx)
            # Distance of the pixel from the middle line of its nearest tooth.
            off = abs(math.sin(a - round(a / step) * step)) * r
            if 3.5 < r <= 7.5 or (3.5 < r <= 10.6 and off < 2.3):
                gear.add((x, y))
    c.shape(gear, GREY)
    # Light on the upper left half of the wheel.
    c.paint({(x, y) for x, y in disc(12, 12, 6.6) - disc(12, 12, 4.6)
             if x + y < 23}, SILVER)


def icon_about(c):
    """13: a small letter i in a blue circle (about)."""
    c.shape(disc(12, 12, 10), BLUE, NAVY)
    c.grid(9, 4, [
        "..ww..",
        ".wwww.",
        "..ww..",
        "......",
        "wwww..",
        "..ww..",
        "..ww..",
        "..ww..",
        "..ww..",
        "..ww..",
        "..ww..",
        "..ww..",
        "wwwwww",
    ])


def icon_help(c):
    """14: a book with a question mark (help)."""
    # The pages, seen from the side and at the foot.
    c.box(5, 3, 20, 21, WHITE)
    c.line(6, 20, 19, 20, GREY)
    # The blue cover and its spine.
    c.box(3, 1, 18, 19, BLUE, NAVY)
    c.fill(3, 1, 5, 19, NAVY)
    c.line(5, 2, 5, 18, BLACK)
    c.grid(8, 4, [
        "..yyyy..",
        ".yyyyyy.",
        "yyy..yyy",
        ".....yyy",
        "....yyy.",
        "...yyy..",
        "...yyy..",
        "........",
        "...yyy..",
        "...yyy..",
    ])


def icon_cancel_jobs(c):
    """15: a printer with a red cross (cancel print jobs)."""
    printer(c, 1, 8, 18, 15)
    c.grid(12, 11, [
        "kk.......kk",
        "krk.....krk",
        "krrk...krrk",
        ".krrk.krrk.",
        "..krrkrrk..",
        "...krrrk...",
        "..krrkrrk..",
        ".krrk.krrk.",
        "krrk...krrk",
        "krk.....krk",
        "kk.......kk",
    ])


def icon_schedule(c):
    """16: a calendar page with a clock (schedules unattended printing)."""
    c.box(1, 3, 18, 20, WHITE)
    c.fill(2, 4, 17, 7, RED)
    c.line(2, 7, 17, 7, MAROON)
    for x in (5, 14):
        c.fill(x, 1, x, 5, GREY)
        c.dot(x, 1, BLACK)
    for y in range(9, 20, 3):
        for x in range(3, 17, 3):
            c.fill(x, y, x + 1, y + 1, GREY)
    clock(c, 17, 17, 6.5, hour_to=(1, 0), minute_to=(0, -1))


def icon_remote(c):
    """17: two computers joined by a cable (remote sites)."""
    def computer(x, y):
        c.box(x, y, x + 9, y + 7, SILVER)
        c.box(x + 1, y + 1, x + 8, y + 5, TEAL)
        c.line(x + 2, y + 2, x + 4, y + 2, AQUA)
        c.box(x + 2, y + 8, x + 7, y + 9, GREY)
    computer(1, 1)
    computer(13, 13)
    # The cable leaves the first one at its right and enters the second
    # from above; dashes because the line may be a dial-up connection.
    for x in range(11, 19, 2):
        c.dot(x, 4, RED)
        c.dot(x + 1, 4, RED)
    for y in range(6, 13, 2):
        c.dot(18, y, RED)
    c.dot(18, 5, RED)


def icon_refresh(c):
    """18: two arrows chasing each other round a circle (refresh)."""
    # Angles in degrees, clockwise from the right as y grows downwards. Each
    # arrow is an arc of the ring and a head that narrows along the circle.
    mid, half = 7.2, 1.6
    for turn in (0, 180):
        start, head, tip = 200 + turn, 300 + turn, 350 + turn
        arrow = set()
        for y in range(24):
            for x in range(24):
                dx, dy = x + 0.5 - 12, y + 0.5 - 12
                r = math.hypot(dx, dy)
                a = (math.degrees(math.atan2(dy, dx)) - start) % 360 + start
                if start <= a <= head:
                    width = half
                elif head < a <= tip:
                    width = (half + 2.2) * (tip - a) / (tip - head)
                else:
                    continue
                if abs(r - mid) <= width:
                    arrow.add((x, y))
        c.shape(arrow, GREEN)


def icon_print(c):
    """19: a printer (print)."""
    printer(c, 1, 9, 22, 17)


def icon_exit(c):
    """20: an open door with an arrow going out of it (exit)."""
    c.box(3, 1, 14, 22, GREY)
    c.fill(4, 2, 13, 21, BLACK)
    door = {(x, y) for x in range(4, 11) for y in range(2 - 0, 23)
            if y >= 2 + (x - 4) // 2 and y <= 22 - (x - 4) // 2}
    c.shape(door, OLIVE)
    c.dot(9, 12, YELLOW)
    arrow_right(c, 11, 12, 22, GREEN)
    outline_of(c, GREEN)


TOOLBAR_IMAGES = [
    icon_save,              # 0
    icon_open,              # 1  Select file to print
    icon_copies,            # 2
    icon_orientation,       # 3
    icon_form_feed,         # 4
    icon_bitmap,            # 5
    icon_default_printer,   # 6
    icon_globe,             # 7  the maker on the Net
    icon_log,               # 8  Shows the results of unattended events
    icon_next_events,       # 9  Next unattended events
    icon_print_unattended,  # 10 Print unattended
    icon_remote_printers,   # 11 Set remote printers
    icon_settings,          # 12
    icon_about,             # 13 About
    icon_help,              # 14 Help
    icon_cancel_jobs,       # 15
    icon_schedule,          # 16 Schedules unattended printing
    icon_remote,            # 17
    icon_refresh,           # 18 Refresh printer list
    icon_print,             # 19 Print
    icon_exit,              # 20
]

IMAGE_SIZE = 24
TOOLBAR_WIDTH = IMAGE_SIZE * len(TOOLBAR_IMAGES)  # 504
TOOLBAR_HEIGHT = 33  # the rows below the images are unused


def draw_toolbar():
    strip = Canvas(TOOLBAR_WIDTH, TOOLBAR_HEIGHT, SILVER)
    for i, draw in enumerate(TOOLBAR_IMAGES):
        c = Canvas(IMAGE_SIZE, IMAGE_SIZE, SILVER)
        draw(c)
        strip.paste(c, IMAGE_SIZE * i, 0)
    return strip


# ---------------------------------------------------------------------------
# The program icon: a printer with a sheet and a lightning bolt that sends
# the sheet straight into it.

def program_icon_32():
    c = Canvas(32, 32, CLEAR)
    # The sheet going in at the top.
    sheet(c, 8, 1, 21, 16, fold=4)
    # The printer body.
    c.box(1, 14, 30, 25, SILVER)
    c.line(2, 15, 29, 15, WHITE)
    c.line(2, 15, 2, 24, WHITE)
    c.line(2, 24, 29, 24, GREY)
    c.line(29, 16, 29, 24, GREY)
    c.fill(6, 17, 25, 18, BLACK)          # the feed slot
    c.fill(25, 21, 26, 22, LIME)          # the power lamp
    c.fill(21, 21, 22, 22, GREY)
    # The printed sheet in the tray.
    c.box(5, 25, 26, 30, WHITE)
    c.line(5, 25, 26, 25, BLACK)
    c.line(8, 27, 22, 27, GREY)
    # The lightning bolt striking down on the right.
    c.grid(20, 0, [
        "....kkkkkk",
        "...kyyyyk.",
        "...kyyyk..",
        "..kyyyk...",
        "..kyyykkkk",
        ".kyyyyyyk.",
        ".kkkkyyk..",
        "....kyk...",
        "...kyk....",
        "...kk.....",
        "..kk......",
        "..k.......",
    ])
    return c


def program_icon_16():
    c = Canvas(16, 16, CLEAR)
    c.grid(0, 0, [
        "....kkkkkk.kkkk.",
        "....kwwwwk.kyyk.",
        "....kwddwkkyyk..",
        "....kwwwwkyyyyk.",
        "....kwddwkkkyk..",
        "kkkkkkkkkkkkkkk.",
        "kwwwwwwwwwwwwsk.",
        "kwkkkkkkkkkkwdk.",
        "kwssssssssssldk.",
        "kwssssssssssddk.",
        "kkkkkkkkkkkkkkk.",
        "..kwwwwwwwwwk...",
        "..kwddddddwwk...",
        "..kwwwwwwwwwk...",
        "..kkkkkkkkkkk...",
        "................",
    ])
    return c


# ---------------------------------------------------------------------------
# File formats.

def bitmap_bits(c):
    """The pixels of a canvas as 4-bit rows, bottom row first, each row padded
    to a multiple of 4 bytes; clear pixels are stored as black."""
    row_bytes = (c.width * 4 + 31) // 32 * 4
    data = bytearray()
    for y in range(c.height - 1, -1, -1):
        row = bytearray(row_bytes)
        for x in range(c.width):
            value = max(c.get(x, y), 0)
            if x % 2 == 0:
                row[x // 2] |= value << 4
            else:
                row[x // 2] |= value
        data += row
    return bytes(data)


def mask_bits(c):
    """The 1-bit AND mask of an icon image: 1 where the pixel is clear."""
    row_bytes = (c.width + 31) // 32 * 4
    data = bytearray()
    for y in range(c.height - 1, -1, -1):
        row = bytearray(row_bytes)
        for x in range(c.width):
            if c.get(x, y) == CLEAR:
                row[x // 8] |= 0x80 >> (x % 8)
        data += row
    return bytes(data)


def palette_bytes():
    return b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)


def info_header(width, height, image_size):
    """A BITMAPINFOHEADER for 4 bits per pixel with all 16 colours used."""
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, 4, 0,
                       image_size, 2835, 2835, 16, 16)


def bmp_file(c):
    bits = bitmap_bits(c)
    offset = 14 + 40 + 16 * 4
    header = struct.pack('<2sIHHI', b'BM', offset + len(bits), 0, 0, offset)
    return header + info_header(c.width, c.height, len(bits)) \
        + palette_bytes() + bits


def ico_file(images):
    """An icon file; each image is stored as a header whose height counts the
    colour bitmap and the mask, the palette, the colour bits and the mask."""
    bodies = []
    for c in images:
        bits = bitmap_bits(c)
        mask = mask_bits(c)
        bodies.append(struct.pack('<IiiHHIIiiII', 40, c.width, 2 * c.height,
                                  1, 4, 0, len(bits) + len(mask), 0, 0, 16, 0)
                      + palette_bytes() + bits + mask)
    data = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, body in zip(images, bodies):
        data += struct.pack('<BBBBHHII', c.width, c.height, 16, 0, 1, 4,
                            len(body), offset)
        offset += len(body)
    return data + b''.join(bodies)


def main():
    resources = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                             os.pardir, 'resources')
    with open(os.path.join(resources, 'toolbar.bmp'), 'wb') as f:
        f.write(bmp_file(draw_toolbar()))
    with open(os.path.join(resources, 'program.ico'), 'wb') as f:
        f.write(ico_file([program_icon_32(), program_icon_16()]))


if __name__ == '__main__':
    main()
