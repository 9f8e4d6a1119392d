// LED button: a push button with a 10 x 10 lamp in its top-left corner. The
// application sets lamp, face and label colours by option texts; a click is
// reported to the parent.
#include "kinds.h"
#include "common.h"
#include "ccguards.h"
#include "ccdraw.h"
#include "ccslots.h"
#include "ccsurface.h"
#include "label.h"
#include "press.h"
#include "std_frame.h"

#define LED_TRACE "Kerv_cc: CCled_Msg: WM_CREATE"
#define LED_LABEL_SIZE 255

enum { LED_SLOT_LAMP = 4, LED_SLOT_FACE = 5, LED_SLOT_TEXT = 6, LED_SLOT_DOWN = 65 };
static const LONG LED_DARKGREY = 7, LED_LIGHTGREY = 8;

// One look: face, label and lamp. A colour of -1 means "the window's slot".
struct LedLook {
    LONG face;          // face colour, or -1 for slot 5
    int pressedFace;    // CCDraw_Bevel flag
    LONG text, textBk;  // label colours, -1 for slots 6 and 5
    int offset;         // label offset (both axes)
    int lamp;           // lamp corner (both axes); its colour is always slot 4
};

static const LedLook LED_NORMAL = {-1, 0, -1, -1, 2, 5};
static const LedLook LED_PRESSED = {-1, 1, -1, -1, 4, 7};
static const LedLook LED_DISABLED = {LED_DARKGREY, 1, LED_LIGHTGREY, LED_DARKGREY, 2, 5};

static LONG LookColour(const LONG *slots, LONG colour, int slot) { return colour < 0 ? slots[slot] : colour; }

// Face, label and lamp, in this order; the slots are read through one view.
static void CCled_Draw(HWND hwnd, HDC dc, const LedLook &look)
{
    const LONG *s = CCSlotView(hwnd);
    int W = (int)s[0], H = (int)s[1];
    char label[LED_LABEL_SIZE];
    CCReadText(hwnd, label, sizeof label);
    CCDraw_Bevel(dc, LookColour(s, look.face, LED_SLOT_FACE), 0, 0, W, H, look.pressedFace);
    CCDraw_Text(dc, LookColour(s, look.text, LED_SLOT_TEXT), LookColour(s, look.textBk, LED_SLOT_FACE), W, H,
                look.offset, look.offset, label);
    CCDraw_Lamp(dc, s[LED_SLOT_LAMP], look.lamp, look.lamp);
}

// Pressed look at once on the window DC; nothing without a DC.
static void CCled_DrawDown(HWND hwnd)
{
    HDC dc = GetDC(hwnd);
    if (!dc) return;
    CCSetSlot(hwnd, LED_SLOT_DOWN, 1);
    CCled_Draw(hwnd, dc, LED_PRESSED);
    ReleaseDC(hwnd, dc);
}

// Disabled look at once on the window DC; the pressed-look flag is left alone.
static void CCled_DrawDisabled(HWND hwnd)
{
    HDC dc = GetDC(hwnd);
    if (!dc) return;
    CCled_Draw(hwnd, dc, LED_DISABLED);
    ReleaseDC(hwnd, dc);
}

static void CCled_Paint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = CCBeginPaint(hwnd, &ps);
    CCSetSlot(hwnd, LED_SLOT_DOWN, 0);
    if (dc) CCled_Draw(hwnd, dc, LED_NORMAL);
    CCEndPaint(hwnd, &ps);
}

static const CCPressKind LED_PRESS = {CCled_DrawDown, nullptr, 0};

// Creation and style change: size, enabled, default colours, normal look.
static void CCled_Init(HWND hwnd, LONG W, LONG H)
{
    CCSetSlot(hwnd, 0, W);
    CCSetSlot(hwnd, 1, H);
    CCSetSlot(hwnd, 2, 1);
    CCSetSlot(hwnd, LED_SLOT_FACE, LED_LIGHTGREY);
    CCSetSlot(hwnd, LED_SLOT_TEXT, 0);
    CCSetSlot(hwnd, LED_SLOT_LAMP, 0);
    CCSetSlot(hwnd, LED_SLOT_DOWN, 0);
}

// WM_SETTEXT: an option text changes colours and repaints; any other text
// replaces the label off-screen without redrawing face and lamp.
static LRESULT CCled_SetText(HWND hwnd, const char *text)
{
    if (!text) text = "";
    LONG down = CCGetSlot(hwnd, LED_SLOT_DOWN);
    char old[LED_LABEL_SIZE];
    CCReadText(hwnd, old, sizeof old);
    if (CCParseOptions(hwnd, text)) {
        InvalidateRect(hwnd, nullptr, FALSE);
        return 1;
    }
    // Drawn as the next paint will read it back.
    char label[LED_LABEL_SIZE];
    CCCopyText(label, sizeof label, text);
    int W = (int)CCGetSlot(hwnd, 0), H = (int)CCGetSlot(hwnd, 1);
    bool enabled = IsWindowEnabled(hwnd) != 0;
    LONG face = enabled ? CCGetSlot(hwnd, LED_SLOT_FACE) : LED_DARKGREY;
    LONG ink = enabled ? CCGetSlot(hwnd, LED_SLOT_TEXT) : LED_LIGHTGREY;
    int at = down ? 4 : 2;
    // The old label is painted out where the pressed or normal look drew it
    // (the disabled look always draws it at (2, 2)).
    int was = enabled ? at : 2;
    const CCLabelDraw draws[] = {
        {old, face, face, was, was, W, H},
        {label, ink, face, at, at, W, H},
    };
    CCLabel_Swap(hwnd, W, H, draws, 2);
    DefWindowProcA(hwnd, WM_SETTEXT, 0, (LPARAM)text);
    return 1;
}

static const CCKindSteps kLedSteps = {CCled_Init, CCled_Paint, CCled_DrawDisabled, 1};

LRESULT CCled_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CCTrace(msg, LED_TRACE);
    LRESULT result;
    if (CCKindStep(&kLedSteps, hwnd, msg, wParam, lParam, &result)) return result;
    switch (msg) {
    case WM_SETTEXT:
        return CCled_SetText(hwnd, (const char *)lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        CCPress_Begin(hwnd);
        CCled_DrawDown(hwnd);
        return 1;
    case WM_MOUSEMOVE:
        CCPress_Track(hwnd, wParam, lParam, &LED_PRESS);
        return 1;
    case WM_LBUTTONUP:
        CCPress_End();
        CCNotify(hwnd);
        CCRepaintNow(hwnd);
        return 1;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
