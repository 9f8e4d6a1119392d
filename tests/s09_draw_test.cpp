// Drawing toolkit of the special library: edges-only bevels, frame and thin
// bevels, justified labels of the first '$' field, fonts; and the option letters
// and justification slot of its frame helpers.
#include <stdio.h>
#include <string>
#include "draw_expect.h"
#include "ccdraw.h"
#include "ccslots.h"

static const COLORREF BLUE = RGB(0, 0, 255), GREEN = RGB(0, 255, 0), LAMPLINE = RGB(64, 64, 64);

// A window with the one extra word a slot block needs.
static HWND Host(DWORD style = WS_POPUP)
{
    static bool registered;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.cbWndExtra = sizeof(LONG_PTR);
        wc.lpszClassName = "S09TestHost";
        registered = RegisterClassA(&wc) != 0;
    }
    return CreateWindowExA(0, "S09TestHost", "", style, 0, 0, 20, 20, nullptr, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

static void Drop(HWND h)
{
    CCFreeSlots(h);
    DestroyWindow(h);
}

// ---------------------------------------------------------------------------
// Bevels and lamp

static void RaisedEdges(Expected &e, int x, int y, int R, int B, COLORREF lit, COLORREF shade, bool lower)
{
    e.Seg(x + 1, B - 3, x + 1, y + 1, lit);
    e.Seg(x + 1, y + 1, R - 2, y + 1, lit);
    e.Seg(x + 2, B - 4, x + 2, y + 2, lit);
    e.Seg(x + 2, y + 2, R - 3, y + 2, lit);
    if (!lower) return;
    e.Seg(x + 2, B - 2, R - 2, B - 2, shade);
    e.Seg(R - 2, B - 2, R - 2, y + 1, shade);
    e.Seg(x + 3, B - 3, R - 3, B - 3, shade);
    e.Seg(R - 3, B - 3, R - 3, y + 2, shade);
}

TEST(Bevel09, FillsBelow256)
{
    const int x = 5, y = 5, w = 30, h = 20;
    CCTCanvas c(40, 30, BG);
    CCDraw_Bevel(c.dc, 8, x, y, w, h, 0);
    Expected e(40, 30, BG);
    e.Rect(x, y, x + w, y + h, BLACK, LIGHT);
    RaisedEdges(e, x, y, x + w, y + h, WHITE, GREY, true);
    EXPECT_TRUE(SameImage(c.Image(), e));
}

TEST(Bevel09, LargeColourValuesDrawEdgesOnly)
{
    const int x = 5, y = 5, w = 30, h = 20;
    for (LONG colour : {0x108L, 0x100L, -1L, 0x7FFFFFF8L}) {
        SCOPED_TRACE(colour);
        for (int pressed = 0; pressed <= 1; pressed++) {
            CCTCanvas c(40, 30, BG);
            CCDraw_Bevel(c.dc, colour, x, y, w, h, pressed);
            Expected e(40, 30, BG);  // no border, no fill: the inside keeps its pixels
            RaisedEdges(e, x, y, x + w, y + h, pressed ? GREY : WHITE, GREY, !pressed);
            EXPECT_TRUE(SameImage(c.Image(), e));
            EXPECT_EQ(c.At(x + 15, y + 10), BG);
        }
    }
    CCTCanvas c(40, 30, BG);
    CCDraw_Bevel(c.dc, 0xFF, x, y, w, h, 0);  // 255 still fills (white)
    EXPECT_EQ(c.At(x + 15, y + 10), WHITE);
}

TEST(Lamp09, GreyOutline)
{
    const int x = 4, y = 4;
    CCTCanvas c(20, 20, BG);
    CCDraw_Lamp(c.dc, 12, x, y);
    CCTImage img = c.Image();
    ExpectLampHighlight(c, x, y);
    EXPECT_EQ(c.At(x + 6, y + 6), BLUE);
    EXPECT_TRUE(img.Find(LAMPLINE, nullptr, x, y, x + 10, y + 1));
    EXPECT_TRUE(img.Find(LAMPLINE, nullptr, x, y + 9, x + 10, y + 10));
    EXPECT_FALSE(img.Find(BLACK, nullptr));
    RECT box;
    ASSERT_TRUE(img.FindOther(BG, &box));
    EXPECT_EQ(box.left, x);
    EXPECT_EQ(box.bottom, y + 10);
}

static Expected FrameBevelLook(int W, int H, int x, int y, int w, int h, COLORREF outer, COLORREF inner,
                               bool pressed, bool fill)
{
    const int R = x + w, B = y + h;
    COLORREF a = pressed ? GREY : WHITE, b = pressed ? WHITE : GREY;
    Expected e(W, H, BG);
    if (fill) e.Rect(x, y, R, B, BLACK, outer);
    e.Seg(x + 1, B - 2, x + 1, y + 1, a);
    e.Seg(x + 1, y + 1, R - 2, y + 1, a);
    e.Seg(x + 2, B - 3, x + 2, y + 2, a);
    e.Seg(x + 2, y + 2, R - 3, y + 2, a);
    e.Seg(R - 1, y + 1, R - 1, B - 1, b);
    e.Seg(R - 1, B - 1, x + 1, B - 1, b);
    e.Seg(R - 2, y + 2, R - 2, B - 2, b);
    e.Seg(R - 2, B - 2, x + 2, B - 2, b);
    if (fill) e.Rect(x + 6, y + 6, R - 5, B - 5, BLACK, inner);
    e.Seg(x + 5, B - 5, x + 5, y + 5, GREY);
    e.Seg(x + 5, y + 5, R - 5, y + 5, GREY);
    e.Seg(x + 6, B - 6, x + 6, y + 6, GREY);
    e.Seg(x + 6, y + 6, R - 6, y + 6, GREY);
    e.Seg(R - 5, y + 5, R - 5, B - 5, WHITE);
    e.Seg(R - 5, B - 5, x + 5, B - 5, WHITE);
    e.Seg(R - 6, y + 6, R - 6, B - 6, WHITE);
    e.Seg(R - 6, B - 6, x + 6, B - 6, WHITE);
    return e;
}

TEST(FrameBevel09, OuterColourFromSlot4AndSunkenPanel)
{
    HWND h = Host();
    CCSetSlot(h, 4, 0x1C);  // low 4 bits: blue
    for (int pressed = 0; pressed <= 1; pressed++) {
        CCTCanvas c(60, 50, BG);
        CCDraw_FrameBevel(h, c.dc, 10, 4, 5, 44, 36, pressed);
        EXPECT_TRUE(SameImage(c.Image(), FrameBevelLook(60, 50, 4, 5, 44, 36, BLUE, GREEN, pressed, true)))
            << "pressed " << pressed;
        EXPECT_EQ(c.At(4 + 3, 5 + 3), BLUE);     // between the outer and inner edges
        EXPECT_EQ(c.At(4 + 20, 5 + 18), GREEN);  // the panel
    }
    CCTCanvas c(60, 50, BG);
    CCDraw_FrameBevel(nullptr, c.dc, 10, 4, 5, 44, 36, 0);  // no window: black frame
    EXPECT_TRUE(SameImage(c.Image(), FrameBevelLook(60, 50, 4, 5, 44, 36, BLACK, GREEN, false, true)));
    c.Fill(BG);
    CCDraw_FrameBevel(h, c.dc, 0x10A, 4, 5, 44, 36, 0);  // edges only
    EXPECT_TRUE(SameImage(c.Image(), FrameBevelLook(60, 50, 4, 5, 44, 36, BLUE, GREEN, false, false)));
    Drop(h);
}

TEST(ThinBevel09, BottomEdgeStartsRightOfTheBox)
{
    const int x = 6, y = 4, w = 20, h = 12, R = x + w, B = y + h;
    for (int pressed = 0; pressed <= 1; pressed++) {
        COLORREF a = pressed ? GREY : WHITE, b = pressed ? WHITE : GREY;
        CCTCanvas c(40, 24, BG);
        CCDraw_ThinBevel(c.dc, 14, x, y, w, h, pressed);
        Expected e(40, 24, BG);
        e.Rect(x, y, R, B, BLACK, RGB(0, 255, 255));
        e.Seg(x + 1, B - 2, x + 1, y + 1, a);
        e.Seg(x + 1, y + 1, R - 1, y + 1, a);
        e.Seg(R - 2, y + 2, R - 2, B - 2, b);
        e.Seg(R, B - 2, x + 1, B - 2, b);
        EXPECT_TRUE(SameImage(c.Image(), e));
        EXPECT_EQ(c.At(R, B - 2), b);  // one pixel outside the box
        EXPECT_EQ(c.At(R + 1, B - 2), BG);
        EXPECT_EQ(c.At(x + 1, B - 2), a);
    }
    CCTCanvas c(40, 24, BG);
    CCDraw_ThinBevel(c.dc, 0x10E, x, y, w, h, 0);
    EXPECT_EQ(c.At(x, y), BG);
    EXPECT_EQ(c.At(x + 8, y + 6), BG);
    EXPECT_EQ(c.At(R, B - 2), GREY);
}

// ---------------------------------------------------------------------------
// Labels

static void Label(CCTCanvas &c, int x, int y, int w, int h, int justify, const char *text)
{
    CCDraw_Text(c.dc, 0, 15, w, h, x, y, justify, text);
}

TEST(Text09, JustifiedOffsets)
{
    CCTCanvas c(10, 10, BG);
    int cx = Extent(c.dc, "Start").cx;
    EXPECT_EQ(CCDraw_TextOffsetX(c.dc, "Start", 100, 1), 100 - cx - 4);
    EXPECT_EQ(CCDraw_TextOffsetX(c.dc, "Start", 100, 2), 4);
    EXPECT_EQ(CCDraw_TextOffsetX(c.dc, "Start", 100, 0), (100 - cx) / 2);
    EXPECT_EQ(CCDraw_TextOffsetX(c.dc, "Start", 101, 3), (101 - cx) / 2);
    EXPECT_EQ(CCDraw_TextOffsetX(c.dc, "Start", 100, -7), (100 - cx) / 2);
    // Narrow box: right justification would start left of the box; it starts at 0.
    EXPECT_EQ(CCDraw_TextOffsetX(c.dc, "Start", cx + 2, 1), 0);
    EXPECT_EQ(CCDraw_TextOffsetX(c.dc, "Start", cx + 4, 1), 0);
    EXPECT_EQ(CCDraw_TextOffsetX(c.dc, "Start", cx + 5, 1), 1);
    // As wide as the box or wider: 0 whatever the justification.
    for (int j = 0; j <= 3; j++) {
        EXPECT_EQ(CCDraw_TextOffsetX(c.dc, "Start", cx, j), 0);
        EXPECT_EQ(CCDraw_TextOffsetX(c.dc, "Start", cx - 10, j), 0);
    }
    EXPECT_EQ(CCDraw_TextOffsetX(nullptr, "Start", 100, 0), 0);
    EXPECT_EQ(CCDraw_TextOffsetX(c.dc, nullptr, 100, 0), 0);
}

TEST(Text09, SingleLinePlacedByJustification)
{
    CCTCanvas c(200, 60, BG);
    SIZE sz = Extent(c.dc, "Start");
    const int x = 10, y = 10, w = 100, h = 40;
    long top = y + (h - sz.cy) / 2;
    struct {
        int justify;
        long left;
    } cases[] = {{1, x + w - sz.cx - 4}, {2, x + 4}, {0, x + (w - sz.cx) / 2}};
    for (auto &k : cases) {
        c.Fill(BG);
        Label(c, x, y, w, h, k.justify, "Start");
        EXPECT_EQ(Drawn(c), (std::vector<long>{k.left, top, k.left + sz.cx, top + sz.cy})) << k.justify;
    }
    c.Fill(BG);
    Label(c, x, y, sz.cx + 2, h, 1, "Start");  // narrow right-justified case
    EXPECT_EQ(Drawn(c), (std::vector<long>{x, top, x + sz.cx, top + sz.cy}));
}

TEST(Text09, OnlyTheFirstFieldIsDrawn)
{
    CCTCanvas c(200, 60, BG);
    SIZE sz = Extent(c.dc, "Start");
    Label(c, 0, 0, 20, sz.cy, 2, "Start$Aux$f");
    EXPECT_EQ(Drawn(c), (std::vector<long>{0, 0, sz.cx, sz.cy}));
    c.Fill(BG);
    Label(c, 0, 0, 20, sz.cy, 2, "$$Start$Aux");  // leading separators are skipped
    EXPECT_EQ(Drawn(c), (std::vector<long>{0, 0, sz.cx, sz.cy}));
    c.Fill(BG);
    Label(c, 0, 0, 100, 40, 0, " $Aux$f");  // a single blank label draws nothing
    Label(c, 0, 0, 100, 40, 0, " ");
    EXPECT_EQ(Drawn(c), std::vector<long>{});
    Label(c, 0, 0, 100, 40, 0, "  $Aux");  // two blanks are a label
    EXPECT_NE(Drawn(c), std::vector<long>{});
    char text[] = "Start$Aux$f";
    Label(c, 0, 0, 100, 40, 0, text);
    EXPECT_STREQ(text, "Start$Aux$f");  // the caller's text is left alone

    // Neither is the field buffer a caller may still be holding, nor does a label
    // taken from it come out empty.
    const char *held = CCFirstField("Start$Aux$f");
    c.Fill(BG);
    Label(c, 0, 0, 20, sz.cy, 2, held);
    EXPECT_STREQ(held, "Start");
    EXPECT_EQ(Drawn(c), (std::vector<long>{0, 0, sz.cx, sz.cy}));
    Label(c, 0, 0, 20, sz.cy, 2, "Other$x");
    EXPECT_STREQ(held, "Start");
}

TEST(Text09, LinesJustifiedAndClampedToTheTop)
{
    CCTCanvas c(200, 200, BG);
    int th = LineHeight(c.dc);
    SIZE a = Extent(c.dc, "AA"), b = Extent(c.dc, "BBBB");
    const int x = 10, y = 20, w = 120;
    Label(c, x, y, w, 2 * th + 6, 1, "AA|BBBB$aux");
    EXPECT_EQ(Drawn(c, 0, y + 3 + th), (std::vector<long>{x + w - a.cx - 4, y + 3, x + w - 4, y + 3 + th}));
    EXPECT_EQ(Drawn(c, y + 3 + th, 200),
              (std::vector<long>{x + w - b.cx - 4, y + 3 + th, x + w - 4, y + 3 + 2 * th}));
    // Too many lines for the box: the block starts at the top of the box.
    c.Fill(BG);
    Label(c, x, 100, w, 11, 2, "A|B|C|D");
    std::vector<long> d = Drawn(c);
    ASSERT_EQ(d.size(), 4u);
    EXPECT_EQ(d[0], x + 4);
    EXPECT_EQ(d[1], 100);
    EXPECT_EQ(d[3], 100 + 4 * th);
}

TEST(Text09, LongAndOddTexts)
{
    CCTCanvas c(2400, 60, BG);
    std::string cut(255, 'I');
    SIZE sz = Extent(c.dc, cut);
    std::string t = cut + std::string(100, 'W') + "$aux";
    Label(c, 0, 0, 10, sz.cy, 0, t.c_str());
    EXPECT_EQ(Drawn(c), (std::vector<long>{0, 0, sz.cx, sz.cy}));
    Label(c, 0, 0, 10, 10, 1, std::string(5000, '|').c_str());
    Label(c, 0, 0, 10, 10, 1, std::string(5000, '$').c_str());
    Label(c, 0, 0, 10, 10, 1, nullptr);
    Label(c, 0, 0, 10, 10, 1, "");
    CCDraw_Text(nullptr, 0, 15, 10, 10, 0, 0, 1, "A|B");
    SUCCEED();
}

// ---------------------------------------------------------------------------
// Fonts

static LOGFONTA Described(HFONT f)
{
    LOGFONTA lf;
    memset(&lf, 0x55, sizeof lf);
    EXPECT_EQ(GetObjectA(f, sizeof lf, &lf), (int)sizeof lf);
    return lf;
}

TEST(Font09, DescriptionAndWeight)
{
    CCTCanvas c(10, 10, BG);
    HFONT f = CCDraw_SelectFont(c.dc, "Dot-Matrix", 12, FF_MODERN | FIXED_PITCH);
    ASSERT_NE(f, nullptr);
    LOGFONTA lf = Described(f);
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_EQ(lf.lfHeight, -MulDiv(12, GetDeviceCaps(c.dc, LOGPIXELSY), 72));
    EXPECT_EQ(lf.lfWidth, 0);
    EXPECT_EQ(lf.lfItalic, 0);
    EXPECT_EQ(lf.lfCharSet, ANSI_CHARSET);
    EXPECT_EQ(lf.lfOutPrecision, 6);
    EXPECT_EQ(lf.lfQuality, 2);
    EXPECT_EQ(lf.lfPitchAndFamily, FF_MODERN | FIXED_PITCH);
    EXPECT_STREQ(lf.lfFaceName, "Dot-Matrix");
    CCDraw_ReleaseFont(c.dc, f, nullptr);

    f = CCDraw_SelectFont(c.dc, "dot-matrix", 8, 0);
    EXPECT_EQ(Described(f).lfWeight, 399);
    CCDraw_ReleaseFont(c.dc, f, nullptr);
    f = CCDraw_SelectFont(c.dc, "Dot-Matrix ", 8, 0);
    EXPECT_EQ(Described(f).lfWeight, 399);
    CCDraw_ReleaseFont(c.dc, f, nullptr);
}

TEST(Font09, LongOrMissingFaceName)
{
    CCTCanvas c(10, 10, BG);
    std::string face = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcdef";
    HFONT f = CCDraw_SelectFont(c.dc, face.c_str(), 10, 0);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(std::string(Described(f).lfFaceName), face.substr(0, 31));
    CCDraw_ReleaseFont(c.dc, f, nullptr);
    f = CCDraw_SelectFont(c.dc, nullptr, 10, 0);
    ASSERT_NE(f, nullptr);
    EXPECT_STREQ(Described(f).lfFaceName, "");
    CCDraw_ReleaseFont(c.dc, f, nullptr);
}

// Fonts come from the cache: a release selects back and keeps the font for the
// next drawing, so repeated drawings make no new object.
TEST(Font09, ReleaseSelectsBackAndKeepsFontCached)
{
    CCTCanvas c(10, 10, BG);
    HGDIOBJ before = GetCurrentObject(c.dc, OBJ_FONT);
    auto use = [&] {
        HFONT f = CCDraw_SelectFont(c.dc, "Dot-Matrix", 10, 0);
        HGDIOBJ prev = SelectObject(c.dc, f);
        EXPECT_EQ(GetCurrentObject(c.dc, OBJ_FONT), f);
        CCDraw_ReleaseFont(c.dc, f, prev);
        EXPECT_EQ(GetObjectType(f), (DWORD)OBJ_FONT);
        return f;
    };
    HFONT first = use();
    EXPECT_EQ(CCT_GdiLeaked([&] {
                  for (int i = 0; i < 20; i++) EXPECT_EQ(use(), first);
              }),
              0);
    EXPECT_EQ(GetCurrentObject(c.dc, OBJ_FONT), before);
    CCDraw_ReleaseFont(c.dc, nullptr, nullptr);
}

// ---------------------------------------------------------------------------
// GDI hygiene

TEST(Hygiene09, NothingLeakedAndCallersObjectsStaySelected)
{
    CCTCanvas c(120, 60, BG);
    HWND h = Host();
    CCSetSlot(h, 4, 3);
    Selected before(c.dc);
    struct {
        const char *name;
        std::function<void()> fn;
    } calls[] = {
        {"bevel", [&] { CCDraw_Bevel(c.dc, 8, 0, 0, 40, 30, 0); }},
        {"edges", [&] { CCDraw_Bevel(c.dc, 0x108, 0, 0, 40, 30, 1); }},
        {"lamp", [&] { CCDraw_Lamp(c.dc, 9, 3, 3); }},
        {"frame", [&] { CCDraw_FrameBevel(h, c.dc, 8, 0, 0, 40, 30, 1); }},
        {"frame edges", [&] { CCDraw_FrameBevel(h, c.dc, 0x108, 0, 0, 40, 30, 0); }},
        {"thin", [&] { CCDraw_ThinBevel(c.dc, 8, 0, 0, 40, 30, 0); }},
        {"text", [&] { CCDraw_Text(c.dc, 0, 8, 100, 50, 0, 0, 1, "A|B$c"); }},
    };
    for (auto &call : calls) {
        EXPECT_EQ(CCT_GdiLeaked(call.fn), 0) << call.name;
        EXPECT_TRUE(Selected(c.dc) == before) << call.name;
    }
    Drop(h);
}

// ---------------------------------------------------------------------------
// Frame helpers of the special library

TEST(Options09, JustificationLettersForKindSix)
{
    HWND six = Host(WS_POPUP | 0x36);  // low 4 bits 6, bits 0x30 unrelated
    CCSetSlot(six, 5, 8);
    LONG base = GetWindowLongA(six, GWL_STYLE);
    EXPECT_EQ(CCParseOptions(six, "/R"), 1);
    EXPECT_EQ(GetWindowLongA(six, GWL_STYLE), base | 0x80);
    EXPECT_EQ(CCGetSlot(six, 5), 8);
    EXPECT_EQ(CCParseOptions(six, "/O"), 1);
    EXPECT_EQ(GetWindowLongA(six, GWL_STYLE), base | 0xC0);
    EXPECT_EQ(CCParseOptions(six, "/L5"), 1);
    EXPECT_EQ(GetWindowLongA(six, GWL_STYLE), base | 0x40);
    EXPECT_EQ(CCGetSlot(six, 6), 5);
    EXPECT_EQ(CCParseOptions(six, "/N"), 1);
    EXPECT_EQ(GetWindowLongA(six, GWL_STYLE), base);
    EXPECT_EQ(CCParseOptions(six, "/A"), 1);  // a hex digit is a colour, not a letter
    EXPECT_EQ(GetWindowLongA(six, GWL_STYLE), base);
    EXPECT_EQ(CCGetSlot(six, 5), 10);
    Drop(six);

    HWND five = Host(WS_POPUP | 0x05);
    LONG style = GetWindowLongA(five, GWL_STYLE);
    CCParseOptions(five, "/R");
    CCParseOptions(five, "/O");
    EXPECT_EQ(GetWindowLongA(five, GWL_STYLE), style);
    Drop(five);
}

TEST(Options09, JustifyFromSlot19)
{
    HWND h = Host();
    const LONG in[] = {0, 1, 2, 3, 4};
    const int out[] = {0, 1, 2, 0, 4};
    for (int i = 0; i < 5; i++) {
        CCSetSlot(h, 19, in[i]);
        EXPECT_EQ(CCGetJustify(h), out[i]) << in[i];
    }
    EXPECT_EQ(CCGetJustify(nullptr), 0);
    Drop(h);
}
