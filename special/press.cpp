// Per-window press tracking of the special library's button-like kinds.
#include <string.h>
#include "press.h"
#include "ccguards.h"
#include "ccframe.h"
#include "ccsurface.h"
#include "ccslots.h"
#include "cctext.h"
#include "kerv_cc.h"

#define FLAGS_TEXT 255

char CC09Press_FlagsChar(HWND hwnd)
{
    char text[FLAGS_TEXT + 1];
    text[0] = '\0';
    SendMessageA(hwnd, CC_GETRAWTEXT, FLAGS_TEXT, (LPARAM)text);
    text[FLAGS_TEXT] = '\0';
    size_t n = strlen(text);
    return n ? text[n - 1] : '\0';
}

static unsigned HexOf(char c)
{
    const char s[2] = {c, '\0'};
    return c ? (unsigned)CCHexValue(s) : 0;
}

unsigned CC09Press_Flags(HWND hwnd) { return HexOf(CC09Press_FlagsChar(hwnd)); }

int CC09Press_Offset(char c, CC09Offset rule)
{
    switch (rule) {
    case CC09_OFFSET_PRESS_BIT:
        return (HexOf(c) & 1) ? 1000 : 0;
    case CC09_OFFSET_ODD_DECIMAL:
        return (c >= '0' && c <= '9' && ((c - '0') & 1)) ? 1000 : 0;
    default:
        return 0;
    }
}

static LONG Style(HWND hwnd) { return GetWindowLongA(hwnd, GWL_STYLE); }

static void Draw(void (*look)(HWND), HWND hwnd)
{
    if (look) look(hwnd);
}

// WM_COMMAND to the parent of `to` with wParam id.
static void Send(HWND to, WPARAM id, HWND from)
{
    SendMessageA(GetParent(to), WM_COMMAND, id, (LPARAM)from);
}

static WPARAM Id(HWND hwnd) { return (WPARAM)(LONG)GetWindowLongA(hwnd, GWL_ID); }

void CC09Press_Create(HWND hwnd)
{
    CCSetSlot(hwnd, CC09_SLOT_STATE, 0);
    CCSetSlot(hwnd, CC09_SLOT_PRESSWND, 0);
    CCSetSlot(hwnd, CC09_SLOT_LATCH, 0);
    CCSetSlot(hwnd, CC09_SLOT_HOLD, (Style(hwnd) & CC09_STYLE_HOLD) ? 2 : 1);
}

void CC09Press_Down(HWND hwnd, const CC09PressKind *kind)
{
    // A latch left over by a press that ended elsewhere does not block the next.
    if (CCGetSlot(hwnd, CC09_SLOT_LATCH) == 1 && CCGetSlot(hwnd, CC09_SLOT_STATE) == 0)
        CCSetSlot(hwnd, CC09_SLOT_LATCH, 0);
    LONG latch = CCGetSlot(hwnd, CC09_SLOT_LATCH), state = CCGetSlot(hwnd, CC09_SLOT_STATE);
    if (kind->blockNeedsLatch ? (latch == 1 && state != 0) : (latch != 0 || state != 0)) return;
    CCSetSlot(hwnd, CC09_SLOT_LATCH, 1);
    SetCapture(hwnd);
    CCSetSlot(hwnd, CC09_SLOT_PRESSWND, (LONG)(LONG_PTR)hwnd);
    CCSetSlot(hwnd, CC09_SLOT_STATE, 1);
    if (CC09Press_Flags(hwnd) & 1) Send(hwnd, Id(hwnd), hwnd);
    if (kind->downOnPress) Draw(kind->drawDown, hwnd);
    Draw(kind->taken, hwnd);
}

static HWND PressWindow(HWND hwnd) { return (HWND)(LONG_PTR)CCGetSlot(hwnd, CC09_SLOT_PRESSWND); }

// Plain tracking: leaving gives the capture up (lost-focus notification with
// style 0x0200) and repaints, which ends the press in hold mode 1; coming back
// with the button held takes the press again (state 3).
static void TrackPlain(HWND hwnd, WPARAM wParam, LPARAM lParam, const CC09PressKind *kind)
{
    HWND hit = CCHitWindow(hwnd, lParam);
    LONG state = CCGetSlot(hwnd, CC09_SLOT_STATE);
    if (hit != hwnd && state == 1) {
        ReleaseCapture();
        CCSetSlot(hwnd, CC09_SLOT_STATE, 2);
        if (Style(hwnd) & CC09_STYLE_LOSTFOCUS)
            Send(hwnd, Id(hwnd) + CC09Press_Offset(CC09Press_FlagsChar(hwnd), kind->leaveOffset), hwnd);
        CCRepaintNow(hwnd, true, false);
        return;
    }
    if (PressWindow(hwnd) == hwnd && state == 2 && (wParam & MK_LBUTTON)) {
        SetCapture(hwnd);
        CCSetSlot(hwnd, CC09_SLOT_STATE, 1);
        if (kind->downOnPress) Draw(kind->drawDown, hwnd);
        Draw(kind->taken, hwnd);
        CCSetSlot(hwnd, CC09_SLOT_STATE, 3);
    }
}

// Browse tracking: leaving the press window gives the capture up and repaints
// it; rolling onto a window with the button held while the press is suspended
// takes the press there and notifies (no flags condition).
static void TrackBrowse(HWND hwnd, WPARAM wParam, LPARAM lParam, const CC09PressKind *kind)
{
    HWND hit = CCHitWindow(hwnd, lParam);
    HWND owner = PressWindow(hwnd);
    LONG state = CCGetSlot(hwnd, CC09_SLOT_STATE);
    if (hit != owner && state == 1) {
        ReleaseCapture();
        CCSetSlot(hwnd, CC09_SLOT_STATE, 2);
        CCRepaintNow(owner, true, false);
        return;
    }
    if (state != 2 || !hit || !(wParam & MK_LBUTTON)) return;
    int x = (unsigned short)LOWORD(lParam), y = (unsigned short)HIWORD(lParam);
    RECT r;
    if (!GetWindowRect(hit, &r) || x > r.right - r.left || y > r.bottom - r.top) return;
    SetCapture(hit);
    CCSetSlot(hwnd, CC09_SLOT_PRESSWND, (LONG)(LONG_PTR)hit);
    CCSetSlot(hwnd, CC09_SLOT_STATE, 1);
    if (kind->downOnPress) Draw(kind->drawDown, hwnd);
    Send(hit, Id(hwnd), hwnd);
}

void CC09Press_Move(HWND hwnd, WPARAM wParam, LPARAM lParam, const CC09PressKind *kind)
{
    if ((Style(hwnd) & CC09_STYLE_BROWSE) && !kind->plainOnly) TrackBrowse(hwnd, wParam, lParam, kind);
    else TrackPlain(hwnd, wParam, lParam, kind);
}

void CC09Press_Up(HWND hwnd, LPARAM lParam, const CC09PressKind *kind)
{
    if (CCGetSlot(hwnd, CC09_SLOT_STATE) == 0) {
        Draw(kind->paint, hwnd);
        CCSetSlot(hwnd, CC09_SLOT_STATE, 0);
        return;
    }
    int x = (short)LOWORD(lParam), y = (short)HIWORD(lParam);
    RECT r = {0, 0, -1, -1};
    GetWindowRect(hwnd, &r);
    if (x >= 0 && y >= 0 && x <= r.right - r.left && y <= r.bottom - r.top) {
        CC09Press_End(hwnd, kind);
        return;
    }
    ReleaseCapture();
    Draw(kind->letGo, hwnd);
    Draw(kind->drawDown, hwnd);
}

void CC09Press_End(HWND hwnd, const CC09PressKind *kind)
{
    CCSetSlot(hwnd, CC09_SLOT_LATCH, 0);
    CCSetSlot(hwnd, CC09_SLOT_PRESSWND, 0);
    CCSetSlot(hwnd, CC09_SLOT_STATE, 0);
    ReleaseCapture();
    Draw(kind->letGo, hwnd);
    char c = CC09Press_FlagsChar(hwnd);
    if (HexOf(c) & 2) Send(hwnd, Id(hwnd) + CC09Press_Offset(c, kind->releaseOffset), hwnd);
    if (!IsWindow(hwnd) || kind->oneLook) return;
    if (kind->updateOnRelease) CCRepaintNow(hwnd, true, false);  // the repaint, at once where it may
    else InvalidateRect(hwnd, nullptr, FALSE);
}

// The pointer left a press that the next paint ends (hold mode 1).
static bool Gone(HWND hwnd)
{
    return CCGetSlot(hwnd, CC09_SLOT_HOLD) != 2 && CCGetSlot(hwnd, CC09_SLOT_STATE) == 2;
}


void CC09Press_Paint(HWND hwnd, const CC09PressKind *kind)
{
    CCPaintCycle cycle(hwnd);
    bool latched = CCGetSlot(hwnd, CC09_SLOT_LATCH) == 1;
    bool gone = Gone(hwnd);
    if (!IsWindowEnabled(hwnd)) {
        Draw(kind->drawDisabled, hwnd);
    } else if (kind->oneLook) {
        Draw(kind->paint, hwnd);
        if (latched && gone) CC09Press_End(hwnd, kind);
    } else if (!latched) {
        Draw(kind->paint, hwnd);
    } else if (!gone) {
        Draw(kind->drawDown, hwnd);
    } else {
        CC09Press_End(hwnd, kind);
    }
}

bool CC09Press_IsDown(HWND hwnd)
{
    const LONG *s = CCSlotView(hwnd);
    LONG state = s[CC09_SLOT_STATE];
    return s[CC09_SLOT_LATCH] == 1 && (state == 1 || state == 3 || (state == 2 && s[CC09_SLOT_HOLD] == 2));
}

bool CC09Press_Message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                       const CC09PressKind *kind, LRESULT *result)
{
    switch (msg) {
    case WM_PAINT:
        CC09Press_Paint(hwnd, kind);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        CC09Press_Down(hwnd, kind);
        break;
    case WM_MOUSEMOVE:
        CC09Press_Move(hwnd, wParam, lParam, kind);
        break;
    case WM_LBUTTONUP:
        CC09Press_Up(hwnd, lParam, kind);
        break;
    case WM_ENABLE:
        CCSetSlot(hwnd, 2, wParam ? 1 : 0);
        if (wParam) {
            CCRepaintNow(hwnd, true, false);
        } else {
            Draw(kind->drawDisabled, hwnd);
            Draw(kind->letGo, hwnd);  // a disabled control acts on no press
        }
        break;
    default:
        return false;
    }
    *result = 0;
    return true;
}
