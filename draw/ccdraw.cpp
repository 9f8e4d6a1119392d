// Drawing primitives: colours, bevels, lamps, lines, boxes and outlines.
#include "ccdraw.h"
#include "cccache.h"
#include "ccguards.h"
#ifdef CC_VARIANT_09
#include "ccslots.h"
#endif

static const COLORREF s_colours[16] = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

enum { CC_WHITE = 15, CC_DARKGREY = 7 };

COLORREF CCDraw_ColourRef(LONG colour) { return s_colours[colour & 0xF]; }
HBRUSH CCDraw_Brush(LONG colour) { return CreateSolidBrush(CCDraw_ColourRef(colour)); }
HPEN CCDraw_Pen(LONG colour) { return CreatePen(PS_SOLID, 1, CCDraw_ColourRef(colour)); }
void CCDraw_SetBkColour(HDC hdc, LONG colour) { SetBkColor(hdc, CCDraw_ColourRef(colour)); }
void CCDraw_SetTextColour(HDC hdc, LONG colour) { SetTextColor(hdc, CCDraw_ColourRef(colour)); }


typedef POINT Pt;

// Polylines of counts[i] points each, one after the other in pts, with the pen of
// the colour: the pixels of MoveToEx to each first point and LineTo to the next
// ones, in one call (the current position is left alone).
static void PenPaths(HDC hdc, LONG colour, const Pt *pts, const DWORD *counts, DWORD paths)
{
    CCUse pen(hdc, CCCache_Pen(colour));
    PolyPolyline(hdc, pts, counts, paths);
}

// One polyline with the pen of the colour.
static void PenPath(HDC hdc, LONG colour, const Pt *pts, int n)
{
    DWORD count = (DWORD)n;
    PenPaths(hdc, colour, pts, &count, 1);
}

static const DWORD kTwoOfThree[2] = {3, 3};

// The two-pixel edge on the left and top, used by both bevel looks.
static void UpperEdge(HDC hdc, LONG colour, int x, int y, int R, int B)
{
    const Pt pts[] = {{x + 1, B - 3}, {x + 1, y + 1}, {R - 2, y + 1}, {x + 2, B - 4}, {x + 2, y + 2}, {R - 3, y + 2}};
    PenPaths(hdc, colour, pts, kTwoOfThree, 2);
}

#ifdef CC_VARIANT_09
// Colours of 256 and more draw edges only.
static bool Fills(LONG colour) { return (unsigned long)colour < 256; }
#endif

void CCDraw_Bevel(HDC hdc, LONG colour, int x, int y, int w, int h, int pressed)
{
    int R = x + w, B = y + h;
    {
        CCUse brush(hdc, CCCache_Brush(colour));
#ifdef CC_VARIANT_09
        if (!brush.obj) return;
        if (Fills(colour))
#endif
            Rectangle(hdc, x, y, R, B);
    }
    if (pressed) {
        UpperEdge(hdc, CC_DARKGREY, x, y, R, B);
        return;
    }
    UpperEdge(hdc, CC_WHITE, x, y, R, B);
    const Pt lower[] = {{x + 2, B - 2}, {R - 2, B - 2}, {R - 2, y + 1}, {x + 3, B - 3}, {R - 3, B - 3}, {R - 3, y + 2}};
    PenPaths(hdc, CC_DARKGREY, lower, kTwoOfThree, 2);
}

void CCDraw_Lamp(HDC hdc, LONG colour, int x, int y)
{
    {
        CCUse brush(hdc, CCCache_Brush(colour));
#ifdef CC_VARIANT_09
        if (!brush.obj) return;
        CCSelect pen(hdc, CreatePen(PS_SOLID, 1, RGB(64, 64, 64)));
#else
        CCUse pen(hdc, CCCache_Pen(0));
#endif
        Ellipse(hdc, x, y, x + 10, y + 10);
    }
    SetPixel(hdc, x + 3, y + 3, RGB(255, 255, 255));
    SetPixel(hdc, x + 4, y + 3, RGB(255, 255, 255));
    SetPixel(hdc, x + 3, y + 4, RGB(255, 255, 255));
    SetPixel(hdc, x + 4, y + 4, RGB(128, 128, 128));
}

#ifndef CC_VARIANT_09
void CCDraw_Line(HDC hdc, int x1, int y1, int x2, int y2, LONG colour)
{
    const Pt pts[] = {{x1, y1}, {x2, y2}};
    PenPath(hdc, colour, pts, 2);
}

void CCDraw_Box(HDC hdc, LONG colour, int x, int y, int w, int h)
{
    CCUse pen(hdc, CCCache_Pen(colour));
    CCUse brush(hdc, CCCache_Brush(colour));
    Rectangle(hdc, x, y, x + w, y + h);
}

void CCDraw_Outline(HDC hdc, int x, int y, int w, int h, LONG colour)
{
    int R = x + w, B = y + h;
    const Pt pts[] = {{x, y}, {R - 1, y}, {R - 1, B - 1}, {x, B - 1}, {x, y}};
    PenPath(hdc, colour, pts, 5);
}
#else
void CCDraw_FrameBevel(HWND hwnd, HDC hdc, LONG colour, int x, int y, int w, int h, int pressed)
{
    int R = x + w, B = y + h;
    LONG outer = hwnd ? (CCGetSlot(hwnd, 4) & 0xF) : 0;
    {
        CCUse brush(hdc, CCCache_Brush(outer));
        if (!brush.obj) return;
        if (Fills(colour)) Rectangle(hdc, x, y, R, B);
    }
    LONG a = pressed ? CC_DARKGREY : CC_WHITE, b = pressed ? CC_WHITE : CC_DARKGREY;
    const Pt a1[] = {{x + 1, B - 2}, {x + 1, y + 1}, {R - 2, y + 1}};
    const Pt a2[] = {{x + 2, B - 3}, {x + 2, y + 2}, {R - 3, y + 2}};
    PenPath(hdc, a, a1, 3);
    PenPath(hdc, a, a2, 3);
    const Pt b1[] = {{R - 1, y + 1}, {R - 1, B - 1}, {x + 1, B - 1}};
    const Pt b2[] = {{R - 2, y + 2}, {R - 2, B - 2}, {x + 2, B - 2}};
    PenPath(hdc, b, b1, 3);
    PenPath(hdc, b, b2, 3);
    {
        CCUse brush(hdc, CCCache_Brush(colour));
        if (brush.obj && Fills(colour)) Rectangle(hdc, x + 6, y + 6, R - 5, B - 5);
    }
    const Pt d1[] = {{x + 5, B - 5}, {x + 5, y + 5}, {R - 5, y + 5}};
    const Pt d2[] = {{x + 6, B - 6}, {x + 6, y + 6}, {R - 6, y + 6}};
    PenPath(hdc, CC_DARKGREY, d1, 3);
    PenPath(hdc, CC_DARKGREY, d2, 3);
    const Pt w1[] = {{R - 5, y + 5}, {R - 5, B - 5}, {x + 5, B - 5}};
    const Pt w2[] = {{R - 6, y + 6}, {R - 6, B - 6}, {x + 6, B - 6}};
    PenPath(hdc, CC_WHITE, w1, 3);
    PenPath(hdc, CC_WHITE, w2, 3);
}

void CCDraw_ThinBevel(HDC hdc, LONG colour, int x, int y, int w, int h, int pressed)
{
    int R = x + w, B = y + h;
    {
        CCUse brush(hdc, CCCache_Brush(colour));
        if (!brush.obj) return;
        if (Fills(colour)) Rectangle(hdc, x, y, R, B);
    }
    LONG a = pressed ? CC_DARKGREY : CC_WHITE, b = pressed ? CC_WHITE : CC_DARKGREY;
    const Pt a1[] = {{x + 1, B - 2}, {x + 1, y + 1}, {R - 1, y + 1}};
    PenPath(hdc, a, a1, 3);
    const Pt b1[] = {{R - 2, y + 2}, {R - 2, B - 2}, {R, B - 2}, {x + 1, B - 2}};
    const DWORD twoOfTwo[2] = {2, 2};
    PenPaths(hdc, b, b1, twoOfTwo, 2);
}
#endif
