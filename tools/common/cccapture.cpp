// Window capture: BitBlt from the window's DC into a 32-bit DIB section.
#include "cccapture.h"
#include "ccpng.h"

namespace {

// Releases a window DC, a memory DC and a bitmap in the right order.
struct CaptureGuard {
    HWND hwnd = nullptr;
    HDC dc = nullptr, mem = nullptr;
    HBITMAP bmp = nullptr;
    HGDIOBJ old = nullptr;
    ~CaptureGuard()
    {
        if (mem) {
            if (old) SelectObject(mem, old);
            DeleteDC(mem);
        }
        if (bmp) DeleteObject(bmp);
        if (dc) ReleaseDC(hwnd, dc);
    }
};

}  // namespace

HBITMAP CCCapture_TopDownDib(HDC dc, int w, int h, void **bits)
{
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    *bits = nullptr;
    HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, bits, nullptr, 0);
    if (bmp && !*bits) {
        DeleteObject(bmp);
        bmp = nullptr;
    }
    return bmp;
}

bool CCCapture_Client(HWND hwnd, std::vector<uint8_t> &rgb, int *w, int *h)
{
    rgb.clear();
    if (w) *w = 0;
    if (h) *h = 0;
    RECT rc;
    if (!hwnd || !IsWindow(hwnd) || !GetClientRect(hwnd, &rc)) return false;
    const int cw = rc.right, ch = rc.bottom;
    if (cw <= 0 || ch <= 0 || cw > CCPNG_MAX_SIDE || ch > CCPNG_MAX_SIDE) return false;

    CaptureGuard g;
    g.hwnd = hwnd;
    // A DC that does not clip the children, so their pixels are read too.
    g.dc = GetDCEx(hwnd, nullptr, DCX_CACHE);
    if (!g.dc) return false;
    g.mem = CreateCompatibleDC(g.dc);
    if (!g.mem) return false;
    void *bits = nullptr;
    g.bmp = CCCapture_TopDownDib(g.dc, cw, ch, &bits);
    if (!g.bmp) return false;
    g.old = SelectObject(g.mem, g.bmp);
    if (!BitBlt(g.mem, 0, 0, cw, ch, g.dc, 0, 0, SRCCOPY)) return false;
    GdiFlush();

    rgb.resize((size_t)cw * ch * 3);
    const DWORD *src = (const DWORD *)bits;
    uint8_t *dst = rgb.data();
    for (size_t i = 0, n = (size_t)cw * ch; i < n; i++) {
        DWORD v = src[i];  // 0x00RRGGBB
        *dst++ = (uint8_t)(v >> 16);
        *dst++ = (uint8_t)(v >> 8);
        *dst++ = (uint8_t)v;
    }
    if (w) *w = cw;
    if (h) *h = ch;
    return true;
}

bool CCCapture_ClientPng(HWND hwnd, const char *path)
{
    if (!hwnd || !IsWindow(hwnd)) return false;
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    std::vector<uint8_t> rgb;
    int w = 0, h = 0;
    if (!CCCapture_Client(hwnd, rgb, &w, &h)) return false;
    return CCPng_WriteFile(path, w, h, rgb.data(), (size_t)w * 3);
}
