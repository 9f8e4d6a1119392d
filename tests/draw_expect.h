// Expected rasters for the drawing toolkit tests: a copy of the background on
// which axis-aligned segments and rectangles are painted pixel by pixel, and a
// comparison that names the first differing pixel.
#ifndef DRAW_EXPECT_H
#define DRAW_EXPECT_H

#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include "harness.h"

const COLORREF BG = RGB(0x12, 0x34, 0x56);  // in no colour table
const COLORREF WHITE = RGB(255, 255, 255), GREY = RGB(128, 128, 128), BLACK = RGB(0, 0, 0);
const COLORREF LIGHT = RGB(192, 192, 192);

struct Expected {
    CCTImage img;
    Expected(int w, int h, COLORREF fill)
    {
        img.w = w;
        img.h = h;
        img.px.assign((size_t)w * h, fill);
    }
    void Put(int x, int y, COLORREF c)
    {
        if (x >= 0 && y >= 0 && x < img.w && y < img.h) img.px[(size_t)y * img.w + x] = c;
    }
    // A line as MoveToEx/LineTo draw it: from (x1, y1) up to, not including, (x2, y2).
    void Seg(int x1, int y1, int x2, int y2, COLORREF c)
    {
        int dx = (x2 > x1) - (x2 < x1), dy = (y2 > y1) - (y2 < y1);
        for (int x = x1, y = y1; x != x2 || y != y2; x += dx, y += dy) Put(x, y, c);
    }
    // Rectangle(x, y, R, B): border in pen colour, inside in brush colour.
    void Rect(int x, int y, int R, int B, COLORREF pen, COLORREF brush)
    {
        for (int j = y; j < B; j++)
            for (int i = x; i < R; i++) Put(i, j, (i == x || j == y || i == R - 1 || j == B - 1) ? pen : brush);
    }
};

inline testing::AssertionResult SameImage(const CCTImage &got, const Expected &want)
{
    int bad = 0;
    char first[96] = "";
    for (int y = 0; y < got.h; y++)
        for (int x = 0; x < got.w; x++)
            if (got.at(x, y) != want.img.at(x, y) && bad++ == 0)
                snprintf(first, sizeof first, "first at (%d,%d): got %06lx, want %06lx", x, y,
                         (unsigned long)got.at(x, y), (unsigned long)want.img.at(x, y));
    if (!bad) return testing::AssertionSuccess();
    return testing::AssertionFailure() << bad << " pixels differ, " << first;
}

// The objects selected into a DC, to check that a routine left them as they were.
struct Selected {
    HGDIOBJ pen, brush, font, bitmap;
    explicit Selected(HDC dc)
        : pen(GetCurrentObject(dc, OBJ_PEN)), brush(GetCurrentObject(dc, OBJ_BRUSH)),
          font(GetCurrentObject(dc, OBJ_FONT)), bitmap(GetCurrentObject(dc, OBJ_BITMAP))
    {
    }
    bool operator==(const Selected &o) const
    {
        return pen == o.pen && brush == o.brush && font == o.font && bitmap == o.bitmap;
    }
};

// Bounding box of the drawn pixels as {left, top, right, bottom}.
inline std::vector<long> Drawn(const CCTCanvas &c, int y0 = 0, int y1 = -1)
{
    RECT r;
    if (!c.Image().FindOther(BG, &r, 0, y0, -1, y1)) return {};
    return {r.left, r.top, r.right, r.bottom};
}

// Extent and line height of a text in the DC's current font.
inline SIZE Extent(HDC dc, const std::string &s)
{
    SIZE sz = {0, 0};
    GetTextExtentPoint32A(dc, s.c_str(), (int)s.size(), &sz);
    return sz;
}

inline int LineHeight(HDC dc)
{
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc, &tm);
    return tm.tmHeight;
}

// The lamp's highlight: three white pixels and a dark grey one near its top left.
inline void ExpectLampHighlight(CCTCanvas &c, int x, int y)
{
    EXPECT_EQ(c.At(x + 3, y + 3), WHITE);
    EXPECT_EQ(c.At(x + 4, y + 3), WHITE);
    EXPECT_EQ(c.At(x + 3, y + 4), WHITE);
    EXPECT_EQ(c.At(x + 4, y + 4), GREY);
}

#endif
