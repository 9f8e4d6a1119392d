// Test harness implementation.
#include "harness.h"
#include "ccprocess.h"
#include <ostream>
#include <stdio.h>
#include <string.h>

std::ostream &operator<<(std::ostream &os, const CCTMsg &m)
{
    char buf[96];
    snprintf(buf, sizeof buf, "{msg 0x%04x, wParam 0x%lx, lParam 0x%lx}", m.msg, (unsigned long)m.wParam,
             (unsigned long)m.lParam);
    return os << buf;
}

static std::vector<CCTMsg> s_log;
static HWND s_parent;

static LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND || msg == WM_RBUTTONDOWN) {
        s_log.push_back({msg, wParam, lParam});
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND CCT_Parent()
{
    if (s_parent && IsWindow(s_parent)) return s_parent;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = "CCTestParent";
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    RegisterClassA(&wc);
    RECT r = {0, 0, 640, 480};
    AdjustWindowRect(&r, WS_POPUP, FALSE);
    s_parent = CreateWindowExA(0, "CCTestParent", "test parent", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                               r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
    CCT_Pump();
    return s_parent;
}

std::vector<CCTMsg> &CCT_Log() { return s_log; }
void CCT_ClearLog() { s_log.clear(); }

std::vector<CCTMsg> CCT_Commands()
{
    std::vector<CCTMsg> out;
    for (const CCTMsg &m : s_log)
        if (m.msg == WM_COMMAND) out.push_back(m);
    return out;
}

CCTMsg CCT_Cmd(HWND ctl) { return {WM_COMMAND, (WPARAM)GetWindowLongA(ctl, GWL_ID), (LPARAM)ctl}; }
CCTMsg CCT_Cmd(WPARAM wParam, HWND ctl) { return {WM_COMMAND, wParam, (LPARAM)ctl}; }

HWND CCT_Create(DWORD kindStyle, const char *text, int x, int y, int w, int h, int id, HWND parent,
                const char *cls)
{
    if (!parent) parent = CCT_Parent();
    HWND hwnd = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | kindStyle, x, y, w, h, parent,
                                (HMENU)(INT_PTR)id, GetModuleHandleA(nullptr), nullptr);
    CCT_Pump();
    return hwnd;
}

void CCT_Pump()
{
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

void CCT_Repaint(HWND hwnd)
{
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
}

bool CCTImage::Find(COLORREF c, RECT *box, int x0, int y0, int x1, int y1) const
{
    if (x1 < 0) x1 = w;
    if (y1 < 0) y1 = h;
    bool any = false;
    RECT r = {0, 0, 0, 0};
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++)
            if (at(x, y) == c) {
                if (!any) r = {x, y, x + 1, y + 1};
                r.left = x < r.left ? x : r.left;
                r.top = y < r.top ? y : r.top;
                r.right = x + 1 > r.right ? x + 1 : r.right;
                r.bottom = y + 1 > r.bottom ? y + 1 : r.bottom;
                any = true;
            }
    if (box) *box = r;
    return any;
}

bool CCTImage::FindOther(COLORREF c, RECT *box, int x0, int y0, int x1, int y1) const
{
    if (x1 < 0) x1 = w;
    if (y1 < 0) y1 = h;
    bool any = false;
    RECT r = {0, 0, 0, 0};
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++)
            if (at(x, y) != c) {
                if (!any) r = {x, y, x + 1, y + 1};
                r.left = x < r.left ? x : r.left;
                r.right = x + 1 > r.right ? x + 1 : r.right;
                r.bottom = y + 1;
                any = true;
            }
    if (box) *box = r;
    return any;
}

static DWORD DibValue(COLORREF c) { return (DWORD)GetRValue(c) << 16 | (DWORD)GetGValue(c) << 8 | GetBValue(c); }

CCTCanvas::CCTCanvas(int width, int height, COLORREF fill) : w(width), h(height), bits(nullptr)
{
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    dc = CreateCompatibleDC(nullptr);
    bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, (void **)&bits, nullptr, 0);
    old = SelectObject(dc, bmp);
    Fill(fill);
}

CCTCanvas::~CCTCanvas()
{
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
}

void CCTCanvas::Fill(COLORREF c)
{
    GdiFlush();
    for (int i = 0; i < w * h; i++) bits[i] = DibValue(c);
}

COLORREF CCTCanvas::At(int x, int y) const
{
    GdiFlush();
    DWORD v = bits[(size_t)y * w + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

CCTImage CCTCanvas::Image() const
{
    CCTImage img;
    img.w = w;
    img.h = h;
    img.px.resize((size_t)w * h);
    GdiFlush();
    for (size_t i = 0; i < img.px.size(); i++) {
        DWORD v = bits[i];
        img.px[i] = RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    return img;
}

int CCTImage::Count(COLORREF c) const
{
    int n = 0;
    for (COLORREF p : px) n += p == c;
    return n;
}

CCTImage CCT_Snap(HWND hwnd)
{
    CCTImage img;
    RECT rc;
    GetClientRect(hwnd, &rc);
    img.w = rc.right;
    img.h = rc.bottom;
    if (img.w <= 0 || img.h <= 0) return img;
    img.px.resize((size_t)img.w * img.h);
    HDC dc = GetDC(hwnd);
    HDC mem = CreateCompatibleDC(dc);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = img.w;
    bi.bmiHeader.biHeight = -img.h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, img.w, img.h, dc, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD *p = (const DWORD *)bits;
    for (size_t i = 0; i < img.px.size(); i++) {
        DWORD v = p[i];  // 0x00RRGGBB in a DIB
        img.px[i] = RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(hwnd, dc);
    return img;
}

COLORREF CCT_Pixel(HWND hwnd, int x, int y)
{
    HDC dc = GetDC(hwnd);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return c;
}

void CCT_Send(HWND hwnd, UINT msg, int x, int y, WPARAM keys)
{
    SendMessageA(hwnd, msg, keys, MAKELPARAM(x, y));
}

POINT CCT_Screen(HWND hwnd, int x, int y)
{
    POINT p = {x, y};
    ClientToScreen(hwnd, &p);
    return p;
}

HWND CCT_Route(UINT msg, int screenX, int screenY, WPARAM keys)
{
    POINT p = {screenX, screenY};
    HWND target = GetCapture();
    if (!target) target = WindowFromPoint(p);
    if (!target) return nullptr;
    ScreenToClient(target, &p);
    SendMessageA(target, msg, keys, MAKELPARAM(p.x, p.y));
    return target;
}

void CCT_Input(int screenX, int screenY, DWORD flags)
{
    int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = (screenX * 65536 + w - 1) / w;
    in.mi.dy = (screenY * 65536 + h - 1) / h;
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &in, sizeof in);
    DWORD end = GetTickCount() + 25;
    while ((LONG)(end - GetTickCount()) > 0) {
        CCT_Pump();
        Sleep(2);
    }
    CCT_Pump();
}

LONG CCT_Slot(HWND hwnd, int index)
{
    const LONG *block = (const LONG *)(LONG_PTR)GetWindowLongPtrA(hwnd, 0);
    return block ? block[index] : 0;
}

DWORD CCT_GdiCount() { return CCP_GdiObjects(); }

// Same count; kept for the tests that use this name.
DWORD CCT_GdiObjects() { return CCT_GdiCount(); }

SIZE CCT_TextExtent(HWND hwnd, const char *text, HFONT font)
{
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    SIZE sz = {0, 0};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &sz);
    if (old) SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return sz;
}

int CCT_TextHeight(HWND hwnd, HFONT font)
{
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc, &tm);
    if (old) SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return tm.tmHeight;
}

bool CCT_SaveBmp(const CCTImage &img, const char *path)
{
    FILE *f = fopen(path, "wb");
    if (!f) return false;
    int stride = (img.w * 3 + 3) & ~3;
    BITMAPFILEHEADER fh = {};
    BITMAPINFOHEADER ih = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + stride * img.h;
    ih.biSize = sizeof ih;
    ih.biWidth = img.w;
    ih.biHeight = img.h;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    fwrite(&fh, sizeof fh, 1, f);
    fwrite(&ih, sizeof ih, 1, f);
    std::vector<unsigned char> row(stride);
    for (int y = img.h - 1; y >= 0; y--) {
        for (int x = 0; x < img.w; x++) {
            COLORREF c = img.at(x, y);
            row[x * 3] = GetBValue(c);
            row[x * 3 + 1] = GetGValue(c);
            row[x * 3 + 2] = GetRValue(c);
        }
        fwrite(row.data(), stride, 1, f);
    }
    fclose(f);
    return true;
}

std::string CCT_Text(HWND hwnd)
{
    char buf[256] = "";
    SendMessageA(hwnd, WM_GETTEXT, sizeof buf, (LPARAM)buf);
    buf[sizeof buf - 1] = '\0';
    return buf;
}

std::string CCT_RawText(HWND hwnd)
{
    char buf[600];
    memset(buf, 'x', sizeof buf);
    SendMessageA(hwnd, WM_USER + 2101, sizeof buf, (LPARAM)buf);  // CC_GETRAWTEXT
    buf[sizeof buf - 1] = '\0';
    return buf;
}
