// The off-screen surface and the caches of fonts, pictures, pens and brushes:
// reuse, growth and its bound, nesting, a clean state at every use, eviction,
// and controls of extreme sizes and thousands of font sizes.
#include <gtest/gtest.h>
#include "harness.h"
#include "cccache.h"
#include "ccslots.h"
#include "ccsurface.h"

namespace {

const DWORD kButton = 0x0001, kIdent = 0x0020, kStatic = 0x0008, kBitmap = 0x0040;

struct SurfaceSize {
    int w, h;
    SurfaceSize() { CCSurface_Size(&w, &h); }
};

TEST(Surface, ReusedGrownAndBounded)
{
    HDC ref = GetDC(CCT_Parent());
    HDC first;
    {
        CCSurface a(ref, 50, 20);
        ASSERT_TRUE(a.ok());
        first = a.dc;
    }
    {
        CCSurface b(ref, 20, 70);  // the same DC, grown to 50 x 70
        EXPECT_EQ(b.dc, first);
        SurfaceSize s;
        EXPECT_GE(s.w, 50);
        EXPECT_GE(s.h, 70);
        CCSurface nested(ref, 10, 10);  // taken: a surface of its own
        ASSERT_TRUE(nested.ok());
        EXPECT_NE(nested.dc, first);
    }
    SurfaceSize before;
    DWORD objects = CCT_GdiCount();
    {
        long long side = 2;
        while (side * side <= CCSurface_MaxArea()) side *= 2;
        CCSurface huge(ref, (int)side, (int)side);  // beyond the bound: for this use alone
        ASSERT_TRUE(huge.ok());
        EXPECT_NE(huge.dc, first);
    }
    SurfaceSize after;
    EXPECT_EQ(after.w, before.w);
    EXPECT_EQ(after.h, before.h);
    EXPECT_EQ(CCT_GdiCount(), objects);
    for (int bad : {0, -5}) EXPECT_FALSE(CCSurface(ref, bad, 10).ok());
    EXPECT_FALSE(CCSurface(nullptr, 10, 10).ok());
    ReleaseDC(CCT_Parent(), ref);
}

// A use leaves nothing behind: alignment, colours, objects and clipping are a
// fresh DC's at the next use; an exact surface is clipped to the area asked for.
TEST(Surface, EveryUseStartsClean)
{
    HDC ref = GetDC(CCT_Parent());
    {
        CCSurface a(ref, 200, 100);
        SetTextAlign(a.dc, TA_CENTER | TA_BOTTOM);
        SetBkMode(a.dc, TRANSPARENT);
        SetTextColor(a.dc, RGB(1, 2, 3));
        SelectObject(a.dc, GetStockObject(WHITE_PEN));
        SelectObject(a.dc, GetStockObject(ANSI_VAR_FONT));
        PatBlt(a.dc, 0, 0, 200, 100, BLACKNESS);
    }
    {
        CCSurface b(ref, 30, 20, true);
        EXPECT_EQ(GetTextAlign(b.dc), (UINT)(TA_TOP | TA_LEFT));
        EXPECT_EQ(GetBkMode(b.dc), OPAQUE);
        EXPECT_EQ(GetTextColor(b.dc), RGB(0, 0, 0));
        EXPECT_EQ(GetCurrentObject(b.dc, OBJ_PEN), GetStockObject(BLACK_PEN));
        EXPECT_EQ(GetCurrentObject(b.dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
        PatBlt(b.dc, 0, 0, 200, 100, WHITENESS);  // clipped like a 30 x 20 bitmap
    }
    CCSurface c(ref, 200, 100);
    EXPECT_EQ(GetPixel(c.dc, 29, 19), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(c.dc, 30, 5), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(c.dc, 5, 20), RGB(0, 0, 0));
    ReleaseDC(CCT_Parent(), ref);
}

TEST(FontCache, BoundedHeldFontsKeptOneOffsWhenFull)
{
    LOGFONTA lf = {};
    DWORD before = 0;
    for (int i = 0; i < 3000; i++) {
        lf.lfHeight = 8 + i % 1500;
        lf.lfWidth = i / 1500;
        HFONT f = CCCache_Font(&lf);
        ASSERT_NE(f, nullptr);
        CCCache_PutFont(f);
        if (i == CC_FONT_CACHE) before = CCT_GdiCount();
    }
    EXPECT_EQ(CCT_GdiCount(), before);
    EXPECT_EQ(CCCache_Counts().fonts, CC_FONT_CACHE);
    // The same description gives the same font; held fonts are not evicted.
    HFONT held[CC_FONT_CACHE];
    for (int i = 0; i < CC_FONT_CACHE; i++) {
        lf.lfHeight = 100 + i;
        held[i] = CCCache_Font(&lf);
        EXPECT_EQ(CCCache_Font(&lf), held[i]);
        CCCache_PutFont(held[i]);
    }
    lf.lfHeight = 99;
    HFONT extra = CCCache_Font(&lf);  // every entry held: a font of its own
    ASSERT_NE(extra, nullptr);
    for (HFONT f : held) EXPECT_EQ(GetObjectType(f), (DWORD)OBJ_FONT);
    CCCache_PutFont(extra);
    EXPECT_EQ(GetObjectType(extra), 0u);
    for (HFONT f : held) CCCache_PutFont(f);
    EXPECT_EQ(CCCache_Font(nullptr), nullptr);
}

TEST(PictureCache, LoadedOnceAndBounded)
{
    CCTWindow a(CCT_Create(kBitmap, "MARKED16", 10, 10, 40, 40, 701));
    CCTWindow b(CCT_Create(kBitmap, "BIG", 60, 10, 80, 60, 702));
    DWORD before = CCT_GdiCount();
    int pictures = CCCache_Counts().pictures;
    for (int i = 0; i < 20; i++) {
        CCT_Repaint(a);
        CCT_Repaint(b);
        CCT_Send(a, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
        CCT_Send(a, WM_LBUTTONUP, 5, 5, 0);
    }
    EXPECT_EQ(CCCache_Counts().pictures, pictures);
    EXPECT_EQ(CCT_GdiCount(), before);
    HDC ref = GetDC(a);
    CCPicture p1, p2;
    ASSERT_TRUE(CCCache_Picture(GetModuleHandleA(nullptr), "MARKED16", ref, &p1));
    ASSERT_TRUE(CCCache_Picture(GetModuleHandleA(nullptr), "marked16", ref, &p2));  // the same resource
    EXPECT_EQ(p1.dc, p2.dc);
    EXPECT_EQ(p1.w, 16);
    CCCache_PutPicture(&p1);
    CCCache_PutPicture(&p2);
    EXPECT_FALSE(CCCache_Picture(GetModuleHandleA(nullptr), "NOPE", ref, &p1));
    EXPECT_FALSE(CCCache_Picture(GetModuleHandleA(nullptr), "", ref, &p1));
    ReleaseDC(a, ref);
    EXPECT_LE(CCCache_Counts().pictures, CC_PICTURE_CACHE);
}

// Controls far larger than the bound and of zero size: drawn, nothing kept.
TEST(ExtremeSizes, HugeAndEmptyControls)
{
    CCTWindow warm(CCT_Create(kButton, "warm", 10, 10, 60, 30, 710));
    SurfaceSize before;
    DWORD objects = CCT_GdiCount();
    for (DWORD kind : {kButton, kIdent, kStatic}) {
        for (int side : {4000, 0}) {
            CCTWindow h(CCT_Create(kind, "Big|Label", 0, 0, side, side, 711));
            CCT_Repaint(h);
            SendMessageA(h, WM_SETTEXT, 0, (LPARAM) "Other");
            CCT_Repaint(h);
            if (side) {
                EXPECT_EQ(CCT_Pixel(h, 0, 0), kind == kStatic ? RGB(128, 128, 128) : RGB(0, 0, 0)) << kind;
            }
        }
    }
    SurfaceSize after;
    EXPECT_EQ(after.w, before.w);
    EXPECT_EQ(after.h, before.h);
    EXPECT_EQ(CCT_GdiCount(), objects);
}

// Thousands of distinct plaque sizes, each a font of its own: the cache stays bounded.
TEST(ExtremeSizes, ThousandsOfIdentFontSizes)
{
    CCTWindow h(CCT_Create(kIdent, "A|B", 0, 0, 100, 40, 720));
    DWORD before = 0;
    for (int i = 0; i < 2000; i++) {
        SetWindowPos(h, nullptr, 0, 0, 40 + i % 50 * 4, 20 + i / 50, SWP_NOMOVE | SWP_NOZORDER);
        CCT_Repaint(h);
        if (i == 20) before = CCT_GdiCount();
    }
    EXPECT_EQ(CCT_GdiCount(), before);
    EXPECT_LE(CCCache_Counts().fonts, CC_FONT_CACHE);
}

// A child window that paints itself green.
LRESULT CALLBACK GreenProc(HWND h, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg != WM_PAINT) return DefWindowProcA(h, msg, wp, lp);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    RECT r;
    GetClientRect(h, &r);
    HBRUSH b = CreateSolidBrush(RGB(0, 255, 0));
    FillRect(dc, &r, b);
    DeleteObject(b);
    EndPaint(h, &ps);
    return 0;
}

WNDPROC s_inner;
int s_paints;
LRESULT CALLBACK CountingProc(HWND h, UINT msg, WPARAM wp, LPARAM lp)
{
    s_paints += msg == WM_PAINT;
    return CallWindowProcA(s_inner, h, msg, wp, lp);
}

// A release shows the normal look at once, as its repaint would; where the
// window system's repaint does more (child windows, a subclass, a hidden
// window) that repaint is kept.
TEST(PaintAtOnce, ReleaseLooksAsARepaint)
{
    CCTWindow b(CCT_Create(kButton, "Go|Now", 10, 10, 90, 40, 730));
    CCT_Repaint(b);
    CCTImage normal = CCT_Snap(b);
    auto click = [&](HWND h) {
        CCT_Send(h, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
        CCT_Send(h, WM_LBUTTONUP, 5, 5, 0);
    };
    click(b);
    EXPECT_EQ(CCT_Snap(b).px, normal.px);
    EXPECT_EQ(CCT_Slot(b, 65), 0);
    RECT r;
    EXPECT_FALSE(GetUpdateRect(b, &r, FALSE));

    WNDCLASSA wc = {};
    wc.lpfnWndProc = GreenProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "CCTestGreen";
    RegisterClassA(&wc);
    HWND child = CreateWindowExA(0, "CCTestGreen", "", WS_CHILD | WS_VISIBLE, 60, 2, 20, 10, b, nullptr,
                                 wc.hInstance, nullptr);
    CCT_Pump();
    click(b);
    CCT_Pump();
    EXPECT_EQ(CCT_Pixel(b, 65, 5), RGB(0, 255, 0));  // the child repainted over the look
    DestroyWindow(child);

    s_inner = (WNDPROC)SetWindowLongPtrA(b, GWLP_WNDPROC, (LONG_PTR)CountingProc);
    s_paints = 0;
    click(b);
    EXPECT_EQ(s_paints, 1);  // the subclass sees its paint
    SetWindowLongPtrA(b, GWLP_WNDPROC, (LONG_PTR)s_inner);

    ShowWindow(b, SW_HIDE);
    CCT_Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    CCSetSlot(b, 65, 1);
    CCT_Send(b, WM_LBUTTONUP, 5, 5, 0);
    EXPECT_EQ(CCT_Slot(b, 65), 1);  // no paint for a hidden window
}

struct ThreadCtx {
    HDC ref, dc;
};

DWORD WINAPI PaintOnThread(LPVOID p)
{
    ThreadCtx *c = (ThreadCtx *)p;
    {
        CCSurface s(c->ref, 10, 10);
        c->dc = s.dc;
    }
    CCSurface_ThreadDone();
    return 0;
}

// Last in this program: once a second thread has run, some emulators of the
// platform mishandle any later exception (a debugger line, a failure report).
TEST(Threads, EachHasItsOwnSurface)
{
    HDC ref = GetDC(CCT_Parent());
    HDC mine;
    {
        CCSurface a(ref, 10, 10);
        mine = a.dc;
    }
    ThreadCtx ctx = {ref, nullptr};
    DWORD before = CCT_GdiCount();
    HANDLE t = CreateThread(nullptr, 0, PaintOnThread, &ctx, 0, nullptr);
    WaitForSingleObject(t, INFINITE);
    CloseHandle(t);
    EXPECT_NE(ctx.dc, nullptr);
    EXPECT_NE(ctx.dc, mine);
    EXPECT_EQ(CCT_GdiCount(), before);  // the thread's surface went with it
    ReleaseDC(CCT_Parent(), ref);
}

}  // namespace
