// Profile: the pieces the looks are made of, timed one by one on a window and a
// memory image of a control's size, so that a kind's time can be accounted for.
#include "bench.h"
#include "ccguards.h"
#include <string.h>
#include "cccache.h"
#include "ccdraw.h"
#include "ccslots.h"
#include "ccsurface.h"

namespace {

const int W = 100, H = 40;

// Names of the pieces a run sets out to measure.
std::vector<std::string> &PlannedPieces()
{
    static std::vector<std::string> names;
    return names;
}

struct Piece {
    const char *name;
    Op op;
};

// Memory DC holding a W x H bitmap, kept for the whole profile.
struct Image : CCMemImage {
    explicit Image(HDC ref) : CCMemImage(ref, W, H) { PatBlt(dc, 0, 0, W, H, WHITENESS); }
};

// The plaque lines of a 100 x 40 Ident Text (bx = 2, by = 3): outer and inner
// rectangles and the four corner lines that part the bands, ready for fills.
void DrawPlaqueLines(HDC dc)
{
    const int bx = 2, by = 3;
    Rectangle(dc, 0, 0, W, H);
    Rectangle(dc, bx, by, W - bx, H - by);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, bx, by);
    MoveToEx(dc, W, 0, nullptr);
    LineTo(dc, W - bx, by);
    MoveToEx(dc, bx, H - by, nullptr);
    LineTo(dc, 0, H);
    MoveToEx(dc, W - bx, H - by, nullptr);
    LineTo(dc, W, H);
}

void MeasurePieces(const std::vector<Piece> &pieces)
{
    // Three at a time, interleaved, so that neighbours share the machine's load.
    for (size_t i = 0; i < pieces.size(); i += 3) {
        std::vector<const Op *> ops;
        for (size_t k = i; k < i + 3 && k < pieces.size(); k++) ops.push_back(&pieces[k].op);
        Timing t = Measure(ops);
        for (size_t k = 0; k < ops.size(); k++) AddRow("profile", pieces[i + k].name, t.us[k], {}, t.spread[k]);
    }
}

}  // namespace

void RunProfile(HWND parent)
{
    HWND win = Child(parent, kEmptyClass, 0, "STUDIO|ONE", 10, 200, W, H, 9100);
    HDC wdc = GetDC(win);
    Image img(wdc);
    HINSTANCE self = GetModuleHandleA(nullptr);
    LOGFONTA ident = {};
    ident.lfHeight = 11;
    ident.lfWidth = 7;
    const char *one = "Channel 1", *two = "Play|Out";
    int slot = 0;
    char text[255];
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 1026);
    CCSetSlot(win, 5, 8);
    HDC mem = CreateCompatibleDC(wdc);
    HBITMAP bmp = CreateCompatibleBitmap(wdc, W, H);

    std::vector<Piece> pieces = {
        {"InvalidateRect+UpdateWindow empty paint", [&](int) { Repaint(win); }},
        {"GetDC+ReleaseDC", [&](int) { ReleaseDC(win, GetDC(win)); }},
        {"BeginPaint+EndPaint nothing invalid",
         [&](int) {
             PAINTSTRUCT ps;
             BeginPaint(win, &ps);
             EndPaint(win, &ps);
         }},
        {"memory DC+bitmap create/delete",
         [&](int) {
             HDC m = CreateCompatibleDC(wdc);
             HBITMAP b = CreateCompatibleBitmap(wdc, W, H);
             HGDIOBJ o = SelectObject(m, b);
             SelectObject(m, o);
             DeleteObject(b);
             DeleteDC(m);
         }},
        {"CreateCompatibleDC+DeleteDC", [&](int) { DeleteDC(CreateCompatibleDC(wdc)); }},
        {"CCSurface 100x40 reused", [&](int) { CCSurface s(wdc, W, H); }},
        {"CCSurface 100x40 reused, exact (clipped)", [&](int) { CCSurface s(wdc, W, H, true); }},
        // A Button's normal look (bevel, two-line label) on the window DC, and
        // composed on the surface and copied.
        {"button look on the window DC",
         [&](int) {
             CCDraw_Bevel(wdc, 8, 0, 0, W, H, 0);
             CCDraw_Text(wdc, 0, 8, W, H, 0, 0, two);
         }},
        {"button look on the surface, copied",
         [&](int) {
             CCSurface s(wdc, W, H);
             CCDraw_Bevel(s.dc, 8, 0, 0, W, H, 0);
             CCDraw_Text(s.dc, 0, 8, W, H, 0, 0, two);
             BitBlt(wdc, 0, 0, W, H, s.dc, 0, 0, SRCCOPY);
         }},
        {"CreateCompatibleBitmap+DeleteObject", [&](int) { DeleteObject(CreateCompatibleBitmap(wdc, W, H)); }},
        {"SelectObject bitmap into memory DC and back",
         [&](int) {
             HGDIOBJ o = SelectObject(mem, bmp);
             SelectObject(mem, o);
         }},
        {"BitBlt window to memory", [&](int) { BitBlt(img.dc, 0, 0, W, H, wdc, 0, 0, SRCCOPY); }},
        {"BitBlt memory to window", [&](int) { BitBlt(wdc, 0, 0, W, H, img.dc, 0, 0, SRCCOPY); }},
        {"CCDraw_Bevel memory DC", [&](int) { CCDraw_Bevel(img.dc, 8, 0, 0, W, H, 0); }},
        {"CCDraw_Bevel window DC", [&](int) { CCDraw_Bevel(wdc, 8, 0, 0, W, H, 0); }},
        {"CCDraw_Box memory DC", [&](int) { CCDraw_Box(img.dc, 8, 0, 0, W, H); }},
        {"CCDraw_Outline memory DC", [&](int) { CCDraw_Outline(img.dc, 0, 0, W, H, 7); }},
        {"CCDraw_Lamp memory DC", [&](int) { CCDraw_Lamp(img.dc, 9, 5, 5); }},
        {"CCDraw_Line memory DC", [&](int) { CCDraw_Line(img.dc, 1, 20, 99, 20, 0); }},
        {"CCDraw_Text one line", [&](int) { CCDraw_Text(img.dc, 0, 8, W, H, 0, 0, one); }},
        {"CCDraw_Text two lines", [&](int) { CCDraw_Text(img.dc, 0, 8, W, H, 0, 0, two); }},
        // The one-line label as drawn before: each offset measured on its own.
        {"CCDraw_Text one line measured twice",
         [&](int) {
             int dx = CCDraw_TextOffsetX(img.dc, one, W), dy = CCDraw_TextOffsetY(img.dc, one, H);
             CCDraw_SetBkColour(img.dc, 8);
             CCDraw_SetTextColour(img.dc, 0);
             TextOutA(img.dc, dx, dy, one, (int)strlen(one));
         }},
        {"TextOutA one line", [&](int) { TextOutA(img.dc, 10, 10, one, (int)strlen(one)); }},
        {"GetTextExtentPoint32A",
         [&](int) {
             SIZE sz;
             GetTextExtentPoint32A(img.dc, one, (int)strlen(one), &sz);
         }},
        {"GetTextMetricsA",
         [&](int) {
             TEXTMETRICA tm;
             GetTextMetricsA(img.dc, &tm);
         }},
        {"SetBkColor+SetTextColor",
         [&](int i) {
             SetBkColor(img.dc, (COLORREF)(i & 0xFF));
             SetTextColor(img.dc, 0);
         }},
        {"WM_GETTEXT by DefWindowProcA", [&](int) { DefWindowProcA(win, WM_GETTEXT, sizeof text, (LPARAM)text); }},
        {"WM_GETTEXT by SendMessageA", [&](int) { SendMessageA(win, WM_GETTEXT, sizeof text, (LPARAM)text); }},
        {"DefWindowProcA WM_SETTEXT",
         [&](int i) { DefWindowProcA(win, WM_SETTEXT, 0, (LPARAM)(i & 1 ? "STUDIO|ONE" : "STUDIO|TWO")); }},
        {"LoadBitmapA+DeleteObject 16x16", [&](int) { DeleteObject(LoadBitmapA(self, "BENCHPIC")); }},
        {"CreateFontIndirectA+DeleteObject", [&](int) { DeleteObject(CreateFontIndirectA(&ident)); }},
        {"font create+select+TextOutA+delete",
         [&](int) {
             HFONT f = CreateFontIndirectA(&ident);
             HGDIOBJ o = SelectObject(img.dc, f);
             TextOutA(img.dc, 50, 10, "ONE", 3);
             SelectObject(img.dc, o);
             DeleteObject(f);
         }},
        {"CCCachedFont select+TextOutA",
         [&](int) {
             CCCachedFont f(img.dc, &ident);
             TextOutA(img.dc, 50, 10, "ONE", 3);
         }},
        {"CCCachedPicture 16x16 found and copied",
         [&](int) {
             CCCachedPicture p(self, "BENCHPIC", wdc);
             if (p.ok()) BitBlt(img.dc, 0, 0, p.pic.w, p.pic.h, p.pic.dc, 0, 0, SRCCOPY);
         }},
        {"ExtFloodFill top band",
         [&](int i) {
             if (i < 0) {
                 DrawPlaqueLines(img.dc);
                 return;
             }
             HBRUSH b = CreateSolidBrush(i & 1 ? RGB(255, 255, 255) : RGB(128, 128, 128));
             HGDIOBJ o = SelectObject(img.dc, b);
             ExtFloodFill(img.dc, W / 2, 1, RGB(0, 0, 0), FLOODFILLBORDER);
             SelectObject(img.dc, o);
             DeleteObject(b);
         }},
        {"CreatePen+select+delete",
         [&](int) {
             HPEN p = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
             HGDIOBJ o = SelectObject(img.dc, p);
             SelectObject(img.dc, o);
             DeleteObject(p);
         }},
        {"cached pen select+deselect",
         [&](int) {
             HGDIOBJ o = SelectObject(img.dc, CCCache_Pen(7));
             SelectObject(img.dc, o);
         }},
        {"CreateSolidBrush+select+delete",
         [&](int) {
             HBRUSH b = CreateSolidBrush(RGB(192, 192, 192));
             HGDIOBJ o = SelectObject(img.dc, b);
             SelectObject(img.dc, o);
             DeleteObject(b);
         }},
        {"CCGetSlot", [&](int) { slot += CCGetSlot(win, 5); }},
        // Six slots a look reads: one look-up each, or one view for all.
        {"six slots by CCGetSlot",
         [&](int) {
             for (int i = 0; i < 6; i++) slot += CCGetSlot(win, i);
         }},
        {"six slots through CCSlotView",
         [&](int) {
             const LONG *v = CCSlotView(win);
             for (int i = 0; i < 6; i++) slot += v[i];
         }},
        {"IsWindowEnabled", [&](int) { slot += IsWindowEnabled(win); }},
        {"GlobalLock+GlobalUnlock",
         [&](int) {
             if (GlobalLock(block)) GlobalUnlock(block);
         }},
        {"WM_COMMAND to the parent",
         [&](int) { SendMessageA(GetParent(win), WM_COMMAND, (WPARAM)GetWindowLongA(win, GWL_ID), (LPARAM)win); }},
        {"SetCapture+ReleaseCapture",
         [&](int) {
             SetCapture(win);
             ReleaseCapture();
         }},
        {"InvalidateRect+ValidateRect",
         [&](int) {
             InvalidateRect(win, nullptr, FALSE);
             ValidateRect(win, nullptr);
         }},
    };
    std::vector<Piece> chosen;
    for (Piece &p : pieces)
        if (Selected(p.name)) {
            chosen.push_back(p);
            PlannedPieces().push_back(p.name);
        }
    MeasurePieces(chosen);
    if (block) GlobalFree(block);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(win, wdc);
    DestroyWindow(win);
}

std::vector<std::string> ExpectedProfileRows()
{
    std::vector<std::string> rows;
    for (const std::string &n : PlannedPieces()) rows.push_back("profile " + n);
    return rows;
}
