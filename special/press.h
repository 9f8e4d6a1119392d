// Press tracking of the special library's button-like kinds. Each window keeps
// its own press in its slots (there is no library-wide press record):
//   49  hold mode: 2 (style 0x0800) keeps a press whose pointer left, else 1
//   71  down latch: 1 from a press until the press ends
//   76  press state: 0 idle, 1 pressed with the capture, 2 the pointer left
//       (capture given up), 3 taken again after coming back (capture held)
//   77  the window holding the press (this control, or in browse mode the
//       window the pointer rolled onto); 0 when none
// Style bits: 0x0100 browse (roll-on) tracking, 0x0200 notify when the pointer
// leaves a pressed control (plain tracking only), 0x0800 hold mode.
// Window text label$aux$flags: the flags character is the last character of the
// whole text read as one hex digit (anything else reads 0): bit 0 notify on
// press, bit 1 notify on release. An empty text notifies nothing.
//
// A kind calls CC09Press_Create in its WM_CREATE and hands WM_PAINT and its
// mouse messages to CC09Press_Message with a CC09PressKind record that names
// its looks and its differences.
#ifndef S09_PRESS_H
#define S09_PRESS_H

#include <windows.h>

#define CC09_STYLE_BROWSE 0x0100
#define CC09_STYLE_LOSTFOCUS 0x0200
#define CC09_STYLE_HOLD 0x0800

#define CC09_SLOT_HOLD 49
#define CC09_SLOT_LATCH 71
#define CC09_SLOT_STATE 76
#define CC09_SLOT_PRESSWND 77

// When a notification adds 1000 to the control's id.
enum CC09Offset {
    CC09_OFFSET_NONE,        // never
    CC09_OFFSET_PRESS_BIT,   // flags bit 0 set (hex value: B, D, F count as odd)
    CC09_OFFSET_ODD_DECIMAL, // flags character an odd decimal digit 1, 3, 5, 7, 9
};

// What differs from one kind to another. Looks may be null (nothing drawn).
struct CC09PressKind {
    void (*paint)(HWND hwnd);        // normal look
    void (*drawDown)(HWND hwnd);     // pressed look
    void (*drawDisabled)(HWND hwnd); // disabled look (WM_PAINT of a disabled window)
    bool downOnPress;          // pressed look drawn when a press is taken or taken back
    bool updateOnRelease;      // UpdateWindow after the end of a press invalidates
    CC09Offset releaseOffset;  // +1000 rule of the release notification
    CC09Offset leaveOffset;    // +1000 rule of the lost-focus notification
    // For kinds that act on their own while a press is held (optional):
    bool plainOnly = false;              // style 0x0100 ignored: plain tracking always
    void (*taken)(HWND hwnd) = nullptr;  // a press was taken, or taken back on coming back
    void (*letGo)(HWND hwnd) = nullptr;  // the press ended, or the button went up outside
    // A press in progress (slot 76 not 0) blocks a new button down only while
    // the latch is set: a kind created with slot 76 = 1 takes its first press.
    bool blockNeedsLatch = false;
    // One enabled look: WM_PAINT always draws the normal look and then ends a
    // press whose pointer left in hold mode 1; the end of a press repaints
    // nothing.
    bool oneLook = false;
};

// Flags character of the window text (last character of the raw text), or
// '\0' when the text is empty.
char CC09Press_FlagsChar(HWND hwnd);
// The flags character's hex value, 0 for a character that is no hex digit.
unsigned CC09Press_Flags(HWND hwnd);
// 1000 when the rule applies to the flags character, else 0.
int CC09Press_Offset(char flagsChar, CC09Offset rule);

// WM_CREATE: slots 76 = 0, 77 = 0, 71 = 0, 49 = 2 with style 0x0800, else 1.
void CC09Press_Create(HWND hwnd);
// WM_LBUTTONDOWN / WM_LBUTTONDBLCLK: ignored while a press is in progress
// (with blockNeedsLatch: only while the latch is set too); otherwise latch,
// capture, press notification (flags bit 0), pressed look if the kind draws
// one at the press, then the kind's `taken` hook.
void CC09Press_Down(HWND hwnd, const CC09PressKind *kind);
// WM_MOUSEMOVE (position unsigned): plain or browse tracking by style 0x0100.
void CC09Press_Move(HWND hwnd, WPARAM wParam, LPARAM lParam, const CC09PressKind *kind);
// WM_LBUTTONUP (position signed): idle: normal look; inside the window
// rectangle: end of press; outside: capture released, the kind's `letGo`
// hook, pressed look, the press stays (the next click's button up ends it).
void CC09Press_Up(HWND hwnd, LPARAM lParam, const CC09PressKind *kind);
// End of a press: latch, state and press window cleared first (so no paint
// re-enters it), capture released, the kind's `letGo` hook, release
// notification (flags bit 1, id + 1000 by the kind's rule), then the whole
// client area invalidated without erasing (and updated if the kind asks; a
// one-look kind repaints nothing).
void CC09Press_End(HWND hwnd, const CC09PressKind *kind);
// WM_PAINT, within the paint cycle (CCPaintCycle): disabled: disabled look; no
// latch: normal look; hold mode 2 or the pointer not gone: pressed look; else
// the end of the press. A one-look kind draws its normal look and then ends a
// press whose pointer left in hold mode 1. The looks draw on a DC of their own.
void CC09Press_Paint(HWND hwnd, const CC09PressKind *kind);

// True while the control is pressed or latched on: a press is latched and
// its pointer is inside, came back, or left in hold mode 2.
bool CC09Press_IsDown(HWND hwnd);

// Handles WM_PAINT, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_MOUSEMOVE,
// WM_LBUTTONUP and WM_ENABLE (slot 2; enabled: repainted at once; disabled: the
// disabled look, then the kind's `letGo` hook), each answered 0; false for any
// other message.
bool CC09Press_Message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                       const CC09PressKind *kind, LRESULT *result);

#endif
