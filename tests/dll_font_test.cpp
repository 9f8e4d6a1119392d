// The Dot-Matrix font built beside the libraries, registered privately the way
// a panel application does: the face it gives, its metrics, dots where the
// glyph table has them, and what a request gets while it is not registered.
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <algorithm>
#include <map>
#include <string>
#include <vector>
#include "ccguards.h"
#include "harness.h"

typedef std::map<int, std::vector<std::string>> GlyphTable;

static std::string BesideProgram(const char *name)
{
    char b[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, b, sizeof b);
    std::string s(b, n);
    return s.substr(0, s.find_last_of('\\') + 1) + name;
}

// The glyph table as the font generator reads it: "0x<code>" lines, then rows.
static GlyphTable ReadTable()
{
    GlyphTable t;
    FILE *f = fopen(BesideProgram("dotmatrix.txt").c_str(), "r");
    if (!f) return t;
    char line[256];
    int code = -1;
    while (fgets(line, sizeof line, f)) {
        line[strcspn(line, "\r\n")] = 0;
        if (strncmp(line, "0x", 2) == 0)
            code = (int)strtol(line, nullptr, 16);
        else if (code >= 0 && strlen(line) == 5 && strspn(line, ".#") == 5)
            t[code].push_back(line);
    }
    fclose(f);
    return t;
}

// The request the LED display makes: points, weight, raster precision, proof
// quality, pitch and family 34.
static HFONT DisplayFont(HDC dc, const char *face, int points, int weight)
{
    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    lf.lfWeight = weight;
    lf.lfOutPrecision = OUT_RASTER_PRECIS;
    lf.lfQuality = PROOF_QUALITY;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectA(&lf);
}

static std::string Face(HDC dc)
{
    char b[LF_FACESIZE] = "";
    GetTextFaceA(dc, sizeof b, b);
    return b;
}

static int CALLBACK CountFamily(const LOGFONTA *, const TEXTMETRICA *, DWORD, LPARAM n)
{
    ++*(int *)n;
    return 1;
}

static int Enumerated()
{
    HDC dc = GetDC(nullptr);
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpyA(lf.lfFaceName, "Dot-Matrix");
    int n = 0;
    EnumFontFamiliesExA(dc, &lf, CountFamily, (LPARAM)&n, 0);
    ReleaseDC(nullptr, dc);
    return n;
}

static bool Ink(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128; }

// Cells of the table that the drawn text gets wrong, with the text's cells at
// x0 + i * cell and the table's grid moved by (dx, dy) pixels: a dot pitch is
// tmHeight / 8, column c sits c + 1 pitches into the cell, row 6 half a pitch
// above the baseline.
static int Mismatches(const CCTCanvas &cv, const GlyphTable &t, const char *text, int x0, int y0, int cell,
                      const TEXTMETRICA &tm, int dx, int dy)
{
    const double p = tm.tmHeight / 8.0;
    int bad = 0;
    for (int i = 0; text[i]; i++) {
        const std::vector<std::string> &rows = t.at((unsigned char)text[i]);
        for (int r = 0; r < 7; r++)
            for (int c = 0; c < 5; c++) {
                int x = (int)(x0 + i * cell + (c + 1) * p) + dx;
                int y = (int)(y0 + tm.tmAscent - (6.5 - r) * p) + dy;
                bad += Ink(cv.At(x, y)) != (rows[r][c] == '#');
            }
    }
    return bad;
}

// Runs first: without the registration the name falls back to another face.
// Its size is one the next test does not ask for: the system may keep a font
// it made and hand it out again for the same request, registration or not.
TEST(DotMatrixFont, UnregisteredNameFallsBack)
{
    ASSERT_EQ(Enumerated(), 0);
    CCTCanvas cv(120, 60, RGB(255, 255, 255));
    CCSelect font(cv.dc, DisplayFont(cv.dc, "Dot-Matrix", 22, 700));
    ASSERT_NE(font.obj, nullptr);
    EXPECT_NE(Face(cv.dc), "Dot-Matrix");
    EXPECT_NE(Face(cv.dc), "");
    TEXTMETRICA tm;
    ASSERT_TRUE(GetTextMetricsA(cv.dc, &tm));
    EXPECT_GT(tm.tmHeight, 0);
    EXPECT_TRUE(TextOutA(cv.dc, 2, 2, "00:00", 5));
}

TEST(DotMatrixFont, RegisteredFaceMetricsAndDots)
{
    const GlyphTable table = ReadTable();
    ASSERT_EQ(table.size(), 95u) << "glyph table beside the program";
    for (const auto &g : table) ASSERT_EQ(g.second.size(), 7u) << g.first;

    const std::string path = BesideProgram("DotMatrix.ttf");
    ASSERT_EQ(AddFontResourceExA(path.c_str(), FR_PRIVATE, nullptr), 1) << path;
    EXPECT_GT(Enumerated(), 0);

    std::string all;
    for (int ch = 0x20; ch <= 0x7E; ch++) all += (char)ch;
    const struct {
        const char *face;
        int points, weight;
        bool dots;
    } cases[] = {
        {"Dot-Matrix", 14, 700, false}, {"Dot-Matrix", 20, 700, true}, {"Dot-Matrix", 20, 400, false},
        {"dot-matrix", 14, 399, false}, {"Dot-Matrix", 36, 700, true},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(std::string(k.face) + " " + std::to_string(k.points) + " pt, weight " +
                     std::to_string(k.weight));
        CCTCanvas cv(200, 80, RGB(255, 255, 255));
        CCSelect font(cv.dc, DisplayFont(cv.dc, k.face, k.points, k.weight));
        ASSERT_NE(font.obj, nullptr);
        EXPECT_EQ(Face(cv.dc), "Dot-Matrix");

        // One em high (ascent and descent fill the em), bold, fixed pitch.
        const int em = MulDiv(k.points, GetDeviceCaps(cv.dc, LOGPIXELSY), 72);
        TEXTMETRICA tm;
        ASSERT_TRUE(GetTextMetricsA(cv.dc, &tm));
        EXPECT_NEAR(tm.tmHeight, em, 1);
        EXPECT_GT(tm.tmAscent, 6 * tm.tmDescent);
        EXPECT_EQ(tm.tmWeight, 700);
        EXPECT_EQ(tm.tmPitchAndFamily & TMPF_FIXED_PITCH, 0) << "set means variable pitch";
        EXPECT_NE(tm.tmPitchAndFamily & TMPF_TRUETYPE, 0);

        // Every character's cell is the same: 6 of the 8 pitches of the height.
        SIZE one, ext;
        ASSERT_TRUE(GetTextExtentPoint32A(cv.dc, "8", 1, &one));
        EXPECT_NEAR(one.cx, 6.0 * em / 8, 1.0);
        INT widths[95];
        ASSERT_TRUE(GetCharWidth32A(cv.dc, 0x20, 0x7E, widths));
        for (int i = 0; i < 95; i++) EXPECT_EQ(widths[i], one.cx) << "character 0x" << std::hex << i + 0x20;
        ASSERT_TRUE(GetTextExtentPoint32A(cv.dc, all.c_str(), (int)all.size(), &ext));
        EXPECT_EQ(ext.cx, 95 * one.cx);
        EXPECT_EQ(ext.cy, tm.tmHeight);

        if (!k.dots) continue;
        // "8:8" drawn: every cell of the table lit or dark as the table says,
        // allowing the whole grid one pixel of rounding either way.
        SetTextColor(cv.dc, RGB(0, 0, 0));
        SetBkColor(cv.dc, RGB(255, 255, 255));
        ASSERT_TRUE(TextOutA(cv.dc, 5, 6, "8:8", 3));
        int best = 3 * 35;
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++) best = std::min(best, Mismatches(cv, table, "8:8", 5, 6, one.cx, tm, dx, dy));
        EXPECT_EQ(best, 0);
        if (best) CCT_SaveBmp(cv.Image(), ("dotmatrix_" + std::to_string(k.points) + ".bmp").c_str());
    }

    EXPECT_TRUE(RemoveFontResourceExA(path.c_str(), FR_PRIVATE, nullptr));
    EXPECT_EQ(Enumerated(), 0);
}
