// Timer-driven modal dialogs.
#include "dialog.h"
#include <stdio.h>
#include <string.h>
#include "harness.h"

namespace {

const char *s_title;
std::vector<std::function<void(HWND)>> s_steps;
size_t s_ran;
int s_idle;
int s_waited;
bool s_forced;

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM lp)
{
    char cls[16], text[64];
    GetClassNameA(hwnd, cls, sizeof cls);
    GetWindowTextA(hwnd, text, sizeof text);
    if (strcmp(cls, "#32770") == 0 && strcmp(text, s_title) == 0 && IsWindowVisible(hwnd)) {
        *(HWND *)lp = hwnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK DriveDialog(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dlg = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, (LPARAM)&dlg);
    if (!dlg) return;
    // Steps act as a user does, on the active dialog: wait (ten ticks at most)
    // until it is, so that its activation never lands inside a step's click.
    if (GetActiveWindow() != dlg && s_waited++ < 10) return;
    if (s_ran < s_steps.size()) {
        s_steps[s_ran++](dlg);
    } else if (++s_idle > 25) {
        s_forced = true;
        EndDialog(dlg, 99);
    }
}

}  // namespace

CCTDialogRun CCT_DriveDialog(const char *title, std::vector<std::function<void(HWND)>> steps,
                             const std::function<INT_PTR()> &open)
{
    s_title = title;
    s_steps = std::move(steps);
    s_ran = 0;
    s_idle = 0;
    s_waited = 0;
    s_forced = false;
    UINT_PTR timer = SetTimer(nullptr, 0, 15, DriveDialog);
    INT_PTR result = open();
    KillTimer(nullptr, timer);
    CCT_Pump();
    return {result, s_forced, s_ran};
}

void CCT_DlgPress(HWND dlg, int id)
{
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dlg, id));
}

std::string CCT_DlgItem(HWND dlg, int id)
{
    char buf[4096] = {};
    GetDlgItemTextA(dlg, id, buf, sizeof buf);
    return buf;
}

const CCTClassListLayout &CCT_ClassList()
{
    static const CCTClassListLayout l32 = {4, 14, 34}, l64 = {8, 26, 46};
    return sizeof(void *) == 8 ? l64 : l32;
}

uint64_t CCT_ClassListAddr(const uint8_t *list, int i)
{
    uint64_t a = 0;  // little-endian: the low bytes first
    memcpy(&a, list + 2 + CCT_ClassList().addrSize * i, CCT_ClassList().addrSize);
    return a;
}

std::string CCT_AddrText(const void *p)
{
    char b[32];
    if (sizeof(void *) == 8)
        snprintf(b, sizeof b, "0x%.8llx", (unsigned long long)(uintptr_t)p);
    else
        snprintf(b, sizeof b, "0x%.8x", (unsigned)(uintptr_t)p);
    return b;
}
