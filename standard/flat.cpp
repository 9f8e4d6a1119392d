// Flat button: a flat coloured face with a one-pixel frame. It reports the press
// (identifier) and the release (identifier + 1000) separately, and a press held
// down can slide from one Flat button into another.
#include "kinds.h"
#include "common.h"
#include "ccguards.h"
#include "ccdraw.h"
#include "ccslots.h"
#include "ccsurface.h"
#include "label.h"
#include "press.h"
#include "std_frame.h"

// Slots of this kind.
enum {
    FLAT_W = 0,
    FLAT_H = 1,
    FLAT_ENABLED = 2,
    FLAT_FRAME = 4,      // frame colour
    FLAT_DOWN_FACE = 5,  // face and label colours while pressed
    FLAT_DOWN_TEXT = 6,
    FLAT_FACE = 7,       // face and label colours when not pressed
    FLAT_TEXT = 8,
};

enum { FLAT_LABEL_MAX = 255, FLAT_RELEASE_OFFSET = 1000 };

static void CCflat_Notify(HWND hwnd, DWORD offset)
{
    DWORD id = (DWORD)GetWindowLongA(hwnd, GWL_ID);
    SendMessageA(GetParent(hwnd), WM_COMMAND, (WPARAM)(id + offset), (LPARAM)hwnd);
}

// A press slid into this button: it takes the press without a pressed look.
static void CCflat_TakeOver(HWND hit, HWND) { CCflat_Notify(hit, 0); }

static const CCPressKind kFlatPress = {nullptr, CCflat_TakeOver, 3};

// One look: face, label (text on background, shifted by dx, dy), frame. The
// slots are read through one view (s: the window's CCSlotView).
static void CCflat_DrawLook(HWND hwnd, const LONG *s, HDC dc, LONG face, LONG text, int dx, bool bevel)
{
    int W = s[FLAT_W], H = s[FLAT_H];
    char label[FLAT_LABEL_MAX];
    CCReadText(hwnd, label, sizeof label);
    if (bevel)
        CCDraw_Bevel(dc, face, 0, 0, W, H, 1);
    else
        CCDraw_Box(dc, face, 0, 0, W, H);
    CCDraw_Text(dc, text, face, W, H, dx, dx, label);
    CCDraw_Outline(dc, 0, 0, W, H, s[FLAT_FRAME]);
}

static void CCflat_Paint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = CCBeginPaint(hwnd, &ps);
    if (dc) {
        const LONG *s = CCSlotView(hwnd);
        CCflat_DrawLook(hwnd, s, dc, s[FLAT_FACE], s[FLAT_TEXT], 0, false);
    }
    CCEndPaint(hwnd, &ps);
}

static void CCflat_DrawDown(HWND hwnd)
{
    HDC dc = GetDC(hwnd);
    if (!dc) return;
    const LONG *s = CCSlotView(hwnd);
    CCflat_DrawLook(hwnd, s, dc, s[FLAT_DOWN_FACE], s[FLAT_DOWN_TEXT], 0, false);
    ReleaseDC(hwnd, dc);
}

static void CCflat_DrawDisabled(HWND hwnd, HDC dc)
{
    CCflat_DrawLook(hwnd, CCSlotView(hwnd), dc, 7, 8, 2, true);
}

static void CCflat_DrawDisabledNow(HWND hwnd)
{
    HDC dc = GetDC(hwnd);
    if (!dc) return;
    CCflat_DrawDisabled(hwnd, dc);
    ReleaseDC(hwnd, dc);
}

// Creation and style change: size, then the default colours.
static void CCflat_Init(HWND hwnd, LONG W, LONG H)
{
    CCSetSlot(hwnd, FLAT_W, W);
    CCSetSlot(hwnd, FLAT_H, H);
    CCSetSlot(hwnd, FLAT_ENABLED, 1);
    CCSetSlot(hwnd, FLAT_DOWN_FACE, 8);
    CCSetSlot(hwnd, FLAT_DOWN_TEXT, 0);
    CCSetSlot(hwnd, FLAT_FACE, 7);
    CCSetSlot(hwnd, FLAT_TEXT, 15);
    CCSetSlot(hwnd, FLAT_FRAME, 0);
}

// Option texts set colours; any other text swaps the label off-screen, always in
// the normal colours at (0, 0), and is then stored.
static LRESULT CCflat_SetText(HWND hwnd, WPARAM wParam, const char *text)
{
    if (!text) text = "";
    if (CCParseOptions(hwnd, text)) {
        InvalidateRect(hwnd, nullptr, FALSE);
        return 1;
    }
    int W = CCGetSlot(hwnd, FLAT_W), H = CCGetSlot(hwnd, FLAT_H);
    char oldLabel[FLAT_LABEL_MAX], newLabel[FLAT_LABEL_MAX];
    CCReadText(hwnd, oldLabel, sizeof oldLabel);
    CCCopyText(newLabel, sizeof newLabel, text);
    bool enabled = IsWindowEnabled(hwnd);
    LONG face = enabled ? CCGetSlot(hwnd, FLAT_FACE) : 7;
    LONG ink = enabled ? CCGetSlot(hwnd, FLAT_TEXT) : 8;
    const CCLabelDraw draws[2] = {
        {oldLabel, face, face, 0, 0, W, H},
        {newLabel, ink, face, 0, 0, W, H},
    };
    CCLabel_Swap(hwnd, W, H, draws, 2);
    DefWindowProcA(hwnd, WM_SETTEXT, wParam, (LPARAM)text);
    return 1;
}

static const CCKindSteps kFlatSteps = {CCflat_Init, CCflat_Paint, CCflat_DrawDisabledNow, 1};

LRESULT CCflat_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CCTrace(msg, "Kerv_cc: CCflat_Msg: WM_CREATE");
    LRESULT result;
    if (CCKindStep(&kFlatSteps, hwnd, msg, wParam, lParam, &result)) return result;
    switch (msg) {
    case WM_SETTEXT:
        return CCflat_SetText(hwnd, wParam, (const char *)lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        CCPress_Begin(hwnd);
        CCflat_Notify(hwnd, 0);
        CCflat_DrawDown(hwnd);
        return 1;
    case WM_MOUSEMOVE:
        CCPress_RollOn(hwnd, wParam, lParam, &kFlatPress);
        return 1;
    case WM_LBUTTONUP:
        CCPress_End();
        CCflat_Notify(hwnd, FLAT_RELEASE_OFFSET);
        CCRepaintNow(hwnd);
        return 1;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
