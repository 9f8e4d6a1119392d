// Every kind at any size: tiny, huge and absurd sizes set at creation, by
// SetWindowPos, by WM_SIZE and by a style change, with no exception (counted by
// a vectored handler, since one raised inside a window procedure can be
// swallowed by the message dispatcher) and no GDI object left behind. The
// Ident plaque's own band fill is checked pixel for pixel against the border
// flood fill it replaces, at the sizes where that fill still works.
#include <gtest/gtest.h>
#include <stdio.h>
#include <string>
#include <vector>
#include "ccdraw.h"
#include "harness.h"
#include "text.h"

namespace {

// ---- exceptions ----

LONG g_exceptions;
DWORD g_firstCode;

LONG CALLBACK CountException(EXCEPTION_POINTERS *e)
{
    DWORD code = e->ExceptionRecord->ExceptionCode;
    // Debugger output and thread names travel as exceptions: not faults.
    if (code == DBG_PRINTEXCEPTION_C || code == 0x4001000A /* wide debug print */ || code == 0x406D1388)
        return EXCEPTION_CONTINUE_SEARCH;
    if (InterlockedIncrement(&g_exceptions) == 1) g_firstCode = code;
    return EXCEPTION_CONTINUE_SEARCH;
}

struct ExceptionWatch {
    PVOID handler;
    ExceptionWatch() : handler(AddVectoredExceptionHandler(1, CountException)) { g_exceptions = 0; }
    ~ExceptionWatch() { RemoveVectoredExceptionHandler(handler); }
    std::string Report() const
    {
        char buf[64];
        snprintf(buf, sizeof buf, "%ld exceptions, first code 0x%08lx", (long)g_exceptions, (unsigned long)g_firstCode);
        return buf;
    }
};

// ---- kinds and the steps each one goes through ----

struct Kind {
    DWORD style;
    const char *name;
    const char *text;
};

const Kind kKinds[] = {
    {0x0001, "Button", "ON AIR"},     {0x0002, "LED", "ON AIR"},          {0x0004, "Dest", "ON AIR"},
    {0x0008, "Static Text", "ON AIR"}, {0x0010, "Browse", "ON AIR"},     {0x0020, "Ident Text", "x"},
    {0x0040, "Bitmap", "MARKED16"},    {0x0080, "Touch", "ON AIR"},      {0x0100, "Flat", "ON AIR"},
    {0x0200, "Multi", "ON AIR"},       {0x0400, "Vertical fader", "50"}, {0x0800, "Horizontal fader", "50"},
};

// 256 x 32767 is the tallest plaque still composed in a memory image. Creation
// takes sizes beyond 32767 (WM_SIZE then carries their low words).
const SIZE kSizes[] = {{0, 0},       {1, 1},       {3, 3},         {32767, 20},    {20, 32767},
                       {256, 32767}, {292, 32767}, {4000, 4000},   {12000, 12000}, {32767, 32767},
                       {100000, 100000}, {0x7FFFFFFF, 20}};

// Paint, press and release at the centre, labels and options, disable and
// enable: everything a panel does to a control, at the size it has now.
void Exercise(HWND h, const Kind &k)
{
    RECT rc = {0, 0, 0, 0};
    GetClientRect(h, &rc);
    int cx = rc.right / 2, cy = rc.bottom / 2;
    CCT_Repaint(h);
    CCT_Send(h, WM_LBUTTONDOWN, cx, cy, MK_LBUTTON);
    CCT_Send(h, WM_MOUSEMOVE, cx, cy, MK_LBUTTON);
    CCT_Send(h, WM_LBUTTONUP, cx, cy, 0);
    SendMessageA(h, WM_SETTEXT, 0, (LPARAM)(k.style == 0x0040 ? "NO PICTURE" : "ON|AIR"));
    SendMessageA(h, WM_SETTEXT, 0, (LPARAM) "/9B7C41");  // colours, value and variant 1
    SendMessageA(h, WM_SETTEXT, 0, (LPARAM)k.text);
    SendMessageA(h, WM_SETTEXT, 0, (LPARAM) "/______0");
    CCT_Repaint(h);
    EnableWindow(h, FALSE);
    CCT_Pump();
    EnableWindow(h, TRUE);
    CCT_Pump();
}

// Runs fn for each kind; it must raise nothing and leave no GDI object.
void ForEachKind(const std::function<void(const Kind &)> &fn)
{
    for (const Kind &k : kKinds) {
        SCOPED_TRACE(k.name);
        ExceptionWatch watch;
        if (CCT_CacheFlush) CCT_CacheFlush();  // counted without what the cache keeps
        DWORD before = CCT_GdiCount();
        EXPECT_EQ(CCT_GdiLeaked([&] { fn(k); }), 0);
        CCT_Pump();
        EXPECT_EQ(CCT_GdiCount(), before);
        EXPECT_EQ(g_exceptions, 0) << watch.Report();
    }
}

struct SizeCase {
    int w, h;
};

}  // namespace

class AnySize : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // Warm-up: the system's own DC caches and the default fonts settle.
        for (const Kind &k : kKinds) {
            HWND h = CCT_Create(k.style, k.text, 0, 0, 60, 30, 900);
            Exercise(h, k);
            DestroyWindow(h);
        }
        CCT_Pump();
    }
};

TEST_F(AnySize, AtCreation)
{
    ForEachKind([](const Kind &k) {
        for (const SIZE &s : kSizes) {
            SCOPED_TRACE(testing::Message() << s.cx << " x " << s.cy);
            HWND h = CCT_Create(k.style, k.text, 0, 0, s.cx, s.cy, 901);
            ASSERT_TRUE(h);
            Exercise(h, k);
            DestroyWindow(h);
        }
    });
}

TEST_F(AnySize, BySetWindowPos)
{
    ForEachKind([](const Kind &k) {
        HWND h = CCT_Create(k.style, k.text, 0, 0, 40, 20, 902);
        for (const SIZE &s : kSizes) {
            SCOPED_TRACE(testing::Message() << s.cx << " x " << s.cy);
            SetWindowPos(h, nullptr, 0, 0, s.cx, s.cy, SWP_NOZORDER | SWP_NOMOVE);
            Exercise(h, k);
        }
        DestroyWindow(h);
    });
}

// WM_SIZE told by hand: the slots take any 16-bit values, whatever the window's
// real size.
TEST_F(AnySize, ByWmSize)
{
    const int words[] = {0, 1, 0x7FFF, 0x8000, 0xFFFF};
    ForEachKind([&](const Kind &k) {
        HWND h = CCT_Create(k.style, k.text, 0, 0, 40, 20, 903);
        for (int w : words)
            for (int hh : words) {
                SCOPED_TRACE(testing::Message() << w << " x " << hh);
                SendMessageA(h, WM_SIZE, 0, MAKELPARAM(w, hh));
                Exercise(h, k);
            }
        DestroyWindow(h);
    });
}

// A control of another kind (small, or huge where that kind is cheap) turned
// into an Ident Text: the plaque takes the client size.
TEST_F(AnySize, StyleChangeIntoAHugeIdent)
{
    const Kind ident = kKinds[5];
    ForEachKind([&](const Kind &k) {
        for (const SizeCase &s : {SizeCase{40, 20}, SizeCase{292, 32767}, SizeCase{32767, 32767}}) {
            HWND h = CCT_Create(k.style, "ON AIR", 0, 0, s.w, s.h, 904);
            SendMessageA(h, WM_SIZE, 0, MAKELPARAM(0xFFFF, 0xFFFF));
            SetWindowLongA(h, GWL_STYLE, (GetWindowLongA(h, GWL_STYLE) & ~0xFFFF) | ident.style);
            RECT rc;
            GetClientRect(h, &rc);
            EXPECT_EQ(CCT_Slot(h, 0), rc.right);
            EXPECT_EQ(CCT_Slot(h, 1), rc.bottom);
            Exercise(h, ident);
            DestroyWindow(h);
        }
    });
}

// ---- the plaque's band fill against the border flood fill ----

namespace {

// The plaque drawn with border flood fills: the pixels the own fill must give.
void FloodPlaque(HDC dc, int W, int H, LONG face)
{
    CCIdGeometry g = CCid_Geometry(W, H);
    HBRUSH faceBrush = CCDraw_Brush(face);
    HGDIOBJ old = SelectObject(dc, faceBrush);
    Rectangle(dc, 0, 0, W, H);
    Rectangle(dc, g.bx, g.by, W - g.bx, H - g.by);
    SelectObject(dc, old);
    DeleteObject(faceBrush);
    HPEN pen = CCDraw_Pen(0);
    old = SelectObject(dc, pen);
    const POINT lines[4][2] = {{{0, 0}, {g.bx, g.by}},
                               {{W, 0}, {W - g.bx, g.by}},
                               {{g.bx, H - g.by}, {0, H}},
                               {{W - g.bx, H - g.by}, {W, H}}};
    for (const auto &l : lines) {
        MoveToEx(dc, l[0].x, l[0].y, nullptr);
        LineTo(dc, l[1].x, l[1].y);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
    const struct {
        LONG colour;
        int x, y;
    } seeds[] = {{15, W / 2, g.by / 2}, {15, W - g.bx / 2, H / 2}, {7, W / 2, H - 1 - g.by / 2}, {7, g.bx / 2, H / 2}};
    for (const auto &s : seeds) {
        HBRUSH b = CCDraw_Brush(s.colour);
        old = SelectObject(dc, b);
        ExtFloodFill(dc, s.x, s.y, RGB(0, 0, 0), FLOODFILLBORDER);
        SelectObject(dc, old);
        DeleteObject(b);
    }
}

// Both plaques on canvases prefilled with `under`; the first differing pixel.
testing::AssertionResult SamePlaque(int W, int H, LONG face, COLORREF under)
{
    CCTCanvas want(W, H, under), got(W, H, under);
    FloodPlaque(want.dc, W, H, face);
    CCid_DrawPlaque(got.dc, W, H, face);
    GdiFlush();
    for (int i = 0; i < W * H; i++)
        if (want.bits[i] != got.bits[i])
            return testing::AssertionFailure() << W << " x " << H << " face " << face << ": pixel (" << i % W << ", "
                                               << i / W << ") is " << std::hex << got.bits[i] << ", not "
                                               << want.bits[i];
    return testing::AssertionSuccess();
}

}  // namespace

TEST(PlaqueFill, SameAsTheBorderFloodFill)
{
    // Every small plaque, on a light and on a black underground (a pixel that
    // the outlines left uncovered would show).
    for (int W = 1; W <= 40; W++)
        for (int H = 1; H <= 40; H++)
            for (COLORREF under : {RGB(0x12, 0x34, 0x56), RGB(0, 0, 0)})
                for (LONG face : {8, 0}) ASSERT_TRUE(SamePlaque(W, H, face, under));
    // The sizes of the tests, the demo and the benchmark, sizes around the
    // band steps (every 50 columns, every 12.5 rows) and long plaques whose
    // middle rows or columns the fill keeps as one.
    const int widths[] = {49, 50, 60, 99, 100, 101, 149, 150, 199, 200, 201, 292, 300, 640};
    const int heights[] = {12, 13, 25, 26, 34, 37, 38, 40, 50, 63, 64, 100, 163, 480};
    for (int W : widths)
        for (int H : heights) ASSERT_TRUE(SamePlaque(W, H, 8, RGB(0x12, 0x34, 0x56)));
    for (LONG face : {15, 7, 0x19}) ASSERT_TRUE(SamePlaque(200, 50, face, RGB(0x12, 0x34, 0x56)));
    const SizeCase large[] = {{1068, 40}, {1069, 40}, {40, 1220}, {40, 1221}, {292, 9000}, {9000, 50}, {2000, 1500}};
    for (const SizeCase &s : large)
        ASSERT_TRUE(SamePlaque(s.w, s.h, 8, RGB(0x12, 0x34, 0x56)));
}

TEST(IdentFontCap, HeightAndWidthScaledTogether)
{
    const struct {
        LONG h, w, wantH, wantW;
    } cases[] = {
        {30, 15, 30, 15},         {2048, 2048, 2048, 2048},     {4096, 1024, 2048, 512},
        {27513, 168, 2048, 12},   {1000, 6000, 341, 2048},      {-12, -12, -12, -12},
        {100000, 1, 2048, 1},     {-40000, 80000, -1024, 2048}, {0x7FFFFFFF, 0x7FFFFFFF, 2048, 2048},
    };
    for (const auto &c : cases) {
        LOGFONTA lf = {};
        lf.lfHeight = c.h;
        lf.lfWidth = c.w;
        lf.lfWeight = 700;
        LOGFONTA got = CCid_DrawnFont(lf);
        EXPECT_EQ(got.lfHeight, c.wantH) << c.h << " x " << c.w;
        EXPECT_EQ(got.lfWidth, c.wantW) << c.h << " x " << c.w;
        EXPECT_EQ(got.lfWeight, 700);
    }
}

namespace {

// Pixels of a window's client rectangle (x, y, w, h), read one by one.
std::vector<COLORREF> Pixels(HWND hwnd, int x, int y, int w, int h)
{
    std::vector<COLORREF> px;
    HDC dc = GetDC(hwnd);
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++) px.push_back(GetPixel(dc, i, j));
    ReleaseDC(hwnd, dc);
    return px;
}

}  // namespace

// Beyond the largest memory image the looks go straight on, pixel for pixel
// what the off-screen composition shows.
TEST_F(AnySize, BeyondTheMemoryImageStraightOn)
{
    // Plaques just under and just over the limit, against the plaque drawn alone.
    for (int H : {27000, 28000}) {
        SCOPED_TRACE(H);
        HWND h = CCT_Create(0x0020, "x", 0, 0, 300, H, 906);
        CCTCanvas want(300, 480, RGB(0x12, 0x34, 0x56));
        CCid_DrawPlaque(want.dc, 300, H, 8);
        CCTImage img = want.Image();
        EXPECT_EQ(Pixels(h, 0, 0, 300, 480), img.px);
        DestroyWindow(h);
    }
    // A label swapped in straight on, against a fresh control with that label;
    // the controls' centres lie in sight.
    for (DWORD kind : {0x0001, 0x0002, 0x0008, 0x0100}) {
        SCOPED_TRACE(kind);
        HWND h = CCT_Create(kind, "WWWWWW", -9700, 0, 20000, 500, 907);
        SendMessageA(h, WM_SETTEXT, 0, (LPARAM) "i");
        std::vector<COLORREF> swapped = Pixels(h, 9950, 230, 100, 40);
        DestroyWindow(h);
        h = CCT_Create(kind, "i", -9700, 0, 20000, 500, 907);
        EXPECT_EQ(Pixels(h, 9950, 230, 100, 40), swapped);
        DestroyWindow(h);
    }
}
