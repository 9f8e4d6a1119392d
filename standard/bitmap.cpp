// Bitmap button: a push button whose face is a bitmap resource of the module that
// created the window, named by the window text. Variant 0 is framed and reports a
// click on release; any other variant is an unframed picture that reports the press.
#include "kinds.h"
#include "common.h"
#include "cccache.h"
#include "ccguards.h"
#include "ccdraw.h"
#include "ccslots.h"
#include "ccsurface.h"
#include "press.h"
#include "std_frame.h"

// Slots of this kind.
enum { BMP_W = 0, BMP_H = 1, BMP_ENABLED = 2, BMP_VARIANT = 3, BMP_FACE = 5, BMP_TEXT = 6 };

// The resource name is read into 39 bytes: at most 38 characters count.
enum { BMP_NAME_SIZE = 39 };

enum { BMP_AND = 0, BMP_COPY = 1 };

static bool CCbmp_Framed(HWND hwnd) { return (CCGetSlot(hwnd, BMP_VARIANT) & 0xF) == 0; }


// Copies the whole picture, unscaled, to (x, y) of the window DC: SRCCOPY, or
// SRCAND to darken it onto what is already there. The picture comes from the
// library's picture cache (loaded on first need, cccache.h).
static void CCbmp_DrawBitmap(HWND hwnd, HDC win, int x, int y, int mode)
{
    char name[BMP_NAME_SIZE];
    CCReadText(hwnd, name, sizeof name);
    if (!name[0]) return;
    HINSTANCE inst = (HINSTANCE)(LONG_PTR)GetWindowLongPtrA(hwnd, GWLP_HINSTANCE);
    CCCachedPicture pic(inst, name, win);
    if (!pic.ok()) return;
    BitBlt(win, x, y, pic.pic.w, pic.pic.h, pic.pic.dc, 0, 0, mode == BMP_COPY ? SRCCOPY : SRCAND);
}

// The same on a window DC of its own.
static void CCbmp_DrawBitmap(HWND hwnd, int x, int y, int mode)
{
    CCWindowDC win(hwnd);
    if (win.dc) CCbmp_DrawBitmap(hwnd, win.dc, x, y, mode);
}

// The two upper-left edge lines shared by the raised and the pressed look.
static void CCbmp_UpperEdge(HDC dc, LONG colour, int R, int B)
{
    CCDraw_Line(dc, 1, B - 3, 1, 1, colour);
    CCDraw_Line(dc, 1, 1, R - 2, 1, colour);
    CCDraw_Line(dc, 2, B - 4, 2, 2, colour);
    CCDraw_Line(dc, 2, 2, R - 3, 2, colour);
}

static void CCbmp_ShadowEdge(HDC dc, int R, int B) { CCbmp_UpperEdge(dc, 7, R, B); }

static void CCbmp_RaisedEdge(HDC dc, int R, int B)
{
    CCbmp_UpperEdge(dc, 15, R, B);
    CCDraw_Line(dc, 2, B - 2, R - 2, B - 2, 7);
    CCDraw_Line(dc, R - 2, B - 2, R - 2, 1, 7);
    CCDraw_Line(dc, 3, B - 3, R - 3, B - 3, 7);
    CCDraw_Line(dc, R - 3, B - 3, R - 3, 2, 7);
}

// Frame and picture on the paint DC (the picture on a window DC of its own when
// there is none).
static void CCbmp_Paint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = CCBeginPaint(hwnd, &ps);
    int at = 0;
    if (CCbmp_Framed(hwnd)) {
        if (dc) {
            int W = CCGetSlot(hwnd, BMP_W), H = CCGetSlot(hwnd, BMP_H);
            CCDraw_Outline(dc, 0, 0, W, H, 0);
            CCbmp_RaisedEdge(dc, W, H);
        }
        at = 3;
    }
    if (dc) CCbmp_DrawBitmap(hwnd, dc, at, at, BMP_COPY);
    else CCbmp_DrawBitmap(hwnd, at, at, BMP_COPY);
    CCEndPaint(hwnd, &ps);
}

// Pressed look of the framed variant, drawn over the normal one.
static void CCbmp_DrawDown(HWND hwnd)
{
    CCWindowDC win(hwnd);
    if (!win.dc) return;
    int W = CCGetSlot(hwnd, BMP_W), H = CCGetSlot(hwnd, BMP_H);
    CCDraw_Outline(win.dc, 0, 0, W, H, 0);
    CCbmp_ShadowEdge(win.dc, W, H);
    CCbmp_DrawBitmap(hwnd, win.dc, 5, 5, BMP_COPY);
}

// Press tracking draws the pressed look only in the framed variant.
static void CCbmp_DrawDownFramed(HWND hwnd)
{
    if (CCbmp_Framed(hwnd)) CCbmp_DrawDown(hwnd);
}

static const CCPressKind kBmpPress = {CCbmp_DrawDownFramed, nullptr, 0};

// Dark-grey sunken face with the picture ANDed onto it.
static void CCbmp_DrawDisabled(HWND hwnd)
{
    CCWindowDC win(hwnd);
    if (!win.dc) return;
    CCDraw_Bevel(win.dc, 7, 0, 0, CCGetSlot(hwnd, BMP_W), CCGetSlot(hwnd, BMP_H), 1);
    CCbmp_DrawBitmap(hwnd, win.dc, 5, 5, BMP_AND);
}

static void CCbmp_Init(HWND hwnd, LONG W, LONG H)
{
    CCSetSlot(hwnd, BMP_W, W);
    CCSetSlot(hwnd, BMP_H, H);
    CCSetSlot(hwnd, BMP_ENABLED, 1);
    CCSetSlot(hwnd, BMP_VARIANT, 0);
    CCSetSlot(hwnd, BMP_FACE, 8);
    CCSetSlot(hwnd, BMP_TEXT, 0);
    CCPress_Reset();
}

static const CCKindSteps kBmpSteps = {CCbmp_Init, CCbmp_Paint, CCbmp_DrawDisabled, 0};

LRESULT CCbmp_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CCTrace(msg, "Kerv_cc: CCbmp_Msg: WM_CREATE");
    LRESULT result;
    if (CCKindStep(&kBmpSteps, hwnd, msg, wParam, lParam, &result)) return result;
    switch (msg) {
    case WM_SETTEXT: {
        const char *text = lParam ? (const char *)lParam : "";
        if (!CCParseOptions(hwnd, text)) DefWindowProcA(hwnd, WM_SETTEXT, wParam, (LPARAM)text);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        CCPress_Begin(hwnd);
        if (CCbmp_Framed(hwnd))
            CCbmp_DrawDown(hwnd);
        else
            CCNotify(hwnd);
        return 0;
    case WM_MOUSEMOVE:
        CCPress_Track(hwnd, wParam, lParam, &kBmpPress);
        return 0;
    case WM_LBUTTONUP:
        CCPress_End();
        if (CCbmp_Framed(hwnd)) CCNotify(hwnd);
        CCRepaintNow(hwnd);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
