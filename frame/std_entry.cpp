// Standard library: class registration, sibling loading and dispatch by kind.
#include <stdio.h>
#include <string.h>
#include "std_frame.h"
#include "cccache.h"
#include "ccslots.h"
#include "ccsyspath.h"
#include "cctext.h"
#include "kinds.h"

HINSTANCE hLibInstance = nullptr;
HMODULE SiblingLibraries[100];
LONG PressState = 0;
HWND PressWindow = nullptr;
LONG PressId = 0;

static void DebugLine(const char *fmt, const char *arg)
{
    char line[600];
    snprintf(line, sizeof line, fmt, arg);
    OutputDebugStringA(line);
}

void CCTrace(UINT, const char *) {}

int CCLoadSiblings(const char *path)
{
    for (int i = 1; i < 100; i++) SiblingLibraries[i] = nullptr;
    char pattern[MAX_PATH];
    int n = snprintf(pattern, sizeof pattern, "%s\\KERV_CC*.DLL", path);
    if (n < 0 || n >= (int)sizeof pattern) {
        OutputDebugStringA("KERV_CC.DLL - system path too long, siblings not searched.\n");
        return 0;
    }
    DebugLine("KERV_CC.DLL - load path acPathRaw: '%s'\n", pattern);
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA(pattern, &fd);
    if (find == INVALID_HANDLE_VALUE) return 0;
    int tried = 0;
    do {
        CCLowerAscii(fd.cFileName);
        int number = CCSiblingNumber(fd.cFileName);
        if ((unsigned)(number - 1) > 98) continue;
        if (strcmp(fd.cFileName, "kerv_cc.dll") == 0) continue;
        char full[MAX_PATH];
        n = snprintf(full, sizeof full, "%s\\%s", path, fd.cFileName);
        if (n < 0 || n >= (int)sizeof full) continue;
        SiblingLibraries[number] = LoadLibraryA(full);
        tried++;
    } while (FindNextFileA(find, &fd));
    FindClose(find);
    return tried;
}

int CCLibAttach(HINSTANCE hinst)
{
    if (hLibInstance) {
        OutputDebugStringA("KERV_CC.DLL - hLibInstance == NULL - failed.\n");
        return 0;
    }
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(WNDCLASSA));
    if (!block) {
        OutputDebugStringA("KERV_CC.DLL - GlobalAlloc() failed.\n");
        return 0;
    }
    WNDCLASSA *wc = (WNDCLASSA *)GlobalLock(block);
    if (!wc) {
        OutputDebugStringA("KERV_CC.DLL - GlobalLock() failed.\n");
    } else {
        wc->style = CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc->lpfnWndProc = VEK_CC_WndFn;
        wc->cbClsExtra = 0;
        wc->cbWndExtra = sizeof(LONG_PTR);
        wc->hInstance = hinst;
        wc->hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc->hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        wc->lpszClassName = CC_CLASS_NAME;
        hLibInstance = RegisterClassA(wc) ? hinst : nullptr;
        GlobalUnlock(block);
    }
    GlobalFree(block);
    OutputDebugStringA("KERV_CC.DLL - loading other kerv_cc DLL's.\n");
    OutputDebugStringA("KERV_CC.DLL - RELEASE version.\n");
    char path[MAX_PATH];
    CCGetSystemPath(path, sizeof path);
    CCLoadSiblings(path);
    CCCache_Load();
    return hLibInstance ? 1 : 0;
}

void CCLibDetach(void)
{
    UnregisterClassA(CC_CLASS_NAME, hLibInstance);
    CCCache_Unload();
}

typedef LRESULT (*KindHandler)(HWND, UINT, WPARAM, LPARAM);

static KindHandler HandlerFor(LONG style)
{
    switch (LOWORD(style)) {
    case 0x0001: return CCbtn_Msg;
    case 0x0002: return CCled_Msg;
    case 0x0004: return CCdest_Msg;
    case 0x0008: return CCtext_Msg;
    case 0x0010: return CCbrowse_Msg;
    case 0x0020: return CCid_Msg;
    case 0x0040: return CCbmp_Msg;
    case 0x0080: return CCtouch_Msg;
    case 0x0100: return CCflat_Msg;
    case 0x0200: return CCmulti_Msg;
    case 0x0400: return CCvfade_Msg;
    case 0x0800: return CChfade_Msg;
    default: return nullptr;
    }
}

extern "C" LRESULT CALLBACK VEK_CC_WndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    KindHandler handler = HandlerFor(GetWindowLongA(hwnd, GWL_STYLE));
    LRESULT result = 1;
    if (handler) {
        result = handler(hwnd, msg, wParam, lParam);
    } else if (msg == WM_PAINT) {
        // No kind: validate the paint request so that it cannot repeat forever.
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
    }
    if (msg == WM_NCDESTROY) CCFreeSlots(hwnd);
    return result;
}
