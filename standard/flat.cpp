// Kind family not built yet: default window behaviour.
#include "kinds.h"

LRESULT CCflat_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

