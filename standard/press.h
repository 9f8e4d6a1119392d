// Press tracking shared by the button kinds through the library-wide press record.
#ifndef PRESS_H
#define PRESS_H

#include <windows.h>
#include "ccsurface.h"  // CCRepaintNow: the repaint that ends a press or a drag step
#include "ccguards.h"

// Per-kind differences of press tracking.
struct CCPressKind {
    // Pressed look drawn when a press is (re)taken; null: none.
    void (*drawDown)(HWND hwnd);
    // Roll-on kinds: called after `hit` took over a suspended press while `self`
    // received the move (they are the same window in practice); null: nothing.
    void (*takeOver)(HWND hit, HWND self);
    // Roll-on kinds: the pointer must be at least this far inside the edges.
    int inset;
};

// PressState = 0, PressWindow = none (creation of several kinds).
void CCPress_Reset(void);
// Button down: capture, PressWindow = hwnd, PressState = 1.
void CCPress_Begin(HWND hwnd);
// Button up: release capture, PressWindow = none, PressState = 0.
void CCPress_End(void);
// Click tracking on WM_MOUSEMOVE: leaving suspends the press (state 2, normal look),
// coming back with the button held takes it again (state 1, pressed look).
void CCPress_Track(HWND hwnd, WPARAM wParam, LPARAM lParam, const CCPressKind *kind);
// Roll-on tracking on WM_MOUSEMOVE: leaving suspends the press; entering a window of
// this kind with the button held while a press is suspended takes the press over.
void CCPress_RollOn(HWND hwnd, WPARAM wParam, LPARAM lParam, const CCPressKind *kind);
// True when the pointer in lParam (unsigned 16-bit words) is inside hwnd.
bool CCPress_Inside(HWND hwnd, LPARAM lParam);

#endif
