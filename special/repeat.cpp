// Repeat button: a plain raised button that, while held, reports its press
// again and again: first after 500 ms, then every interval of the second field
// of its text (label$ms$flags, 100 ms when absent, zero, negative or no
// number). Flags bit 0 reports the press and every repeat, bit 1 the release.
// Looks are the Combo BMP button's without a picture (picture.cpp); the press
// is the special library's press tracking, without browse mode.
#include "ccguards.h"
#include "ccslots.h"
#include "cctext.h"
#include "kerv_cc.h"
#include "picture.h"
#include "press.h"
#include "s09_frame.h"

#define REPEAT_TEXT 256
#define REPEAT_DELAY_TIMER 1
#define REPEAT_TIMER 2
#define REPEAT_DELAY_MS 500
#define REPEAT_DEFAULT_MS 100
// The timer a held press waits for: 0 none, 1 the delay (from a press or the
// pointer coming back), 2 the repeats. Back to 0 when the press ends, the
// button goes up outside or the window is disabled.
#define REPEAT_SLOT_PHASE 72

static void CCrepeat_Paint(HWND hwnd) { CCcombo_DrawFace(hwnd, false, false); }
static void CCrepeat_DrawDown(HWND hwnd) { CCcombo_DrawFace(hwnd, true, false); }

// Both timers stopped, each by the control's window and its constant id: the
// one the press waits for is the only one running (a timer that is not running
// needs no stop; a stray tick stops its own).
static void StopTimers(HWND hwnd)
{
    LONG phase = CCGetSlot(hwnd, REPEAT_SLOT_PHASE);
    CCSetSlot(hwnd, REPEAT_SLOT_PHASE, 0);
    if (phase == REPEAT_TIMER || phase == REPEAT_DELAY_TIMER) KillTimer(hwnd, (UINT_PTR)phase);
}

// A press taken or taken back: the repeats (re)start after the delay (a running
// delay starts again).
static void StartDelay(HWND hwnd)
{
    if (CCGetSlot(hwnd, REPEAT_SLOT_PHASE) == REPEAT_TIMER) KillTimer(hwnd, REPEAT_TIMER);
    CCSetSlot(hwnd, REPEAT_SLOT_PHASE, REPEAT_DELAY_TIMER);
    SetTimer(hwnd, REPEAT_DELAY_TIMER, REPEAT_DELAY_MS, nullptr);
}

static const CC09PressKind RepeatPress = {
    CCrepeat_Paint,
    CCrepeat_DrawDown,
    CCcombo_DrawDisabled,
    true,  // pressed look drawn when a press is taken
    true,  // the end of a press brings the normal look back at once
    CC09_OFFSET_PRESS_BIT,
    CC09_OFFSET_ODD_DECIMAL,
    true,  // no browse mode
    StartDelay,
    StopTimers,
};

// Repeat interval in ms from the second field of the window text.
static UINT Interval(HWND hwnd)
{
    char text[REPEAT_TEXT];
    CCReadText(hwnd, text, sizeof text);
    size_t n = 0;
    const char *f = CCFindField(text, 1, &n);
    char field[REPEAT_TEXT] = "";
    if (f) CCCopyText(field, n + 1 < sizeof field ? n + 1 : sizeof field, f);
    int32_t ms = CCParseInt32(field);
    return ms > 0 ? (UINT)ms : REPEAT_DEFAULT_MS;
}

// A tick counts only when a held press waits for that timer; a stray one
// (queued before the release, the disabling or a restart of the delay)
// stops its timer.
static void Tick(HWND hwnd, WPARAM id)
{
    if (id != REPEAT_DELAY_TIMER && id != REPEAT_TIMER) return;
    bool held = CCGetSlot(hwnd, CC09_SLOT_LATCH) == 1 && CCGetSlot(hwnd, REPEAT_SLOT_PHASE) == (LONG)id &&
                IsWindowEnabled(hwnd);
    if (!held) {
        KillTimer(hwnd, id);
        return;
    }
    if (id == REPEAT_DELAY_TIMER) {
        KillTimer(hwnd, REPEAT_DELAY_TIMER);
        CCSetSlot(hwnd, REPEAT_SLOT_PHASE, REPEAT_TIMER);
        SetTimer(hwnd, REPEAT_TIMER, Interval(hwnd), nullptr);
        return;
    }
    if (CC09Press_Flags(hwnd) & 1) CCNotify(hwnd);
}

LRESULT CCrepeat_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    switch (msg) {
    case WM_CREATE:
        CC09Press_Create(hwnd);
        CCSetSlot(hwnd, CCCOMBO_SLOT_DOWNLOOK, 0);
        CCSetSlot(hwnd, REPEAT_SLOT_PHASE, 0);
        return 0;
    case WM_SETTEXT:
        CCcombo_SetText(hwnd, CC09Text(lParam).s, false);
        return 1;
    case WM_TIMER:
        Tick(hwnd, wParam);
        return 0;
    default:
        if (CC09Press_Message(hwnd, msg, wParam, lParam, &RepeatPress, &result)) return result;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
