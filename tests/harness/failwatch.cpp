// Failure seam: chosen memory and GDI resource calls of a module fail.
#include "harness.h"

static unsigned s_which;  // kinds counted and failed; 0 when idle
static int s_count;       // calls seen in the run
static int s_at;          // call that fails (0: every call, -1: none)

static bool Fails(unsigned kind)
{
    if (!(s_which & kind)) return false;
    ++s_count;
    return s_at == 0 || s_count == s_at;
}

#define SEAM(kind, ret, name, params, args)    \
    static ret(WINAPI *real_##name) params;    \
    static ret WINAPI seam_##name params       \
    {                                          \
        if (Fails(kind)) return (ret)0;        \
        return real_##name args;               \
    }

SEAM(CCT_FAIL_GLOBAL, HGLOBAL, GlobalAlloc, (UINT f, SIZE_T n), (f, n))
SEAM(CCT_FAIL_GLOBAL, HGLOBAL, GlobalReAlloc, (HGLOBAL h, SIZE_T n, UINT f), (h, n, f))
SEAM(CCT_FAIL_GLOBAL, LPVOID, GlobalLock, (HGLOBAL h), (h))
SEAM(CCT_FAIL_HEAP, LPVOID, HeapAlloc, (HANDLE h, DWORD f, SIZE_T n), (h, f, n))
SEAM(CCT_FAIL_HEAP, LPVOID, HeapReAlloc, (HANDLE h, DWORD f, LPVOID p, SIZE_T n), (h, f, p, n))
SEAM(CCT_FAIL_GDI, HDC, GetDC, (HWND w), (w))
SEAM(CCT_FAIL_GDI, HDC, CreateCompatibleDC, (HDC d), (d))
SEAM(CCT_FAIL_GDI, HBITMAP, CreateCompatibleBitmap, (HDC d, int w, int h), (d, w, h))
SEAM(CCT_FAIL_GDI, HBITMAP, CreateDIBitmap,
     (HDC d, const BITMAPINFOHEADER *i, DWORD f, const void *b, const BITMAPINFO *bi, UINT u), (d, i, f, b, bi, u))
SEAM(CCT_FAIL_GDI, HBITMAP, CreateDIBSection, (HDC d, const BITMAPINFO *i, UINT u, void **b, HANDLE s, DWORD o),
     (d, i, u, b, s, o))
SEAM(CCT_FAIL_GDI, HFONT, CreateFontIndirectA, (const LOGFONTA *f), (f))
SEAM(CCT_FAIL_GDI, HPEN, CreatePen, (int s, int w, COLORREF c), (s, w, c))
SEAM(CCT_FAIL_GDI, HBRUSH, CreateSolidBrush, (COLORREF c), (c))
SEAM(CCT_FAIL_GDI, HBITMAP, LoadBitmapA, (HINSTANCE i, LPCSTR n), (i, n))

#define HOOK(m, name) CCT_RedirectIn(m, #name, (void *)seam_##name, (void **)&real_##name)

void CCT_FailWatch(HMODULE m)
{
    HOOK(m, GlobalAlloc);
    HOOK(m, GlobalReAlloc);
    HOOK(m, GlobalLock);
    HOOK(m, HeapAlloc);
    HOOK(m, HeapReAlloc);
    HOOK(m, GetDC);
    HOOK(m, CreateCompatibleDC);
    HOOK(m, CreateCompatibleBitmap);
    HOOK(m, CreateDIBitmap);
    HOOK(m, CreateDIBSection);
    HOOK(m, CreateFontIndirectA);
    HOOK(m, CreatePen);
    HOOK(m, CreateSolidBrush);
    HOOK(m, LoadBitmapA);
}

void CCT_FailRun(unsigned which, int at, const std::function<void()> &fn)
{
    s_which = which;
    s_count = 0;
    s_at = at;
    fn();
    s_which = 0;
}

int CCT_FailPoints(unsigned which, const std::function<void()> &fn)
{
    CCT_FailRun(which, -1, fn);
    return s_count;
}
