// Dual LED button: a push button with a title band across its top carrying two
// 10 x 10 lamps (left slot 4, right slot 8) over a body that holds the label.
// Text label$font$flags: a second field of exactly "L" or "l" draws the label in
// the DC's own system font, anything else in the stock variable-pitch font.
// Presses go through the special library's press tracking (press.cpp).
#include <string.h>
#include "ccdraw.h"
#include "ccguards.h"
#include "ccsurface.h"
#include "ccslots.h"
#include "cctext.h"
#include "kerv_cc.h"
#include "press.h"
#include "s09_frame.h"

#define TWIN_BAND_H 22
#define TWIN_BODY_Y 20
#define TWIN_LAMP_X 8       // left lamp; the right one starts 18 from the right edge
#define TWIN_LAMP_RIGHT 18
#define TWIN_LAMP_Y 6
#define TWIN_SLOT_DOWNLOOK 65
#define TWIN_DISABLED_FACE 23
#define TWIN_DISABLED_TEXT 8

// One look: band or not, the body bevel from y = bodyY down (the label box is
// W x (H - bodyY)), the label offset, and where its colours come from.
struct TwinLook {
    bool band;
    bool offScreen;      // composed in a memory image (else on the window DC)
    int pressed;
    int bodyY;
    int tx, ty;
    bool stockFont;      // the variable-pitch font whatever the second field
    int bodySlot;        // body and label background; -1: the disabled grey
    int inkSlot;         // label colour; -1: the disabled light grey
    int rightLampSlot;
};

enum { TWIN_NORMAL, TWIN_PRESSED, TWIN_DISABLED };
static const TwinLook TWIN_LOOKS[] = {
    {true, true, 0, TWIN_BODY_Y, 0, TWIN_BODY_Y, false, 5, 6, 8},
    {true, true, 1, TWIN_BODY_Y, 2, TWIN_BODY_Y + 2, false, 5, 6, 8},
    // Disabled: no band; the right lamp shows the band colour.
    {false, false, 1, 0, 0, 0, true, -1, -1, 7},
};

static LONG BodyColour(const LONG *s, const TwinLook &l)
{
    return l.bodySlot < 0 ? TWIN_DISABLED_FACE : s[l.bodySlot];
}

static LONG InkColour(const LONG *s, const TwinLook &l)
{
    return l.inkSlot < 0 ? TWIN_DISABLED_TEXT : s[l.inkSlot];
}

// The stock variable-pitch font, or the DC's own (system) font when the second
// field asks for it ("L" or "l") and the look allows it.
static HGDIOBJ TwinFont(const TwinLook &l, const char *second)
{
    bool own = strcmp(second, "L") == 0 || strcmp(second, "l") == 0;
    return l.stockFont || !own ? GetStockObject(ANSI_VAR_FONT) : nullptr;
}

// Draws a whole look: band, body, left lamp, right lamp, label. The enabled
// looks are composed off screen and copied in one transfer (straight on the
// window DC when no memory image can be had).
static void DrawLook(HWND hwnd, int look)
{
    const TwinLook &l = TWIN_LOOKS[look];
    if (look != TWIN_DISABLED) CCSetSlot(hwnd, TWIN_SLOT_DOWNLOOK, look == TWIN_PRESSED);
    CC09Fields t;
    CC09_ReadFields(hwnd, &t);
    const LONG *s = CCSlotView(hwnd);
    int W = (int)s[0], H = (int)s[1];
    CCWindowImage img(hwnd, W, H, l.offScreen ? CC_COMPOSE : CC_STRAIGHT);
    if (!img.ok()) return;
    HDC dc = img.dc;
    LONG body = BodyColour(s, l);
    if (l.band) CCDraw_ThinBevel(dc, s[7], 0, 0, W, TWIN_BAND_H, 0);
    CCDraw_Bevel(dc, body, 0, l.bodyY, W, H - l.bodyY, l.pressed);
    CCDraw_Lamp(dc, s[4], TWIN_LAMP_X, TWIN_LAMP_Y);
    CCDraw_Lamp(dc, s[l.rightLampSlot], W - TWIN_LAMP_RIGHT, TWIN_LAMP_Y);
    CCUse font(dc, TwinFont(l, t.second));
    CCDraw_Text(dc, InkColour(s, l), body, W, H - l.bodyY, l.tx, l.ty, CCGetJustify(hwnd), t.raw);
}

static void CCdualled_Paint(HWND hwnd) { DrawLook(hwnd, TWIN_NORMAL); }
static void CCdualled_DrawDown(HWND hwnd) { DrawLook(hwnd, TWIN_PRESSED); }
static void CCdualled_DrawDisabled(HWND hwnd) { DrawLook(hwnd, TWIN_DISABLED); }

static const CC09PressKind TwinPress = {
    CCdualled_Paint,
    CCdualled_DrawDown,
    CCdualled_DrawDisabled,
    true,  // pressed look drawn when a press is taken
    true,  // the end of a press brings the normal look back at once
    CC09_OFFSET_PRESS_BIT,
    CC09_OFFSET_ODD_DECIMAL,
    false,    // browse mode by style 0x0100
    nullptr,  // nothing of its own when a press is taken
    nullptr,  // nor when it ends
    true,     // created with slot 76 = 1, which must not block the first press
};

// Paints the old label out where the look on screen shows it and draws the new
// one there, in the old text's font, off screen. False when nothing was drawn.
static bool DrawLabelChange(HWND hwnd, const CC09Fields &old, const char *label)
{
    const LONG *s = CCSlotView(hwnd);
    int look = !IsWindowEnabled(hwnd) ? TWIN_DISABLED : s[TWIN_SLOT_DOWNLOOK] == 1 ? TWIN_PRESSED : TWIN_NORMAL;
    const TwinLook &l = TWIN_LOOKS[look];
    int W = (int)s[0], H = (int)s[1], J = CCGetJustify(hwnd);
    LONG body = BodyColour(s, l);
    CCWindowImage img(hwnd, W, H, CC_COMPOSE_ONLY);
    if (!img.ok()) return false;
    CCUse font(img.dc, TwinFont(l, old.second));
    CCDraw_Text(img.dc, body, body, W, H - l.bodyY, l.tx, l.ty, J, old.label);
    CCDraw_Text(img.dc, InkColour(s, l), body, W, H - l.bodyY, l.tx, l.ty, J, label);
    return true;
}

// A new label (already cut to 59 characters) or an option text. A label change
// redraws only the label; where it cannot be drawn, or where the text replaces
// the font field instead of the label, the control is invalidated.
static void CCdualled_SetText(HWND hwnd, const char *text)
{
    char label[CC09_FIELD_TEXT];
    CC09_NewLabel(text, label);
    CC09Fields old;
    CC09_ReadFields(hwnd, &old);
    if (label[0] == '/') {
        CCParseOptions(hwnd, label);
        CCRepaintNow(hwnd, true, false);
        return;
    }
    bool drawn = (CCGetSlot(hwnd, 3) & 0xF) == 0 && DrawLabelChange(hwnd, old, label);
    CC09_StoreLabel(hwnd, old, label);
    if (!drawn) InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT CCdualled_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    switch (msg) {
    case WM_CREATE:
        CCSetSlot(hwnd, 4, 1);
        CCSetSlot(hwnd, 7, 8);
        CCSetSlot(hwnd, 8, 2);
        CC09Press_Create(hwnd);
        CCSetSlot(hwnd, CC09_SLOT_STATE, 1);
        CCSetSlot(hwnd, TWIN_SLOT_DOWNLOOK, 0);
        return 0;
    case WM_SETTEXT:
        CCdualled_SetText(hwnd, CC09Text(lParam).s);
        return 1;
    default:
        if (CC09Press_Message(hwnd, msg, wParam, lParam, &TwinPress, &result)) return result;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
