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

// Faders: the value they report, and a keyboard move (ccaccess.h).
bool CCvfade_Value(HWND hwnd, long *value);
bool CChfade_Value(HWND hwnd, long *value);
void CCvfade_Key(HWND hwnd, int steps);
void CChfade_Key(HWND hwnd, int steps);

#endif
