// Message steps that most kinds of the standard library share.
#ifndef COMMON_H
#define COMMON_H

#include <windows.h>

// WM_SIZE: slot 0 = width, slot 1 = height (low and high word, unsigned).
void CCStoreSize(HWND hwnd, LPARAM lParam);
// WM_ENABLE: slot 2 follows wParam; when disabling, drawDisabled (may be null)
// shows the disabled look at once; then the whole client area is repainted.
void CCEnable(HWND hwnd, WPARAM wParam, void (*drawDisabled)(HWND hwnd));
// WM_PAINT of a disabled control whose disabled look draws on a window DC:
// the paint request is validated around it.
void CCPaintDisabled(HWND hwnd, void (*drawDisabled)(HWND hwnd));

// Creation, size, enable and paint as most kinds handle them.
struct CCKindSteps {
    void (*init)(HWND hwnd, LONG w, LONG h);  // creation initialisation (also on style changes)
    void (*paint)(HWND hwnd);                 // normal look inside BeginPaint / EndPaint
    void (*drawDisabled)(HWND hwnd);          // disabled look on a window DC
    LRESULT result;                           // answer to creation, size and enable
};
// Handles WM_CREATE, WM_STYLECHANGING, WM_STYLECHANGED, WM_SIZE, WM_ENABLE and
// WM_PAINT (answered 0) with the kind's steps; false for any other message.
bool CCKindStep(const CCKindSteps *k, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT *result);

#endif
