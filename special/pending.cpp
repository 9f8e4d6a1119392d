// Kinds whose looks and behaviour are not built yet answer with default
// processing; the frame's own work is done for them all the same.
#include "s09_frame.h"

#define CC09_PENDING(name)                                                   \
    LRESULT name(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)          \
    {                                                                        \
        return DefWindowProcA(hwnd, msg, wParam, lParam);                    \
    }

CC09_PENDING(CCcombo_Msg)
CC09_PENDING(CCrepeat_Msg)
