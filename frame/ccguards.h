// Small window helpers: the size a creation or style change gives, the repaint
// and hit test of press tracking, and guards that release window DCs, memory
// DCs, selected GDI objects and global-memory locks when they go out of scope.
#ifndef CCGUARDS_H
#define CCGUARDS_H

#include <windows.h>

// Width and height for the creation initialisation: the creation record's for
// WM_CREATE, the client rectangle's for a style change (or a missing record).
inline void CCCreationSize(HWND hwnd, UINT msg, LPARAM lParam, LONG *w, LONG *h)
{
    const CREATESTRUCTA *cs = (const CREATESTRUCTA *)lParam;
    if (msg == WM_CREATE && cs) {
        *w = cs->cx;
        *h = cs->cy;
        return;
    }
    RECT rc = {0, 0, 0, 0};
    GetClientRect(hwnd, &rc);
    *w = rc.right - rc.left;
    *h = rc.bottom - rc.top;
}

// Invalidates the whole client area without erasing and updates it at once;
// a null or destroyed window is skipped.
inline void CCRepaint(HWND hwnd)
{
    if (!hwnd || !IsWindow(hwnd)) return;
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
}

// The child of hwnd (or hwnd itself) under the client point in lParam, read as
// unsigned 16-bit words; null when the point lies outside hwnd.
inline HWND CCHitWindow(HWND hwnd, LPARAM lParam)
{
    POINT pt = {(LONG)(unsigned short)LOWORD(lParam), (LONG)(unsigned short)HIWORD(lParam)};
    return ChildWindowFromPoint(hwnd, pt);
}

// GetDC / ReleaseDC.
struct CCWindowDC {
    HWND hwnd;
    HDC dc;
    explicit CCWindowDC(HWND h) : hwnd(h), dc(GetDC(h)) {}
    ~CCWindowDC()
    {
        if (dc) ReleaseDC(hwnd, dc);
    }
    CCWindowDC(const CCWindowDC &) = delete;
    CCWindowDC &operator=(const CCWindowDC &) = delete;
};

// Selects an object (owned: deleted afterwards) for the guard's lifetime.
struct CCSelect {
    HDC dc;
    HGDIOBJ obj, prev;
    CCSelect(HDC d, HGDIOBJ o) : dc(d), obj(o), prev(d && o ? SelectObject(d, o) : nullptr) {}
    ~CCSelect()
    {
        if (prev) SelectObject(dc, prev);
        if (obj) DeleteObject(obj);
    }
    CCSelect(const CCSelect &) = delete;
    CCSelect &operator=(const CCSelect &) = delete;
};

// Selects an object that outlives the guard (a cached pen, brush or font).
struct CCUse {
    HDC dc;
    HGDIOBJ obj, prev;
    CCUse(HDC d, HGDIOBJ o) : dc(d), obj(o), prev(d && o ? SelectObject(d, o) : nullptr) {}
    ~CCUse()
    {
        if (prev) SelectObject(dc, prev);
    }
    CCUse(const CCUse &) = delete;
    CCUse &operator=(const CCUse &) = delete;
};

// Largest memory image made, in pixels (a whole 3840 x 2160 screen). A larger
// one would take hundreds of megabytes of a 32-bit process for one drawing:
// its callers draw straight on instead.
#define CC_MEM_IMAGE_MAX (1LL << 23)

// Memory DC holding a W x H bitmap compatible with `ref`; ok() when both exist.
struct CCMemImage {
    HDC dc = nullptr;
    HBITMAP bmp = nullptr;
    HGDIOBJ prev = nullptr;
    CCMemImage(HDC ref, int w, int h)
    {
        if (!ref || w <= 0 || h <= 0 || (long long)w * h > CC_MEM_IMAGE_MAX) return;
        dc = CreateCompatibleDC(ref);
        bmp = CreateCompatibleBitmap(ref, w, h);
        if (dc && bmp) prev = SelectObject(dc, bmp);
    }
    bool ok() const { return prev != nullptr; }
    ~CCMemImage()
    {
        if (prev) SelectObject(dc, prev);
        if (bmp) DeleteObject(bmp);
        if (dc) DeleteDC(dc);
    }
    CCMemImage(const CCMemImage &) = delete;
    CCMemImage &operator=(const CCMemImage &) = delete;
};

// GlobalLock / GlobalUnlock; p is null when there is nothing to lock. With a
// need, a block smaller than that is refused before it is touched.
struct CCGlobalLock {
    HGLOBAL h;
    char *p;
    explicit CCGlobalLock(HGLOBAL hg, SIZE_T need = 0)
        : h(hg), p(hg && (!need || GlobalSize(hg) >= need) ? (char *)GlobalLock(hg) : nullptr)
    {
    }
    ~CCGlobalLock()
    {
        if (p) GlobalUnlock(h);
    }
    CCGlobalLock(const CCGlobalLock &) = delete;
    CCGlobalLock &operator=(const CCGlobalLock &) = delete;
};

#endif
