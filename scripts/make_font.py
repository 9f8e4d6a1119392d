#!/usr/bin/python3
"""Builds the Dot-Matrix TrueType font from its glyph table.

usage: make_font.py TABLE OUT.ttf

TABLE holds one block per character: "0x<code> <label>", then 7 rows of 5
characters, '#' a lit dot. Every lit dot becomes a round dot (a circle of
eight quadratic arcs) on a grid of 6 x 8 dot pitches: the 5 x 7 matrix with
half a pitch of gap on every side, so that glyphs set side by side keep one
empty column and the text cell is exactly one em high.
"""
import math
import sys

try:
    from fontTools.fontBuilder import FontBuilder
    from fontTools.pens.ttGlyphPen import TTGlyphPen
    from fontTools.ttLib.tables.O_S_2f_2 import Panose
except ImportError:
    sys.exit("make_font.py: fontTools is missing; install Debian's python3-fonttools "
             "(sh scripts/bootstrap.sh)")

FAMILY = "Dot-Matrix"
PITCH = 128                   # font units per dot pitch
UPM = 8 * PITCH               # the cell is 8 pitches high: 7 rows and a gap
ADVANCE = 6 * PITCH           # 5 columns and one column of gap
ASCENT = 7 * PITCH + PITCH // 2
DESCENT = PITCH // 2
RADIUS = 0.42 * PITCH         # dots of 84 % of the pitch, gaps between them
COLS, ROWS = 5, 7
FIRST, LAST = 0x20, 0x7E


def read_table(path):
    """Returns {code: [7 row strings]}; exits with a line number on bad input."""
    glyphs, code, rows = {}, None, []
    with open(path, encoding="ascii") as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip("\n")
            def bad(why):
                sys.exit("%s:%d: %s" % (path, n, why))
            if not line.strip() or line.startswith(";"):
                continue
            if line.startswith("0x"):
                if code is not None:
                    bad("glyph 0x%02X has %d rows, not %d" % (code, len(rows), ROWS))
                try:
                    code = int(line.split()[0], 16)
                except ValueError:
                    bad("bad character code")
                if not FIRST <= code <= LAST or code in glyphs:
                    bad("character 0x%02X out of range or repeated" % code)
                rows = []
                continue
            if code is None:
                bad("dot row before any character line")
            if len(line) != COLS or set(line) - set(".#"):
                bad("a row is %d characters of '.' and '#'" % COLS)
            rows.append(line)
            if len(rows) == ROWS:
                glyphs[code], code = rows, None
    if code is not None:
        sys.exit("%s: glyph 0x%02X is cut short" % (path, code))
    missing = [c for c in range(FIRST, LAST + 1) if c not in glyphs]
    if missing:
        sys.exit("%s: no glyph for %s" % (path, " ".join("0x%02X" % c for c in missing)))
    return glyphs


def dot(pen, cx, cy):
    """A clockwise circle: on-curve points every 45 degrees, control points between."""
    far = RADIUS / math.cos(math.pi / 8)
    def at(r, deg):
        a = math.radians(deg)
        return (round(cx + r * math.cos(a)), round(cy + r * math.sin(a)))
    pen.moveTo(at(RADIUS, 90))
    for k in range(8):
        pen.qCurveTo(at(far, 90 - 45 * k - 22.5), at(RADIUS, 90 - 45 * (k + 1)))
    pen.closePath()


def glyph(rows):
    pen = TTGlyphPen(None)
    for r, row in enumerate(rows):
        for c, ch in enumerate(row):
            if ch == "#":   # row 6 sits on the baseline; column 0 half a pitch in
                dot(pen, (c + 1) * PITCH, (ROWS - 1 - r) * PITCH + PITCH // 2)
    return pen.glyph()


def panose():
    """Latin text, sans serif, bold, monospaced."""
    p = Panose()
    for name, value in zip(("bFamilyType", "bSerifStyle", "bWeight", "bProportion", "bContrast",
                            "bStrokeVariation", "bArmStyle", "bLetterForm", "bMidline", "bXHeight"),
                           (2, 11, 8, 9, 0, 0, 0, 0, 0, 0)):
        setattr(p, name, value)
    return p


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    table = read_table(sys.argv[1])
    notdef = ["#####"] + ["#...#"] * 5 + ["#####"]
    order, cmap, glyf = [".notdef"], {}, {".notdef": glyph(notdef)}
    for code in range(FIRST, LAST + 1):
        name = "uni%04X" % code
        order.append(name)
        cmap[code] = name
        glyf[name] = glyph(table[code])

    fb = FontBuilder(UPM, isTTF=True)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf(glyf)
    fb.setupHorizontalMetrics({g: (ADVANCE, getattr(fb.font["glyf"][g], "xMin", 0)) for g in order})
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT, lineGap=0)
    fb.setupNameTable({"familyName": FAMILY, "styleName": "Bold",
                       "fullName": FAMILY + " Bold", "psName": "DotMatrix-Bold",
                       "uniqueFontIdentifier": FAMILY + " Bold 1.0", "version": "Version 1.000"})
    fb.setupOS2(usWeightClass=700, fsSelection=0x20,   # bold
                achVendID="KERV", xAvgCharWidth=ADVANCE,
                sTypoAscender=ASCENT, sTypoDescender=-DESCENT, sTypoLineGap=0,
                usWinAscent=ASCENT, usWinDescent=DESCENT,
                sxHeight=5 * PITCH, sCapHeight=7 * PITCH,
                ulCodePageRange1=1,                    # Latin 1, the ANSI character set
                panose=panose())
    fb.setupPost(isFixedPitch=1)
    fb.font["head"].macStyle = 1                        # bold
    fb.save(sys.argv[2])


if __name__ == "__main__":
    main()
