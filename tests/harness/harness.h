// Test harness: a parent window that records notifications, window and pixel
// helpers, and mouse input sent the way the window manager would route it.
#ifndef HARNESS_H
#define HARNESS_H

#include <windows.h>
#include <functional>
#include <string>
#include <vector>

struct CCTMsg {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const CCTMsg &o) const { return msg == o.msg && wParam == o.wParam && lParam == o.lParam; }
};
std::ostream &operator<<(std::ostream &os, const CCTMsg &m);

// Set up by each test program (registers the class under test, if any).
void CCTestSetup();

// The recording parent (a visible top-level window at screen 0,0, 640 x 480 client).
HWND CCT_Parent();
// WM_COMMAND and WM_RBUTTONDOWN received by the parent, in order.
std::vector<CCTMsg> &CCT_Log();
void CCT_ClearLog();
// Only the WM_COMMAND entries.
std::vector<CCTMsg> CCT_Commands();
// Expected WM_COMMAND entry from a control.
CCTMsg CCT_Cmd(HWND ctl);
CCTMsg CCT_Cmd(WPARAM wParam, HWND ctl);

// Creates a visible child of the given class (default "VEK_CC_Button").
HWND CCT_Create(DWORD kindStyle, const char *text, int x, int y, int w, int h, int id,
                HWND parent = nullptr, const char *cls = "VEK_CC_Button");
// A window destroyed when the guard goes out of scope (unless already gone).
struct CCTWindow {
    HWND h;
    explicit CCTWindow(HWND w) : h(w) {}
    ~CCTWindow()
    {
        if (IsWindow(h)) DestroyWindow(h);
    }
    CCTWindow(const CCTWindow &) = delete;
    CCTWindow &operator=(const CCTWindow &) = delete;
    operator HWND() const { return h; }
};
// Dispatches every pending message.
void CCT_Pump();
// Repaints the window now (invalidate whole, UpdateWindow).
void CCT_Repaint(HWND hwnd);

// Pixels of a window's client area, read from its window DC.
struct CCTImage {
    int w = 0, h = 0;
    std::vector<COLORREF> px;
    COLORREF at(int x, int y) const { return px[(size_t)y * w + x]; }
    // Bounding box of pixels equal to colour inside (x0,y0)-(x1,y1) exclusive; false if none.
    bool Find(COLORREF c, RECT *box, int x0 = 0, int y0 = 0, int x1 = -1, int y1 = -1) const;
    // Bounding box of pixels that differ from colour; false if none.
    bool FindOther(COLORREF c, RECT *box, int x0 = 0, int y0 = 0, int x1 = -1, int y1 = -1) const;
    int Count(COLORREF c) const;
};

// A memory DC with a 32-bit top-down DIB section of w x h pixels filled with one
// colour, for drawing routines tested without a window.
struct CCTCanvas {
    int w, h;
    HDC dc;
    HBITMAP bmp;
    HGDIOBJ old;
    DWORD *bits;
    CCTCanvas(int width, int height, COLORREF fill);
    ~CCTCanvas();
    CCTCanvas(const CCTCanvas &) = delete;
    CCTCanvas &operator=(const CCTCanvas &) = delete;
    void Fill(COLORREF c);
    COLORREF At(int x, int y) const;  // flushes GDI first
    CCTImage Image() const;
};
CCTImage CCT_Snap(HWND hwnd);
COLORREF CCT_Pixel(HWND hwnd, int x, int y);

// Mouse messages sent straight to a window (client coordinates).
void CCT_Send(HWND hwnd, UINT msg, int x, int y, WPARAM keys);
// Mouse message routed like the window manager does: to the capture window if
// any, else to the window under the screen point; coordinates converted.
// Returns the window that got it.
HWND CCT_Route(UINT msg, int screenX, int screenY, WPARAM keys);
// Screen point of a window's client point.
POINT CCT_Screen(HWND hwnd, int x, int y);
// Real input through SendInput (absolute, screen pixels), then pumps ~25 ms.
void CCT_Input(int screenX, int screenY, DWORD flags);

// Slot read straight from the window's slot block (no creation).
LONG CCT_Slot(HWND hwnd, int index);
// Count of live GDI objects of this process (leak checks; CCP_GdiObjects).
DWORD CCT_GdiCount();
// The same count (kept for the tests that use this name).
DWORD CCT_GdiObjects();
// Runs fn and returns how many GDI objects and DCs it made and did not release:
// pens, brushes, fonts, regions, bitmaps, memory DCs (DeleteObject / DeleteDC) and
// window DCs (GetDC / GetWindowDC against ReleaseDC). It watches the calls of the
// code linked into the test program (its import table), so it works under Wine.
// A test program that links a library's code sets CCT_CacheFlush to the cache's
// unload: what the library keeps cached for later drawings is then released
// after fn and must leave nothing behind either.
int CCT_GdiLeaked(const std::function<void()> &fn);
extern void (*CCT_CacheFlush)(void);

// Points a module's import of `name` at `hook` (the program's own imports when
// module is the program); keeps the function it called before in *real.
void CCT_RedirectIn(HMODULE module, const char *name, void *hook, void **real);

// Failure seam: in the modules given to CCT_FailWatch, memory calls
// (GlobalAlloc, GlobalReAlloc, GlobalLock, HeapAlloc, HeapReAlloc) and GDI
// resource calls (GetDC, memory DCs, bitmaps, fonts, pens, brushes) pass
// through one counter. CCT_FailPoints counts the calls fn makes;
// CCT_FailRun runs fn with call number `at` (1 first) failing, or every call
// when at is 0. Only the kinds of calls in `which` count and fail.
enum { CCT_FAIL_GLOBAL = 1, CCT_FAIL_HEAP = 2, CCT_FAIL_MEMORY = 3, CCT_FAIL_GDI = 4 };
void CCT_FailWatch(HMODULE module);
int CCT_FailPoints(unsigned which, const std::function<void()> &fn);
void CCT_FailRun(unsigned which, int at, const std::function<void()> &fn);

// A control's text as WM_GETTEXT answers it, and (special library) its whole
// text as CC_GETRAWTEXT answers it; at most 255 and 599 characters.
std::string CCT_Text(HWND hwnd);
std::string CCT_RawText(HWND hwnd);

// Font metrics of the DC default font, for expected text positions.
SIZE CCT_TextExtent(HWND hwnd, const char *text, HFONT font = nullptr);
int CCT_TextHeight(HWND hwnd, HFONT font = nullptr);

// Writes a 24-bit BMP of the image (debugging aid).
bool CCT_SaveBmp(const CCTImage &img, const char *path);

#endif
