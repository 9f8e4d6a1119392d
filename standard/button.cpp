// Push buttons: Button (reports a click on release), Browse (reports on press and
// on rolling onto it with the button held) and Touch (reports on press only).
// The three share one face, one slot layout and one set of drawing routines.
#include "kinds.h"
#include "common.h"
#include "ccguards.h"
#include "ccdraw.h"
#include "ccslots.h"
#include "ccsurface.h"
#include "label.h"
#include "press.h"
#include "std_frame.h"

enum {
    SLOT_W = 0,
    SLOT_H = 1,
    SLOT_ENABLED = 2,
    SLOT_FACE = 5,
    SLOT_LABEL = 6,
    SLOT_DOWN = 65,  // 1 while the pressed look is the last one drawn
};

enum { COLOUR_DARK_GREY = 7, COLOUR_LIGHT_GREY = 8 };

// Labels are read with a limit of 255 bytes (at most 254 characters).
#define BTN_LABEL_SIZE 255

void CCbtn_Paint(HWND hwnd);
void CCbtn_PaintDirect(HWND hwnd);
void CCbtn_DrawDown(HWND hwnd);
void CCbtn_DrawDisabled(HWND hwnd);
void CCbtn_SetText(HWND hwnd, const char *text);

namespace {

enum Kind { KIND_BUTTON, KIND_BROWSE, KIND_TOUCH };

struct Label {
    char text[BTN_LABEL_SIZE];
    explicit Label(HWND hwnd) { CCReadText(hwnd, text, sizeof text); }
};


// Face, then label, in the given colours; the label shifted by (off, off).
// s is the window's CCSlotView (one look-up for all the slots a look reads).
void DrawLook(HWND hwnd, const LONG *s, HDC dc, LONG face, LONG label, int pressed, int off)
{
    int w = (int)s[SLOT_W], h = (int)s[SLOT_H];
    CCDraw_Bevel(dc, face, 0, 0, w, h, pressed);
    Label text(hwnd);
    CCDraw_Text(dc, label, face, w, h, off, off, text.text);
}

void DrawNormal(HWND hwnd, const LONG *s, HDC dc) { DrawLook(hwnd, s, dc, s[SLOT_FACE], s[SLOT_LABEL], 0, 0); }

// Creation, and style changes (which carry no creation record: size from the client area).
void Init(HWND hwnd, UINT msg, LPARAM lParam)
{
    LONG w, h;
    CCCreationSize(hwnd, msg, lParam, &w, &h);
    CCSetSlot(hwnd, SLOT_W, w);
    CCSetSlot(hwnd, SLOT_H, h);
    CCSetSlot(hwnd, SLOT_ENABLED, 1);
    CCSetSlot(hwnd, SLOT_FACE, COLOUR_LIGHT_GREY);
    CCSetSlot(hwnd, SLOT_LABEL, 0);
    CCPress_Reset();
    CCSetSlot(hwnd, SLOT_DOWN, 0);
}

// Button notification: the id kept in PressId. It is stored again here because
// a message to another Button nested in this one (a capture change) replaces it.
void ButtonNotify(HWND hwnd)
{
    PressId = GetWindowLongA(hwnd, GWL_ID);
    SendMessageA(GetParent(hwnd), WM_COMMAND, (WPARAM)PressId, (LPARAM)hwnd);
}

// Browse roll-on: the window that took the press over reports to its parent.
void BrowseTakeOver(HWND hit, HWND self)
{
    HWND press = PressWindow ? PressWindow : hit;
    SendMessageA(GetParent(press), WM_COMMAND, (WPARAM)GetWindowLongA(press, GWL_ID), (LPARAM)self);
}

const CCPressKind kClickPress = {CCbtn_DrawDown, nullptr, 0};
const CCPressKind kRollPress = {CCbtn_DrawDown, BrowseTakeOver, 0};

LRESULT ButtonMsg(Kind kind, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE:
    case WM_STYLECHANGING:
    case WM_STYLECHANGED:
        Init(hwnd, msg, lParam);
        return 0;
    case WM_SIZE:
        CCStoreSize(hwnd, lParam);
        return 0;
    case WM_SETTEXT:
        CCbtn_SetText(hwnd, (const char *)lParam);
        return 0;
    case WM_PAINT:
        if (IsWindowEnabled(hwnd)) {
            if (kind == KIND_BUTTON) CCbtn_Paint(hwnd);
            else CCbtn_PaintDirect(hwnd);
        } else {
            CCPaintDisabled(hwnd, CCbtn_DrawDisabled);
        }
        return 0;
    case WM_ENABLE:
        CCSetSlot(hwnd, SLOT_ENABLED, wParam ? 1 : 0);
        // Browse and Touch show the disabled look at once, before the repaint.
        if (!wParam && kind != KIND_BUTTON) CCbtn_DrawDisabled(hwnd);
        CCRepaint(hwnd);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        CCPress_Begin(hwnd);
        CCbtn_DrawDown(hwnd);
        if (kind != KIND_BUTTON) CCNotify(hwnd);
        return 0;
    case WM_MOUSEMOVE:
        if (kind == KIND_BROWSE) CCPress_RollOn(hwnd, wParam, lParam, &kRollPress);
        else CCPress_Track(hwnd, wParam, lParam, &kClickPress);
        return 0;
    case WM_LBUTTONUP:
        CCPress_End();
        if (kind == KIND_BUTTON) ButtonNotify(hwnd);
        CCRepaintNow(hwnd);
        return 0;
    case WM_PARENTNOTIFY:
        if (kind != KIND_BUTTON) break;
        // A click on a child window of the button counts as a click on it.
        if (wParam == WM_LBUTTONDOWN) ButtonNotify(hwnd);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

// Normal look of the Button: composed off-screen, shown with one copy.
void CCbtn_Paint(HWND hwnd)
{
    CCSetSlot(hwnd, SLOT_DOWN, 0);
    PAINTSTRUCT ps;
    HDC dc = CCBeginPaint(hwnd, &ps);
    if (!dc) return;
    const LONG *s = CCSlotView(hwnd);
    int w = (int)s[SLOT_W], h = (int)s[SLOT_H];
    {
        CCSurface mem(dc, w, h);
        if (mem.ok()) {
            DrawNormal(hwnd, s, mem.dc);
            BitBlt(dc, 0, 0, w, h, mem.dc, 0, 0, SRCCOPY);
        } else {
            DrawNormal(hwnd, s, dc);  // no memory image: draw straight on
        }
    }
    CCEndPaint(hwnd, &ps);
}

// Normal look of Browse and Touch, drawn on the paint DC.
void CCbtn_PaintDirect(HWND hwnd)
{
    CCSetSlot(hwnd, SLOT_DOWN, 0);
    PAINTSTRUCT ps;
    HDC dc = CCBeginPaint(hwnd, &ps);
    if (!dc) return;
    DrawNormal(hwnd, CCSlotView(hwnd), dc);
    CCEndPaint(hwnd, &ps);
}

// Pressed look, drawn at once on the window DC.
void CCbtn_DrawDown(HWND hwnd)
{
    CCWindowDC wdc(hwnd);
    if (!wdc.dc) return;
    CCSetSlot(hwnd, SLOT_DOWN, 1);
    const LONG *s = CCSlotView(hwnd);
    DrawLook(hwnd, s, wdc.dc, s[SLOT_FACE], s[SLOT_LABEL], 1, 2);
}

// Disabled look: flat dark grey face, light grey label.
void CCbtn_DrawDisabled(HWND hwnd)
{
    CCWindowDC wdc(hwnd);
    if (!wdc.dc) return;
    DrawLook(hwnd, CCSlotView(hwnd), wdc.dc, COLOUR_DARK_GREY, COLOUR_LIGHT_GREY, 1, 0);
}

// WM_SETTEXT: an option text changes colours and repaints; any other text replaces
// the label off-screen without redrawing the face and is then stored.
void CCbtn_SetText(HWND hwnd, const char *text)
{
    if (!text) text = "";
    LONG down = CCGetSlot(hwnd, SLOT_DOWN);
    Label old(hwnd);
    LONG face = CCGetSlot(hwnd, SLOT_FACE);
    if (CCParseOptions(hwnd, text)) {
        InvalidateRect(hwnd, nullptr, FALSE);
        return;
    }
    // Drawn as the next paint will read it back.
    char label[BTN_LABEL_SIZE];
    CCCopyText(label, sizeof label, text);
    int w = (int)CCGetSlot(hwnd, SLOT_W), h = (int)CCGetSlot(hwnd, SLOT_H);
    int off = down ? 2 : 0;
    CCLabelDraw draws[2];
    if (IsWindowEnabled(hwnd)) {
        // Painted out where the pressed or normal look drew it.
        draws[0] = {old.text, face, face, off, off, w, h};
        draws[1] = {label, CCGetSlot(hwnd, SLOT_LABEL), face, off, off, w, h};
    } else {
        draws[0] = {old.text, COLOUR_DARK_GREY, COLOUR_DARK_GREY, 0, 0, w, h};
        draws[1] = {label, COLOUR_LIGHT_GREY, COLOUR_DARK_GREY, off, off, w, h};
    }
    CCLabel_Swap(hwnd, w, h, draws, 2);
    DefWindowProcA(hwnd, WM_SETTEXT, 0, (LPARAM)text);
}

LRESULT CCbtn_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CCTrace(msg, "Kerv_cc: CCbtn_Msg: WM_CREATE");
    PressId = GetWindowLongA(hwnd, GWL_ID);
    return ButtonMsg(KIND_BUTTON, hwnd, msg, wParam, lParam);
}

LRESULT CCbrowse_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CCTrace(msg, "Kerv_cc: CCbrowse_Msg: WM_CREATE");
    return ButtonMsg(KIND_BROWSE, hwnd, msg, wParam, lParam);
}

LRESULT CCtouch_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CCTrace(msg, "Kerv_cc: CCtouch_Msg: WM_CREATE");
    return ButtonMsg(KIND_TOUCH, hwnd, msg, wParam, lParam);
}
