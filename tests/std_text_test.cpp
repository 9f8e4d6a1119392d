// Static Text and Ident Text: looks, option routing, label swap, plaque geometry,
// scaled font and bad sizes.
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include "harness.h"
#include "text.h"

static const DWORD kText = 0x0008, kIdent = 0x0020;
static const COLORREF kBlack = 0x000000, kDarkGrey = 0x808080, kLightGrey = 0xC0C0C0, kWhite = 0xFFFFFF,
                      kRed = 0x0000FF, kYellow = 0x00FFFF;

static void SetText(HWND h, const char *t)
{
    SendMessageA(h, WM_SETTEXT, 0, (LPARAM)t);
    CCT_Pump();
}

static std::string WindowText(HWND h)
{
    char buf[300] = "";
    DefWindowProcA(h, WM_GETTEXT, sizeof buf, (LPARAM)buf);
    return buf;
}

// Bounding box of colour c inside the region; empty rect when absent.
static RECT Ink(const CCTImage &img, COLORREF c, int x0, int y0, int x1, int y1)
{
    RECT r = {0, 0, 0, 0};
    img.Find(c, &r, x0, y0, x1, y1);
    return r;
}

// ---- Static Text ----

TEST(StaticText, FreshLookAndCentredLabel)
{
    HWND h = CCT_Create(kText, "Hello", 10, 10, 120, 40, 801);
    CCTImage img = CCT_Snap(h);
    EXPECT_EQ(img.at(0, 0), kDarkGrey);
    EXPECT_EQ(img.at(119, 39), kDarkGrey);
    EXPECT_EQ(img.at(60, 0), kDarkGrey);
    EXPECT_EQ(img.at(1, 1), kLightGrey);
    SIZE sz = CCT_TextExtent(h, "Hello");
    int x0 = (120 - sz.cx) / 2, y0 = (40 - sz.cy) / 2;
    RECT ink = Ink(img, kBlack, 1, 1, 119, 39);
    EXPECT_GE(ink.left, x0);
    EXPECT_LE(ink.right, x0 + sz.cx);
    EXPECT_GE(ink.top, y0);
    EXPECT_LE(ink.bottom, y0 + sz.cy);
    EXPECT_GT(ink.right, ink.left);
    EXPECT_EQ(CCT_Slot(h, 4), 7);
    EXPECT_EQ(CCT_Slot(h, 7), 8);
    EXPECT_EQ(CCT_Slot(h, 8), 0);
    DestroyWindow(h);
}

TEST(StaticText, DisabledLookInGreys)
{
    HWND h = CCT_Create(kText, "Off", 10, 10, 100, 30, 802);
    EnableWindow(h, FALSE);
    CCT_Pump();
    CCTImage img = CCT_Snap(h);
    EXPECT_EQ(CCT_Slot(h, 2), 0);
    EXPECT_EQ(img.at(0, 0), kDarkGrey);
    EXPECT_EQ(img.at(1, 1), kDarkGrey);
    EXPECT_EQ(img.Count(kBlack), 0);
    EXPECT_GT(img.Count(kLightGrey), 0);  // the label
    EnableWindow(h, TRUE);
    CCT_Pump();
    EXPECT_EQ(CCT_Pixel(h, 1, 1), kLightGrey);
    DestroyWindow(h);
}

TEST(StaticText, OptionCharactersFollowTheVariant)
{
    HWND h = CCT_Create(kText, "Opt", 10, 10, 100, 30, 803);
    SetText(h, "/__9B");
    CCTImage img = CCT_Snap(h);
    EXPECT_EQ(img.at(1, 1), kRed);
    EXPECT_GT(img.Count(kYellow), 0);
    EXPECT_EQ(WindowText(h), "Opt");  // an option text is not a label

    SetText(h, "/_____2");  // variant 2: characters 3 and 4 go to slots 9 and 10
    SetText(h, "/__1E");
    EXPECT_EQ(CCT_Slot(h, 9), 1);
    EXPECT_EQ(CCT_Slot(h, 10), 14);
    EXPECT_EQ(CCT_Slot(h, 7), 9);
    EXPECT_EQ(CCT_Pixel(h, 1, 1), kRed);

    SetText(h, "/____4");  // character 5 is the outline colour
    EXPECT_EQ(CCT_Pixel(h, 0, 0), (COLORREF)0x800000);
    DestroyWindow(h);
}

TEST(StaticText, LabelSwapPaintsOutTheOldText)
{
    HWND h = CCT_Create(kText, "WWWWWWWW", 10, 10, 140, 30, 804);
    SetText(h, "i");
    EXPECT_EQ(WindowText(h), "i");
    CCTImage img = CCT_Snap(h);
    SIZE sz = CCT_TextExtent(h, "i");
    RECT ink = Ink(img, kBlack, 1, 1, 139, 29);
    EXPECT_GE(ink.left, (140 - sz.cx) / 2);
    EXPECT_LE(ink.right, (140 - sz.cx) / 2 + sz.cx);
    EXPECT_EQ(img.at(0, 0), kDarkGrey);  // the outline was not redrawn away

    SendMessageA(h, WM_SETTEXT, 0, 0);  // null text: empty label
    CCT_Pump();
    EXPECT_EQ(WindowText(h), "");
    EXPECT_EQ(CCT_Snap(h).Count(kBlack), 0);

    EnableWindow(h, FALSE);
    CCT_Pump();
    SetText(h, "Grey");
    img = CCT_Snap(h);
    EXPECT_EQ(img.Count(kBlack), 0);
    EXPECT_GT(img.Count(kLightGrey), 0);
    DestroyWindow(h);
}

TEST(StaticText, StyleChangeTakesTheClientSizeAndResetsColours)
{
    HWND h = CCT_Create(kText, "S", 10, 10, 90, 30, 805);
    SetText(h, "/__9");
    SetWindowLongA(h, GWL_STYLE, GetWindowLongA(h, GWL_STYLE) | WS_TABSTOP);
    EXPECT_EQ(CCT_Slot(h, 0), 90);
    EXPECT_EQ(CCT_Slot(h, 1), 30);
    EXPECT_EQ(CCT_Slot(h, 7), 8);
    DestroyWindow(h);
}

TEST(PassiveKinds, ClicksSendNothing)
{
    HWND t = CCT_Create(kText, "T", 10, 10, 60, 30, 806);
    HWND i = CCT_Create(kIdent, "I", 80, 10, 60, 30, 807);
    CCT_ClearLog();
    for (HWND h : {t, i}) {
        CCT_Send(h, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
        CCT_Send(h, WM_LBUTTONUP, 5, 5, 0);
        CCT_Send(h, WM_LBUTTONDBLCLK, 5, 5, MK_LBUTTON);
    }
    CCT_Pump();
    EXPECT_TRUE(CCT_Commands().empty());
    DestroyWindow(t);
    DestroyWindow(i);
}

// ---- Ident Text ----

TEST(IdentGeometry, FiguresAndTokens)
{
    CCIdGeometry g = CCid_Geometry(200, 50);
    EXPECT_EQ(g.bx, 4);
    EXPECT_EQ(g.by, 4);
    EXPECT_EQ(g.left, 10);
    EXPECT_EQ(g.aw, 180);
    EXPECT_EQ(g.top, 10);
    EXPECT_EQ(g.ah, 30);
    EXPECT_EQ(CCid_RefX(g.aw, g.left), 100);
    g = CCid_Geometry(49, 12);
    EXPECT_EQ(g.bx, 0);
    EXPECT_EQ(g.by, 0);
    EXPECT_EQ(CCid_Geometry(50, 13).by, 1);
    EXPECT_EQ(CCid_Geometry(50, 13).bx, 1);
    g = CCid_Geometry(0x7FFFFFFF, 0x7FFFFFFF);  // no overflow
    EXPECT_EQ(g.bx, 42949672);
    EXPECT_GT(g.aw, 0);

    struct Case {
        const char *text;
        int n;
        const char *lines[3];
    } cases[] = {
        {"A|B", 2, {"A", "B"}},
        {"|A", 1, {"A"}},
        {"A||B", 3, {"A", "B", ""}},
        {"A|", 2, {"A", ""}},
        {"", 1, {""}},
        {"|", 1, {""}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_EQ(CCid_LineCount(c.text), c.n);
        char work[16];
        lstrcpynA(work, c.text, sizeof work);
        const char *lines[3] = {};
        CCid_SplitLines(work, lines, c.n);
        for (int i = 0; i < c.n; i++) EXPECT_STREQ(lines[i], c.lines[i]);
    }
    EXPECT_EQ(CCid_LineCount(nullptr), 1);
}

TEST(IdentGeometry, FontWidthInSinglePrecision)
{
    // 126 / 90 is just below 1.4 in single precision; times 5 rounds to 7.
    EXPECT_EQ(CCid_FontWidth(126, 90, 0), 7);
    EXPECT_EQ(CCid_FontWidth(180, 60, 0), 15);
    EXPECT_EQ(CCid_FontWidth(180, 0, 33), 33);  // nothing measured: width kept
    EXPECT_EQ(CCid_FontWidth(-12, 5, 0), -12);
    EXPECT_EQ(CCid_FontWidth(0x7FFFFFFF, 1, 0), 0x7FFFFFFF);  // clamped, not undefined
}

TEST(IdentText, PlaqueBandsAndLines)
{
    HWND h = CCT_Create(kIdent, "", 10, 10, 200, 50, 810);
    CCTImage img = CCT_Snap(h);
    EXPECT_EQ(img.at(100, 2), kWhite);       // top band
    EXPECT_EQ(img.at(198, 25), kWhite);      // right band
    EXPECT_EQ(img.at(100, 47), kDarkGrey);   // bottom band
    EXPECT_EQ(img.at(1, 25), kDarkGrey);     // left band
    EXPECT_EQ(img.at(100, 25), kLightGrey);  // face
    EXPECT_EQ(img.at(0, 25), kBlack);        // outer outline
    EXPECT_EQ(img.at(4, 25), kBlack);        // inner outline
    EXPECT_EQ(img.at(100, 4), kBlack);
    EXPECT_EQ(img.at(2, 2), kBlack);  // corner line
    EXPECT_EQ(img.at(198, 2), kBlack);
    EXPECT_EQ(img.at(3, 47), kBlack);
    EXPECT_EQ(img.at(197, 47), kBlack);
    EXPECT_EQ(img.at(3, 1), kWhite);  // top band reaches the corner line
    EXPECT_EQ(img.at(1, 3), kDarkGrey);
    DestroyWindow(h);
}

TEST(IdentText, BandsVanishOnSmallPlaques)
{
    HWND low = CCT_Create(kIdent, "", 10, 10, 200, 12, 811);
    CCTImage img = CCT_Snap(low);
    for (int y = 1; y < 11; y++) EXPECT_EQ(img.at(100, y), kLightGrey) << y;
    EXPECT_EQ(img.at(198, 6), kWhite);  // side bands stay
    HWND narrow = CCT_Create(kIdent, "", 10, 40, 40, 50, 812);
    img = CCT_Snap(narrow);
    for (int x = 1; x < 39; x++) EXPECT_EQ(img.at(x, 25), kLightGrey) << x;
    EXPECT_EQ(img.at(20, 2), kWhite);  // top band stays
    DestroyWindow(low);
    DestroyWindow(narrow);
}

TEST(IdentText, BlackFaceFloodsNothing)
{
    HWND h = CCT_Create(kIdent, "", 10, 10, 120, 40, 813);
    SetText(h, "/__0");
    CCTImage img = CCT_Snap(h);
    EXPECT_EQ(img.Count(kBlack), 120 * 40);
    DestroyWindow(h);
}

// Red ink of the plaque's lines, checked against the scaled font's metrics.
TEST(IdentText, ScaledLinesAtTheirPlaces)
{
    struct Case {
        const char *text;
        int n;
        const char *lines[3];
    } cases[] = {{"A|B", 2, {"A", "B"}}, {"|Ab", 1, {"Ab"}}, {"A||B", 3, {"A", "B", ""}}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        HWND h = CCT_Create(kIdent, c.text, 10, 10, 200, 50, 814);
        SetText(h, "/___9");
        EXPECT_EQ(WindowText(h), c.text);  // option text keeps the text
        CCT_Repaint(h);
        int lh = 30 / c.n, mw = 0;
        for (int i = 0; i < c.n; i++) mw = std::max(mw, (int)CCT_TextExtent(h, c.lines[i]).cx);
        EXPECT_EQ(IdentFont.lfHeight, lh);
        EXPECT_EQ(IdentFont.lfWidth, CCid_FontWidth(180, mw, -1));
        HFONT f = CreateFontIndirectA(&IdentFont);
        CCTImage img = CCT_Snap(h);
        for (int i = 0; i < c.n; i++) {
            int top = 10 + i * lh;
            int bottom = std::min(top + CCT_TextHeight(h, f), 50);
            RECT ink = Ink(img, kRed, 0, top, 200, bottom);
            if (!c.lines[i][0]) continue;
            SIZE sz = CCT_TextExtent(h, c.lines[i], f);
            EXPECT_GT(ink.right, ink.left) << i;
            EXPECT_GE(ink.left, 100 - sz.cx / 2 - 1) << i;
            EXPECT_LE(ink.right, 100 + (sz.cx + 1) / 2 + 1) << i;
        }
        RECT below = Ink(img, kRed, 0, 10 + (c.lines[c.n - 1][0] ? c.n : c.n - 1) * lh, 200, 50);
        EXPECT_EQ(below.right, 0);  // nothing under the last drawn line
        DeleteObject(f);
        DestroyWindow(h);
    }
}

TEST(IdentText, BadSizesAndTexts)
{
    std::string bars(400, '|');
    std::string mixed;
    for (int i = 0; i < 200; i++) mixed += "x|";
    const SIZE sizes[] = {{0, 0}, {1, 1}, {3, 3}, {12, 12}, {49, 13}, {200, 50}};
    for (const SIZE &s : sizes)
        for (const char *t : {"", "A|B", bars.c_str(), mixed.c_str()}) {
            HWND h = CCT_Create(kIdent, t, 10, 10, s.cx, s.cy, 815);
            ASSERT_TRUE(h);
            CCT_Repaint(h);
            SendMessageA(h, WM_SETTEXT, 0, 0);
            SendMessageA(h, WM_SIZE, 0, MAKELPARAM(0, 0));
            CCT_Repaint(h);
            DestroyWindow(h);
        }
    HWND wide = CCT_Create(kIdent, "i", 0, 0, 100, 40, 816);
    SendMessageA(wide, WM_SIZE, 0, MAKELPARAM(4000, 40));
    CCT_Repaint(wide);
    DestroyWindow(wide);
}

TEST(PassiveKinds, NoGdiLeak)
{
    HWND t = CCT_Create(kText, "Leak", 10, 10, 100, 30, 820);
    HWND i = CCT_Create(kIdent, "A|B", 10, 50, 200, 50, 821);
    auto round = [&](int k) {
        SetText(t, k % 2 ? "odd" : "even");
        SetText(i, k % 2 ? "one|two" : "three");
        EnableWindow(t, k % 2);
        CCT_Repaint(t);
        CCT_Repaint(i);
        CCT_Pump();
    };
    for (int k = 0; k < 4; k++) round(k);  // warm-up: the system's own DC caches fill
    DWORD before = CCT_GdiCount();
    for (int k = 0; k < 20; k++) round(k);
    EXPECT_EQ(CCT_GdiCount(), before);
    DestroyWindow(t);
    DestroyWindow(i);
}
