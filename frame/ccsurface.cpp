// Off-screen surfaces: one kept per painting thread, one-offs beyond it; the
// window painted at once on each thread.
#include <string.h>
#include "ccsurface.h"
#include "ccguards.h"
#include "ccframe.h"

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

bool CCPaintNow(HWND hwnd, WNDPROC proc, bool withDC)
{
    CCSurfaceSlot *s = ThreadSlot(true);
    if (!s || !hwnd || !proc) return false;
    HDC dc = withDC ? GetDC(hwnd) : nullptr;
    if (withDC && !dc) return false;
    HWND prevWnd = s->nowWnd;  // a paint at once nested in another
    HDC prevDC = s->nowDC;
    s->nowWnd = hwnd;
    s->nowDC = dc;
    proc(hwnd, WM_PAINT, 0, 0);
    s->nowWnd = prevWnd;
    s->nowDC = prevDC;
    if (dc) ReleaseDC(hwnd, dc);
    return true;
}

static bool OwnProcedure(HWND hwnd) { return (WNDPROC)GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == VEK_CC_WndFn; }

static bool CanPaintNow(HWND hwnd)
{
    return hwnd && IsWindow(hwnd) && OwnProcedure(hwnd) && IsWindowVisible(hwnd) && !GetWindow(hwnd, GW_CHILD);
}

void CCRepaintNow(HWND hwnd, bool update, bool withDC)
{
    if (!hwnd || !IsWindow(hwnd)) return;
    if (CanPaintNow(hwnd) && CCPaintNow(hwnd, VEK_CC_WndFn, withDC)) return;
    InvalidateRect(hwnd, nullptr, FALSE);
    if (update) UpdateWindow(hwnd);
}

// The window painted at once on this thread.
static bool PaintingNow(HWND hwnd)
{
    CCSurfaceSlot *s = ThreadSlot(false);
    return s && hwnd && s->nowWnd == hwnd;
}

// Marks a PAINTSTRUCT filled by the short paint cycle.
static const BYTE kShortCycle[4] = {'C', 'C', 'v', 'p'};

// A window without a frame, scroll bars or client edge, and not transparent.
static bool Frameless(HWND hwnd)
{
    const LONG frameStyles = WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_VSCROLL | WS_HSCROLL;
    const LONG frameEx =
        WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_TRANSPARENT;
    return !(GetWindowLongA(hwnd, GWL_STYLE) & frameStyles) && !(GetWindowLongA(hwnd, GWL_EXSTYLE) & frameEx);
}

// The short paint cycle: the update region, the background erased first where
// the window system asks for it (GetUpdateRgn with erase, as BeginPaint), then
// validated together with any internal paint. Null where the long cycle
// applies: a window of another procedure (someone may watch the cycle), one
// with a frame, a WM_PAINT without an update region.
static HRGN ShortCycle(HWND hwnd)
{
    if (!hwnd || !OwnProcedure(hwnd) || !Frameless(hwnd)) return nullptr;
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    if (!rgn) return nullptr;
    int type = GetUpdateRgn(hwnd, rgn, TRUE);
    if (type != SIMPLEREGION && type != COMPLEXREGION) {
        DeleteObject(rgn);
        return nullptr;
    }
    RedrawWindow(hwnd, nullptr, rgn, RDW_VALIDATE | RDW_NOCHILDREN | RDW_NOINTERNALPAINT);
    return rgn;
}

HDC CCBeginPaint(HWND hwnd, PAINTSTRUCT *ps)
{
    if (PaintingNow(hwnd)) {
        memset(ps, 0, sizeof *ps);
        ps->hdc = ThreadSlot(false)->nowDC;
        GetClientRect(hwnd, &ps->rcPaint);
        return ps->hdc;
    }
    HRGN rgn = ShortCycle(hwnd);
    if (!rgn) return BeginPaint(hwnd, ps);
    memset(ps, 0, sizeof *ps);
    ps->hdc = GetDC(hwnd);
    if (ps->hdc) SelectClipRgn(ps->hdc, rgn);
    GetRgnBox(rgn, &ps->rcPaint);
    DeleteObject(rgn);
    memcpy(ps->rgbReserved, kShortCycle, sizeof kShortCycle);
    return ps->hdc;
}

void CCEndPaint(HWND hwnd, const PAINTSTRUCT *ps)
{
    if (PaintingNow(hwnd) && ps->hdc == ThreadSlot(false)->nowDC) return;
    if (memcmp(ps->rgbReserved, kShortCycle, sizeof kShortCycle) != 0) {
        EndPaint(hwnd, ps);
        return;
    }
    if (!ps->hdc) return;
    SelectClipRgn(ps->hdc, nullptr);  // a cached DC goes back as it came
    ReleaseDC(hwnd, ps->hdc);
}

CCPaintCycle::CCPaintCycle(HWND h) : hwnd(h)
{
    if (PaintingNow(hwnd)) return;
    if (HRGN rgn = ShortCycle(hwnd)) {
        DeleteObject(rgn);
        return;
    }
    BeginPaint(hwnd, &ps);
    begun = true;
}

CCPaintCycle::~CCPaintCycle()
{
    if (begun) EndPaint(hwnd, &ps);
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
