// Message steps that most kinds share.
#include "common.h"
#include "ccguards.h"
#include "ccslots.h"
#include "ccsurface.h"
#include "press.h"

void CCStoreSize(HWND hwnd, LPARAM lParam)
{
    CCSetSlot(hwnd, 0, (LONG)LOWORD(lParam));
    CCSetSlot(hwnd, 1, (LONG)HIWORD(lParam));
}

void CCEnable(HWND hwnd, WPARAM wParam, void (*drawDisabled)(HWND))
{
    CCSetSlot(hwnd, 2, wParam ? 1 : 0);
    if (!wParam && drawDisabled) drawDisabled(hwnd);
    CCRepaint(hwnd);
}

void CCPaintDisabled(HWND hwnd, void (*drawDisabled)(HWND))
{
    PAINTSTRUCT ps;
    CCBeginPaint(hwnd, &ps);
    drawDisabled(hwnd);
    CCEndPaint(hwnd, &ps);
}

bool CCKindStep(const CCKindSteps *k, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT *result)
{
    switch (msg) {
    case WM_CREATE:
    case WM_STYLECHANGING:
    case WM_STYLECHANGED: {
        LONG w, h;
        CCCreationSize(hwnd, msg, lParam, &w, &h);
        k->init(hwnd, w, h);
        *result = k->result;
        return true;
    }
    case WM_SIZE:
        CCStoreSize(hwnd, lParam);
        *result = k->result;
        return true;
    case WM_ENABLE:
        CCEnable(hwnd, wParam, k->drawDisabled);
        *result = k->result;
        return true;
    case WM_PAINT:
        if (IsWindowEnabled(hwnd)) k->paint(hwnd);
        else CCPaintDisabled(hwnd, k->drawDisabled);
        *result = 0;
        return true;
    default:
        return false;
    }
}
