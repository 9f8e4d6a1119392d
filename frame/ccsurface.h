// Off-screen surface on which a look is composed before one copy to the window,
// and painting at once on a window DC.
//
// Rules:
// - Each thread that paints keeps one memory DC holding one bitmap (at most
//   CC_SURFACE_THREADS threads; further threads get one-off surfaces). The bitmap
//   is made on first use and grown to the largest width and height asked for
//   since, so later uses make no GDI object and no window-system request.
// - An area whose grown surface would exceed CC_SURFACE_MAX_AREA pixels (a
//   quarter of the screen), or a use while the thread's surface is taken (a paint
//   nested in another through a notification), gets a surface made for that use
//   alone and deleted with the guard: one huge control does not pin memory and a
//   nested paint never draws into its caller's image. Above CC_MEM_IMAGE_MAX
//   pixels (ccguards.h) there is no surface at all: callers draw straight on.
// - Every use starts from a fresh memory DC's state (stock pen, brush and font,
//   colours, alignment, modes), restored when the guard goes. The surface may be
//   larger than w x h: what is drawn beyond that area lands in a part that the
//   copy to the window never shows, so a look gives the same pixels as on a
//   memory DC with a bitmap of exactly w x h, except where it reads pixels
//   beyond its area (a flood fill that is not enclosed by the look's own lines);
//   such a look asks for an exact surface, clipped to w x h (clipping makes
//   every drawing call dearer).
// - CCCache_Unload (cccache.h) deletes every thread's surface; CCCache_ThreadDone
//   deletes the calling thread's.
#ifndef CCSURFACE_H
#define CCSURFACE_H

#include <windows.h>
#include "ccguards.h"

#define CC_SURFACE_THREADS 8

struct CCSurfaceSlot;

struct CCSurface {
    HDC dc = nullptr;  // memory DC to draw on; null when none could be had or w or h <= 0
    // A surface of at least w x h pixels compatible with ref (a window or paint
    // DC); exact: clipped to w x h.
    CCSurface(HDC ref, int w, int h, bool exact = false);
    ~CCSurface();
    bool ok() const { return dc != nullptr; }
    CCSurface(const CCSurface &) = delete;
    CCSurface &operator=(const CCSurface &) = delete;

private:
    CCSurfaceSlot *slot_ = nullptr;  // the thread's surface, or null for a one-off
    HBITMAP own_ = nullptr;          // one-off bitmap
    HGDIOBJ prev_ = nullptr;         // one-off DC's original bitmap
    int saved_ = 0;                  // SaveDC level of a use of the thread's surface
};

// How a window's look is drawn by CCWindowImage.
enum CCImageMode {
    CC_COMPOSE,       // on a surface, else straight on the window
    CC_COMPOSE_ONLY,  // on a surface, else not at all
    CC_STRAIGHT,      // straight on the window
};

// The window's current w x h image taken onto the thread's surface; drawing goes
// to dc and the guard copies the result back once when it goes. dc is null when
// nothing can be drawn (no window DC, or no surface with CC_COMPOSE_ONLY).
struct CCWindowImage {
    CCWindowDC win;
    CCSurface mem;
    HDC dc;
    int w, h;
    CCWindowImage(HWND hwnd, int width, int height, CCImageMode mode = CC_COMPOSE)
        : win(hwnd), mem(mode == CC_STRAIGHT ? nullptr : win.dc, width, height), dc(nullptr), w(width), h(height)
    {
        if (mem.ok()) {
            BitBlt(mem.dc, 0, 0, w, h, win.dc, 0, 0, SRCCOPY);
            dc = mem.dc;
        } else if (mode != CC_COMPOSE_ONLY && w > 0 && h > 0) {
            dc = win.dc;
        }
    }
    ~CCWindowImage()
    {
        if (mem.ok()) BitBlt(win.dc, 0, 0, w, h, mem.dc, 0, 0, SRCCOPY);
    }
    bool ok() const { return dc != nullptr; }
    CCWindowImage(const CCWindowImage &) = delete;
    CCWindowImage &operator=(const CCWindowImage &) = delete;
};

// Painting at once: CCPaintNow calls the window procedure with WM_PAINT while
// CCBeginPaint, which paint routines use in place of BeginPaint, hands out a
// window DC (whole client area) for that window instead of the window system's
// paint DC (withDC false: no DC, for looks that take their own); CCEndPaint
// then ends nothing and CCValidate does nothing. The window's update region is
// left alone. It draws what a repaint would draw, without the paint cycle; the
// caller decides where that shows the same pixels (as CCRepaintNow does).
// False when nothing could be drawn (no DC, or no per-thread slot).
bool CCPaintNow(HWND hwnd, WNDPROC proc, bool withDC = true);
// Paints hwnd at once where the window system's repaint would draw the same:
// shown, painted by this library's procedure alone (not subclassed) and
// without child windows (which a window DC would draw over); otherwise
// invalidates the whole client area without erasing and, with update, updates
// it. withDC as for CCPaintNow.
void CCRepaintNow(HWND hwnd, bool update = true, bool withDC = true);

// The paint cycle of WM_PAINT. For a frameless window of this library that is
// not subclassed, CCBeginPaint takes the update region (the background erased
// first where it was asked for, as BeginPaint does), validates it and hands out
// a window DC clipped to it: the same pixels and messages as BeginPaint /
// EndPaint, without hiding and showing a caret (these windows have none).
// Otherwise, and for a WM_PAINT without an update region, BeginPaint / EndPaint.
HDC CCBeginPaint(HWND hwnd, PAINTSTRUCT *ps);
void CCEndPaint(HWND hwnd, const PAINTSTRUCT *ps);
// The paint cycle for looks that draw on a window DC of their own, for the
// guard's lifetime: the short cycle (no DC), else BeginPaint / EndPaint; nothing
// while the window is painted at once.
struct CCPaintCycle {
    HWND hwnd;
    PAINTSTRUCT ps;
    bool begun = false;
    explicit CCPaintCycle(HWND h);
    ~CCPaintCycle();
    CCPaintCycle(const CCPaintCycle &) = delete;
    CCPaintCycle &operator=(const CCPaintCycle &) = delete;
};

// Largest area (pixels) a thread's surface grows to: a quarter of the screen.
long long CCSurface_MaxArea(void);
// Size of the calling thread's surface (0 x 0 when it has none), for tests.
void CCSurface_Size(int *w, int *h);
// Deletes the calling thread's surface (its slot is free again).
void CCSurface_ThreadDone(void);
// Deletes every thread's surface (the library is unloading: nothing paints).
void CCSurface_ReleaseAll(void);

#endif
