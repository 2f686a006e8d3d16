#!/usr/bin/python3
"""Builds DS-DIGI.TTF, the seven-segment typeface of the meter's display.

Every glyph is put together from the bars of a segment display: bevelled
(hexagon-ended) horizontal and vertical bars, diagonal bars cut square where
they meet their neighbours, and square dots. The glyphs are drawn upright and
then slanted as one piece, like the digits of a handheld meter's LCD.

The output depends on nothing but this script: the arithmetic is exact
(fractions) and the timestamps are fixed, so every run writes the same bytes.

Usage: make_font.py OUTPUT.TTF
"""

import sys
from collections import namedtuple
from fractions import Fraction
from math import isqrt

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import newTable

FAMILY = "DS-Digital"
STYLE = "Normal"
VERSION = "1.000"
UNITS_PER_EM = 1100
# 2026-01-01 00:00:00 UTC in seconds since 1904-01-01, the epoch of the head table.
TIMESTAMP = 3850070400

ASCENT = 800
DESCENT = 200
HEIGHT = 700  # cap and digit height
STROKE = 84  # thickness of a bar
INSET = 12  # a bar's tip stops short of its node by this; neighbouring tips end INSET*sqrt(2) apart
GAP = 18  # clearance between a diagonal and its neighbours
DIAGONAL = 70  # thickness of a diagonal bar, measured across it
DOT = 92  # side of the decimal point
BEVEL = 22  # corner cut of a dot
SLANT = Fraction(2, 19)  # about 6 degrees
SLANT_ORIGIN = HEIGHT // 2  # the slant pivots about mid-height, keeping cells centred

CELL_WIDTH = 350  # ink width of a digit
CELL_ADVANCE = 460
WIDE_WIDTH = 450
WIDE_ADVANCE = 560
NARROW_ADVANCE = 170

HALF = Fraction(STROKE, 2)

# The polygons of a glyph before slanting; `centred` glyphs are moved to the
# middle of their advance once slanted, the others keep the cell's position.
Shape = namedtuple("Shape", "polygons advance centred")


class Grid:
    """The nodes of one character cell: three columns and three rows of bar centre lines."""

    def __init__(self, left, width, bottom=0, height=HEIGHT):
        self.l = Fraction(left) + HALF
        self.r = Fraction(left + width) - HALF
        self.c = (self.l + self.r) / 2
        self.b = Fraction(bottom) + HALF
        self.t = Fraction(bottom + height) - HALF
        self.m = Fraction(bottom) + Fraction(height, 2)


def bar(x0, y0, x1, y1):
    """A horizontal or vertical bar between two nodes with pointed 45-degree ends."""
    half = HALF
    if y0 == y1:
        a, b = sorted((x0, x1))
        a, b = a + INSET, b - INSET
        return [(a, y0), (a + half, y0 + half), (b - half, y0 + half), (b, y0),
                (b - half, y0 - half), (a + half, y0 - half)]
    assert x0 == x1
    a, b = sorted((y0, y1))
    a, b = a + INSET, b - INSET
    return [(x0, a), (x0 - half, a + half), (x0 - half, b - half), (x0, b),
            (x0 + half, b - half), (x0 + half, a + half)]


def clip(polygon, inside, intersect):
    result = []
    for i, current in enumerate(polygon):
        previous = polygon[i - 1]
        if inside(current):
            if not inside(previous):
                result.append(intersect(previous, current))
            result.append(current)
        elif inside(previous):
            result.append(intersect(previous, current))
    return result


def clip_x(polygon, x, keep_greater):
    def inside(p):
        return p[0] >= x if keep_greater else p[0] <= x

    def intersect(p, q):
        t = (x - p[0]) / (q[0] - p[0])
        return (x, p[1] + t * (q[1] - p[1]))

    return clip(polygon, inside, intersect)


def clip_y(polygon, y, keep_greater):
    def inside(p):
        return p[1] >= y if keep_greater else p[1] <= y

    def intersect(p, q):
        t = (y - p[1]) / (q[1] - p[1])
        return (p[0] + t * (q[0] - p[0]), y)

    return clip(polygon, inside, intersect)


def half_width_across(dx, dy, thickness):
    """Horizontal half-width of a bar of the given thickness running along (dx, dy)."""
    # thickness/2 * sqrt(1 + (dx/dy)^2), in whole units so that the result stays exact
    scaled = (Fraction(thickness, 2) ** 2) * (1 + Fraction(dx, dy) ** 2)
    return Fraction(isqrt(int(scaled * 10000)), 100)


def diagonal(p, q, box):
    """A straight bar from p to q, cut off by the box (x0, y0, x1, y1)."""
    (px, py), (qx, qy) = p, q
    if py > qy:
        (px, py), (qx, qy) = (qx, qy), (px, py)
    x0, y0, x1, y1 = box
    # Extend the centre line well past the box, then keep what lies inside it.
    reach = 4 * (y1 - y0) + 400
    slope = (qx - px) / (qy - py)
    hw = half_width_across(qx - px, qy - py, DIAGONAL)
    ya, yb = py - reach, qy + reach
    xa, xb = px + slope * (ya - py), px + slope * (yb - py)
    polygon = [(xa - hw, ya), (xa + hw, ya), (xb + hw, yb), (xb - hw, yb)]
    polygon = clip_x(polygon, x0, True)
    polygon = clip_x(polygon, x1, False)
    polygon = clip_y(polygon, y0, True)
    polygon = clip_y(polygon, y1, False)
    return polygon


def dot(cx, cy, size=DOT, bevel=BEVEL):
    h = Fraction(size, 2)
    return [(cx - h + bevel, cy - h), (cx - h, cy - h + bevel), (cx - h, cy + h - bevel),
            (cx - h + bevel, cy + h), (cx + h - bevel, cy + h), (cx + h, cy + h - bevel),
            (cx + h, cy - h + bevel), (cx + h - bevel, cy - h)]


def comma(cx, top):
    """A dot with a tail running down to the left; `top` is the dot's upper edge."""
    h = Fraction(DOT, 2)
    return [(cx - h, top - BEVEL), (cx - h + BEVEL, top), (cx + h - BEVEL, top),
            (cx + h, top - BEVEL), (cx + h, top - DOT), (cx - h + 4, top - DOT - 170),
            (cx - h - 26, top - DOT - 170), (cx - h, top - DOT + 20)]


def turned(polygon, cx, cy):
    return [(2 * cx - x, 2 * cy - y) for x, y in polygon]


# Bars of a cell. The letters a to g are the seven segments of a digit (a top, b upper
# right, c lower right, d bottom, e lower left, f upper left, g middle); 1/2
# split a horizontal bar at the centre; u and l are the upper and lower halves
# of the centre column; the diagonals run from a quadrant's outer corner to the
# centre (UL, UR, LL, LR), across a lower quadrant to the bottom centre (vl, vr)
# or across an upper quadrant to the top centre (nl, nr).
def segment(grid, name, names):
    g = grid
    straight = {
        "a": (g.l, g.t, g.r, g.t), "a1": (g.l, g.t, g.c, g.t), "a2": (g.c, g.t, g.r, g.t),
        "d": (g.l, g.b, g.r, g.b), "d1": (g.l, g.b, g.c, g.b), "d2": (g.c, g.b, g.r, g.b),
        "g": (g.l, g.m, g.r, g.m), "g1": (g.l, g.m, g.c, g.m), "g2": (g.c, g.m, g.r, g.m),
        "b": (g.r, g.m, g.r, g.t), "c": (g.r, g.b, g.r, g.m),
        "e": (g.l, g.b, g.l, g.m), "f": (g.l, g.m, g.l, g.t),
        "u": (g.c, g.m, g.c, g.t), "l": (g.c, g.b, g.c, g.m),
    }
    if name in straight:
        return bar(*straight[name])

    def has(*options):
        return any(option in names for option in options)

    # A diagonal keeps clear of every bar that is drawn around its quadrant.
    left = g.l + (HALF + GAP if has("f", "e") else 0)
    right = g.r - (HALF + GAP if has("b", "c") else 0)
    centre_gap = HALF + GAP if has("u", "l") else Fraction(GAP, 2)
    middle_gap = HALF + GAP if has("g", "g1", "g2") else Fraction(GAP, 2)
    top = g.t - HALF - GAP
    bottom = g.b + HALF + GAP
    centre = (g.c, g.m)
    if name == "UL":
        return diagonal((left, top), centre, (left, g.m + middle_gap, g.c - centre_gap, top))
    if name == "UR":
        return diagonal((right, top), centre, (g.c + centre_gap, g.m + middle_gap, right, top))
    if name == "LL":
        return diagonal((left, bottom), centre,
                        (left, bottom, g.c - centre_gap, g.m - middle_gap))
    if name == "LR":
        return diagonal((right, bottom), centre,
                        (g.c + centre_gap, bottom, right, g.m - middle_gap))
    upper = g.m - (HALF if has("g", "g1", "g2") else 0) - GAP
    floor = g.b - HALF
    if name == "vl":
        return diagonal((left, upper), (g.c, floor), (left, floor, g.c - GAP / 2, upper))
    if name == "vr":
        return diagonal((right, upper), (g.c, floor), (g.c + GAP / 2, floor, right, upper))
    lower = g.m + (HALF if has("g", "g1", "g2") else 0) + GAP
    ceiling = g.t + HALF
    if name == "nl":
        return diagonal((left, lower), (g.c, ceiling), (left, lower, g.c - GAP / 2, ceiling))
    if name == "nr":
        return diagonal((right, lower), (g.c, ceiling), (g.c + GAP / 2, lower, right, ceiling))
    raise KeyError(name)


def bars(grid, names):
    """The named bars of a grid, each drawn whole whatever its neighbours."""
    return [segment(grid, name, []) for name in names.split()]


def parenthesis(side):
    """Two diagonals meeting at mid-height, pointing left for side 1 and right for -1."""
    middle = Fraction(HEIGHT, 2)
    return [diagonal((60 * side, HEIGHT - HALF), (-60 * side, middle),
                     (-90, middle + GAP / 2, 90, HEIGHT)),
            diagonal((60 * side, HALF), (-60 * side, middle), (-90, 0, 90, middle - GAP / 2))]


def cell(names, width=CELL_WIDTH, advance=CELL_ADVANCE, bottom=0, height=HEIGHT):
    """A glyph made of named bars in a cell of the given ink width, centred in its advance."""
    names = names.split()
    grid = Grid((advance - width) // 2, width, bottom, height)
    return Shape([segment(grid, name, names) for name in names], advance, False)


def custom(draw, width=CELL_WIDTH, advance=CELL_ADVANCE):
    """A glyph drawn by `draw(grid)`, which may mix named bars and free shapes."""
    grid = Grid((advance - width) // 2, width)
    return Shape(draw(grid), advance, False)


def narrow(draw, advance=NARROW_ADVANCE):
    """A glyph drawn around the centre line x = 0, then centred in its advance once slanted."""
    return Shape(draw(), advance, True)


def quote_bar(x):
    return bar(x, Fraction(HEIGHT - 230), x, Fraction(HEIGHT) - HALF + INSET)


def plus(g, reach=Fraction(200)):
    return [bar(g.l, g.m, g.r, g.m), bar(g.c, g.m - reach, g.c, g.m + reach)]


def hash_sign(g):
    """Two bars each way, crossing at four nodes like a segment display's lattice."""
    xs = [g.l, g.l + (g.r - g.l) / 3, g.r - (g.r - g.l) / 3, g.r]
    ys = [g.b, g.m - 110, g.m + 110, g.t]
    bars = []
    for y in ys[1:3]:
        bars += [bar(xs[i], y, xs[i + 1], y) for i in range(3)]
    for x in xs[1:3]:
        bars += [bar(x, ys[i], x, ys[i + 1]) for i in range(3)]
    return bars


class Hole(list):
    """A contour that cuts a hole into the shape around it."""


def zigzag(points):
    """Diagonal bars from point to point, parted by a small gap at each bend."""
    bars = []
    for i, ((x0, y0), (x1, y1)) in enumerate(zip(points, points[1:])):
        left = x0 + (GAP / 2 if i > 0 else 0)
        right = x1 - (GAP / 2 if i < len(points) - 2 else 0)
        low, high = sorted((y0, y1))
        bars.append(diagonal((x0, y0), (x1, y1), (left, low - STROKE, right, high + STROKE)))
    return bars


def ring(cx, cy, size=180, hole=76):
    return [dot(cx, cy, size, size * 3 // 10), Hole(dot(cx, cy, hole, hole * 3 // 10))]


def per_sign(g, rings_below):
    """A long diagonal with a small ring above left and `rings_below` rings below right."""
    size = 180
    h = Fraction(size, 2)
    top_end = g.r - 40 - (rings_below - 1) * (size + 30)
    shapes = [diagonal((g.l + 40, g.b - HALF), (top_end, g.t + HALF),
                       (g.l, g.b - HALF, g.r, g.t + HALF))]
    shapes += ring(g.l - HALF + h, g.t + HALF - h)
    for i in range(rings_below):
        shapes += ring(g.r + HALF - h - (rings_below - 1 - i) * (size + 30), g.b - HALF + h)
    return shapes


def build_glyphs():
    """Maps each character to its Shape."""
    glyphs = {}
    seven = {
        "0": "a b c d e f", "1": "b c", "2": "a b g e d", "3": "a b g c d", "4": "f g b c",
        "5": "a f g c d", "6": "a f g e d c", "7": "a b c", "8": "a b c d e f g",
        "9": "a b c d f g",
    }
    for ch, names in seven.items():
        glyphs[ch] = cell(names)

    capitals = {
        "A": "a b c e f g", "C": "a d e f",
        "E": "a d e f g", "F": "a e f g", "G": "a c d e f g2",
        "H": "b c e f g", "I": "a1 a2 d1 d2 u l", "J": "b c d e", "K": "e f g1 UR LR",
        "L": "d e f", "O": "a b c d e f", "P": "a b e f g", "Q": "a b c d e f LR",
        "R": "a b e f g1 g2 LR", "S": "a f g c d", "T": "a1 a2 u l", "U": "b c d e f",
        "V": "f b vl vr", "X": "UL UR LL LR", "Y": "UL UR l", "Z": "a d UR LL",
    }
    for ch, names in capitals.items():
        glyphs[ch] = cell(names)
    glyphs["B"] = cell("a1 a2 b c d1 d2 g2 u l", WIDE_WIDTH, WIDE_ADVANCE)
    glyphs["D"] = cell("a1 a2 b c d1 d2 u l", WIDE_WIDTH, WIDE_ADVANCE)
    glyphs["M"] = cell("b c e f UL UR", WIDE_WIDTH, WIDE_ADVANCE)
    glyphs["N"] = cell("b c e f UL LR")
    glyphs["W"] = cell("b c e f LL LR", WIDE_WIDTH, WIDE_ADVANCE)

    small = {
        "a": "a b c d e g", "b": "c d e f g", "c": "d e g", "d": "b c d e g",
        "e": "a b d e f g", "f": "a2 u l g1 g2", "g": "a b c d f g", "h": "c e f g",
        "k": "e f g1 UR LR", "l": "u l d2", "n": "c e g", "o": "c d e g", "p": "a b e f g",
        "q": "a b c f g", "r": "e g", "s": "a f g c d", "t": "d e f g", "u": "c d e",
        "v": "vl vr", "x": "UL UR LL LR", "y": "b c d f g", "z": "a d UR LL",
    }
    for ch, names in small.items():
        glyphs[ch] = cell(names)
    glyphs["m"] = cell("c e l g1 g2", WIDE_WIDTH, WIDE_ADVANCE)
    glyphs["w"] = cell("c e l d1 d2", WIDE_WIDTH, WIDE_ADVANCE)
    i_dot = lambda g: dot(g.c, g.m + HALF + GAP + Fraction(DOT, 2) + 40)
    glyphs["i"] = custom(lambda g: bars(g, "l") + [i_dot(g)])
    glyphs["j"] = custom(lambda g: bars(g, "l d1") + [i_dot(g)])

    glyphs[" "] = Shape([], CELL_ADVANCE, False)
    glyphs["-"] = cell("g")
    glyphs["_"] = cell("d")
    glyphs["\u2013"] = cell("g")
    glyphs["\u2014"] = cell("g", 2 * CELL_WIDTH, 2 * CELL_WIDTH + CELL_ADVANCE - CELL_WIDTH)
    glyphs["/"] = cell("UR LL")
    glyphs["\\"] = cell("UL LR")
    glyphs["<"] = cell("UR LR")
    glyphs[">"] = cell("UL LL")
    glyphs["#"] = custom(hash_sign, WIDE_WIDTH, WIDE_ADVANCE)
    glyphs["$"] = custom(lambda g: bars(g, "a1 a2 f g c d1 d2")
                         + [bar(g.c, g.t, g.c, g.t + 150), bar(g.c, g.b - 150, g.c, g.b)])
    glyphs["*"] = cell("UL UR LL LR g1 g2 u l", bottom=170, height=530)
    glyphs["@"] = cell("a b c d e f g2 u", WIDE_WIDTH, WIDE_ADVANCE)
    glyphs["&"] = cell("a1 f u g1 e d LR g2", WIDE_WIDTH, WIDE_ADVANCE)
    glyphs["^"] = cell("nl nr")
    glyphs["+"] = custom(plus)
    glyphs["="] = custom(lambda g: [bar(g.l, g.m + 100, g.r, g.m + 100),
                                    bar(g.l, g.m - 100, g.r, g.m - 100)])
    glyphs["~"] = custom(lambda g: zigzag([
        (g.l - HALF, g.m - 50), (g.l + (g.r - g.l) / 4, g.m + 90),
        (g.r - (g.r - g.l) / 4, g.m - 90), (g.r + HALF, g.m + 50)]))
    glyphs["?"] = custom(lambda g: [
        *bars(g, "a b g2"),
        bar(g.c, g.m, g.c, g.b + HALF + DOT), dot(g.c, Fraction(DOT, 2))])
    glyphs["%"] = custom(lambda g: per_sign(g, 1), WIDE_WIDTH, WIDE_ADVANCE)
    glyphs["\u2030"] = custom(lambda g: per_sign(g, 2), WIDE_WIDTH + 150, WIDE_ADVANCE + 150)

    glyphs["."] = narrow(lambda: [dot(0, Fraction(DOT, 2))])
    glyphs[":"] = narrow(lambda: [dot(0, Fraction(150)), dot(0, Fraction(HEIGHT - 150))])
    glyphs[","] = narrow(lambda: [comma(Fraction(0), Fraction(DOT))])
    glyphs[";"] = narrow(lambda: [comma(Fraction(0), Fraction(DOT)),
                                  dot(0, Fraction(HEIGHT - 150))])
    glyphs["!"] = narrow(lambda: [bar(0, Fraction(DOT + 60), 0, Fraction(HEIGHT) - HALF + INSET),
                                  dot(0, Fraction(DOT, 2))])
    glyphs["|"] = narrow(lambda: [bar(0, HALF - INSET, 0, Fraction(HEIGHT, 2)),
                                  bar(0, Fraction(HEIGHT, 2), 0, Fraction(HEIGHT) - HALF + INSET)])
    glyphs["'"] = narrow(lambda: [quote_bar(Fraction(0))])
    glyphs['"'] = narrow(lambda: [quote_bar(Fraction(-60)), quote_bar(Fraction(60))], 250)
    glyphs["`"] = narrow(lambda: [diagonal((-40, HEIGHT), (40, HEIGHT - 160),
                                           (-80, HEIGHT - 160, 80, HEIGHT))])
    glyphs["\u2019"] = narrow(lambda: [comma(Fraction(0), Fraction(HEIGHT))])
    glyphs["\u2018"] = narrow(lambda: [turned(comma(Fraction(0), Fraction(HEIGHT)), 0,
                                              Fraction(HEIGHT - 121))])
    glyphs["\u201D"] = narrow(lambda: [comma(Fraction(-70), Fraction(HEIGHT)),
                                       comma(Fraction(70), Fraction(HEIGHT))], 300)
    glyphs["\u201C"] = narrow(lambda: [
        turned(comma(Fraction(-70), Fraction(HEIGHT)), -70, Fraction(HEIGHT - 121)),
        turned(comma(Fraction(70), Fraction(HEIGHT)), 70, Fraction(HEIGHT - 121))], 300)
    glyphs["\u2022"] = narrow(lambda: [dot(0, Fraction(HEIGHT, 2), 150, 40)], 250)
    glyphs["("] = narrow(lambda: parenthesis(1), 220)
    glyphs[")"] = narrow(lambda: parenthesis(-1), 220)
    bracket = Grid(-100, 200)
    brace = Grid(-150, 300)
    glyphs["["] = narrow(lambda: bars(bracket, "a f e d"), 250)
    glyphs["]"] = narrow(lambda: bars(bracket, "a b c d"), 250)
    glyphs["{"] = narrow(lambda: bars(brace, "a2 u g1 l d2"), 330)
    glyphs["}"] = narrow(lambda: bars(brace, "a1 u g2 l d1"), 330)
    return glyphs


def slant(point):
    x, y = point
    return (round(x + (y - SLANT_ORIGIN) * SLANT), round(y))


def outline(shape):
    """Slants the shape, rounds it to whole units and orients its contours clockwise (holes
    counter-clockwise)."""
    contours = []
    for polygon in shape.polygons:
        points = [slant(p) for p in polygon]
        points = [p for i, p in enumerate(points) if p != points[i - 1]]
        area = sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]))
        if (area > 0) != isinstance(polygon, Hole):
            points.reverse()
        contours.append(points)
    if shape.centred and contours:
        xs = [x for contour in contours for x, _ in contour]
        shift = (shape.advance - (min(xs) + max(xs))) // 2
        contours = [[(x + shift, y) for x, y in contour] for contour in contours]
    return contours


def notdef_outline():
    outer = [(60, 0), (60, HEIGHT), (CELL_ADVANCE - 60, HEIGHT), (CELL_ADVANCE - 60, 0)]
    inner = [(120, 60), (CELL_ADVANCE - 120, 60), (CELL_ADVANCE - 120, HEIGHT - 60),
             (120, HEIGHT - 60)]
    return [outer, inner]


def glyph_name(ch):
    names = {" ": "space", "\u2013": "endash", "\u2014": "emdash", "\u2018": "quoteleft",
             "\u2019": "quoteright", "\u201C": "quotedblleft", "\u201D": "quotedblright",
             "\u2022": "bullet", "\u2030": "perthousand"}
    if ch in names:
        return names[ch]
    return "uni%04X" % ord(ch)


def draw(contours):
    pen = TTGlyphPen(None)
    for contour in contours:
        pen.moveTo(contour[0])
        for point in contour[1:]:
            pen.lineTo(point)
        pen.closePath()
    return pen.glyph()


def build_font(path):
    shapes = build_glyphs()
    characters = [chr(c) for c in range(0x20, 0x7F)] + [
        "\u2013", "\u2014", "\u2018", "\u2019", "\u201C", "\u201D", "\u2022", "\u2030"]
    assert set(characters) == set(shapes), set(characters) ^ set(shapes)

    order = [".notdef"] + [glyph_name(ch) for ch in characters]
    glyphs = {".notdef": draw(notdef_outline())}
    advances = {".notdef": CELL_ADVANCE}
    for ch in characters:
        glyphs[glyph_name(ch)] = draw(outline(shapes[ch]))
        advances[glyph_name(ch)] = shapes[ch].advance

    fb = FontBuilder(UNITS_PER_EM, isTTF=True)
    fb.updateHead(created=TIMESTAMP, modified=TIMESTAMP, fontRevision=1.0, lowestRecPPEM=8)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap({ord(ch): glyph_name(ch) for ch in characters})
    fb.setupGlyf(glyphs)
    glyf = fb.font["glyf"]
    fb.setupHorizontalMetrics(
        {name: (advances[name], getattr(glyf[name], "xMin", 0)) for name in order})
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT, lineGap=0,
                             caretSlopeRise=int(SLANT.denominator),
                             caretSlopeRun=int(SLANT.numerator))
    fb.setupNameTable({
        "copyright": "Drawn for Quorvel",
        "familyName": FAMILY,
        "styleName": STYLE,
        "uniqueFontIdentifier": "%s %s %s" % (FAMILY, STYLE, VERSION),
        "fullName": FAMILY,
        "version": "Version " + VERSION,
        "psName": FAMILY,
        "description": "A seven-segment display face, slanted like a handheld meter's LCD.",
    })
    fb.setupOS2(version=4, usWeightClass=400, usWidthClass=5, fsType=0, achVendID="QRVL",
                fsSelection=0x0040, sTypoAscender=ASCENT, sTypoDescender=-DESCENT,
                sTypoLineGap=0, usWinAscent=ASCENT, usWinDescent=DESCENT,
                sxHeight=int(Fraction(HEIGHT, 2) + HALF), sCapHeight=HEIGHT,
                usDefaultChar=0, usBreakChar=32, usMaxContext=0,
                ulCodePageRange1=1, ulCodePageRange2=0,
                yStrikeoutSize=STROKE, yStrikeoutPosition=HEIGHT // 2 - STROKE // 2,
                ySubscriptXSize=700, ySubscriptYSize=650, ySubscriptYOffset=140,
                ySuperscriptXSize=700, ySuperscriptYSize=650, ySuperscriptYOffset=480)
    fb.setupPost(underlinePosition=-120, underlineThickness=60, italicAngle=-6.0)
    gasp = newTable("gasp")
    gasp.version = 1
    gasp.gaspRange = {0xFFFF: 0x000F}
    fb.font["gasp"] = gasp
    fb.save(path)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    build_font(argv[1])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
