// Handlers of the twelve kinds of the standard library.
#ifndef KINDS_H
#define KINDS_H

#include <windows.h>

LRESULT CCbtn_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CCled_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CCdest_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CCtext_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CCbrowse_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CCid_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CCbmp_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CCtouch_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CCflat_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CCmulti_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CCvfade_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CChfade_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

#endif
