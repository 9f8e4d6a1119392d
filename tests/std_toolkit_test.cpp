// Toolkit and slot helpers: a one-line label lands where the two offset routines
// put it, and the slot view reads what CCGetSlot reads.
#include <gtest/gtest.h>
#include <algorithm>
#include "ccdraw.h"
#include "ccguards.h"
#include "ccslots.h"
#include "harness.h"

namespace {

const COLORREF kWhite = 0xFFFFFF, kRed = 0x0000FF;

// A w x h memory image, white, on which a label is drawn in black on red.
struct Canvas {
    int w, h;
    CCWindowDC screen;
    CCMemImage image;
    HDC dc;
    Canvas(int cw, int ch) : w(cw), h(ch), screen(nullptr), image(screen.dc, cw, ch), dc(image.dc)
    {
        PatBlt(dc, 0, 0, w, h, WHITENESS);
    }
    // Bounding box of the pixels that are no longer white; empty when none.
    RECT Drawn() const
    {
        RECT r = {w, h, 0, 0};
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++)
                if (GetPixel(dc, x, y) != kWhite) {
                    r.left = std::min<LONG>(r.left, x);
                    r.top = std::min<LONG>(r.top, y);
                    r.right = std::max<LONG>(r.right, x + 1);
                    r.bottom = std::max<LONG>(r.bottom, y + 1);
                }
        if (r.right == 0) r = {0, 0, 0, 0};
        return r;
    }
};

// The opaque cell of a one-line label starts at the box corner plus the offsets
// CCDraw_TextOffsetX and CCDraw_TextOffsetY give, and is as large as the text.
TEST(Toolkit, OneLineLabelSitsAtTheMeasuredOffsets)
{
    struct Case {
        const char *text;
        int w, h, x, y;
    } cases[] = {
        {"Mix", 100, 40, 0, 0},
        {"Studio 1", 100, 40, 7, 5},
        {"A label far wider than its box", 30, 40, 2, 0},  // wider: from the left edge
        {"Low", 100, 4, 0, 3},                             // taller than the box: from the top
        {"W", 1, 1, 60, 20},
    };
    for (const Case &c : cases) {
        Canvas cv(160, 60);
        SIZE sz = {0, 0};
        GetTextExtentPoint32A(cv.dc, c.text, lstrlenA(c.text), &sz);
        int dx = CCDraw_TextOffsetX(cv.dc, c.text, c.w), dy = CCDraw_TextOffsetY(cv.dc, c.text, c.h);
        CCDraw_Text(cv.dc, 0, 9, c.w, c.h, c.x, c.y, c.text);
        RECT want = {c.x + dx, c.y + dy, std::min<LONG>(160, c.x + dx + sz.cx), std::min<LONG>(60, c.y + dy + sz.cy)};
        RECT got = cv.Drawn();
        EXPECT_EQ(want.left, got.left) << c.text;
        EXPECT_EQ(want.top, got.top) << c.text;
        EXPECT_EQ(want.right, got.right) << c.text;
        EXPECT_EQ(want.bottom, got.bottom) << c.text;
        EXPECT_EQ(kRed, GetPixel(cv.dc, want.left, want.top)) << c.text;
    }
    Canvas cv(50, 20);
    CCDraw_Text(cv.dc, 0, 9, 50, 20, 0, 0, "");
    CCDraw_Text(cv.dc, 0, 9, 50, 20, 0, 0, nullptr);
    EXPECT_EQ(0, cv.Drawn().right);  // the empty text draws nothing
}

LRESULT CALLBACK PlainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// The view is the block CCGetSlot reads: made on first access, showing later
// writes; without a window or an extra word to keep a block it reads zeros.
TEST(Slots, ViewReadsTheBlockAndZerosWithoutOne)
{
    HWND h = CCT_Create(0x0008, "view", 10, 10, 80, 30, 901);
    ASSERT_TRUE(h);
    const LONG *v = CCSlotView(h);
    ASSERT_TRUE(v);
    EXPECT_EQ(80, v[0]);
    EXPECT_EQ(30, v[1]);
    CCSetSlot(h, 127, 0x12345678);
    CCSetSlot(h, 5, -3);
    for (int i = 0; i < CC_SLOT_COUNT; i++) EXPECT_EQ(CCGetSlot(h, i), v[i]) << i;
    EXPECT_EQ(0x12345678, CCT_Slot(h, 127));
    DestroyWindow(h);

    const LONG *none = CCSlotView(nullptr);
    ASSERT_TRUE(none);
    for (int i = 0; i < CC_SLOT_COUNT; i++) EXPECT_EQ(0, none[i]);

    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "CCTestNoExtra";
    RegisterClassA(&wc);
    HWND plain = CCT_Create(0, "", 10, 50, 20, 20, 902, nullptr, "CCTestNoExtra");
    ASSERT_TRUE(plain);
    const LONG *z = CCSlotView(plain);
    ASSERT_TRUE(z);
    CCSetSlot(plain, 3, 7);  // dropped: there is nowhere to keep it
    for (int i = 0; i < CC_SLOT_COUNT; i++) EXPECT_EQ(0, z[i]);
    EXPECT_EQ(0, CCSlotView(plain)[3]);
    DestroyWindow(plain);
}

}  // namespace
