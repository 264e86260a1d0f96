#!/usr/bin/env python3
"""Draws the client's icon pictures and writes them as XPM files.

Usage: make_icons.py [output directory]   (default: home/icons of the tree)

Sizes:
  feature icons (main strip and Feature Detail Editor)  44 x 31
  quick-edit panel icons                                50 x 28
  viewport-layout choice pictures                       40 x 30
  transformation buttons and their "d" insensitive twins 33 x 19

Two-state quick-edit icons hold an "off" half (x 0-24) and an "on" half
(x 24-49); the client draws a black or green double frame around each half
((0,0,25,27)/(1,1,23,25) and (24,0,25,27)/(25,1,23,25)), so the pictures keep
those lines free and show them in black.  Indicator icons keep the square
(4,10,8,8) free for the green on/off mark the client fills in.  The
transformation buttons keep the frame lines (0,0,32,18)/(1,1,30,16) black for
the green frame of the current drag action.  Icons that open a menu of
choices carry a small down-pointing triangle at their lower right corner.
"""

import math
import os
import sys

sys.dont_write_bytecode = True      # keep the source tree free of caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from canvas import Canvas  # noqa: E402

# ---- palette ------------------------------------------------------------
BG = "#CCCCCC"      # the interface background (gray80)
BLACK = "#000000"
WHITE = "#FFFFFF"
DARK = "#4D4D4D"
MID = "#8C8C8C"
LIGHT = "#E8E8E8"
RED = "#D01818"
ORANGE = "#F08C00"
YELLOW = "#F0DC00"
GREEN = "#14A014"
CYAN = "#00B4D2"
BLUE = "#1E3CD2"
NAVY = "#102070"
PURPLE = "#8C28B4"
SKY = "#A8D0F4"
PAPER = "#FFF8DC"
# three shades of the model part colour
FACE_TOP = "#9CC4EC"
FACE_FRONT = "#5A8CC8"
FACE_SIDE = "#30588C"
GREY_TEXT = "#8A8A8A"

RAMP = [BLUE, CYAN, GREEN, YELLOW, RED]

FEATURE = (44, 31)
QEDIT = (50, 28)
LAYOUT = (40, 30)
TRANSF = (33, 19)

ICONS = {}          # name -> Canvas


def icon(name, size):
    def register(draw):
        c = Canvas(size[0], size[1], BG)
        draw(c)
        ICONS[name] = c
        return draw
    return register


def ramp(t, steps=RAMP):
    """Colour of the value t in [0, 1] on a banded ramp."""
    i = min(len(steps) - 1, max(0, int(t * len(steps))))
    return steps[i]


def smooth_ramp(t):
    """A finer ramp blue-cyan-green-yellow-red, for continuous legends."""
    anchors = [(30, 60, 210), (0, 180, 210), (20, 160, 20), (240, 220, 0), (208, 24, 24)]
    t = min(1.0, max(0.0, t)) * (len(anchors) - 1)
    i = min(len(anchors) - 2, int(t))
    f = t - i
    a, b = anchors[i], anchors[i + 1]
    return "#%02X%02X%02X" % tuple(int(round(a[k] + (b[k] - a[k]) * f)) for k in range(3))


def menu_mark(c):
    """The small down-pointing triangle of icons that open a choice menu."""
    w, h = c.width, c.height
    c.polygon([(w - 8, h - 6), (w - 1, h - 6), (w - 4.5, h - 2)], fill=BLACK)


def indicator_well(c):
    """A sunken well round the indicator square (4,10,8,8)."""
    c.line(3, 9, 12, 9, DARK)
    c.line(3, 9, 3, 18, DARK)
    c.line(4, 18, 12, 18, WHITE)
    c.line(12, 10, 12, 18, WHITE)
    c.fill(4, 10, 11, 17, BG)


def two_state(c, off, on):
    """Off picture in the left half, on picture in the right half, each drawn
    by a function given the x offset of its 22 x 24 inner area (y from 2)."""
    off(c, 2)
    on(c, 26)
    for x0 in (0, 24):
        c.rect(x0, 0, x0 + 25, 27, BLACK)
        c.rect(x0 + 1, 1, x0 + 24, 26, BLACK)


def cube(c, x, y, s, d, top=None, front=None, side=None, edge=BLACK, hidden=None):
    """A cube with front face (x,y)-(x+s,y+s) and depth offset (d,-d)."""
    f = [(x, y), (x + s, y), (x + s, y + s), (x, y + s)]
    b = [(px + d, py - d) for px, py in f]
    if hidden is not None:
        c.line(b[3][0], b[3][1], b[0][0], b[0][1], hidden, dash=(1, 1))
        c.line(b[3][0], b[3][1], b[2][0], b[2][1], hidden, dash=(1, 1))
        c.line(b[3][0], b[3][1], f[3][0], f[3][1], hidden, dash=(1, 1))
    if top is not None:
        c.polygon([f[0], f[1], b[1], b[0]], fill=top)
        c.polygon([f[1], f[2], b[2], b[1]], fill=side)
        c.fill(x, y, x + s, y + s, front)
    c.polyline([f[0], f[1], f[2], f[3]], edge, closed=True)
    c.polyline([f[0], b[0], b[1], b[2], f[2]], edge)
    c.line(f[1][0], f[1][1], b[1][0], b[1][1], edge)


def shaded_cube(c, x, y, s, d, edge=BLACK):
    cube(c, x, y, s, d, FACE_TOP, FACE_FRONT, FACE_SIDE, edge)


def triad(c, ox, oy, length, labels=True, colours=(RED, GREEN, BLUE), head=2):
    lx = (ox + length, oy)
    ly = (ox, oy - length)
    lz = (ox - int(length * 0.6), oy + int(length * 0.5))
    for (tx, ty), col in zip((lx, ly, lz), colours):
        c.arrow(ox, oy, tx, ty, col, size=head)
    if labels:
        c.text(lx[0] - 2, lx[1] + 4, "X", colours[0])
        c.text(ly[0] + 4, ly[1], "Y", colours[1])
        c.text(lz[0] - 5, lz[1] - 5, "Z", colours[2])


def legend_bar(c, x0, y0, x1, y1, continuous=False, vertical=True, steps=5):
    n = (y1 - y0 if vertical else x1 - x0)
    for i in range(n + 1):
        t = i / max(1, n)
        col = smooth_ramp(t) if continuous else ramp(min(t, 0.999), RAMP[:steps])
        if vertical:
            c.line(x0, y1 - i, x1, y1 - i, col)
        else:
            c.line(x0 + i, y0, x0 + i, y1, col)
    if not continuous:
        for k in range(1, steps):
            if vertical:
                yy = y1 - int(round(k * n / steps))
                c.line(x0, yy, x1, yy, BLACK)
            else:
                xx = x0 + int(round(k * n / steps))
                c.line(xx, y0, xx, y1, BLACK)
    c.rect(x0, y0, x1, y1, BLACK)


def logo(c, x0, y0, x1, y1):
    """A small framed picture: sky, sun and a mountain."""
    c.box(x0, y0, x1, y1, SKY, BLACK)
    w, h = x1 - x0, y1 - y0
    c.disc(x0 + w * 0.72, y0 + h * 0.32, max(1, h * 0.14), YELLOW)
    c.polygon([(x0 + 1, y1), (x0 + w * 0.38, y0 + h * 0.3), (x0 + w * 0.7, y1)], fill=GREEN)
    c.polygon([(x0 + w * 0.45, y1), (x0 + w * 0.75, y0 + h * 0.55), (x1, y1)], fill="#0F780F")
    c.rect(x0, y0, x1, y1, BLACK)


def four_way(c, cx, cy, reach, colour, size=2):
    c.arrow(cx, cy, cx + reach, cy, colour, size=size)
    c.arrow(cx, cy, cx - reach, cy, colour, size=size)
    c.arrow(cx, cy, cx, cy - reach, colour, size=size)
    c.arrow(cx, cy, cx, cy + reach, colour, size=size)


def marquee(c, x0, y0, x1, y1):
    c.rect(x0, y0, x1, y1, "#0A7A0A", dash=(2, 2))


# =========================================================================
# Feature icons (main strip and Feature Detail Editor), 44 x 31
# =========================================================================

@icon("colorpal", FEATURE)
def _(c):
    # a part coloured by a variable, and its legend
    for y in range(5, 28):
        t = (27 - y) / 22.0
        x_left = 3 + (27 - y) // 3
        c.line(x_left, y, x_left + 20, y, ramp(min(t, 0.999)))
    c.polygon([(3, 27), (23, 27), (30.5, 5), (10.5, 5)], outline=BLACK)
    legend_bar(c, 34, 3, 39, 27)
    for k in range(6):
        c.line(40, 3 + k * 24 // 5, 41, 3 + k * 24 // 5, BLACK)


@icon("color", FEATURE)
def _(c):
    # a colour wheel
    hues = [RED, ORANGE, YELLOW, GREEN, CYAN, BLUE, PURPLE]
    cx, cy, r = 21.5, 15, 13
    for y in range(c.height):
        for x in range(c.width):
            if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                a = math.degrees(math.atan2(cy - y, x - cx)) % 360
                c.set(x, y, hues[int(a / 360 * len(hues)) % len(hues)])
    c.ellipse(cx, cy, r, r, outline=BLACK)
    c.disc(cx, cy, 3, WHITE, BLACK)


@icon("contour", FEATURE)
def _(c):
    c.polygon([(2, 29), (34, 29), (42, 2), (10, 2)], fill=LIGHT, outline=MID)
    rings = [(17, 10.5, BLUE), (13, 8, CYAN), (9.5, 6, GREEN), (6, 4, ORANGE), (2.5, 2, RED)]
    for i, (rx, ry, col) in enumerate(rings):
        c.ellipse(22 + i * 0.8, 15.5 - i * 0.5, rx, ry, outline=col)


@icon("iso", FEATURE)
def _(c):
    cube(c, 5, 10, 19, 9, edge=MID)
    c.ellipse(19, 15, 11, 9, fill="#0F8C0F")
    c.ellipse(18, 14, 9, 7, fill=GREEN)
    c.ellipse(15, 11, 4, 3, fill="#8CE08C")
    c.ellipse(19, 15, 11, 9, outline="#0A500A")


@icon("trace", FEATURE)
def _(c):
    c.fill(2, 3, 3, 27, MID)                       # the emitter line
    for i, col in enumerate((RED, GREEN, BLUE)):
        base = 6 + i * 9
        f = (lambda b, ph: (lambda x: b + 3.5 * math.sin((x - 4) / 6.0 + ph)))(base, i * 0.9)
        c.curve(f, 4, 37, col)
        c.head(41, f(38), 3, f(38) - f(35), col, 2)
        c.fill(3, int(round(f(4))) - 1, 5, int(round(f(4))) + 1, BLACK)


@icon("clip", FEATURE)
def _(c):
    f = [(5, 11), (24, 11), (24, 29), (5, 29)]
    b = [(x + 12, y - 8) for x, y in f]
    c.line(b[0][0], b[0][1], b[3][0], b[3][1], MID, dash=(1, 1))
    c.line(b[3][0], b[3][1], b[2][0], b[2][1], MID, dash=(1, 1))
    c.line(b[3][0], b[3][1], f[3][0], f[3][1], MID, dash=(1, 1))
    plane = [(12, 30), (12, 7), (28, 0), (28, 23)]
    c.polygon(plane, fill="#F4E07C")
    c.polygon(plane, outline=ORANGE)
    # the cut section through the model
    c.polygon([(14, 28), (14, 10), (26, 3), (26, 21)], fill="#E87C2C")
    c.polyline(f, BLACK, closed=True)
    c.polyline([f[0], b[0], b[1], b[2], f[2]], BLACK)
    c.line(f[1][0], f[1][1], b[1][0], b[1][1], BLACK)


@icon("arrow", FEATURE)
def _(c):
    for row in range(2):
        for col in range(3):
            cx, cy = 8 + col * 14, 8 + row * 14
            a = math.radians(10 + col * 35 - row * 20)
            m = 0.7 + 0.15 * col
            dx, dy = math.cos(a) * 13 * m, -math.sin(a) * 13 * m
            colour = ramp(min(0.999, (col + row) / 4.0))
            c.arrow(cx - dx / 2, cy - dy / 2, cx + dx / 2, cy + dy / 2, colour, size=2)


@icon("tensor", FEATURE)
def _(c):
    # ellipsoid glyphs: major principal axis red, minor blue
    for i, (ang, major, minor) in enumerate(((15, 8, 4), (60, 9, 3), (-30, 7, 5))):
        cx, cy = 8 + i * 14, 15
        a = math.radians(ang)
        ux, uy = math.cos(a), -math.sin(a)

        def inside(x, y):
            p = (x - cx) * ux + (y - cy) * uy
            q = -(x - cx) * uy + (y - cy) * ux
            return (p / (major + 0.4)) ** 2 + (q / (minor + 0.4)) ** 2 <= 1.0

        for y in range(c.height):
            for x in range(c.width):
                if inside(x, y):
                    rim = not all(inside(x + ox, y + oy)
                                  for ox, oy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                    c.set(x, y, "#A0643C" if rim else "#F0C8A0")
        c.line(cx - ux * major, cy - uy * major, cx + ux * major, cy + uy * major, RED)
        c.line(cx + uy * minor, cy - ux * minor, cx - uy * minor, cy + ux * minor, BLUE)


@icon("elevsrf", FEATURE)
def _(c):
    base = [(2, 29), (34, 29), (42, 21), (10, 21)]
    c.polygon(base, fill=LIGHT, outline=MID)

    def height(x):
        return 15 * math.exp(-((x - 20) / 8.0) ** 2) + 4 * math.exp(-((x - 34) / 4.0) ** 2)

    for x in range(5, 39):
        top = 25 - height(x)
        for y in range(int(round(top)), 26):
            c.set(x, y, ramp(min(0.999, (25 - y) / 16.0)))
    c.curve(lambda x: 25 - height(x), 5, 38, BLACK)
    c.line(5, 25, 38, 25, BLACK)
    c.line(5, 24, 5, 25, BLACK)
    c.line(38, int(round(25 - height(38))), 38, 25, BLACK)


@icon("profile", FEATURE)
def _(c):
    # a part with the profile line across it
    c.polygon([(3, 29), (35, 29), (41, 23), (9, 23)], fill=FACE_TOP, outline=FACE_SIDE)
    c.line(6, 26, 38, 26, BLACK, width=1)
    # the values along the line, plotted above it
    c.line(6, 2, 6, 20, BLACK)
    c.line(6, 20, 39, 20, BLACK)

    def f(x):
        return 13 - 7 * math.sin((x - 6) / 5.5)

    c.curve(f, 7, 38, RED, width=2)
    for x in (12, 22, 32):
        c.line(x, f(x) + 2, x, 25, MID, dash=(1, 1))


@icon("devsrf", FEATURE)
def _(c):
    # a cylinder
    for x in range(3, 16):
        c.line(x, 7, x, 24, ramp(min(0.999, (x - 3) / 13.0)))
    c.ellipse(9, 24, 6, 2.5, fill=ramp(0.5))
    c.ellipse(9, 24, 6, 2.5, outline=BLACK, arc=(180, 360))
    c.ellipse(9, 7, 6, 2.5, fill=LIGHT, outline=BLACK)
    c.line(3, 7, 3, 24, BLACK)
    c.line(15, 7, 15, 24, BLACK)
    c.arrow(18, 16, 25, 16, BLACK, size=3)
    # unrolled flat
    for x in range(28, 42):
        c.line(x, 6, x, 26, ramp(min(0.999, (x - 28) / 14.0)))
    c.rect(28, 6, 41, 26, BLACK)


@icon("subset", FEATURE)
def _(c):
    picked = {(1, 0), (2, 0), (1, 1), (2, 1), (3, 1), (2, 2)}
    for j in range(3):
        for i in range(4):
            x0, y0 = 3 + i * 9, 3 + j * 8
            c.fill(x0, y0, x0 + 9, y0 + 8, GREEN if (i, j) in picked else LIGHT)
    for i in range(5):
        c.line(3 + i * 9, 3, 3 + i * 9, 27, MID)
    for j in range(4):
        c.line(3, 3 + j * 8, 39, 3 + j * 8, MID)
    # outline of the subset
    c.polyline([(12, 3), (30, 3), (30, 11), (39, 11), (39, 19), (30, 19), (30, 27),
                (21, 27), (21, 19), (12, 19)], BLACK, closed=True)


@icon("displacement", FEATURE)
def _(c):
    for y in range(3, 28, 3):                     # the wall
        c.line(1, y + 2, 3, y, DARK)
    c.line(4, 3, 4, 27, BLACK)
    c.rect(4, 9, 38, 14, MID, dash=(2, 1))         # the shape at rest

    def mid(x):
        return 11.5 + 0.0085 * (x - 4) ** 2

    for x in range(5, 39):
        m = mid(x)
        c.line(x, m - 2.5, x, m + 2.5, FACE_FRONT)
    c.curve(lambda x: mid(x) - 3, 5, 38, NAVY)
    c.curve(lambda x: mid(x) + 3, 5, 38, NAVY)
    c.line(38, mid(38) - 3, 38, mid(38) + 3, NAVY)
    c.arrow(41, 12, 41, 24, RED, size=2)


@icon("query", FEATURE)
def _(c):
    c.box(5, 3, 38, 26, WHITE, MID)
    c.line(9, 5, 9, 23, BLACK)
    c.line(9, 23, 36, 23, BLACK)
    pts = [(9, 20), (12, 14), (15, 16), (18, 9), (22, 12)]
    c.polyline(pts, BLUE, width=1)
    for x, y in pts:
        c.box(x - 1, y - 1, x + 1, y + 1, WHITE, BLUE)
    c.text(27, 6, "?", RED, scale=2, big=True)


@icon("probequery", FEATURE)
def _(c):
    c.polygon([(2, 29), (30, 29), (38, 15), (10, 15)], fill=FACE_TOP, outline=FACE_SIDE)
    cx, cy = 19, 22
    c.line(cx - 6, cy, cx + 6, cy, BLACK)
    c.line(cx, cy - 5, cx, cy + 5, BLACK)
    c.rect(cx - 2, cy - 2, cx + 2, cy + 2, RED)
    c.line(cx + 2, cy - 3, 26, 11, BLACK)
    c.box(23, 2, 42, 11, PAPER, BLACK)
    c.text(25, 4, "3.2", BLACK)


@icon("time", FEATURE)
def _(c):
    cx, cy, r = 21.5, 15, 13
    c.disc(cx, cy, r, WHITE, BLACK)
    c.ellipse(cx, cy, r - 1, r - 1, outline=BLACK)
    for k in range(12):
        a = math.radians(k * 30)
        inner = r - (4 if k % 3 == 0 else 3)
        c.line(cx + math.cos(a) * inner, cy + math.sin(a) * inner,
               cx + math.cos(a) * (r - 2), cy + math.sin(a) * (r - 2), DARK)
    c.line(cx, cy, cx, cy - 9, BLACK, width=2)
    c.line(cx, cy, cx + 6, cy + 3, BLACK, width=2)
    c.line(cx, cy, cx - 7, cy + 7, RED)


@icon("flipbook", FEATURE)
def _(c):
    for dx in (10, 5, 0):
        x0, y0 = 4 + dx, 2 + dx // 2
        c.box(x0, y0, x0 + 24, y0 + 18, WHITE, BLACK)
    # the front page shows one frame of the animation
    c.disc(12, 17, 4, RED, BLACK)
    c.line(18, 17, 23, 17, MID, dash=(1, 1))
    c.line(17, 13, 22, 12, MID, dash=(1, 1))
    c.polygon([(27, 27), (33, 27), (33, 21)], fill=LIGHT, outline=BLACK)   # page curl


@icon("keyframe", FEATURE)
def _(c):
    c.line(3, 25, 41, 25, BLACK)
    for x in range(3, 42, 4):
        c.line(x, 24, x, 26, BLACK)
    keys = [(7, 10), (22, 4), (37, 12)]
    c.curve(lambda x: 4 + 0.018 * (x - 22) ** 2 + (0.09 * (x - 22) if x > 22 else 0), 7, 37,
            MID)
    for kx, ky in keys:
        c.line(kx, ky + 4, kx, 22, MID, dash=(1, 1))
        c.polygon([(kx, 21), (kx + 3, 25), (kx, 29), (kx - 3, 25)], fill=ORANGE, outline=BLACK)
        # a camera at the key position
        c.box(kx - 3, ky - 2, kx + 2, ky + 2, DARK, BLACK)
        c.polygon([(kx + 2, ky), (kx + 5, ky - 2), (kx + 5, ky + 2)], fill=BLACK)


@icon("calc", FEATURE)
def _(c):
    c.box(11, 1, 32, 29, DARK, BLACK)
    c.box(13, 3, 30, 10, "#B4E6A0", BLACK)
    c.text(16, 4, "1.5", BLACK)
    for j in range(4):
        for i in range(4):
            x0, y0 = 14 + i * 4, 13 + j * 4
            c.fill(x0, y0, x0 + 2, y0 + 2, ORANGE if i == 3 else LIGHT)


@icon("model", FEATURE)
def _(c):
    cube(c, 8, 11, 17, 9, FACE_TOP, FACE_FRONT, FACE_SIDE)
    # element mesh on the visible faces
    for k in (1, 2):
        x = 8 + k * 17 // 3
        c.line(x, 11, x, 28, BLACK)
        c.line(x, 11, x + 9, 2, BLACK)
        y = 11 + k * 17 // 3
        c.line(8, y, 25, y, BLACK)
        c.line(25, y, 34, y - 9, BLACK)
        c.line(8 + k * 3, 11 - k * 3, 25 + k * 3, 11 - k * 3, BLACK)
        c.line(25 + k * 3, 11 - k * 3, 25 + k * 3, 28 - k * 3, BLACK)


# =========================================================================
# Quick-edit panel icons, 50 x 28
# =========================================================================

# ---- two-state icons ------------------------------------------------------

@icon("hsurf", QEDIT)
def _(c):
    two_state(c, lambda c, ox: cube(c, ox + 3, 10, 11, 6, hidden=BLACK),
              lambda c, ox: shaded_cube(c, ox + 3, 10, 11, 6))


@icon("hline", QEDIT)
def _(c):
    def off(c, ox):
        c.rect(ox + 2, 4, ox + 13, 15, BLACK)
        c.rect(ox + 8, 10, ox + 19, 22, BLACK)

    def on(c, ox):
        c.rect(ox + 2, 4, ox + 13, 15, BLACK)
        c.box(ox + 8, 10, ox + 19, 22, WHITE, BLACK)
    two_state(c, off, on)


def _mesh2x2(c, ox):
    c.fill(ox + 1, 3, ox + 20, 24, WHITE)
    c.rect(ox + 1, 3, ox + 20, 24, DARK)
    c.line(ox + 10, 3, ox + 10, 24, DARK)
    c.line(ox + 1, 13, ox + 20, 13, DARK)


@icon("elemlblvis", QEDIT)
def _(c):
    def on(c, ox):
        _mesh2x2(c, ox)
        for n, (x, y) in enumerate(((4, 6), (13, 6), (4, 16), (13, 16))):
            c.text(ox + x, y, str(n + 1), BLUE)
    two_state(c, _mesh2x2, on)


@icon("nodelblvis", QEDIT)
def _(c):
    corners = ((6, 9), (15, 9), (6, 18), (15, 18))

    def off(c, ox):
        c.fill(ox + 6, 9, ox + 15, 18, WHITE)
        c.rect(ox + 6, 9, ox + 15, 18, DARK)
        for x, y in corners:
            c.fill(ox + x - 1, y - 1, ox + x + 1, y + 1, RED)

    def on(c, ox):
        off(c, ox)
        for n, (x, y) in enumerate(corners):
            tx = x - 5 if x < 10 else x + 3
            ty = y - 6 if y < 12 else y + 2
            c.text(ox + tx, ty, str(n + 1), RED)
    two_state(c, off, on)


@icon("auxclip", QEDIT)
def _(c):
    def off(c, ox):
        c.disc(ox + 11, 14, 8, FACE_FRONT, NAVY)

    def on(c, ox):
        c.disc(ox + 11, 14, 8, FACE_FRONT, NAVY)
        c.fill(ox + 12, 5, ox + 20, 23, BG)
        c.ellipse(ox + 11, 14, 8, 8, outline=MID, arc=(-80, 80))
        c.line(ox + 12, 3, ox + 12, 25, RED, dash=(2, 1))
    two_state(c, off, on)


# ---- indicator icons -----------------------------------------------------

@icon("genvisible", QEDIT)
def _(c):
    indicator_well(c)
    cx, cy = 31, 14
    eye = [(16, cy)] + [(cx + 15 * math.cos(math.radians(a)), cy - 8 * math.sin(math.radians(a)))
                        for a in range(170, 10, -10)] + [(46, cy)] + \
          [(cx + 15 * math.cos(math.radians(a)), cy + 8 * math.sin(math.radians(a)))
           for a in range(10, 180, 10)]
    c.polygon(eye, fill=WHITE, outline=BLACK)
    c.disc(cx, cy, 5, BLUE)
    c.disc(cx, cy, 2, BLACK)
    c.set(cx - 2, cy - 2, WHITE)


@icon("axisglobal", QEDIT)
def _(c):
    indicator_well(c)
    triad(c, 30, 17, 14)


@icon("axislocal", QEDIT)
def _(c):
    indicator_well(c)
    triad(c, 22, 11, 8, labels=False)
    triad(c, 37, 22, 8, labels=False)
    c.line(22, 11, 37, 22, MID, dash=(1, 2))


@icon("annotdefaults", QEDIT)
def _(c):
    indicator_well(c)
    c.text(16, 9, "DEF", BLACK, scale=2)
    c.line(16, 22, 37, 22, BLUE)


# ---- view and part icons ------------------------------------------------

@icon("labelattrs", QEDIT)
def _(c):
    c.polygon([(3, 7), (20, 7), (25, 14), (20, 21), (3, 21)], fill=PAPER, outline=BLACK)
    c.disc(21, 14, 1, BLACK)
    c.text(6, 12, "12", BLUE)
    c.text(29, 6, "A", RED, scale=2, big=True)
    c.fill(43, 6, 46, 9, RED)
    c.fill(43, 11, 46, 14, BLUE)
    c.fill(43, 16, 46, 19, GREEN)


@icon("partpick", QEDIT)
def _(c):
    shaded_cube(c, 20, 10, 12, 6)
    c.rect(18, 2, 40, 24, "#0A7A0A", dash=(2, 2))
    pointer = [(6, 3), (6, 20), (10, 16), (13, 23), (16, 22), (13, 15), (18, 15)]
    c.polygon(pointer, fill=WHITE, outline=BLACK)
    menu_mark(c)


@icon("viewportvis", QEDIT)
def _(c):
    c.box(2, 4, 22, 23, SKY, BLACK)
    shaded_cube(c, 7, 12, 7, 4)
    c.box(26, 4, 46, 23, SKY, BLACK)
    c.rect(31, 12, 38, 19, MID, dash=(1, 1))
    c.line(38, 12, 42, 8, MID, dash=(1, 1))
    c.line(31, 12, 35, 8, MID, dash=(1, 1))
    c.line(35, 8, 42, 8, MID, dash=(1, 1))


@icon("linewidth", QEDIT)
def _(c):
    y = 3
    for w in (1, 2, 3, 4):
        c.fill(4, y, 40, y + w - 1, BLACK)
        y += w + 3
    menu_mark(c)


@icon("transparency", QEDIT)
def _(c):
    c.box(5, 3, 25, 17, RED, BLACK)
    for y in range(9, 25):
        for x in range(16, 40):
            if (x + y) % 2 == 0:
                c.set(x, y, BLUE)
            elif not (5 <= x <= 25 and 3 <= y <= 17):
                c.set(x, y, WHITE)
    c.rect(16, 9, 40, 25, NAVY)


@icon("surfacerep", QEDIT)
def _(c):
    # left: border edges only; right: full element mesh
    cube(c, 3, 10, 13, 6)
    cube(c, 24, 10, 13, 6, FACE_TOP, FACE_FRONT, FACE_SIDE)
    for k in (1, 2):
        d = k * 13 // 3
        c.line(24 + d, 10, 24 + d, 23, BLACK)
        c.line(24, 10 + d, 37, 10 + d, BLACK)
        c.line(24 + d, 10, 30 + d, 4, BLACK)
        c.line(37, 10 + d, 43, 4 + d, BLACK)
    menu_mark(c)


@icon("symmetry", QEDIT)
def _(c):
    shape = [(4, 22), (4, 4), (12, 4), (12, 9), (20, 9), (20, 22)]
    c.polygon(shape, fill=FACE_FRONT, outline=NAVY)
    c.polygon([(48 - x, y) for x, y in shape], fill=FACE_TOP, outline=FACE_FRONT)
    c.line(24, 1, 24, 26, RED, dash=(2, 2))
    c.arrow(17, 25, 31, 25, BLACK, size=2, both=True)
    menu_mark(c)


@icon("shadetype", QEDIT)
def _(c):
    tones = ["#0E2A5C", "#1E4C94", "#3C78C8", "#78A8E4", "#C8E0FC"]
    cx, cy, r = 17, 14, 11
    lx, ly, lz = -0.5, -0.6, 0.62
    for y in range(c.height):
        for x in range(c.width):
            dx, dy = (x - cx) / r, (y - cy) / r
            if dx * dx + dy * dy <= 1.0:
                dz = math.sqrt(1.0 - dx * dx - dy * dy)
                i = max(0.0, dx * lx + dy * ly + dz * lz)
                c.set(x, y, tones[min(4, int(i * 5))])
    c.ellipse(cx, cy, r, r, outline=BLACK)
    # flat facets beside the smooth sphere
    c.polygon([(32, 4), (40, 2), (40, 14), (32, 14)], fill="#78A8E4", outline=BLACK)
    c.polygon([(40, 2), (45, 6), (45, 14), (40, 14)], fill="#1E4C94", outline=BLACK)
    c.polygon([(32, 14), (40, 14), (40, 20)], fill="#3C78C8", outline=BLACK)
    menu_mark(c)


@icon("noderep", QEDIT)
def _(c):
    xs, ys = (5, 17, 29, 41), (5, 14, 23)
    for y in ys:
        c.line(xs[0], y, xs[-1], y, MID)
    for x in xs:
        c.line(x, ys[0], x, ys[-1], MID)
    for x in xs:
        for y in ys:
            c.disc(x, y, 2, RED, BLACK)


@icon("boundbox", QEDIT)
def _(c):
    c.ellipse(22, 14, 12, 7, fill=FACE_FRONT, outline=NAVY)
    c.ellipse(18, 12, 4, 2, fill=FACE_TOP)
    c.rect(8, 5, 36, 23, BLACK, dash=(2, 2))
    for x, y in ((8, 5), (36, 5), (8, 23), (36, 23)):
        c.fill(x - 1, y - 1, x + 1, y + 1, RED)
    menu_mark(c)


@icon("selectall", QEDIT)
def _(c):
    for i in range(3):
        shaded_cube(c, 5 + i * 13, 12, 8, 4)
    marquee(c, 2, 3, 46, 24)


@icon("delete", QEDIT)
def _(c):
    shaded_cube(c, 15, 10, 12, 6, edge=MID)
    c.line(12, 4, 36, 24, RED, width=3)
    c.line(36, 4, 12, 24, RED, width=3)


# ---- annotation icons ---------------------------------------------------

@icon("newtext", QEDIT)
def _(c):
    c.plus(6, 6, GREEN, arm=4)
    c.text(14, 8, "ABC", BLACK, scale=2, big=True)
    c.line(14, 24, 47, 24, MID)


@icon("newline", QEDIT)
def _(c):
    c.plus(6, 6, GREEN, arm=4)
    c.line(16, 22, 44, 6, BLACK, width=2)
    c.fill(15, 21, 17, 23, RED)
    c.fill(43, 5, 45, 7, RED)


@icon("newlogo", QEDIT)
def _(c):
    c.plus(6, 6, GREEN, arm=4)
    logo(c, 16, 4, 44, 23)


@icon("smallcolor", QEDIT)
def _(c):
    swatches = [RED, YELLOW, GREEN, CYAN, BLUE, PURPLE]
    for k, col in enumerate(swatches):
        x0, y0 = 7 + (k % 3) * 12, 3 + (k // 3) * 11
        c.box(x0, y0, x0 + 9, y0 + 8, col, BLACK)


@icon("objectloca", QEDIT)
def _(c):
    four_way(c, 24, 14, 12, DARK)
    c.fill(18, 6, 30, 22, BG)
    c.text(19, 7, "A", BLACK, scale=2, big=True)


@icon("textjust", QEDIT)
def _(c):
    for k, half in enumerate((16, 10, 14, 7)):
        y = 4 + k * 5
        c.fill(22 - half, y, 22 + half, y + 1, BLACK)
    c.line(22, 2, 22, 23, RED, dash=(1, 1))
    menu_mark(c)


@icon("textsize", QEDIT)
def _(c):
    c.text(4, 16, "A", BLACK, big=True)
    c.arrow(11, 19, 21, 13, MID, size=2)
    c.text(27, 3, "A", BLACK, scale=3, big=True)


@icon("textrotate", QEDIT)
def _(c):
    c.text(3, 7, "A", BLACK, scale=2, big=True)
    c.text(33, 23, "A", BLACK, scale=2, rotate=True, big=True)
    c.ellipse(24, 12, 8, 8, outline=BLUE, arc=(15, 165))
    c.head(32, 11, 0.2, 1, BLUE, 2)


@icon("linearrows", QEDIT)
def _(c):
    c.arrow(6, 14, 42, 14, BLACK, width=2, size=4, both=True)
    menu_mark(c)


@icon("logosize", QEDIT)
def _(c):
    logo(c, 3, 14, 13, 22)
    c.arrow(15, 14, 22, 9, MID, size=2)
    logo(c, 25, 2, 46, 24)


@icon("legendtype", QEDIT)
def _(c):
    legend_bar(c, 8, 3, 15, 24, continuous=True)
    legend_bar(c, 26, 3, 33, 24)
    menu_mark(c)


@icon("legendtitlepos", QEDIT)
def _(c):
    c.text(8, 2, "TITLE", BLACK)
    legend_bar(c, 14, 9, 21, 25)
    c.rect(6, 0, 28, 8, RED, dash=(1, 1))
    menu_mark(c)


@icon("legendtextpos", QEDIT)
def _(c):
    legend_bar(c, 30, 2, 36, 25)
    for k, s in enumerate(("1.0", "0.5", "0.0")):
        y = 2 + k * 10
        c.text(17, y, s, BLACK)
        c.line(28, y + 2, 29, y + 2, BLACK)
    c.arrow(14, 13, 3, 13, RED, size=2)
    menu_mark(c)


@icon("legendtextsize", QEDIT)
def _(c):
    legend_bar(c, 36, 2, 42, 25)
    c.text(3, 17, "9", BLACK, big=True)
    c.arrow(10, 19, 17, 13, MID, size=2)
    c.text(19, 3, "9", BLACK, scale=3, big=True)


@icon("legendtextformat", QEDIT)
def _(c):
    legend_bar(c, 36, 2, 42, 25)
    c.text(4, 4, "1.5E2", BLACK)
    c.text(4, 12, "150.", BLACK)
    c.text(4, 20, "15E1", BLUE)


@icon("legendorient", QEDIT)
def _(c):
    legend_bar(c, 3, 2, 9, 25)
    legend_bar(c, 20, 19, 46, 25, vertical=False)
    c.polyline([(12, 6), (32, 6), (32, 13)], DARK)
    c.head(32, 15, 0, 1, DARK, 2)


@icon("selectall2", QEDIT)
def _(c):
    for x in (5, 20, 35):
        c.text(x, 5, "A", BLACK, scale=2, big=True)
        marquee(c, x - 2, 3, x + 11, 20)
    c.line(3, 24, 46, 24, BLUE)


# ---- plot icons -----------------------------------------------------------

@icon("graphattr", QEDIT)
def _(c):
    c.box(3, 2, 45, 25, PAPER, PURPLE)
    c.rect(4, 3, 44, 24, PURPLE)
    c.fill(5, 4, 43, 7, PURPLE)
    c.line(10, 10, 10, 21, MID)
    c.line(10, 21, 40, 21, MID)
    c.curve(lambda x: 15 - 5 * math.sin((x - 10) / 5.0), 11, 39, MID)


@icon("graphaxisattr", QEDIT)
def _(c):
    c.line(12, 2, 12, 21, BLACK, width=2)
    c.line(12, 21, 46, 21, BLACK, width=2)
    for y in (5, 10, 15):
        c.line(9, y, 11, y, BLACK)
    for x in (20, 29, 38):
        c.line(x, 22, x, 24, BLACK)
    c.text(4, 3, "2", BLUE)
    c.text(4, 13, "1", BLUE)


@icon("curveattr", QEDIT)
def _(c):
    pts = [(4, 22), (12, 12), (20, 15), (28, 6), (36, 9), (45, 4)]
    c.polyline(pts, RED, width=2)
    for x, y in pts:
        c.box(x - 1, y - 1, x + 1, y + 1, WHITE, BLACK)
    c.curve(lambda x: 20 + 3 * math.sin(x / 4.0), 4, 45, BLUE)


# ---- viewport icons -------------------------------------------------------

@icon("viewportlayout", QEDIT)
def _(c):
    c.box(4, 2, 40, 24, SKY, BLACK)
    c.line(26, 2, 26, 24, BLACK)
    c.line(26, 13, 40, 13, BLACK)
    shaded_cube(c, 10, 12, 7, 4)
    menu_mark(c)


@icon("newviewport", QEDIT)
def _(c):
    c.plus(6, 6, GREEN, arm=4)
    c.box(15, 5, 45, 24, SKY, BLACK)


@icon("viewportraise", QEDIT)
def _(c):
    c.box(4, 10, 28, 25, LIGHT, DARK)
    c.box(14, 2, 38, 18, SKY, "#0A7A0A")
    c.rect(13, 1, 39, 19, "#0A7A0A")
    c.arrow(44, 22, 44, 4, BLACK, size=2)


@icon("viewportlower", QEDIT)
def _(c):
    c.box(14, 2, 38, 18, SKY, "#0A7A0A")
    c.rect(13, 1, 39, 19, "#0A7A0A")
    c.box(4, 10, 28, 25, LIGHT, DARK)
    c.arrow(44, 4, 44, 22, BLACK, size=2)


@icon("viewportborder", QEDIT)
def _(c):
    c.fill(6, 3, 42, 24, RED)
    c.fill(9, 6, 39, 21, SKY)
    c.rect(6, 3, 42, 24, BLACK)


@icon("genericloca", QEDIT)
def _(c):
    four_way(c, 24, 14, 12, DARK)
    c.box(17, 9, 31, 19, SKY, BLACK)


@icon("viewportviewset", QEDIT)
def _(c):
    c.box(4, 3, 44, 24, SKY, BLACK)
    c.box(13, 10, 29, 20, DARK, BLACK)          # a camera: body, lens, viewfinder
    c.polygon([(29, 15), (36, 10), (36, 20)], fill=DARK, outline=BLACK)
    c.fill(15, 7, 20, 9, DARK)
    c.disc(21, 15, 3, SKY, WHITE)


# ---- frame icons ------------------------------------------------------------

@icon("framenew", QEDIT)
def _(c):
    c.plus(6, 6, GREEN, arm=4)
    triad(c, 28, 17, 12, labels=False)


@icon("frameassign", QEDIT)
def _(c):
    shaded_cube(c, 3, 11, 10, 5)
    c.arrow(19, 14, 28, 14, BLACK, width=2, size=3)
    triad(c, 38, 18, 9, labels=False)


@icon("frametransf", QEDIT)
def _(c):
    triad(c, 20, 13, 10, labels=False)
    c.ellipse(22, 14, 16, 10, outline=PURPLE, arc=(205, 325))
    c.head(36, 18, 1, -1, PURPLE, 2)
    menu_mark(c)


@icon("frameaxisattr", QEDIT)
def _(c):
    triad(c, 24, 17, 16, labels=False, colours=(NAVY, NAVY, NAVY))
    for k in (4, 8, 12):
        c.line(24 + k, 16, 24 + k, 18, RED)
        c.line(23, 17 - k, 25, 17 - k, RED)


@icon("framecsym", QEDIT)
def _(c):
    cx, cy, r = 22, 14, 10
    for y in range(c.height):
        for x in range(c.width):
            if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                a = math.degrees(math.atan2(cy - y, x - cx)) % 360
                c.set(x, y, FACE_FRONT if a < 60 else LIGHT)
    for k in range(6):
        a = math.radians(k * 60)
        c.line(cx, cy, cx + math.cos(a) * r, cy - math.sin(a) * r, DARK)
    c.ellipse(cx, cy, r, r, outline=BLACK)
    c.ellipse(cx, cy, r + 3, r + 3, outline=RED, arc=(-40, 40))
    a = math.radians(40)
    c.head(cx + (r + 3) * math.cos(a), cy - (r + 3) * math.sin(a), -1, -1.1, RED, 2)


@icon("frametype", QEDIT)
def _(c):
    # rectangular, cylindrical and spherical coordinates
    c.rect(2, 8, 12, 18, BLACK)
    c.line(7, 8, 7, 18, MID)
    c.line(2, 13, 12, 13, MID)
    c.line(17, 7, 17, 19, BLACK)
    c.line(27, 7, 27, 19, BLACK)
    c.ellipse(22, 7, 5, 2, fill=LIGHT, outline=BLACK)
    c.ellipse(22, 19, 5, 2, outline=BLACK, arc=(180, 360))
    c.disc(37, 13, 6, LIGHT, BLACK)
    c.ellipse(37, 13, 6, 2, outline=MID)
    c.line(37, 7, 37, 19, MID)
    menu_mark(c)


# =========================================================================
# Viewport-layout choice pictures, 40 x 30
# =========================================================================

def layout(name, panes):
    @icon(name, LAYOUT)
    def _(c):
        c.box(2, 3, 37, 26, SKY, BLACK)
        for x0, y0, x1, y1 in panes:
            c.rect(x0, y0, x1, y1, BLACK)
            c.rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, WHITE)


layout("viewport1", [(2, 3, 37, 26)])
layout("viewport2v", [(2, 3, 19, 26), (20, 3, 37, 26)])
layout("viewport2h", [(2, 3, 37, 14), (2, 15, 37, 26)])
layout("viewport4q", [(2, 3, 19, 14), (20, 3, 37, 14), (2, 15, 19, 26), (20, 15, 37, 26)])
layout("viewport43v", [(2, 3, 25, 26), (26, 3, 37, 10), (26, 11, 37, 18), (26, 19, 37, 26)])
layout("viewport43h", [(2, 3, 37, 18), (2, 19, 13, 26), (14, 19, 25, 26), (26, 19, 37, 26)])


# =========================================================================
# Transformation buttons, 33 x 19, and their insensitive "d" twins
# =========================================================================

def transf(name):
    def register(draw):
        @icon(name, TRANSF)
        def _(c):
            draw(c)
            c.rect(0, 0, 32, 18, BLACK)
            c.rect(1, 1, 31, 17, BLACK)
        return draw
    return register


@transf("rotate")
def _(c):
    c.line(16, 2, 16, 16, MID, dash=(1, 1))
    c.ellipse(16, 9, 11, 5, outline=BLACK, arc=(110, 60))
    c.ellipse(16, 9, 10, 4, outline=BLACK, arc=(110, 60))
    c.head(20, 4, -1, -0.1, BLACK, 2)


@transf("translate")
def _(c):
    c.arrow(16, 9, 28, 9, BLACK, size=2)
    c.arrow(16, 9, 4, 9, BLACK, size=2)
    c.arrow(16, 9, 16, 3, BLACK, size=2)
    c.arrow(16, 9, 16, 15, BLACK, size=2)


@transf("zoom")
def _(c):
    c.disc(13, 8, 5, WHITE, BLACK)
    c.line(12, 8, 14, 8, BLACK)
    c.line(13, 7, 13, 9, BLACK)
    c.line(17, 12, 21, 15, BLACK, width=2)


@transf("zoomband")
def _(c):
    c.rect(5, 4, 25, 14, BLACK, dash=(2, 1))
    c.arrow(8, 6, 25, 14, RED, size=2)


@transf("scale")
def _(c):
    c.rect(4, 10, 9, 14, BLACK)
    c.rect(15, 3, 28, 15, BLACK)
    c.arrow(9, 10, 15, 5, RED, size=2)


def insensitive(c):
    """The greyed look of a button that cannot be pressed now."""
    d = c.copy()
    for y in range(c.height):
        for x in range(c.width):
            if c.get(x, y) not in (BG, WHITE):
                d.set(x, y, GREY_TEXT)
    return d


for _name in ("rotate", "translate", "zoom", "zoomband", "scale"):
    ICONS["d" + _name] = insensitive(ICONS[_name])


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, "..", "..", "home", "icons")
    os.makedirs(out, exist_ok=True)
    for name, c in sorted(ICONS.items()):
        with open(os.path.join(out, name + ".xpm"), "w") as f:
            f.write(c.xpm(name))
    print("wrote %d icons to %s" % (len(ICONS), os.path.normpath(out)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
