// Dest and Multi buttons: geometry, looks, texts per variant, the text block's
// lifetime, press handling and bad input.
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include "harness.h"
#include "ccslots.h"
#include "fields.h"
#include "std_frame.h"

static const DWORD kDest = 0x0004, kMulti = 0x0200;
static const COLORREF kBlack = 0x000000, kDarkGrey = 0x808080, kLightGrey = 0xC0C0C0, kWhite = 0xFFFFFF,
                      kBlue = 0xFF0000, kCyan = 0xFFFF00;

static LRESULT SetText(HWND h, const char *t)
{
    LRESULT r = SendMessageA(h, WM_SETTEXT, 0, (LPARAM)t);
    CCT_Pump();
    return r;
}

static std::string GetText(HWND h)
{
    char buf[400] = "";
    SendMessageA(h, WM_GETTEXT, sizeof buf, (LPARAM)buf);
    return buf;
}

// Text of a variant, the variant restored afterwards to `back`.
static std::string Field(HWND h, int variant, int back)
{
    char opt[16];
    wsprintfA(opt, "/_____%X", variant);
    SetText(h, opt);
    std::string s = GetText(h);
    wsprintfA(opt, "/_____%X", back);
    SetText(h, opt);
    return s;
}

static RECT Ink(const CCTImage &img, COLORREF c, int x0, int y0, int x1, int y1)
{
    RECT r = {0, 0, 0, 0};
    img.Find(c, &r, x0, y0, x1, y1);
    return r;
}

// Ink of c inside the region (x0, y0)-(x1, y1) lies inside the text centred in
// the box (bx, by, bw, bh).
static void ExpectCentred(HWND h, const CCTImage &img, COLORREF c, const char *text, int bx, int by, int bw,
                          int bh, RECT region)
{
    SIZE sz = CCT_TextExtent(h, text);
    int left = bx + (bw > sz.cx ? (bw - sz.cx) / 2 : 0), top = by + (bh > sz.cy ? (bh - sz.cy) / 2 : 0);
    RECT ink = Ink(img, c, region.left, region.top, region.right, region.bottom);
    EXPECT_GT(ink.right, ink.left) << text;
    EXPECT_GE(ink.left, left) << text;
    EXPECT_LE(ink.right, left + sz.cx) << text;
    EXPECT_GE(ink.top, top) << text;
    EXPECT_LE(ink.bottom, top + sz.cy) << text;
}

// ---- geometry ----

TEST(FieldGeometry, MultiQuarters)
{
    CCFieldGeometry g = {};
    CCmulti_Geometry(120, 80, &g);
    EXPECT_EQ(g.area[1].h, 20);                  // q
    EXPECT_EQ(g.area[0].y, 20);
    EXPECT_EQ(g.area[0].h, 40);
    EXPECT_EQ(g.area[2].w, 70);                  // L = 7a
    EXPECT_EQ(g.area[3].x, 70);
    EXPECT_EQ(g.area[3].w, 54);                  // R + 4
    EXPECT_EQ(g.text[2].x + g.text[2].w / 2, 27);  // left text centre
    EXPECT_EQ(g.text[3].x + g.text[3].w / 2, 93);  // right text centre
    EXPECT_TRUE(g.frame[2].line);
    EXPECT_EQ(g.frame[2].x, 70);
    EXPECT_EQ(g.frame[2].y, 60);
    EXPECT_EQ(g.frame[2].y + g.frame[2].h, 80);
    CCmulti_Geometry(120, 82, &g);
    EXPECT_EQ(g.area[1].h, 20);
    EXPECT_EQ(g.frame[1].y + g.frame[1].h, 80);
    EXPECT_EQ(g.frame[2].y + g.frame[2].h, 82);  // the divider runs to H
}

// ---- Dest button ----

TEST(DestButton, FreshLook)
{
    HWND h = CCT_Create(kDest, "ABC", 10, 10, 90, 60, 901);
    CCTImage img = CCT_Snap(h);
    EXPECT_EQ(img.at(0, 0), kBlack);  // strip frame
    EXPECT_EQ(img.at(89, 19), kBlack);
    EXPECT_EQ(img.at(45, 10), kLightGrey);
    EXPECT_EQ(Ink(img, kBlack, 1, 1, 89, 19).right, 0);  // empty strip
    EXPECT_EQ(img.at(1, 21), kWhite);                     // raised button at t = 20
    EXPECT_EQ(img.at(87, 40), kDarkGrey);
    ExpectCentred(h, img, kBlack, "ABC", 0, 20, 90, 40, {4, 23, 86, 57});
    EXPECT_EQ(GetText(h), "ABC");  // button text read at creation
    EXPECT_EQ(CCT_Slot(h, 65), 0);
    DestroyWindow(h);
}

TEST(DestButton, TextsPerVariant)
{
    HWND h = CCT_Create(kDest, "ABC", 10, 10, 90, 60, 902);
    EXPECT_EQ(SetText(h, "/_____1"), 1);
    EXPECT_EQ(SetText(h, "XY"), 1);
    EXPECT_EQ(GetText(h), "XY");
    CCTImage img = CCT_Snap(h);
    ExpectCentred(h, img, kBlack, "XY", 0, 0, 90, 20, {1, 1, 89, 19});
    ExpectCentred(h, img, kBlack, "ABC", 0, 20, 90, 40, {4, 23, 86, 57});
    EXPECT_EQ(Field(h, 0, 1), "ABC");
    EXPECT_EQ(SendMessageA(h, WM_GETTEXTLENGTH, 0, 0), 2);  // last text of any variant

    SetText(h, "/_____0");
    SetText(h, "");  // paints out the button text
    img = CCT_Snap(h);
    EXPECT_EQ(Ink(img, kBlack, 4, 23, 86, 57).right, 0);
    EXPECT_EQ(img.at(1, 21), kWhite);  // face not redrawn away

    // A variant without a text: only the strip frame is drawn, the window text changes.
    SetText(h, "/_____2");
    SetText(h, "Q");
    EXPECT_EQ(SendMessageA(h, WM_GETTEXTLENGTH, 0, 0), 1);
    EXPECT_EQ(Field(h, 1, 2), "XY");
    EXPECT_EQ(Field(h, 0, 2), "");
    DestroyWindow(h);
}

TEST(DestButton, DisabledLookAndGreyTexts)
{
    HWND h = CCT_Create(kDest, "ABC", 10, 10, 90, 60, 903);
    SetText(h, "/____C");  // blue frame
    EnableWindow(h, FALSE);
    CCT_Pump();
    CCTImage img = CCT_Snap(h);
    EXPECT_EQ(img.at(0, 0), kDarkGrey);  // no frame in the disabled look
    EXPECT_EQ(img.at(1, 21), kDarkGrey);  // pressed grey face
    ExpectCentred(h, img, kLightGrey, "ABC", 0, 20, 90, 40, {4, 23, 86, 57});
    SetText(h, "/_____1");
    SetText(h, "S");
    img = CCT_Snap(h);
    EXPECT_EQ(img.at(0, 0), kLightGrey);  // frame redrawn in colour 8 while disabled
    ExpectCentred(h, img, kLightGrey, "S", 0, 0, 90, 20, {1, 1, 89, 19});
    EnableWindow(h, TRUE);
    CCT_Pump();
    EXPECT_EQ(CCT_Pixel(h, 0, 0), kBlue);
    DestroyWindow(h);
}

static bool Shifted(RECT a, RECT b, int d)
{
    return b.left == a.left + d && b.top == a.top + d && b.right == a.right + d && b.bottom == a.bottom + d;
}

TEST(DestButton, PressClickAndPressedTextOffset)
{
    HWND h = CCT_Create(kDest, "ABC", 10, 10, 90, 60, 904);
    SetText(h, "/_____1");
    SetText(h, "S");
    CCTImage img = CCT_Snap(h);
    RECT button = Ink(img, kBlack, 4, 23, 86, 57), strip = Ink(img, kBlack, 1, 1, 89, 19);
    CCT_ClearLog();
    CCT_Send(h, WM_LBUTTONDOWN, 20, 30, MK_LBUTTON);
    EXPECT_EQ(PressState, 1);
    EXPECT_EQ(PressWindow, h);
    EXPECT_EQ(GetCapture(), h);
    EXPECT_EQ(CCT_Slot(h, 65), 1);
    img = CCT_Snap(h);
    EXPECT_EQ(img.at(1, 21), kDarkGrey);  // sunken
    EXPECT_TRUE(Shifted(button, Ink(img, kBlack, 4, 23, 86, 57), 2));
    EXPECT_TRUE(Shifted(strip, Ink(img, kBlack, 1, 1, 89, 19), 0));  // the strip stays
    // A strip text set while pressed lands two pixels right and down.
    SetText(h, "S");
    EXPECT_TRUE(Shifted(strip, Ink(CCT_Snap(h), kBlack, 1, 1, 89, 19), 2));
    CCT_Send(h, WM_LBUTTONUP, 20, 30, 0);
    CCT_Pump();
    EXPECT_EQ(PressState, 0);
    EXPECT_EQ(PressWindow, (HWND) nullptr);
    ASSERT_EQ(CCT_Commands().size(), 1u);
    EXPECT_EQ(CCT_Commands()[0], CCT_Cmd(h));
    EXPECT_EQ(CCT_Slot(h, 65), 0);
    EXPECT_EQ(CCT_Pixel(h, 1, 21), kWhite);

    DestroyWindow(h);
}

// A button text changed while the pressed look shows leaves nothing of the old
// text behind: it is painted out where the pressed look drew it.
TEST(DestButton, ButtonTextChangedWhilePressedLeavesNoTrace)
{
    for (DWORD kind : {kDest, kMulti}) {
        // Reference: the pressed look of a button without text.
        HWND ref = CCT_Create(kind, "", 10, 10, 120, 80, 906);
        CCT_Send(ref, WM_LBUTTONDOWN, 60, 40, MK_LBUTTON);
        CCTImage want = CCT_Snap(ref);
        CCT_Send(ref, WM_LBUTTONUP, 60, 40, 0);
        DestroyWindow(ref);
        HWND h = CCT_Create(kind, "WWWW", 10, 10, 120, 80, 905);
        CCT_Send(h, WM_LBUTTONDOWN, 60, 40, MK_LBUTTON);
        SetText(h, "");
        EXPECT_TRUE(CCT_Snap(h).px == want.px) << "kind " << kind;
        CCT_Send(h, WM_LBUTTONUP, 60, 40, 0);
        DestroyWindow(h);
    }
}

// ---- the block ----

TEST(TextBlock, CloseFreesItOnce)
{
    HWND h = CCT_Create(kDest, "ABC", 10, 10, 90, 60, 905);
    HGLOBAL block = CCGetHandleSlot(h, CC_SLOT_RECORD);
    ASSERT_TRUE(block);
    EXPECT_EQ(GlobalSize(block), (SIZE_T)CC_FIELD_BLOCK);
    EXPECT_EQ(SendMessageA(h, WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(CCT_Slot(h, 13), 0);
    EXPECT_EQ(GlobalSize(block), (SIZE_T)0);  // freed
    EXPECT_TRUE(IsWindow(h));
    // Without a block: texts are neither stored nor fetched, nothing crashes.
    SendMessageA(h, WM_CLOSE, 0, 0);
    EXPECT_EQ(SetText(h, "new"), 1);
    char buf[8] = "old";
    EXPECT_EQ(SendMessageA(h, WM_GETTEXT, sizeof buf, (LPARAM)buf), 3);
    EXPECT_STREQ(buf, "old");
    CCT_Repaint(h);
    CCT_Send(h, WM_LBUTTONDOWN, 5, 30, MK_LBUTTON);
    CCT_Send(h, WM_LBUTTONUP, 5, 30, 0);
    DestroyWindow(h);
}

TEST(TextBlock, DestroyWithoutCloseFreesIt)
{
    for (DWORD kind : {kDest, kMulti}) {
        HWND h = CCT_Create(kind, "ABC", 10, 10, 120, 80, 906);
        HGLOBAL block = CCGetHandleSlot(h, CC_SLOT_RECORD);
        ASSERT_TRUE(block);
        DestroyWindow(h);
        EXPECT_EQ(GlobalSize(block), (SIZE_T)0);
    }
}

TEST(TextBlock, StyleChangeReusesAndReinitialises)
{
    HWND h = CCT_Create(kMulti, "ABC", 10, 10, 120, 80, 907);
    HGLOBAL block = CCGetHandleSlot(h, CC_SLOT_RECORD);
    SetText(h, "B2");
    SetText(h, "/__E0_2");
    SetText(h, "L");  // the window text is now "L"
    EXPECT_EQ(CCT_Slot(h, 9), 14);
    SetWindowLongA(h, GWL_STYLE, GetWindowLongA(h, GWL_STYLE) | WS_TABSTOP);
    EXPECT_EQ(CCGetHandleSlot(h, CC_SLOT_RECORD), block);
    EXPECT_EQ(CCT_Slot(h, 0), 120);
    EXPECT_EQ(CCT_Slot(h, 1), 80);
    EXPECT_EQ(CCT_Slot(h, 3), 0);
    EXPECT_EQ(CCT_Slot(h, 9), 8);
    EXPECT_EQ(GetText(h), "L");  // button text = window text
    EXPECT_EQ(Field(h, 2, 0), "");
    DestroyWindow(h);
}

TEST(TextBlock, ChangeOfKindHandsOverCleanly)
{
    HWND h = CCT_Create(kDest, "ABC", 10, 10, 120, 80, 914);
    HGLOBAL block = CCGetHandleSlot(h, CC_SLOT_RECORD);
    SetWindowLongA(h, GWL_STYLE, (GetWindowLongA(h, GWL_STYLE) & ~0xFFFF) | 0x0008);  // to Static Text
    EXPECT_EQ(CCT_Slot(h, 13), 0);
    EXPECT_EQ(GlobalSize(block), (SIZE_T)0);
    SetWindowLongA(h, GWL_STYLE, (GetWindowLongA(h, GWL_STYLE) & ~0xFFFF) | kMulti);  // to Multi
    block = CCGetHandleSlot(h, CC_SLOT_RECORD);
    EXPECT_EQ(GlobalSize(block), (SIZE_T)CC_FIELD_BLOCK);
    EXPECT_EQ(GetText(h), "ABC");
    DestroyWindow(h);
    EXPECT_EQ(GlobalSize(block), (SIZE_T)0);
}

TEST(TextBlock, GetTextWithoutAField)
{
    HWND h = CCT_Create(kMulti, "ABC", 10, 10, 120, 80, 908);
    char buf[8];
    // A variant with a text: size 0 writes nothing, size 1 only the terminator.
    memset(buf, 'z', sizeof buf);
    EXPECT_EQ(SendMessageA(h, WM_GETTEXT, 0, (LPARAM)buf), 0);
    EXPECT_EQ(buf[0], 'z');
    EXPECT_EQ(SendMessageA(h, WM_GETTEXT, 1, (LPARAM)buf), 0);
    EXPECT_EQ(buf[0], '\0');
    EXPECT_EQ(buf[1], 'z');
    EXPECT_EQ(SendMessageA(h, WM_GETTEXT, 3, (LPARAM)buf), 2);
    EXPECT_STREQ(buf, "AB");
    EXPECT_EQ(SendMessageA(h, WM_GETTEXT, 8, 0), 0);

    SetText(h, "/_____4");  // addresses no text
    memcpy(buf, "ab\0zzzzz", 8);
    EXPECT_EQ(SendMessageA(h, WM_GETTEXT, sizeof buf, (LPARAM)buf), 2);
    EXPECT_EQ(SendMessageA(h, WM_GETTEXT, 2, (LPARAM)buf), 0);  // no terminator within the size
    memset(buf, 'z', sizeof buf);
    EXPECT_EQ(SendMessageA(h, WM_GETTEXT, sizeof buf, (LPARAM)buf), 0);
    EXPECT_EQ(SendMessageA(h, WM_GETTEXT, 0, (LPARAM)buf), 0);
    EXPECT_EQ(SendMessageA(h, WM_GETTEXT, 8, 0), 0);
    for (char c : buf) EXPECT_EQ(c, 'z');
    DestroyWindow(h);
}

TEST(TextBlock, LongTextsAreCutWithinTheirField)
{
    HWND h = CCT_Create(kMulti, "", 10, 10, 120, 80, 909);
    SetText(h, "/_____2");
    SetText(h, "left");
    SetText(h, "/_____1");
    std::string big(300, 'x');
    SetText(h, big.c_str());
    EXPECT_EQ(GetText(h), std::string(255, 'x'));
    EXPECT_EQ(Field(h, 2, 1), "left");
    std::string exact(255, 'y');
    SetText(h, exact.c_str());
    EXPECT_EQ(GetText(h), exact);  // 255 characters are stored whole
    HGLOBAL block = CCGetHandleSlot(h, CC_SLOT_RECORD);
    const char *p = (const char *)GlobalLock(block);
    ASSERT_TRUE(p);
    EXPECT_EQ(p[511], '\0');
    EXPECT_STREQ(p + 512, "left");
    GlobalUnlock(block);
    DestroyWindow(h);
}

// ---- Multi button ----

TEST(MultiButton, FreshLookAndFields)
{
    HWND h = CCT_Create(kMulti, "BTN", 10, 10, 120, 82, 910);
    CCTImage img = CCT_Snap(h);
    EXPECT_EQ(img.at(10, 0), kBlack);   // top frame
    EXPECT_EQ(img.at(10, 19), kBlack);
    EXPECT_EQ(img.at(10, 10), kLightGrey);
    EXPECT_EQ(img.at(1, 21), kWhite);   // raised button from q = 20
    EXPECT_EQ(img.at(10, 60), kBlack);  // bottom frame
    EXPECT_EQ(img.at(10, 79), kBlack);
    EXPECT_EQ(img.at(70, 70), kBlack);  // divider
    EXPECT_EQ(img.at(69, 70), kLightGrey);
    EXPECT_EQ(img.at(71, 70), kLightGrey);
    COLORREF bg = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(img.at(10, 80), bg);  // rows 80 and 81 undrawn
    EXPECT_EQ(img.at(10, 81), bg);
    ExpectCentred(h, img, kBlack, "BTN", 0, 20, 120, 40, {4, 23, 116, 57});

    SetText(h, "/_____2");
    SetText(h, "L");
    SetText(h, "/_____3");
    SetText(h, "R");
    EXPECT_EQ(GetText(h), "R");
    img = CCT_Snap(h);
    ExpectCentred(h, img, kBlack, "L", 2, 60, 50, 20, {1, 61, 70, 79});
    ExpectCentred(h, img, kBlack, "R", 58, 60, 70, 20, {71, 61, 119, 79});
    SetText(h, "/_____4");
    SetText(h, "none");
    char buf[8] = "keep";
    EXPECT_EQ(SendMessageA(h, WM_GETTEXT, sizeof buf, (LPARAM)buf), 4);
    EXPECT_STREQ(buf, "keep");
    EXPECT_EQ(Field(h, 3, 4), "R");
    DestroyWindow(h);
}

TEST(MultiButton, OptionTextColoursTheChosenField)
{
    HWND h = CCT_Create(kMulti, "", 10, 10, 120, 80, 911);
    SetText(h, "/__E0_2");
    EXPECT_EQ(CCT_Slot(h, 3), 2);
    EXPECT_EQ(CCT_Slot(h, 9), 14);
    EXPECT_EQ(CCT_Slot(h, 10), 0);
    EXPECT_EQ(CCT_Pixel(h, 10, 70), kCyan);
    EXPECT_EQ(CCT_Pixel(h, 100, 70), kLightGrey);
    DestroyWindow(h);
}

TEST(MultiButton, TextChangesRedrawTheirFrames)
{
    HWND h = CCT_Create(kMulti, "", 10, 10, 120, 80, 912);
    SetText(h, "/____C2");  // blue frames, left text
    EXPECT_EQ(CCT_Pixel(h, 70, 70), kBlue);
    SetText(h, "L");
    CCTImage img = CCT_Snap(h);
    EXPECT_EQ(img.at(70, 70), kDarkGrey);  // divider dark grey until the next paint
    EXPECT_EQ(img.at(10, 60), kBlue);
    EXPECT_EQ(img.at(10, 0), kBlue);
    CCT_Repaint(h);
    EXPECT_EQ(CCT_Pixel(h, 70, 70), kBlue);

    EnableWindow(h, FALSE);
    CCT_Pump();
    EXPECT_EQ(CCT_Pixel(h, 10, 0), kDarkGrey);  // disabled frames
    SetText(h, "/_____1");
    SetText(h, "T");
    EXPECT_EQ(CCT_Pixel(h, 10, 0), kBlue);  // top frame in slot 4 even while disabled
    EXPECT_EQ(CCT_Pixel(h, 10, 60), kDarkGrey);
    DestroyWindow(h);
}

TEST(MultiButton, PressedLook)
{
    HWND h = CCT_Create(kMulti, "P", 10, 10, 120, 80, 913);
    CCT_Send(h, WM_LBUTTONDOWN, 50, 40, MK_LBUTTON);
    CCTImage img = CCT_Snap(h);
    EXPECT_EQ(img.at(1, 21), kDarkGrey);
    EXPECT_EQ(CCT_Slot(h, 65), 1);
    SIZE sz = CCT_TextExtent(h, "P");
    RECT ink = Ink(img, kBlack, 4, 23, 116, 57);
    EXPECT_GE(ink.left, (120 - sz.cx) / 2 + 2);
    EXPECT_GE(ink.top, 20 + (40 - sz.cy) / 2 + 2);
    CCT_Send(h, WM_LBUTTONUP, 50, 40, 0);
    DestroyWindow(h);
}

TEST(FieldButtons, NoGdiLeak)
{
    HWND d = CCT_Create(kDest, "D", 10, 10, 90, 60, 920);
    HWND m = CCT_Create(kMulti, "M", 110, 10, 120, 80, 921);
    auto round = [&](int k) {
        for (HWND h : {d, m}) {
            char opt[16];
            wsprintfA(opt, "/_____%d", k % 5);
            SetText(h, opt);
            SetText(h, k % 2 ? "odd" : "even");
            CCT_Send(h, WM_LBUTTONDOWN, 5, 30, MK_LBUTTON);
            SetText(h, "pressed");
            CCT_Send(h, WM_LBUTTONUP, 5, 30, 0);
            EnableWindow(h, FALSE);
            SetText(h, "off");
            EnableWindow(h, TRUE);
        }
        CCT_Pump();
    };
    for (int k = 0; k < 5; k++) round(k);  // warm-up: the system's own DC caches fill
    DWORD before = CCT_GdiCount();
    for (int k = 0; k < 10; k++) round(k);
    EXPECT_EQ(CCT_GdiCount(), before);
    DestroyWindow(d);
    DestroyWindow(m);
}
