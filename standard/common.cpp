// Message steps that most kinds share.
#include "common.h"
#include "ccslots.h"
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
    BeginPaint(hwnd, &ps);
    drawDisabled(hwnd);
    EndPaint(hwnd, &ps);
}
