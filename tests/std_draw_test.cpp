// Drawing toolkit of the standard library: primitives pixel by pixel in a memory
// DC, label layout measured with the DC's own font, and GDI hygiene.
#include <stdio.h>
#include <string>
#include "draw_expect.h"
#include "ccdraw.h"

static const COLORREF kTable[16] = {
    RGB(0, 0, 0),     RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),   RGB(0, 0, 128), RGB(128, 0, 128),
    RGB(0, 128, 128), RGB(128, 128, 128), RGB(192, 192, 192), RGB(255, 0, 0),   RGB(0, 255, 0), RGB(255, 255, 0),
    RGB(0, 0, 255),   RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255),
};

// ---------------------------------------------------------------------------
// Primitives

TEST(Colours, TableAndMasking)
{
    CCTCanvas c(64, 8, BG);
    for (int i = 0; i < 16; i++) {
        EXPECT_EQ(CCDraw_ColourRef(i), kTable[i]) << i;
        EXPECT_EQ(CCDraw_ColourRef(i + 16), kTable[i]) << i;
        EXPECT_EQ(CCDraw_ColourRef(i - 16), kTable[i]) << i;
        CCDraw_Box(c.dc, i + 0x7FF0, i * 4, 0, 4, 4);  // only the low 4 bits count
        EXPECT_EQ(c.At(i * 4 + 1, 1), kTable[i]) << i;
    }
    CCDraw_Box(c.dc, 16, 0, 4, 4, 4);
    CCDraw_Box(c.dc, 31, 4, 4, 4, 4);
    EXPECT_EQ(c.At(1, 5), BLACK);
    EXPECT_EQ(c.At(5, 5), WHITE);
    CCDraw_SetBkColour(c.dc, 17);
    CCDraw_SetTextColour(c.dc, 0x1E);
    EXPECT_EQ(GetBkColor(c.dc), kTable[1]);
    EXPECT_EQ(GetTextColor(c.dc), kTable[14]);
}

TEST(Bevel, RaisedEdges)
{
    const int x = 10, y = 8, w = 40, h = 30, R = x + w, B = y + h;
    CCTCanvas c(64, 48, BG);
    CCDraw_Bevel(c.dc, 8, x, y, w, h, 0);
    Expected e(64, 48, BG);
    e.Rect(x, y, R, B, BLACK, LIGHT);  // the DC's default pen draws the border
    e.Seg(x + 1, B - 3, x + 1, y + 1, WHITE);
    e.Seg(x + 1, y + 1, R - 2, y + 1, WHITE);
    e.Seg(x + 2, B - 4, x + 2, y + 2, WHITE);
    e.Seg(x + 2, y + 2, R - 3, y + 2, WHITE);
    e.Seg(x + 2, B - 2, R - 2, B - 2, GREY);
    e.Seg(R - 2, B - 2, R - 2, y + 1, GREY);
    e.Seg(x + 3, B - 3, R - 3, B - 3, GREY);
    e.Seg(R - 3, B - 3, R - 3, y + 2, GREY);
    EXPECT_TRUE(SameImage(c.Image(), e));
    // The corners where lit and shaded edges meet keep the face colour.
    EXPECT_EQ(c.At(x + 1, B - 2), LIGHT);
    EXPECT_EQ(c.At(R - 2, y + 1), LIGHT);
    EXPECT_EQ(c.At(x + 1, y + 1), WHITE);
    EXPECT_EQ(c.At(R - 2, B - 2), GREY);
}

TEST(Bevel, PressedHasOnlyTheShadow)
{
    const int x = 3, y = 4, w = 30, h = 20, R = x + w, B = y + h;
    CCTCanvas c(40, 30, BG);
    CCDraw_Bevel(c.dc, 12, x, y, w, h, 5);
    Expected e(40, 30, BG);
    e.Rect(x, y, R, B, BLACK, kTable[12]);
    e.Seg(x + 1, B - 3, x + 1, y + 1, GREY);
    e.Seg(x + 1, y + 1, R - 2, y + 1, GREY);
    e.Seg(x + 2, B - 4, x + 2, y + 2, GREY);
    e.Seg(x + 2, y + 2, R - 3, y + 2, GREY);
    EXPECT_TRUE(SameImage(c.Image(), e));
}

TEST(Bevel, FillsWhateverTheColourValue)
{
    // Only the special library skips the fill for large values.
    CCTCanvas c(30, 30, BG);
    CCDraw_Bevel(c.dc, 0x108, 0, 0, 30, 30, 0);
    EXPECT_EQ(c.At(15, 15), LIGHT);
    EXPECT_EQ(c.At(0, 0), BLACK);
}

TEST(Lamp, HighlightAndBlackOutline)
{
    const int x = 5, y = 6;
    CCTCanvas c(24, 24, BG);
    CCDraw_Lamp(c.dc, 10, x, y);
    CCTImage img = c.Image();
    ExpectLampHighlight(c, x, y);
    EXPECT_EQ(c.At(x + 6, y + 6), kTable[10]);
    EXPECT_EQ(c.At(x, y), BG);  // round: the box corners stay
    EXPECT_EQ(c.At(x + 9, y + 9), BG);
    RECT box;
    ASSERT_TRUE(img.FindOther(BG, &box));
    EXPECT_EQ(box.left, x);
    EXPECT_EQ(box.top, y);
    EXPECT_EQ(box.right, x + 10);
    EXPECT_EQ(box.bottom, y + 10);
    // The outline is black on all four sides.
    for (int i = 0; i < 10; i++) {
        EXPECT_NE(img.at(x + i, y), kTable[10]);
        EXPECT_NE(img.at(x + i, y + 9), kTable[10]);
    }
    EXPECT_TRUE(img.Find(BLACK, nullptr, x, y, x + 10, y + 1));
    EXPECT_TRUE(img.Find(BLACK, nullptr, x, y + 9, x + 10, y + 10));
    EXPECT_TRUE(img.Find(BLACK, nullptr, x, y, x + 1, y + 10));
    EXPECT_TRUE(img.Find(BLACK, nullptr, x + 9, y, x + 10, y + 10));
    EXPECT_FALSE(img.Find(RGB(64, 64, 64), nullptr));
}

TEST(Shapes, BoxLineOutline)
{
    CCTCanvas c(40, 40, BG);
    Expected e(40, 40, BG);
    CCDraw_Box(c.dc, 9, 2, 3, 6, 4);
    e.Rect(2, 3, 8, 7, kTable[9], kTable[9]);
    CCDraw_Line(c.dc, 2, 10, 12, 10, 12);  // end point excluded
    e.Seg(2, 10, 12, 10, kTable[12]);
    CCDraw_Line(c.dc, 30, 20, 30, 12, 2);
    e.Seg(30, 20, 30, 12, kTable[2]);
    CCDraw_Outline(c.dc, 10, 20, 5, 4, 5);
    e.Seg(10, 20, 14, 20, kTable[5]);
    e.Seg(14, 20, 14, 23, kTable[5]);
    e.Seg(14, 23, 10, 23, kTable[5]);
    e.Seg(10, 23, 10, 20, kTable[5]);
    CCDraw_Outline(c.dc, 20, 30, 2, 2, 13);  // all four pixels
    e.Rect(20, 30, 22, 32, kTable[13], kTable[13]);
    CCDraw_Outline(c.dc, 35, 35, 1, 1, 15);  // four segments of zero length: nothing
    CCDraw_Line(c.dc, 36, 2, 36, 2, 15);
    EXPECT_TRUE(SameImage(c.Image(), e));
    EXPECT_EQ(c.At(35, 35), BG);
    EXPECT_EQ(c.At(12, 10), BG);
}

TEST(Shapes, DegenerateAndOffCanvas)
{
    CCTCanvas c(20, 20, BG);
    CCDraw_Box(c.dc, 3, 5, 5, 0, 0);
    CCDraw_Box(c.dc, 3, 5, 5, -4, -4);
    CCDraw_Bevel(c.dc, 3, -100, -100, 30, 30, 0);
    CCDraw_Bevel(c.dc, 3, 10, 10, 2, 2, 1);
    CCDraw_Bevel(c.dc, 3, 0, 0, 0, 0, 0);
    CCDraw_Lamp(c.dc, 3, 1000000, -1000000);
    CCDraw_Bevel(nullptr, 3, 0, 0, 10, 10, 0);
    CCDraw_Lamp(nullptr, 3, 0, 0);
    CCDraw_Outline(nullptr, 0, 0, 4, 4, 1);
    SUCCEED();
}

// ---------------------------------------------------------------------------
// Labels

// Drawn in black on white: the white cell behind the characters marks where the
// text went, whatever the glyphs look like.
static void Label(CCTCanvas &c, int x, int y, int w, int h, const char *text)
{
    CCDraw_Text(c.dc, 0, 15, w, h, x, y, text);
}

TEST(Text, OffsetsRoundTowardsZero)
{
    CCTCanvas c(10, 10, BG);
    SIZE sz = Extent(c.dc, "Hello");
    EXPECT_EQ(CCDraw_TextOffsetX(c.dc, "Hello", sz.cx + 5), 2);
    EXPECT_EQ(CCDraw_TextOffsetX(c.dc, "Hello", sz.cx), 0);
    EXPECT_EQ(CCDraw_TextOffsetX(c.dc, "Hello", 0), 0);
    EXPECT_EQ(CCDraw_TextOffsetX(c.dc, "", 9), 4);
    EXPECT_EQ(CCDraw_TextOffsetX(c.dc, nullptr, 9), 0);
    EXPECT_EQ(CCDraw_TextOffsetY(c.dc, "Hello", sz.cy + 7), 3);
    EXPECT_EQ(CCDraw_TextOffsetY(c.dc, "Hello", sz.cy - 1), 0);
    EXPECT_EQ(CCDraw_TextOffsetY(nullptr, "Hello", 100), 0);  // not measurable
}

TEST(Text, SingleLineCentred)
{
    CCTCanvas c(200, 80, BG);
    SIZE sz = Extent(c.dc, "Hello");
    Label(c, 10, 10, 101, 41, "Hello");
    long left = 10 + (101 - sz.cx) / 2, top = 10 + (41 - sz.cy) / 2;
    EXPECT_EQ(Drawn(c), (std::vector<long>{left, top, left + sz.cx, top + sz.cy}));
    // Colours were set on the DC: background first, then text.
    EXPECT_EQ(GetBkColor(c.dc), WHITE);
    EXPECT_EQ(GetTextColor(c.dc), BLACK);
}

TEST(Text, WiderThanTheBoxStartsAtItsLeftEdge)
{
    CCTCanvas c(600, 60, BG);
    std::string t = "WWWWWWWWWWWWWWWWWWWW";
    SIZE sz = Extent(c.dc, t);
    ASSERT_GT(sz.cx, 20);
    Label(c, 30, 5, 20, 40, t.c_str());
    std::vector<long> d = Drawn(c);
    ASSERT_EQ(d.size(), 4u);
    EXPECT_EQ(d[0], 30);
    EXPECT_EQ(d[2], 30 + sz.cx);
}

TEST(Text, TwoLinesEachCentredOnItsOwnWidth)
{
    CCTCanvas c(200, 80, BG);
    int th = LineHeight(c.dc);
    SIZE one = Extent(c.dc, "ONE"), two = Extent(c.dc, "TWOTWO");
    const int x = 20, y = 10, w = 120, h = 2 * th + 9;
    int top = (h - 2 * th) / 2;  // 4
    Label(c, x, y, w, h, "ONE|TWOTWO");
    long l1 = x + (w - one.cx) / 2, l2 = x + (w - two.cx) / 2;
    EXPECT_EQ(Drawn(c, y + top, y + top + th), (std::vector<long>{l1, y + top, l1 + one.cx, y + top + th}));
    EXPECT_EQ(Drawn(c, y + top + th, 80),
              (std::vector<long>{l2, y + top + th, l2 + two.cx, y + top + 2 * th}));
    EXPECT_EQ(Drawn(c, 0, y + top), std::vector<long>{});
}

TEST(Text, EmptyLinesDoNotKeepTheirPlace)
{
    CCTCanvas c(200, 120, BG);
    int th = LineHeight(c.dc);
    const int x = 0, y = 10, w = 100, h = 3 * th + 10;
    SIZE a = Extent(c.dc, "A"), b = Extent(c.dc, "B");
    // 'A||B': three lines, 'A' and 'B' first, the third is empty.
    Label(c, x, y, w, h, "A||B");
    int top = (h - 3 * th) / 2;
    long la = x + (w - a.cx) / 2, lb = x + (w - b.cx) / 2;
    EXPECT_EQ(Drawn(c, 0, y + top + th), (std::vector<long>{la, y + top, la + a.cx, y + top + th}));
    EXPECT_EQ(Drawn(c, y + top + th, y + top + 2 * th),
              (std::vector<long>{lb, y + top + th, lb + b.cx, y + top + 2 * th}));
    EXPECT_EQ(Drawn(c, y + top + 2 * th, 120), std::vector<long>{});

    // A leading '|' still counts as a line break, but its empty line moves to the end.
    c.Fill(BG);
    Label(c, x, y, w, 2 * th, "|A");
    EXPECT_EQ(Drawn(c), (std::vector<long>{la, y, la + a.cx, y + th}));
}

TEST(Text, OverflowingBlockIsCentredAboveAndBelow)
{
    CCTCanvas c(100, 200, BG);
    int th = LineHeight(c.dc);
    const int y = 100, h = 11;
    Label(c, 0, y, 100, h, "A|B|C|D");
    int top = (h - 4 * th) / 2;  // negative, rounded towards zero
    ASSERT_LT(top, 0);
    std::vector<long> d = Drawn(c);
    ASSERT_EQ(d.size(), 4u);
    EXPECT_EQ(d[1], y + top);
    EXPECT_EQ(d[3], y + top + 4 * th);
}

TEST(Text, LongTextsAreCutAt255Characters)
{
    CCTCanvas c(2400, 120, BG);
    int th = LineHeight(c.dc);
    std::string cut(255, 'I');
    SIZE sz = Extent(c.dc, cut);
    ASSERT_LT(sz.cx, 2400);
    std::string t = cut + std::string(45, 'W');
    Label(c, 0, 0, 10, th, t.c_str());
    EXPECT_EQ(Drawn(c), (std::vector<long>{0, 0, sz.cx, th}));

    // Breaks beyond the cut still count as lines (empty ones) of the block.
    c.Fill(BG);
    std::string tail = cut + "II|XX|YY";
    Label(c, 0, 40, 10, 3 * th, tail.c_str());
    EXPECT_EQ(Drawn(c), (std::vector<long>{0, 40, sz.cx, 40 + th}));

    c.Fill(BG);
    std::string huge(4000, '|');
    Label(c, 0, 0, 10, 10, huge.c_str());
    Label(c, 0, 0, 10, 10, std::string(100000, 'x').c_str());
    Label(c, 0, 0, 10, 10, nullptr);
    Label(c, 0, 0, 10, 10, "");
    CCDraw_Text(nullptr, 0, 15, 10, 10, 0, 0, "A|B");
    SUCCEED();
}

// ---------------------------------------------------------------------------
// GDI hygiene

TEST(Hygiene, LeakWatchSeesWhatIsKept)
{
    HGDIOBJ kept = nullptr;
    HDC dc = nullptr;
    EXPECT_EQ(CCT_GdiLeaked([&] {
                  kept = CCDraw_Brush(3);
                  DeleteObject(CCDraw_Pen(3));
                  dc = GetDC(CCT_Parent());
              }),
              2);
    DeleteObject(kept);
    ReleaseDC(CCT_Parent(), dc);
}

TEST(Hygiene, NothingLeakedAndCallersObjectsStaySelected)
{
    CCTCanvas c(120, 60, BG);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 1, 1));
    HBRUSH brush = CreateSolidBrush(RGB(2, 2, 2));
    SelectObject(c.dc, pen);
    SelectObject(c.dc, brush);
    Selected before(c.dc);
    struct {
        const char *name;
        std::function<void()> fn;
    } calls[] = {
        {"raised bevel", [&] { CCDraw_Bevel(c.dc, 8, 0, 0, 40, 30, 0); }},
        {"pressed bevel", [&] { CCDraw_Bevel(c.dc, 8, 0, 0, 40, 30, 1); }},
        {"lamp", [&] { CCDraw_Lamp(c.dc, 9, 3, 3); }},
        {"line", [&] { CCDraw_Line(c.dc, 0, 0, 30, 30, 4); }},
        {"box", [&] { CCDraw_Box(c.dc, 4, 0, 0, 9, 9); }},
        {"outline", [&] { CCDraw_Outline(c.dc, 0, 0, 9, 9, 4); }},
        {"text", [&] { CCDraw_Text(c.dc, 0, 8, 100, 50, 0, 0, "Text"); }},
        {"lines", [&] { CCDraw_Text(c.dc, 0, 8, 100, 50, 0, 0, "A|B|C"); }},
    };
    for (auto &call : calls) {
        EXPECT_EQ(CCT_GdiLeaked(call.fn), 0) << call.name;
        EXPECT_TRUE(Selected(c.dc) == before) << call.name;
    }
    SelectObject(c.dc, GetStockObject(BLACK_PEN));
    SelectObject(c.dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(pen);
    DeleteObject(brush);
}
