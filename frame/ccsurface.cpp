// Off-screen surfaces: one kept per painting thread, one-offs beyond it; the
// window painted at once on each thread.
#include <string.h>
#include "ccsurface.h"
#include "ccguards.h"

struct CCSurfaceSlot {
    HDC dc;
    HBITMAP bmp;
    HGDIOBJ original;  // the DC's own bitmap, selected back before the DC goes
    HWND nowWnd;  // window painted at once (CCPaintNow) and its DC
    HDC nowDC;
    volatile LONG thread;  // owning thread's id; 0 while the slot is free
    int w, h;
    bool busy;
};

static CCSurfaceSlot s_slots[CC_SURFACE_THREADS];

static int Larger(int a, int b) { return a > b ? a : b; }

long long CCSurface_MaxArea(void)
{
    static long long area;
    if (!area) {
        long long cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
        if (cx <= 0 || cy <= 0) cx = 1024, cy = 768;
        area = cx * cy / 4;
    }
    return area;
}

// The calling thread's slot; with claim, a free one is taken when it has none.
static CCSurfaceSlot *ThreadSlot(bool claim)
{
    LONG me = (LONG)GetCurrentThreadId();
    for (CCSurfaceSlot &s : s_slots)
        if (s.thread == me) return &s;
    if (!claim) return nullptr;
    for (CCSurfaceSlot &s : s_slots)
        if (InterlockedCompareExchange(&s.thread, me, 0) == 0) return &s;
    return nullptr;
}

static void Clear(CCSurfaceSlot *s)
{
    if (s->dc) {
        if (s->original) SelectObject(s->dc, s->original);
        DeleteDC(s->dc);
    }
    if (s->bmp) DeleteObject(s->bmp);
    s->dc = nullptr;
    s->bmp = nullptr;
    s->original = nullptr;
    s->w = s->h = 0;
    s->busy = false;
    s->nowWnd = nullptr;
    s->nowDC = nullptr;
}

// The slot's DC holding a bitmap of at least w x h (grown, never shrunk).
static bool Fit(CCSurfaceSlot *s, HDC ref, int w, int h)
{
    if (!s->dc && !(s->dc = CreateCompatibleDC(ref))) return false;
    if (s->bmp && w <= s->w && h <= s->h) return true;
    int nw = Larger(w, s->w), nh = Larger(h, s->h);
    HBITMAP bmp = CreateCompatibleBitmap(ref, nw, nh);
    if (!bmp) return false;
    HGDIOBJ old = SelectObject(s->dc, bmp);
    if (!old) {
        DeleteObject(bmp);
        return false;
    }
    if (s->bmp) DeleteObject(s->bmp);  // the one just deselected
    else s->original = old;
    s->bmp = bmp;
    s->w = nw;
    s->h = nh;
    return true;
}

CCSurface::CCSurface(HDC ref, int w, int h, bool exact)
{
    if (!ref || w <= 0 || h <= 0) return;
    CCSurfaceSlot *s = ThreadSlot(true);
    if (s && !s->busy && (long long)Larger(w, s->w) * Larger(h, s->h) <= CCSurface_MaxArea() && Fit(s, ref, w, h)) {
        saved_ = SaveDC(s->dc);
        if (saved_) {
            if (exact) IntersectClipRect(s->dc, 0, 0, w, h);
            s->busy = true;
            slot_ = s;
            dc = s->dc;
            return;
        }
    }
    // A surface for this use alone; none beyond the memory image limit.
    if ((long long)w * h > CC_MEM_IMAGE_MAX) return;
    HDC mem = CreateCompatibleDC(ref);
    HBITMAP bmp = mem ? CreateCompatibleBitmap(ref, w, h) : nullptr;
    HGDIOBJ prev = bmp ? SelectObject(mem, bmp) : nullptr;
    if (!prev) {
        if (bmp) DeleteObject(bmp);
        if (mem) DeleteDC(mem);
        return;
    }
    dc = mem;
    own_ = bmp;
    prev_ = prev;
}

CCSurface::~CCSurface()
{
    if (slot_) {
        RestoreDC(dc, saved_);
        slot_->busy = false;
        return;
    }
    if (!dc) return;
    SelectObject(dc, prev_);
    DeleteObject(own_);
    DeleteDC(dc);
}

bool CCPaintNow(HWND hwnd, WNDPROC proc)
{
    CCSurfaceSlot *s = ThreadSlot(true);
    if (!s || !hwnd || !proc) return false;
    CCWindowDC win(hwnd);
    if (!win.dc) return false;
    HWND prevWnd = s->nowWnd;  // a paint at once nested in another
    HDC prevDC = s->nowDC;
    s->nowWnd = hwnd;
    s->nowDC = win.dc;
    proc(hwnd, WM_PAINT, 0, 0);
    s->nowWnd = prevWnd;
    s->nowDC = prevDC;
    return true;
}

HDC CCBeginPaint(HWND hwnd, PAINTSTRUCT *ps)
{
    CCSurfaceSlot *s = ThreadSlot(false);
    if (!s || !hwnd || s->nowWnd != hwnd) return BeginPaint(hwnd, ps);
    memset(ps, 0, sizeof *ps);
    ps->hdc = s->nowDC;
    GetClientRect(hwnd, &ps->rcPaint);
    return ps->hdc;
}

void CCEndPaint(HWND hwnd, const PAINTSTRUCT *ps)
{
    CCSurfaceSlot *s = ThreadSlot(false);
    if (s && hwnd && s->nowWnd == hwnd && ps->hdc == s->nowDC) return;
    EndPaint(hwnd, ps);
}

void CCSurface_Size(int *w, int *h)
{
    CCSurfaceSlot *s = ThreadSlot(false);
    *w = s && s->bmp ? s->w : 0;
    *h = s && s->bmp ? s->h : 0;
}

void CCSurface_ThreadDone(void)
{
    CCSurfaceSlot *s = ThreadSlot(false);
    if (!s || s->busy) return;
    Clear(s);
    InterlockedExchange(&s->thread, 0);
}

void CCSurface_ReleaseAll(void)
{
    for (CCSurfaceSlot &s : s_slots) {
        if (!s.thread) continue;
        Clear(&s);
        InterlockedExchange(&s.thread, 0);
    }
}
