// Vertical and horizontal faders: a bar split at a knob line into a filled and an
// empty part. One routine serves both; the differences are the two kind tables.
#include "kinds.h"
#include "common.h"
#include "ccaccess.h"
#include "ccguards.h"
#include "ccdraw.h"
#include "ccslots.h"
#include "ccsurface.h"
#include "fader_map.h"
#include "press.h"
#include "std_frame.h"

enum {
    FADER_SLOT_VARIANT = 3,
    FADER_SLOT_FRAME = 4,
    FADER_SLOT_KNOB = 5,
    FADER_SLOT_EMPTY = 7,
    FADER_SLOT_FILLED = 9,
    FADER_SLOT_BLOCK = 13,
};
static const LONG FADER_DARKGREY = 7, FADER_LIGHTGREY = 8;
static const WORD CC_VFADE_STYLE = 0x0400, CC_HFADE_STYLE = 0x0800;

struct FaderKind {
    const char *trace;
    FaderRecord *work;  // the library-wide working record of this kind
    int vertical;       // knob along y, minimum at the bottom; else along x, minimum at the left
    int updateOnPress;  // a press repaints at once
};

// Working records: every operation loads a fader's block here and stores it back.
static FaderRecord CCvfade_Work = {50, 1, 100, 0};
static FaderRecord CChfade_Work = {50, 1, 100, 0};

static const FaderKind VFADE = {"Kerv_cc: CCvfade_Msg: WM_CREATE", &CCvfade_Work, 1, 1};
static const FaderKind HFADE = {"Kerv_cc: CChfade_Msg: WM_CREATE", &CChfade_Work, 0, 0};

static HGLOBAL CCfade_Block(HWND hwnd) { return CCGetHandleSlot(hwnd, FADER_SLOT_BLOCK); }

// Block to working record; a fader without a block works on the default record.
static void CCfade_Load(HWND hwnd, const FaderKind &k)
{
    HGLOBAL h = CCfade_Block(hwnd);
    const FaderRecord *p = h ? (const FaderRecord *)GlobalLock(h) : nullptr;
    *k.work = p ? *p : CC_FADER_DEFAULT;
    if (p) GlobalUnlock(h);
}

static void CCfade_Store(HWND hwnd, const FaderKind &k)
{
    HGLOBAL h = CCfade_Block(hwnd);
    FaderRecord *p = h ? (FaderRecord *)GlobalLock(h) : nullptr;
    if (!p) return;
    *p = *k.work;
    GlobalUnlock(h);
}

static void CCfade_Free(HWND hwnd)
{
    HGLOBAL h = CCfade_Block(hwnd);
    if (!h) return;
    CCSetHandleSlot(hwnd, FADER_SLOT_BLOCK, nullptr);
    GlobalFree(h);
}

// Length of the fader along its knob axis, from the client rectangle.
static int32_t CCfade_Length(HWND hwnd, const FaderKind &k)
{
    RECT rc = {0, 0, 0, 0};
    GetClientRect(hwnd, &rc);
    return k.vertical ? rc.bottom : rc.right;
}

// Pointer coordinate along the knob axis (unsigned 16-bit word of lParam).
static int32_t CCfade_Coord(LPARAM lParam, const FaderKind &k)
{
    return k.vertical ? (unsigned short)HIWORD(lParam) : (unsigned short)LOWORD(lParam);
}

// Creation and style change. A style change keeps the block it already has.
static void CCfade_Init(HWND hwnd, const FaderKind &k, UINT msg, int W, int H)
{
    CCTrace(msg, k.trace);
    CCSetSlot(hwnd, 0, W);
    CCSetSlot(hwnd, 1, H);
    CCSetSlot(hwnd, 2, 1);
    CCSetSlot(hwnd, FADER_SLOT_KNOB, 0);
    CCSetSlot(hwnd, FADER_SLOT_EMPTY, 2);
    CCSetSlot(hwnd, FADER_SLOT_FILLED, 10);
    CCSetSlot(hwnd, FADER_SLOT_FRAME, 0);
    CCSetSlot(hwnd, FADER_SLOT_VARIANT, 0);
    if (!CCfade_Block(hwnd)) {
        HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(FaderRecord));
        CCSetHandleSlot(hwnd, FADER_SLOT_BLOCK, h);
        if (h && CCfade_Block(hwnd) != h) GlobalFree(h);  // no slot block to keep it in
    }
    *k.work = CC_FADER_DEFAULT;
    CCfade_Store(hwnd, k);
}

static int ClampInt(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

// A box given along the knob axis (a, length la) and across it (c, length lc).
static void CCfade_Box(HDC dc, const FaderKind &k, LONG colour, int a, int la, int c, int lc)
{
    if (k.vertical) CCDraw_Box(dc, colour, c, a, lc, la);
    else CCDraw_Box(dc, colour, a, c, la, lc);
}

// Empty part, filled part, knob line, frame. The part after the knob reaches at
// least the far edge, so a knob at or beyond the near edge shows the bar whole.
static void CCfade_Draw(HWND hwnd, HDC dc, const FaderKind &k, bool enabled)
{
    const int maxSize = 0x7FFF;
    const LONG *s = CCSlotView(hwnd);  // one look-up for the six slots read here
    int W = ClampInt((int)s[0], 0, maxSize), H = ClampInt((int)s[1], 0, maxSize);
    int L = k.vertical ? H : W, A = k.vertical ? W : H;
    // Beyond one pixel outside the control every knob position draws alike.
    int P = (int)(k.work->position < -1 ? -1 : k.work->position > L + 1 ? L + 1 : k.work->position);
    LONG empty = enabled ? s[FADER_SLOT_EMPTY] : FADER_DARKGREY;
    LONG filled = enabled ? s[FADER_SLOT_FILLED] : FADER_LIGHTGREY;
    LONG knob = enabled ? s[FADER_SLOT_KNOB] : FADER_DARKGREY;
    LONG frame = enabled ? s[FADER_SLOT_FRAME] : FADER_DARKGREY;
    int afterLen = L - 2 > L - P ? L - 2 : L - P;
    // Vertical: empty above the knob, filled below. Horizontal: filled left, empty right.
    if (k.vertical) {
        CCfade_Box(dc, k, empty, 1, P, 1, A - 2);
        CCfade_Box(dc, k, filled, P, afterLen, 1, A - 2);
    } else {
        CCfade_Box(dc, k, empty, P, afterLen, 1, A - 2);
        CCfade_Box(dc, k, filled, 1, P, 1, A - 2);
    }
    if (k.vertical) CCDraw_Line(dc, 1, P, A - 1, P, knob);
    else CCDraw_Line(dc, P, 1, P, A - 1, knob);
    CCDraw_Outline(dc, 0, 0, W, H, frame);
}

static void CCfade_Paint(HWND hwnd, const FaderKind &k)
{
    PAINTSTRUCT ps;
    HDC dc = CCBeginPaint(hwnd, &ps);
    CCfade_Load(hwnd, k);
    if (dc) CCfade_Draw(hwnd, dc, k, IsWindowEnabled(hwnd) != 0);
    CCEndPaint(hwnd, &ps);
}

// WM_SETTEXT: an option text sets colours or the variant; any other text is a
// number for the field the variant names. The parent is not notified.
static void CCfade_SetText(HWND hwnd, const FaderKind &k, const char *text)
{
    if (!text) text = "";
    if (!CCParseOptions(hwnd, text)) {
        CCfade_Load(hwnd, k);
        CCFader_SetNumber(k.work, (int)(CCGetSlot(hwnd, FADER_SLOT_VARIANT) & 0xF), text, CCfade_Length(hwnd, k),
                          k.vertical);
        CCfade_Store(hwnd, k);
    }
    InvalidateRect(hwnd, nullptr, FALSE);
}

static LRESULT CCfade_GetText(HWND hwnd, const FaderKind &k, WPARAM size, char *buf)
{
    CCfade_Load(hwnd, k);
    return (LRESULT)CCFader_GetText(k.work, (int)(CCGetSlot(hwnd, FADER_SLOT_VARIANT) & 0xF), buf, size);
}

static void CCfade_Press(HWND hwnd, const FaderKind &k, LPARAM lParam)
{
    PressState = 1;
    SetCapture(hwnd);
    CCfade_Load(hwnd, k);
    CCFader_Point(k.work, CCfade_Length(hwnd, k), CCfade_Coord(lParam, k), k.vertical);
    CCfade_Store(hwnd, k);
    CCNotify(hwnd);
    if (!IsWindow(hwnd)) return;
    InvalidateRect(hwnd, nullptr, FALSE);
    if (k.updateOnPress) UpdateWindow(hwnd);
}

// A drag step to knob coordinate c (the working record loaded): the knob moves
// there, is shown at once, and the parent is notified; nothing when it is there.
static void CCfade_Step(HWND hwnd, const FaderKind &k, int32_t c)
{
    if (c == k.work->position) return;
    if (!CCFader_Point(k.work, CCfade_Length(hwnd, k), c, k.vertical)) return;
    CCfade_Store(hwnd, k);
    CCRepaintNow(hwnd, false);  // the moved knob shown at once
    CCNotify(hwnd);
}

// Keyboard move: a drag step `steps` pixels toward the maximum, kept within the
// coordinates 0 to the length, whose ends map to the minimum and the maximum.
static void CCfade_Key(HWND hwnd, const FaderKind &k, int steps)
{
    int32_t L = CCfade_Length(hwnd, k);
    if (L <= 0) return;
    CCfade_Load(hwnd, k);
    // Toward the maximum is up (smaller y) on a vertical fader, right on a horizontal one.
    long long c = k.work->position < 0 ? 0 : k.work->position > L ? L : k.work->position;
    if (steps == CC_KEY_TO_MAX || steps == CC_KEY_TO_MIN) c = (steps == CC_KEY_TO_MAX) == (k.vertical != 0) ? 0 : L;
    else c += k.vertical ? -steps : steps;
    CCfade_Step(hwnd, k, (int32_t)(c < 0 ? 0 : c > L ? L : c));
}

static bool CCfade_Value(HWND hwnd, const FaderKind &k, long *value)
{
    CCfade_Load(hwnd, k);
    *value = k.work->value;
    return true;
}

// Leaving the fader ends the drag for good; inside, every change of the knob
// coordinate moves the knob and notifies. Only the fader holding the capture drags.
static void CCfade_Move(HWND hwnd, const FaderKind &k, LPARAM lParam)
{
    if (GetCapture() != hwnd) return;
    if (!CCPress_Inside(hwnd, lParam)) {
        ReleaseCapture();
        PressState = 0;
        return;
    }
    if (PressState != 1) return;
    CCfade_Load(hwnd, k);
    CCfade_Step(hwnd, k, CCfade_Coord(lParam, k));
}

static void CCfade_Release(HWND hwnd, const FaderKind &k)
{
    if (PressState == 1) {
        ReleaseCapture();
        PressState = 0;
    }
    CCfade_Load(hwnd, k);
    CCNotify(hwnd);
    CCRepaintNow(hwnd);
}

static LRESULT CCfade_Msg(const FaderKind &k, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE:
    case WM_STYLECHANGING:
    case WM_STYLECHANGED: {
        LONG w, h;
        CCCreationSize(hwnd, msg, lParam, &w, &h);
        CCfade_Init(hwnd, k, msg, w, h);
        // Turning into a kind that is no fader: the record's block goes with it.
        if (msg == WM_STYLECHANGING && wParam == (WPARAM)GWL_STYLE && lParam) {
            WORD kind = LOWORD(((const STYLESTRUCT *)lParam)->styleNew);
            if (kind != CC_VFADE_STYLE && kind != CC_HFADE_STYLE) CCfade_Free(hwnd);
        }
        return 0;
    }
    case WM_SIZE:
        CCStoreSize(hwnd, lParam);
        return 0;
    case WM_ENABLE:
        CCEnable(hwnd, wParam, nullptr);
        return 0;
    case WM_SETTEXT:
        CCfade_SetText(hwnd, k, (const char *)lParam);
        return 0;
    case WM_GETTEXT:
        return CCfade_GetText(hwnd, k, wParam, (char *)lParam);
    case WM_PAINT:
        CCfade_Paint(hwnd, k);
        return 0;
    case WM_CLOSE:
        CCfade_Free(hwnd);
        return 0;
    case WM_NCDESTROY:
        CCfade_Free(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        CCfade_Press(hwnd, k, lParam);
        return 0;
    case WM_MOUSEMOVE:
        CCfade_Move(hwnd, k, lParam);
        return 0;
    case WM_LBUTTONUP:
        CCfade_Release(hwnd, k);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT CCvfade_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return CCfade_Msg(VFADE, hwnd, msg, wParam, lParam);
}

LRESULT CChfade_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return CCfade_Msg(HFADE, hwnd, msg, wParam, lParam);
}

bool CCvfade_Value(HWND hwnd, long *value) { return CCfade_Value(hwnd, VFADE, value); }
bool CChfade_Value(HWND hwnd, long *value) { return CCfade_Value(hwnd, HFADE, value); }
void CCvfade_Key(HWND hwnd, int steps) { CCfade_Key(hwnd, VFADE, steps); }
void CChfade_Key(HWND hwnd, int steps) { CCfade_Key(hwnd, HFADE, steps); }
