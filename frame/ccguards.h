// Small window helpers: the size a creation or style change gives, and guards
// that release window DCs, memory DCs, selected GDI objects and global-memory
// locks when they go out of scope.
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

// Memory DC holding a W x H bitmap compatible with `ref`; ok() when both exist.
struct CCMemImage {
    HDC dc = nullptr;
    HBITMAP bmp = nullptr;
    HGDIOBJ prev = nullptr;
    CCMemImage(HDC ref, int w, int h)
    {
        if (!ref || w <= 0 || h <= 0) return;
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

// GlobalLock / GlobalUnlock; p is null when there is nothing to lock.
struct CCGlobalLock {
    HGLOBAL h;
    char *p;
    explicit CCGlobalLock(HGLOBAL hg) : h(hg), p(hg ? (char *)GlobalLock(hg) : nullptr) {}
    ~CCGlobalLock()
    {
        if (p) GlobalUnlock(h);
    }
    CCGlobalLock(const CCGlobalLock &) = delete;
    CCGlobalLock &operator=(const CCGlobalLock &) = delete;
};

#endif
