// LED display: the first field of the text in the Dot-Matrix face, by default
// red on black in a sunken one-pixel frame; the second field is the size in
// points. Clicks are reported as the flags character asks (press tracking in
// press.cpp).
#include <string.h>
#include "ccdraw.h"
#include "ccguards.h"
#include "ccsurface.h"
#include "ccslots.h"
#include "cctext.h"
#include "kerv_cc.h"
#include "press.h"
#include "s09_frame.h"

#define LED_FACE "Dot-Matrix"
#define LED_PITCH 34
#define LED_POINTS 14
// Largest size drawn; larger figures are taken as this.
#define LED_POINTS_MAX 200
#define LED_DISABLED_FACE 23
#define LED_DISABCC09_FIELD_TEXT 8

// Size in points from the second field: absent, 0, negative or no number give
// 14; figures beyond what can be drawn are cut to LED_POINTS_MAX.
static int Points(const char *second)
{
    int32_t s = CCParseInt32(second);
    if (s <= 0) return LED_POINTS;
    return s > LED_POINTS_MAX ? LED_POINTS_MAX : (int)s;
}

// Text offset k = S x 0.15 in double precision, truncated.
static int Inset(int points) { return (int)((double)points * 0.15); }

// Normal (pressed = false) or pressed face, composed off screen.
static void DrawFace(HWND hwnd, bool pressed)
{
    const LONG *s = CCSlotView(hwnd);
    int w = (int)s[0], h = (int)s[1];
    LONG face = s[5], ink = s[6];
    int justify = CCGetJustify(hwnd);
    CC09Fields t;
    CC09_ReadFields(hwnd, &t);
    int points = Points(t.second);
    CCWindowImage img(hwnd, w, h, CC_COMPOSE_ONLY);
    if (!img.ok()) return;
    CCDrawFont font(img.dc, pressed ? nullptr : LED_FACE, points, LED_PITCH);
    int off = pressed ? 2 : Inset(points);
    // The panel lies one pixel outside the client area: only its edge shows.
    CCDraw_ThinBevel(img.dc, face, -1, -1, w + 2, h + 2, 1);
    CCDraw_Text(img.dc, ink, face, w, h, off, off, justify, t.raw);
}

static void CCledisp_Paint(HWND hwnd) { DrawFace(hwnd, false); }
static void CCledisp_DrawDown(HWND hwnd) { DrawFace(hwnd, true); }

// Disabled face, straight on the window DC.
static void CCledisp_DrawDisabled(HWND hwnd)
{
    int w = (int)CCGetSlot(hwnd, 0), h = (int)CCGetSlot(hwnd, 1);
    CC09Fields t;
    CC09_ReadFields(hwnd, &t);
    CCWindowDC win(hwnd);
    if (!win.dc) return;
    CCDrawFont font(win.dc, LED_FACE, LED_POINTS, LED_PITCH);
    CCDraw_Bevel(win.dc, LED_DISABLED_FACE, 0, 0, w, h, 1);
    CCDraw_Text(win.dc, LED_DISABCC09_FIELD_TEXT, LED_DISABLED_FACE, w, h, 0, 0, CCGetJustify(hwnd), t.raw);
}

static const CC09PressKind LedPress = {
    CCledisp_Paint,
    CCledisp_DrawDown,
    CCledisp_DrawDisabled,
    false,  // nothing drawn when a press is taken
    false,  // the end of a press only invalidates: safe inside WM_PAINT
    CC09_OFFSET_PRESS_BIT,
    CC09_OFFSET_ODD_DECIMAL,
};

// Paints the old label out and draws the new one in its place, off screen.
static void DrawLabelChange(HWND hwnd, const CC09Fields &old, const char *label)
{
    const LONG *s = CCSlotView(hwnd);
    int w = (int)s[0], h = (int)s[1];
    LONG face = s[5], ink = s[6];
    bool enabled = IsWindowEnabled(hwnd) != 0;
    if (!enabled) {
        face = LED_DISABLED_FACE;
        ink = LED_DISABCC09_FIELD_TEXT;
    }
    int justify = CCGetJustify(hwnd);
    int points = Points(old.second), k = Inset(points);
    CCWindowImage img(hwnd, w, h, CC_COMPOSE_ONLY);
    if (!img.ok()) return;
    CCDrawFont font(img.dc, LED_FACE, points, LED_PITCH);
    CCDraw_Text(img.dc, face, face, w, h, k, k, justify, old.label);
    CCDraw_Text(img.dc, ink, face, w, h, k, k, justify, label);
}

// A new label (already cut to 59 characters) or an option text.
static void CCledisp_SetText(HWND hwnd, const char *text)
{
    char label[CC09_FIELD_TEXT];
    CC09_NewLabel(text, label);
    CC09Fields old;
    CC09_ReadFields(hwnd, &old);
    LONG variant = CCGetSlot(hwnd, 3) & 0xF;
    if (label[0] == '/') {
        CCParseOptions(hwnd, label);
    } else {
        DrawLabelChange(hwnd, old, label);
        CC09_StoreLabel(hwnd, old, label);
    }
    InvalidateRect(hwnd, nullptr, FALSE);
    if (variant == 0) UpdateWindow(hwnd);
}

LRESULT CCledisp_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    switch (msg) {
    case WM_CREATE:
        CCSetSlot(hwnd, 5, 0);
        CCSetSlot(hwnd, 6, 9);
        CC09Press_Create(hwnd);
        return 0;
    case WM_SETTEXT:
        CCledisp_SetText(hwnd, CC09Text(lParam).s);
        return 1;
    default:
        if (CC09Press_Message(hwnd, msg, wParam, lParam, &LedPress, &result)) return result;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
