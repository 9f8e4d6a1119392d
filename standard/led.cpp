// Kind family not built yet: default window behaviour.
#include "kinds.h"

LRESULT CCled_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

