// The paint cycle through the shipped libraries: a control of the library's own
// procedure paints in a short cycle (no erase, no frame paint, no caret), a
// subclassed one through BeginPaint / EndPaint; both show the same pixels for
// every kind, look and kind of invalidation, and leave nothing to paint again.
#include <gtest/gtest.h>
#include <string>
#include "allkinds.h"
#include "harness.h"

namespace {

void Fill(HWND h, COLORREF c)
{
    HDC dc = GetDC(h);
    RECT r;
    GetClientRect(h, &r);
    HBRUSH b = CreateSolidBrush(c);
    FillRect(dc, &r, b);
    DeleteObject(b);
    ReleaseDC(h, dc);
}

// The library's procedure behind a subclass that only passes messages on: the
// window system's paint cycle is then taken as it comes.
LRESULT CALLBACK PassOn(HWND h, UINT m, WPARAM w, LPARAM l)
{
    return CallWindowProcA((WNDPROC)GetClassLongPtrA(h, GCLP_WNDPROC), h, m, w, l);
}

bool NothingLeft(HWND h)
{
    MSG m;
    return !GetUpdateRect(h, nullptr, FALSE) && !PeekMessageA(&m, h, WM_PAINT, WM_PAINT, PM_NOREMOVE);
}

enum Look { NORMAL, PRESSED, DISABLED };
const char *const kLookNames[] = {"normal", "pressed", "disabled"};

HWND Make(const CCTKind &k, int x, int w, int h, Look look, bool subclass)
{
    HWND c = CCT_Create(k.style, k.text, x, 10, w, h, 700, nullptr, k.cls);
    if (subclass) SetWindowLongPtrA(c, GWLP_WNDPROC, (LONG_PTR)PassOn);
    if (look == PRESSED) CCT_Send(c, WM_LBUTTONDOWN, w / 2, h / 2, MK_LBUTTON);
    if (look == DISABLED) EnableWindow(c, FALSE);
    CCT_Pump();
    return c;
}

void Release(HWND c, Look look)
{
    if (look == PRESSED) CCT_Send(c, WM_LBUTTONUP, 1, 1, 0);
    ReleaseCapture();
    CCT_Pump();
    CCT_ClearLog();
}

}  // namespace

// The short cycle against BeginPaint / EndPaint (the same control subclassed),
// for whole and partial invalidations, with and without erase and frame, and a
// paint asked for without an update region, over a background of another
// colour (a look need not cover its whole area: what it leaves shows).
TEST(Paint, ShortCycleShowsWhatBeginPaintShows)
{
    ASSERT_TRUE(CCT_LoadBoth());
    struct Invalidation {
        const char *name;
        bool part;   // left half only
        UINT flags;  // RedrawWindow flags
    } const ways[] = {
        {"whole", false, RDW_INVALIDATE},
        {"whole, erase", false, RDW_INVALIDATE | RDW_ERASE},
        {"whole, erase and frame", false, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME},
        {"left half", true, RDW_INVALIDATE},
        {"left half, erase", true, RDW_INVALIDATE | RDW_ERASE},
        {"internal paint", false, RDW_INTERNALPAINT},
    };
    const SIZE sizes[] = {{100, 40}, {30, 150}, {7, 5}};
    for (const CCTKind &k : CCT_KINDS)
        for (SIZE s : sizes)
        for (Look look : {NORMAL, PRESSED, DISABLED})
            for (const Invalidation &way : ways) {
                std::string what = std::string(k.name) + " " + kLookNames[look] + " " + std::to_string(s.cx) + "x" +
                                   std::to_string(s.cy) + ", " + way.name;
                CCTWindow a(Make(k, 10, s.cx, s.cy, look, false)), b(Make(k, 200, s.cx, s.cy, look, true));
                CCTImage shot[2];
                HWND both[2] = {a, b};
                for (int i = 0; i < 2; i++) {
                    Fill(both[i], RGB(255, 0, 255));
                    RECT half = {0, 0, s.cx / 2, s.cy};
                    RedrawWindow(both[i], way.part ? &half : nullptr, nullptr, way.flags);
                    UpdateWindow(both[i]);
                    shot[i] = CCT_Snap(both[i]);
                    EXPECT_TRUE(NothingLeft(both[i])) << what << (i ? " (subclassed)" : "");
                }
                EXPECT_EQ(shot[0].px, shot[1].px) << what;
                Release(a, look);
                Release(b, look);
            }
}

// An Ident Text shows a new text at once where its repaint would draw the same
// (shown, not subclassed); otherwise the text waits for the next paint. Either
// way the result is the look of a fresh control with that text.
TEST(Paint, IdentTextShowsANewTextAtOnceWhereItMay)
{
    ASSERT_TRUE(CCT_LoadBoth());
    struct Case {
        const char *name;
        bool hidden, subclass, option;
    } const cases[] = {
        {"shown", false, false, false},
        {"shown, option text", false, false, true},
        {"hidden", true, false, false},
        {"subclassed", false, true, false},
    };
    for (const Case &c : cases) {
        CCTWindow fresh(CCT_Create(0x0020, c.option ? "A|B" : "NEW|TEXT", 10, 60, 100, 40, 701));
        if (c.option) SendMessageA(fresh, WM_SETTEXT, 0, (LPARAM) "/9F");
        CCTWindow h(CCT_Create(0x0020, c.option ? "A|B" : "OLD", 200, 60, 100, 40, 702));
        if (c.subclass) SetWindowLongPtrA(h, GWLP_WNDPROC, (LONG_PTR)PassOn);
        if (c.hidden) ShowWindow(h, SW_HIDE);
        CCT_Pump();
        SendMessageA(h, WM_SETTEXT, 0, (LPARAM)(c.option ? "/9F" : "NEW|TEXT"));
        // A hidden window keeps no update region: showing it paints it.
        EXPECT_EQ(GetUpdateRect(h, nullptr, FALSE) != 0, c.subclass) << c.name;
        if (c.hidden) ShowWindow(h, SW_SHOW);
        CCT_Pump();
        CCT_Repaint(fresh);
        EXPECT_EQ(CCT_Snap(h).px, CCT_Snap(fresh).px) << c.name;
    }
}
