// Font buttons: push buttons whose label is drawn in the font that the aux field
// of their text names (label$face,size$flags). Font Button (kind 1), Font Button
// 95 (kind 5) and Chunky Font Btn (kind 7) are one mechanism: their faces, label
// box and few differences are one table row each; the press is the special
// library's per-window press tracking.
#include <string.h>
#include "ccdraw.h"
#include "ccguards.h"
#include "ccsurface.h"
#include "ccslots.h"
#include "letterkey.h"
#include "kerv_cc.h"
#include "press.h"
#include "s09_frame.h"

#define FONT_TEXT 256
#define FONT_PITCH_FAMILY 34  // variable pitch, Swiss family
#define FONT_SLOT_DOWNLOOK 65

enum { FACE_BEVEL, FACE_THIN, FACE_FRAME };
static const LONG SLOT_FACE = -1, SLOT_TEXT = -2;  // look colours taken from slots 5 and 6
static const LONG DARKGREY = 7, LIGHTGREY = 8;

// One look: the face routine on the rectangle (x, y, W + dw, H + dh) and the
// label at (tx, ty) in a box W - inset wide and H high.
struct FontLook {
    int face;
    LONG colour;
    int pressed;
    int x, y, dw, dh;
    LONG text, bk;
    int tx, ty;
};

struct FontKind {
    FontLook normal, down, disabled;
    int inset;            // label box is W - inset wide
    bool stockAuxText;    // face "AuxText" means the stock variable-pitch font
    bool keepsDownLook;   // slot 65 tells whether the pressed look is on screen
    bool drawsChange;     // an enabled label change draws the new label at once
    bool repaintsChange;  // a stored label change invalidates the control
    bool updatesOptions;  // an option text is shown at once (UpdateWindow)
    LONG frameColour;     // slot 4 at creation, -1: left alone
    const CC09PressKind *press;
};

static void CCfont_Paint(HWND hwnd);
static void CCfont_DrawDown(HWND hwnd);
static void CCfont_DrawDisabled(HWND hwnd);
static void CCfont95_Paint(HWND hwnd);
static void CCfont95_DrawDown(HWND hwnd);
static void CCfont95_DrawDisabled(HWND hwnd);
static void CCchunky_Paint(HWND hwnd);
static void CCchunky_DrawDown(HWND hwnd);
static void CCchunky_DrawDisabled(HWND hwnd);

static const CC09PressKind FONT_PRESS = {CCfont_Paint, CCfont_DrawDown, CCfont_DrawDisabled, true, true,
                                         CC09_OFFSET_ODD_DECIMAL, CC09_OFFSET_ODD_DECIMAL};
static const CC09PressKind FONT95_PRESS = {CCfont95_Paint, CCfont95_DrawDown, CCfont95_DrawDisabled, true, true,
                                           CC09_OFFSET_PRESS_BIT, CC09_OFFSET_ODD_DECIMAL};
static const CC09PressKind CHUNKY_PRESS = {CCchunky_Paint, CCchunky_DrawDown, CCchunky_DrawDisabled, true, true,
                                           CC09_OFFSET_PRESS_BIT, CC09_OFFSET_ODD_DECIMAL};

static const FontKind FONT_KIND = {
    {FACE_BEVEL, SLOT_FACE, 0, 0, 0, 0, 0, SLOT_TEXT, SLOT_FACE, 0, 0},
    {FACE_BEVEL, SLOT_FACE, 1, 0, 0, 0, 0, SLOT_TEXT, SLOT_FACE, 2, 2},
    {FACE_BEVEL, DARKGREY, 1, 0, 0, 0, 0, LIGHTGREY, DARKGREY, 0, 0},
    0, false, true, true, false, true, -1, &FONT_PRESS,
};
// Normal look: only the bottom and right edges show; pressed: only top and left.
static const FontKind FONT95_KIND = {
    {FACE_THIN, SLOT_FACE, 0, -1, -1, 1, 1, SLOT_TEXT, SLOT_FACE, 0, 0},
    {FACE_THIN, SLOT_FACE, 1, 0, 0, 1, 1, SLOT_TEXT, SLOT_FACE, 2, 2},
    {FACE_THIN, DARKGREY, 0, 0, 0, 0, 0, LIGHTGREY, DARKGREY, 0, 0},
    0, true, true, false, true, true, -1, &FONT95_PRESS,
};
// Pressed look: the outer border and the bottom and right edges fall outside.
static const FontKind CHUNKY_KIND = {
    {FACE_FRAME, SLOT_FACE, 0, 0, 0, 0, 0, SLOT_TEXT, SLOT_FACE, 4, 0},
    {FACE_FRAME, SLOT_FACE, 1, -1, -1, 3, 3, SLOT_TEXT, SLOT_FACE, 6, 2},
    {FACE_BEVEL, DARKGREY, 1, 0, 0, 0, 0, LIGHTGREY, DARKGREY, 4, 0},
    8, false, false, true, true, false, LIGHTGREY, &CHUNKY_PRESS,
};

int CCfont_ParseAux(const char *aux, char face[CCFONT_FACE_MAX + 1])
{
    return CCfont_ParseFaceSize(aux, face, CCFONT_DEFAULT_POINTS);
}

int CCfont_ParseFaceSize(const char *aux, char face[CCFONT_FACE_MAX + 1], int fallbackPoints)
{
    face[0] = '\0';
    if (!aux) return fallbackPoints;
    const char *comma = strchr(aux, ',');
    size_t n = comma ? (size_t)(comma - aux) : strlen(aux);
    if (n > CCFONT_FACE_MAX) n = CCFONT_FACE_MAX;
    memcpy(face, aux, n);
    face[n] = '\0';
    if (strcmp(face, " ") == 0) strcpy(face, "Arial");
    int points = 0;
    if (comma) {
        const char *p = comma + 1;
        while (*p == ' ') p++;
        points = (int)CCParseInt32(p);
    }
    if (points <= 0) return fallbackPoints;
    return points > CCFONT_MAX_POINTS ? CCFONT_MAX_POINTS : points;
}

// The face and size of a text's aux field; stock: the kind draws "AuxText" in
// the stock font.
struct AuxFont {
    char face[CCFONT_FACE_MAX + 1];
    int points;
    bool stock;
};

static AuxFont AuxFontOf(const FontKind &k, const char *text)
{
    AuxFont f;
    char aux[FONT_TEXT];
    CCCopyField(text, 1, aux, sizeof aux, nullptr);
    size_t n = 0;
    f.points = CCfont_ParseAux(CCFindField(text, 1, &n) ? aux : nullptr, f.face);
    f.stock = k.stockAuxText && strcmp(f.face, "AuxText") == 0;
    return f;
}

static LONG LookColour(const LONG *s, LONG c)
{
    return c == SLOT_FACE ? s[5] : c == SLOT_TEXT ? s[6] : c;
}

static void DrawFace(HWND hwnd, HDC dc, const FontLook &l, int W, int H)
{
    LONG c = LookColour(CCSlotView(hwnd), l.colour);
    int w = W + l.dw, h = H + l.dh;
    if (l.face == FACE_BEVEL) CCDraw_Bevel(dc, c, l.x, l.y, w, h, l.pressed);
    else if (l.face == FACE_THIN) CCDraw_ThinBevel(dc, c, l.x, l.y, w, h, l.pressed);
    else CCDraw_FrameBevel(hwnd, dc, c, l.x, l.y, w, h, l.pressed);
}

// A look on the window: face and label, composed off screen when asked (and when
// the memory image can be had), else straight on the window DC.
static void ShowLook(HWND hwnd, const FontKind &k, const FontLook &l, bool offScreen)
{
    const LONG *s = CCSlotView(hwnd);
    int W = (int)s[0], H = (int)s[1];
    char text[FONT_TEXT];
    CCReadText(hwnd, text, sizeof text);
    CCWindowImage img(hwnd, W, H, offScreen ? CC_COMPOSE : CC_STRAIGHT);
    if (!img.win.dc) return;
    HDC dc = img.ok() ? img.dc : img.win.dc;
    DrawFace(hwnd, dc, l, W, H);
    AuxFont f = AuxFontOf(k, text);
    CCDrawFont font(dc, f.stock ? nullptr : f.face, f.points, FONT_PITCH_FAMILY);
    CCDraw_Text(dc, LookColour(s, l.text), LookColour(s, l.bk), W - k.inset, H, l.tx, l.ty, CCGetJustify(hwnd), text);
}

static void Normal(HWND hwnd, const FontKind &k)
{
    if (k.keepsDownLook) CCSetSlot(hwnd, FONT_SLOT_DOWNLOOK, 0);
    ShowLook(hwnd, k, k.normal, true);
}

static void Down(HWND hwnd, const FontKind &k)
{
    if (k.keepsDownLook) CCSetSlot(hwnd, FONT_SLOT_DOWNLOOK, 1);
    ShowLook(hwnd, k, k.down, true);
}

static void CCfont_Paint(HWND hwnd) { Normal(hwnd, FONT_KIND); }
static void CCfont_DrawDown(HWND hwnd) { Down(hwnd, FONT_KIND); }
static void CCfont_DrawDisabled(HWND hwnd) { ShowLook(hwnd, FONT_KIND, FONT_KIND.disabled, false); }
static void CCfont95_Paint(HWND hwnd) { Normal(hwnd, FONT95_KIND); }
static void CCfont95_DrawDown(HWND hwnd) { Down(hwnd, FONT95_KIND); }
static void CCfont95_DrawDisabled(HWND hwnd) { ShowLook(hwnd, FONT95_KIND, FONT95_KIND.disabled, false); }
static void CCchunky_Paint(HWND hwnd) { Normal(hwnd, CHUNKY_KIND); }
static void CCchunky_DrawDown(HWND hwnd) { Down(hwnd, CHUNKY_KIND); }
static void CCchunky_DrawDisabled(HWND hwnd) { ShowLook(hwnd, CHUNKY_KIND, CHUNKY_KIND.disabled, false); }

// Label change: the old label is painted out and the new one drawn where the
// look on screen has its label, in the font of the old text; the new label
// replaces the field the variant shows, aux field and flags character stay.
static void SetText(HWND hwnd, const FontKind &k, const char *newText)
{
    char label[FONT_TEXT];
    CCCopyField(newText, 0, label, sizeof label, " ");  // no field at all: no label
    char old[FONT_TEXT];
    int n = CCReadText(hwnd, old, sizeof old);
    char flags[2] = {n > 0 ? old[n - 1] : '\0', '\0'};
    char oldLabel[FONT_TEXT], oldAux[FONT_TEXT];
    CCCopyField(old, 0, oldLabel, sizeof oldLabel, " ");
    CCCopyField(old, 1, oldAux, sizeof oldAux, " ");

    if (CCParseOptions(hwnd, newText)) {
        InvalidateRect(hwnd, nullptr, FALSE);
        if (k.updatesOptions) UpdateWindow(hwnd);
        return;
    }

    // A change of the aux field (variant not 0) brings a new font: the whole
    // look is repainted from the stored text instead.
    bool enabled = IsWindowEnabled(hwnd) != 0;
    bool labelShown = (CCGetSlot(hwnd, 3) & 0xF) == 0;
    if (!labelShown) {
        InvalidateRect(hwnd, nullptr, FALSE);
    } else if (!enabled || k.drawsChange) {
        const LONG *s = CCSlotView(hwnd);
        int W = (int)s[0], H = (int)s[1];
        CCWindowImage img(hwnd, W, H, CC_COMPOSE_ONLY);
        if (img.ok()) {
            bool downLook = k.keepsDownLook && s[FONT_SLOT_DOWNLOOK] != 0;
            const FontLook &l = !enabled ? k.disabled : downLook ? k.down : k.normal;
            LONG fg = LookColour(s, l.text), bk = LookColour(s, l.bk);
            int J = CCGetJustify(hwnd);
            AuxFont f = AuxFontOf(k, old);
            CCDrawFont font(img.dc, f.stock ? nullptr : f.face, f.points, FONT_PITCH_FAMILY);
            CCDraw_Text(img.dc, bk, bk, W - k.inset, H, l.tx, l.ty, J, oldLabel);
            CCDraw_Text(img.dc, fg, bk, W - k.inset, H, l.tx, l.ty, J, label);
        } else {
            // Nothing could be drawn: the next paint shows the stored text.
            InvalidateRect(hwnd, nullptr, FALSE);
        }
    }

    char joined[FONT_TEXT];
    CCJoinFields(hwnd, joined, sizeof joined, oldLabel, label, oldAux, flags);
    DefWindowProcA(hwnd, WM_SETTEXT, 0, (LPARAM)joined);
    if (k.repaintsChange) InvalidateRect(hwnd, nullptr, FALSE);
}

static LRESULT Handle(const FontKind &k, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    switch (msg) {
    case WM_CREATE:
        CC09Press_Create(hwnd);
        if (k.keepsDownLook) CCSetSlot(hwnd, FONT_SLOT_DOWNLOOK, 0);
        if (k.frameColour >= 0) CCSetSlot(hwnd, 4, k.frameColour);
        return 0;
    case WM_SETTEXT: {
        char copy[FONT_TEXT];
        CCCopyText(copy, sizeof copy, (const char *)lParam);
        SetText(hwnd, k, copy);
        return 1;
    }
    default:
        if (CC09Press_Message(hwnd, msg, wParam, lParam, k.press, &result)) return result;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT CCfont_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return Handle(FONT_KIND, hwnd, msg, wParam, lParam);
}

LRESULT CCfont95_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return Handle(FONT95_KIND, hwnd, msg, wParam, lParam);
}

LRESULT CCchunky_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return Handle(CHUNKY_KIND, hwnd, msg, wParam, lParam);
}
