// Press tracking shared by the button kinds.
#include "press.h"
#include "ccsurface.h"
#include "std_frame.h"

void CCPress_Reset(void)
{
    PressState = 0;
    PressWindow = nullptr;
}

void CCPress_Begin(HWND hwnd)
{
    SetCapture(hwnd);
    PressWindow = hwnd;
    PressState = 1;
}

void CCPress_End(void)
{
    ReleaseCapture();
    PressWindow = nullptr;
    PressState = 0;
}

bool CCPress_Inside(HWND hwnd, LPARAM lParam) { return CCHitWindow(hwnd, lParam) == hwnd; }

void CCPress_Track(HWND hwnd, WPARAM wParam, LPARAM lParam, const CCPressKind *kind)
{
    if (CCPress_Inside(hwnd, lParam)) {
        if (PressWindow == hwnd && PressState == 2 && (wParam & MK_LBUTTON)) {
            SetCapture(hwnd);
            PressState = 1;
            if (kind && kind->drawDown) kind->drawDown(hwnd);
        }
        return;
    }
    ReleaseCapture();
    PressState = 2;
    CCRepaint(hwnd);
}

void CCPress_RollOn(HWND hwnd, WPARAM wParam, LPARAM lParam, const CCPressKind *kind)
{
    HWND hit = CCHitWindow(hwnd, lParam);
    if (hit != PressWindow && PressState == 1) {
        ReleaseCapture();
        PressState = 2;
        CCRepaint(PressWindow);
        return;
    }
    if (PressState != 2 || !hit || !(wParam & MK_LBUTTON)) return;
    int x = (unsigned short)LOWORD(lParam), y = (unsigned short)HIWORD(lParam);
    RECT r;
    GetWindowRect(hit, &r);
    int inset = kind ? kind->inset : 0;
    if (x < inset || y < inset || x > r.right - r.left - inset || y > r.bottom - r.top - inset) return;
    SetCapture(hit);
    PressWindow = hit;
    PressState = 1;
    if (kind && kind->drawDown) kind->drawDown(hwnd);
    if (kind && kind->takeOver) kind->takeOver(hit, hwnd);
}
