// Static Text (flat panel with an outline and a centred label) and Ident Text
// (raised plaque with four bands and lines in a font scaled to fill it).
#include <limits.h>
#include <string.h>
#include "kinds.h"
#include "common.h"
#include "ccguards.h"
#include "cccache.h"
#include "ccslots.h"
#include "ccsurface.h"
#include "ccdraw.h"
#include "label.h"
#include "press.h"
#include "std_frame.h"
#include "text.h"

#define CC_TEXT_READ 255  // label buffer: at most 254 characters

LOGFONTA IdentFont;

enum { SLOT_W = 0, SLOT_H = 1, SLOT_ENABLED = 2, SLOT_OUTLINE = 4, SLOT_PANEL = 7, SLOT_INK = 8 };

// ---- Static Text ----

// Panel, centred label and outline over the whole control.
static void CCtext_Draw(HDC dc, HWND hwnd, LONG panel, LONG ink, LONG outline)
{
    const LONG *s = CCSlotView(hwnd);
    int W = s[SLOT_W], H = s[SLOT_H];
    char text[CC_TEXT_READ];
    CCReadText(hwnd, text, sizeof text);
    CCDraw_Box(dc, panel, 0, 0, W, H);
    CCDraw_Text(dc, ink, panel, W, H, 0, 0, text);
    CCDraw_Outline(dc, 0, 0, W, H, outline);
}

static void CCtext_Paint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = CCBeginPaint(hwnd, &ps);
    if (dc) {
        const LONG *s = CCSlotView(hwnd);
        CCtext_Draw(dc, hwnd, s[SLOT_PANEL], s[SLOT_INK], s[SLOT_OUTLINE]);
    }
    CCEndPaint(hwnd, &ps);
}

static void CCtext_DrawDisabled(HWND hwnd)
{
    CCWindowDC wdc(hwnd);
    if (wdc.dc) CCtext_Draw(wdc.dc, hwnd, 7, 8, 7);
}

// Option texts set colours; any other text replaces the label off-screen.
static LRESULT CCtext_SetText(HWND hwnd, const char *text)
{
    char old[CC_TEXT_READ];
    CCReadText(hwnd, old, sizeof old);
    LONG panel = CCGetSlot(hwnd, SLOT_PANEL);
    if (CCParseOptions(hwnd, text)) {
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    }
    int W = CCGetSlot(hwnd, SLOT_W), H = CCGetSlot(hwnd, SLOT_H);
    bool enabled = IsWindowEnabled(hwnd) != 0;
    LONG bk = enabled ? panel : 7, ink = enabled ? CCGetSlot(hwnd, SLOT_INK) : 8;
    const CCLabelDraw draws[] = {
        {old, bk, bk, 0, 0, W, H},
        {text, ink, bk, 0, 0, W, H},
    };
    CCLabel_Swap(hwnd, W, H, draws, 2);
    DefWindowProcA(hwnd, WM_SETTEXT, 0, (LPARAM)text);
    return 0;
}

static void CCtext_Init(HWND hwnd, LONG w, LONG h)
{
    CCSetSlot(hwnd, SLOT_W, w);
    CCSetSlot(hwnd, SLOT_H, h);
    CCSetSlot(hwnd, SLOT_ENABLED, 1);
    CCSetSlot(hwnd, SLOT_PANEL, 8);
    CCSetSlot(hwnd, SLOT_INK, 0);
    CCSetSlot(hwnd, SLOT_OUTLINE, 7);
}

static const CCKindSteps kTextSteps = {CCtext_Init, CCtext_Paint, CCtext_DrawDisabled, 0};

LRESULT CCtext_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CCTrace(msg, "Kerv_cc: CCtext_Msg: WM_CREATE");
    LRESULT result;
    if (CCKindStep(&kTextSteps, hwnd, msg, wParam, lParam, &result)) return result;
    if (msg == WM_SETTEXT) return CCtext_SetText(hwnd, lParam ? (const char *)lParam : "");
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// ---- Ident Text ----

// Truncation toward zero, clamped to the 32-bit range.
static LONG TruncF(float f)
{
    if (f != f) return 0;
    if (f >= 2147483648.0f) return LONG_MAX;
    if (f <= -2147483648.0f) return LONG_MIN;
    return (LONG)f;
}

CCIdGeometry CCid_Geometry(LONG W, LONG H)
{
    long long w = W, h = H;
    long long bx = 2 * w / 100, by = 8 * h / 100;
    CCIdGeometry g;
    g.bx = (int)bx;
    g.by = (int)by;
    g.left = (int)(bx + 6);
    g.top = (int)(by + 6);
    g.aw = (int)(w - 2 * bx - 12);
    g.ah = (int)(h - 2 * by - 12);
    return g;
}

int CCid_LineCount(const char *text)
{
    int n = 1;
    if (text && text[0])
        for (const char *p = text + 1; *p; p++) n += *p == '|';
    return n;
}

void CCid_SplitLines(char *work, const char **lines, int n)
{
    char *cursor = work;
    for (int i = 0; i < n; i++) {
        const char *line = CCNextLine(&cursor);
        lines[i] = line ? line : "";
    }
}

LONG CCid_FontWidth(int aw, int mw, LONG previous)
{
    if (mw == 0) return previous;
    float f = (float)aw / (float)mw * 5.0f;
    return TruncF(f);
}

int CCid_RefX(int aw, int left) { return (int)TruncF((float)aw * 0.5f + (float)left); }

LOGFONTA CCid_DrawnFont(const LOGFONTA &lf)
{
    LOGFONTA f = lf;
    long long h = lf.lfHeight, w = lf.lfWidth;
    long long m = h < 0 ? -h : h, mw = w < 0 ? -w : w;
    if (mw > m) m = mw;
    if (m <= CC_ID_FONT_MAX) return f;
    f.lfHeight = (LONG)(h * CC_ID_FONT_MAX / m);
    f.lfWidth = (LONG)(w * CC_ID_FONT_MAX / m);
    if (w && !f.lfWidth) f.lfWidth = w < 0 ? -1 : 1;  // still narrow, not the default width
    return f;
}

static void CCid_DrawText(HDC dc, int W, int H, LONG ink, LONG bk, const char *text)
{
    CCIdGeometry g = CCid_Geometry(W, H);
    SetTextAlign(dc, TA_CENTER | TA_TOP);
    int n = CCid_LineCount(text);
    int lh = g.ah / n;
    IdentFont.lfHeight = lh;
    char work[CC_TEXT_READ];
    lstrcpynA(work, text, sizeof work);
    const char *lines[CC_TEXT_READ];
    if (n > CC_TEXT_READ) n = CC_TEXT_READ;  // cannot happen: the text is shorter
    CCid_SplitLines(work, lines, n);
    int mw = 0;
    for (int i = 0; i < n; i++) {
        SIZE sz = {0, 0};
        GetTextExtentPoint32A(dc, lines[i], lstrlenA(lines[i]), &sz);
        if (sz.cx > mw) mw = sz.cx;
    }
    IdentFont.lfWidth = CCid_FontWidth(g.aw, mw, IdentFont.lfWidth);
    int x = CCid_RefX(g.aw, g.left);
    LOGFONTA drawn = CCid_DrawnFont(IdentFont);
    CCCachedFont font(dc, &drawn);  // one font for every line
    for (int i = 0; i < n; i++) {
        int mode = SetBkMode(dc, OPAQUE);
        CCDraw_SetTextColour(dc, ink);
        CCDraw_SetBkColour(dc, bk);
        TextOutA(dc, x, g.top + i * lh, lines[i], lstrlenA(lines[i]));
        SetBkMode(dc, mode);
    }
}

// Plaque and text composed off-screen over the window's current image (straight
// on where no memory image of the control's size can be had).
static void CCid_Paint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = CCBeginPaint(hwnd, &ps);
    const LONG *s = CCSlotView(hwnd);
    int W = s[SLOT_W], H = s[SLOT_H];
    if (dc && W > 0 && H > 0) {
        char text[CC_TEXT_READ];
        CCReadText(hwnd, text, sizeof text);
        CCSurface mem(dc, W, H);  // the plaque's outline encloses its fills
        HDC to = mem.ok() ? mem.dc : dc;
        if (mem.ok()) BitBlt(mem.dc, 0, 0, W, H, dc, 0, 0, SRCCOPY);
        CCid_DrawPlaque(to, W, H, s[SLOT_PANEL]);
        CCid_DrawText(to, W, H, s[SLOT_INK], s[SLOT_PANEL], text);
        if (mem.ok()) BitBlt(dc, 0, 0, W, H, mem.dc, 0, 0, SRCCOPY);
    }
    CCEndPaint(hwnd, &ps);
}

LRESULT CCid_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CCTrace(msg, "Kerv_cc: CCid_Msg: WM_CREATE");
    switch (msg) {
    case WM_CREATE:
    case WM_STYLECHANGING:
    case WM_STYLECHANGED: {
        LONG w, h;
        CCCreationSize(hwnd, msg, lParam, &w, &h);
        CCSetSlot(hwnd, SLOT_W, w);
        CCSetSlot(hwnd, SLOT_H, h);
        CCSetSlot(hwnd, SLOT_ENABLED, 1);
        CCSetSlot(hwnd, SLOT_PANEL, 8);
        CCSetSlot(hwnd, SLOT_INK, 0);
        return lParam;
    }
    case WM_SIZE:
        CCStoreSize(hwnd, lParam);
        return lParam;
    case WM_SETTEXT: {
        const char *text = lParam ? (const char *)lParam : "";
        if (!CCParseOptions(hwnd, text)) DefWindowProcA(hwnd, WM_SETTEXT, 0, (LPARAM)text);
        // Shown at once where the next paint would draw the same; else left to it.
        CCRepaintNow(hwnd, false);
        return lParam ? lParam : TRUE;
    }
    case WM_PAINT:
        CCid_Paint(hwnd);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
