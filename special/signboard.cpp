// Font display: a read-out panel showing the first field of its text in the
// typeface the second field names as face,size (14 points when no size is
// given), slot 8 on slot 7, with a one-pixel edge that is sunken, raised (style
// 0x80) or hidden (style 0x40). It has one look: presses change nothing on the
// screen but are reported as the flags character asks (press.cpp).
#include <string.h>
#include "ccdraw.h"
#include "ccguards.h"
#include "ccsurface.h"
#include "ccslots.h"
#include "cctext.h"
#include "letterkey.h"
#include "kerv_cc.h"
#include "press.h"
#include "s09_frame.h"

#define PANEL_POINTS 14
#define PANEL_PITCH 34  // variable pitch, Swiss family
#define PANEL_STYLE_HIDDEN 0x40
#define PANEL_STYLE_RAISED 0x80
#define PANEL_DISABLED_FACE 23
#define PANEL_DISABLED_TEXT 8
// The face whose label sits size / 10 pixels lower.
#define PANEL_LOW_FACE "LIQUIDCRYSTAL"

// The face and size of a "face,size" field, and how far the label moves down
// in that face.
struct PanelFont {
    char face[CCFONT_FACE_MAX + 1];
    int points;
    int yoff;
};

static PanelFont PanelFontOf(const char *field)
{
    PanelFont f;
    f.points = CCfont_ParseFaceSize(field[0] ? field : nullptr, f.face, PANEL_POINTS);
    f.yoff = strcmp(f.face, PANEL_LOW_FACE) == 0 ? (int)((double)f.points * 0.1) : 0;
    return f;
}

// The panel and its label. Enabled: the thin bevel in slot 7 lying one pixel
// outside the client area (two with the edge hidden), composed off screen
// (straight on the window DC when no memory image can be had). Disabled: a
// grey pressed bevel, on the window DC.
static void DrawPanel(HWND hwnd, bool enabled)
{
    CC09Fields t;
    CC09_ReadFields(hwnd, &t);
    const LONG *s = CCSlotView(hwnd);
    int W = (int)s[0], H = (int)s[1];
    LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    CCWindowImage img(hwnd, W, H, enabled ? CC_COMPOSE : CC_STRAIGHT);
    if (!img.ok()) return;
    HDC dc = img.dc;
    LONG face = s[7], ink = s[8];
    if (enabled) {
        int b = (style & PANEL_STYLE_HIDDEN) ? 1 : 0;
        CCDraw_ThinBevel(dc, face, -1 - b, -1 - b, W + 2 + 2 * b, H + 2 + 2 * b,
                         (style & PANEL_STYLE_RAISED) ? 0 : 1);
    } else {
        face = PANEL_DISABLED_FACE;
        ink = PANEL_DISABLED_TEXT;
        CCDraw_Bevel(dc, face, 0, 0, W, H, 1);
    }
    PanelFont f = PanelFontOf(t.second);
    CCDrawFont font(dc, f.face, f.points, PANEL_PITCH);
    CCDraw_Text(dc, ink, face, W, H, 0, f.yoff, CCGetJustify(hwnd), t.raw);
}

static void CCfontdisp_Paint(HWND hwnd) { DrawPanel(hwnd, true); }
static void CCfontdisp_DrawDisabled(HWND hwnd) { DrawPanel(hwnd, false); }

static const CC09PressKind PanelPress = {
    CCfontdisp_Paint,
    nullptr,  // no pressed look
    CCfontdisp_DrawDisabled,
    false,
    false,
    CC09_OFFSET_PRESS_BIT,
    CC09_OFFSET_ODD_DECIMAL,
    false,    // browse mode by style 0x0100
    nullptr,  // nothing of its own when a press is taken
    nullptr,  // nor when it ends
    true,     // a press in progress blocks the next only while latched
    true,  // one look: paints end a press whose pointer left, ends repaint nothing
};

// Paints the old label out and draws the new one in its place, in the old
// text's font, off screen.
static void DrawLabelChange(HWND hwnd, const CC09Fields &old, const char *label)
{
    const LONG *s = CCSlotView(hwnd);
    int W = (int)s[0], H = (int)s[1], J = CCGetJustify(hwnd);
    bool enabled = IsWindowEnabled(hwnd) != 0;
    LONG face = enabled ? s[7] : PANEL_DISABLED_FACE, ink = enabled ? s[8] : PANEL_DISABLED_TEXT;
    CCWindowImage img(hwnd, W, H, CC_COMPOSE_ONLY);
    if (!img.ok()) return;
    PanelFont f = PanelFontOf(old.second);
    CCDrawFont font(img.dc, f.face, f.points, PANEL_PITCH);
    CCDraw_Text(img.dc, face, face, W, H, 0, f.yoff, J, old.label);
    CCDraw_Text(img.dc, ink, face, W, H, 0, f.yoff, J, label);
}

// A new label or font field (already cut to 59 characters), or an
// option text; the panel is repainted at the next paint either way.
static void CCfontdisp_SetText(HWND hwnd, const char *text)
{
    char label[CC09_FIELD_TEXT];
    CC09_NewLabel(text, label);
    CC09Fields old;
    CC09_ReadFields(hwnd, &old);
    if (label[0] == '/') {
        CCParseOptions(hwnd, label);
    } else {
        // Only a new label is drawn at once; a new font waits for the paint.
        if ((CCGetSlot(hwnd, 3) & 0xF) == 0) DrawLabelChange(hwnd, old, label);
        CC09_StoreLabel(hwnd, old, label);
    }
    InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT CCfontdisp_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    switch (msg) {
    case WM_CREATE:
        CC09Press_Create(hwnd);
        CCSetSlot(hwnd, 7, 8);
        CCSetSlot(hwnd, 8, 0);
        return 0;
    case WM_SETTEXT:
        CCfontdisp_SetText(hwnd, CC09Text(lParam).s);
        return 1;
    default:
        if (CC09Press_Message(hwnd, msg, wParam, lParam, &PanelPress, &result)) return result;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
