"""A tiny raster canvas for drawing icon pictures and writing them as XPM 3.

Coordinates are pixel indices; every rectangle takes its two corners
inclusively.  Colours are "#RRGGBB" strings so that the pictures can be read
on any X server without a colour-name database.
"""

import math

# A 3x5 bitmap font: enough letters and digits for the small captions drawn
# into the pictures.  '#' is ink.
FONT = {
    '0': ["###", "#.#", "#.#", "#.#", "###"],
    '1': [".#.", "##.", ".#.", ".#.", "###"],
    '2': ["##.", "..#", ".#.", "#..", "###"],
    '3': ["##.", "..#", ".#.", "..#", "##."],
    '4': ["#.#", "#.#", "###", "..#", "..#"],
    '5': ["###", "#..", "##.", "..#", "##."],
    '6': [".##", "#..", "###", "#.#", "###"],
    '7': ["###", "..#", ".#.", ".#.", ".#."],
    '8': ["###", "#.#", "###", "#.#", "###"],
    '9': ["###", "#.#", "###", "..#", "##."],
    'A': [".#.", "#.#", "###", "#.#", "#.#"],
    'B': ["##.", "#.#", "##.", "#.#", "##."],
    'C': [".##", "#..", "#..", "#..", ".##"],
    'D': ["##.", "#.#", "#.#", "#.#", "##."],
    'E': ["###", "#..", "##.", "#..", "###"],
    'F': ["###", "#..", "##.", "#..", "#.."],
    'G': [".##", "#..", "#.#", "#.#", ".##"],
    'I': ["###", ".#.", ".#.", ".#.", "###"],
    'L': ["#..", "#..", "#..", "#..", "###"],
    'P': ["##.", "#.#", "##.", "#..", "#.."],
    'S': [".##", "#..", ".#.", "..#", "##."],
    'T': ["###", ".#.", ".#.", ".#.", ".#."],
    'X': ["#.#", "#.#", ".#.", "#.#", "#.#"],
    'Y': ["#.#", "#.#", ".#.", ".#.", ".#."],
    'Z': ["###", "..#", ".#.", "#..", "###"],
    '.': ["...", "...", "...", "...", ".#."],
    '?': ["##.", "..#", ".#.", "...", ".#."],
}

# A 5x7 bitmap font for the few larger letters.
FONT_BIG = {
    'A': [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    'B': ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    'C': [".####", "#....", "#....", "#....", "#....", "#....", ".####"],
    'D': ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    'E': ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    'F': ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    '9': [".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."],
    '?': [".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."],
}

# Characters used for colours in the XPM text, in order of first use.
_XPM_CHARS = (" .XoO+@#$%&*=-;:>,<1234567890qwertyuiopasdfghjklzxcvbnm"
              "MNBVCZASDFGHJKLPIUYTREWQ!~^/()_`'][{}|")


class Canvas:
    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.background = background
        self.px = [[background] * width for _ in range(height)]

    # ---- single pixels -------------------------------------------------
    def set(self, x, y, colour):
        x, y = int(round(x)), int(round(y))
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = colour

    def get(self, x, y):
        return self.px[y][x]

    # ---- lines ---------------------------------------------------------
    def line(self, x0, y0, x1, y1, colour, width=1, dash=None):
        """Straight line; width > 1 stamps a square brush; dash=(on, off)."""
        x0, y0, x1, y1 = int(round(x0)), int(round(y0)), int(round(x1)), int(round(y1))
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx = 1 if x0 < x1 else -1
        sy = 1 if y0 < y1 else -1
        err = dx + dy
        step = 0
        lo = -((width - 1) // 2)
        hi = width // 2
        while True:
            if dash is None or step % (dash[0] + dash[1]) < dash[0]:
                for ox in range(lo, hi + 1):
                    for oy in range(lo, hi + 1):
                        self.set(x0 + ox, y0 + oy, colour)
            if x0 == x1 and y0 == y1:
                break
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy
            step += 1

    def polyline(self, points, colour, width=1, dash=None, closed=False):
        pts = list(points) + ([points[0]] if closed else [])
        for (xa, ya), (xb, yb) in zip(pts, pts[1:]):
            self.line(xa, ya, xb, yb, colour, width, dash)

    def curve(self, f, x0, x1, colour, width=1):
        """The graph y = f(x) from x0 to x1, joined pixel to pixel."""
        pts = [(x, f(x)) for x in range(x0, x1 + 1)]
        self.polyline(pts, colour, width)

    # ---- rectangles ----------------------------------------------------
    def fill(self, x0, y0, x1, y1, colour):
        x0, y0, x1, y1 = (int(round(v)) for v in (x0, y0, x1, y1))
        for y in range(min(y0, y1), max(y0, y1) + 1):
            for x in range(min(x0, x1), max(x0, x1) + 1):
                self.set(x, y, colour)

    def rect(self, x0, y0, x1, y1, colour, dash=None):
        self.polyline([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], colour,
                      dash=dash, closed=True)

    def box(self, x0, y0, x1, y1, fill, outline):
        self.fill(x0, y0, x1, y1, fill)
        self.rect(x0, y0, x1, y1, outline)

    # ---- ellipses ------------------------------------------------------
    def _inside(self, x, y, cx, cy, rx, ry):
        return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0

    def ellipse(self, cx, cy, rx, ry, fill=None, outline=None, arc=None):
        """Filled and/or outlined ellipse; arc=(a0, a1) degrees limits the
        outline (0 is +x, angles grow counter-clockwise on screen)."""
        rx += 0.35
        ry += 0.35
        for y in range(int(cy - ry) - 1, int(cy + ry) + 2):
            for x in range(int(cx - rx) - 1, int(cx + rx) + 2):
                if not self._inside(x, y, cx, cy, rx, ry):
                    continue
                edge = any(not self._inside(x + ox, y + oy, cx, cy, rx, ry)
                           for ox, oy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                if edge and outline is not None:
                    if arc is not None:
                        a = math.degrees(math.atan2(cy - y, x - cx)) % 360
                        a0, a1 = arc[0] % 360, arc[1] % 360
                        ok = a0 <= a <= a1 if a0 <= a1 else (a >= a0 or a <= a1)
                        if not ok:
                            if fill is not None:
                                self.set(x, y, fill)
                            continue
                    self.set(x, y, outline)
                elif fill is not None:
                    self.set(x, y, fill)

    def disc(self, cx, cy, r, fill, outline=None):
        self.ellipse(cx, cy, r, r, fill, outline)

    # ---- polygons ------------------------------------------------------
    def polygon(self, points, fill=None, outline=None):
        if fill is not None:
            ys = [p[1] for p in points]
            for y in range(int(math.floor(min(ys))), int(math.ceil(max(ys))) + 1):
                for x in range(self.width):
                    if _point_in(points, x, y):
                        self.set(x, y, fill)
        if outline is not None:
            self.polyline(points, outline, closed=True)

    # ---- arrows --------------------------------------------------------
    def head(self, x, y, dx, dy, colour, size=3):
        """Filled arrowhead with its tip at (x, y), pointing along (dx, dy)."""
        n = math.hypot(dx, dy) or 1.0
        ux, uy = dx / n, dy / n
        bx, by = x - ux * size * 1.5, y - uy * size * 1.5
        half = size + 0.3
        pts = [(x + ux * 0.5, y + uy * 0.5),
               (bx - uy * half, by + ux * half),
               (bx + uy * half, by - ux * half)]
        self.polygon(pts, fill=colour)
        self.set(x, y, colour)

    def arrow(self, x0, y0, x1, y1, colour, width=1, size=3, both=False):
        self.line(x0, y0, x1, y1, colour, width)
        self.head(x1, y1, x1 - x0, y1 - y0, colour, size)
        if both:
            self.head(x0, y0, x0 - x1, y0 - y1, colour, size)

    def plus(self, x, y, colour, arm=3, width=2):
        """A "new" mark: a plus sign centred on (x, y)."""
        self.line(x - arm, y, x + arm, y, colour, width)
        self.line(x, y - arm, x, y + arm, colour, width)

    # ---- text ----------------------------------------------------------
    def text(self, x, y, s, colour, scale=1, rotate=False, big=False):
        """Draws s with its top-left corner at (x, y), in the 3x5 font or
        (big=True) the 5x7 one, each font pixel scale x scale.  rotate=True
        turns the text a quarter turn counter-clockwise, reading upwards from
        its bottom-left corner at (x, y)."""
        font = FONT_BIG if big else FONT
        pos = 0
        for ch in s:
            if ch == ' ':
                pos += 3 * scale
                continue
            glyph = font[ch]
            for gy, row in enumerate(glyph):
                for gx, bit in enumerate(row):
                    if bit != '#':
                        continue
                    for sy in range(scale):
                        for sx in range(scale):
                            tx = pos + gx * scale + sx
                            ty = gy * scale + sy
                            if rotate:
                                self.set(x + ty, y - tx, colour)
                            else:
                                self.set(x + tx, y + ty, colour)
            pos += (len(glyph[0]) + 1) * scale

    # ---- whole-picture operations --------------------------------------
    def copy(self):
        c = Canvas(self.width, self.height, self.background)
        c.px = [row[:] for row in self.px]
        return c

    def colours(self):
        seen = []
        for row in self.px:
            for c in row:
                if c not in seen:
                    seen.append(c)
        return seen

    def xpm(self, name):
        """The picture as XPM 3 text with the C array name "<name>_xpm"."""
        cols = self.colours()
        if len(cols) > len(_XPM_CHARS):
            raise ValueError("%s: too many colours (%d)" % (name, len(cols)))
        key = {c: _XPM_CHARS[i] for i, c in enumerate(cols)}
        ident = "".join(ch if ch.isalnum() else "_" for ch in name)
        out = ["/* XPM */",
               "static char *%s_xpm[] = {" % ident,
               "/* columns rows colors chars-per-pixel */",
               '"%d %d %d 1 ",' % (self.width, self.height, len(cols))]
        for c in cols:
            out.append('"%s c %s",' % (key[c], c))
        out.append("/* pixels */")
        rows = ['"%s"' % "".join(key[c] for c in row) for row in self.px]
        out.append(",\n".join(rows))
        out.append("};")
        return "\n".join(out) + "\n"


def _point_in(points, x, y):
    inside = False
    n = len(points)
    for i in range(n):
        xa, ya = points[i]
        xb, yb = points[(i + 1) % n]
        if (ya > y) != (yb > y):
            xc = xa + (y - ya) * (xb - xa) / (yb - ya)
            if xc > x:
                inside = not inside
    return inside
