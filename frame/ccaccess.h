// Accessibility and keyboard operation shared by both libraries: the accessible
// object a control hands out for WM_GETOBJECT, the events that tell clients of
// changes, and Space, arrow and focus handling for controls with WS_TABSTOP.
// Each library describes its kinds with one CCAccessKind per kind; a press, by
// keyboard or default action, goes through the kind's own mouse handling.
#ifndef CCACCESS_H
#define CCACCESS_H

#include <windows.h>
#include "ccframe.h"

// Longest accessible name (the Multi button's four fields and three spaces fit).
#define CC_NAME_MAX 1024

// Steps of a fader's keyboard move that stand for "to the end".
#define CC_KEY_TO_MAX 0x40000000
#define CC_KEY_TO_MIN (-0x40000000)

struct CCAccessKind {
    // ROLE_SYSTEM_PUSHBUTTON, ROLE_SYSTEM_STATICTEXT or ROLE_SYSTEM_SLIDER.
    LONG (*role)(HWND hwnd);
    // The text the control shows (CCNameAppend rules), into buf (size > 0).
    void (*name)(HWND hwnd, char *buf, size_t size);
    // True while the control is pressed or latched on; null: never.
    bool (*pressed)(HWND hwnd);
    // Faders: the value the fader reports; null: the kind has no value.
    bool (*value)(HWND hwnd, long *value);
    // Faders: moves the knob `steps` pixels toward the maximum (negative: toward
    // the minimum; CC_KEY_TO_MAX / CC_KEY_TO_MIN: to the end), notified as a
    // drag step; null: the kind has no keyboard move.
    void (*keyMove)(HWND hwnd, int steps);
};

// Runs the kind's handler for one message with what this module adds: the
// accessible object, events while a client uses it, and keyboard operation and
// the focus cue for WS_TABSTOP controls. A control that is neither asked for
// its object nor given WS_TABSTOP goes straight to its handler.
LRESULT CCAccess_Dispatch(CCKindHandler handler, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LONG style);

// WM_NCDESTROY: an object handed out for the window answers CO_E_OBJNOTCONNECTED
// from now on.
void CCAccess_Destroyed(HWND hwnd);

// Centre of the client area as mouse message coordinates.
LPARAM CCAccess_Centre(HWND hwnd);

#endif
