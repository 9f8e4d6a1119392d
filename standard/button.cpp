// Push buttons: Button, Browse and Touch (not built yet).
#include "kinds.h"

LRESULT CCbtn_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return DefWindowProcA(hwnd, msg, wParam, lParam); }
LRESULT CCbrowse_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return DefWindowProcA(hwnd, msg, wParam, lParam); }
LRESULT CCtouch_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return DefWindowProcA(hwnd, msg, wParam, lParam); }
