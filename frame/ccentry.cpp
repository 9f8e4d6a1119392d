// Class registration, sibling loading and dispatch to the kind handlers, for
// whichever library links this frame (its CCLibraryDesc says what differs).
#include <stdio.h>
#include <string.h>
#include "ccframe.h"
#include "ccaccess.h"
#include "cccache.h"
#include "ccslots.h"
#include "cctext.h"

HINSTANCE hLibInstance = nullptr;
HMODULE SiblingLibraries[100];

static void DebugLine(const char *fmt, const char *arg)
{
    char line[600];
    snprintf(line, sizeof line, fmt, arg);
    OutputDebugStringA(line);
}

static void DebugText(const char *line)
{
    if (line) OutputDebugStringA(line);
}

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
        HMODULE mod = LoadLibraryA(full);
        // A library built for the other word size (or no library at all) cannot
        // be loaded into this process: say so, and go on with the others.
        if (!mod && GetLastError() == ERROR_BAD_EXE_FORMAT)
            DebugLine(sizeof(void *) == 8 ? "KERV_CC.DLL - skipped '%s': not a 64-bit library.\n"
                                          : "KERV_CC.DLL - skipped '%s': not a 32-bit library.\n",
                      full);
        SiblingLibraries[number] = mod;
        tried++;
    } while (FindNextFileA(find, &fd));
    FindClose(find);
    return tried;
}

// Registers the class from a record in a global block, as the libraries always have.
static bool RegisterLibraryClass(HINSTANCE hinst)
{
    const CCLibraryDesc &lib = CCLibrary;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(WNDCLASSA));
    if (!block) {
        DebugText(lib.allocFailLine);
        return false;
    }
    WNDCLASSA *wc = (WNDCLASSA *)GlobalLock(block);
    if (!wc) {
        DebugText(lib.lockFailLine);
    } else {
        wc->style = CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc->lpfnWndProc = VEK_CC_WndFn;
        wc->cbClsExtra = 0;
        wc->cbWndExtra = sizeof(LONG_PTR);
        wc->hInstance = hinst;
        wc->hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc->hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        wc->lpszClassName = lib.className;
        hLibInstance = RegisterClassA(wc) ? hinst : nullptr;
        GlobalUnlock(block);
    }
    GlobalFree(block);
    return true;
}

int CCLibAttach(HINSTANCE hinst)
{
    const CCLibraryDesc &lib = CCLibrary;
    if (hLibInstance) {
        if (lib.attachedLine) {
            OutputDebugStringA(lib.attachedLine);
            return 0;
        }
    } else if (!RegisterLibraryClass(hinst) && lib.allocFailLine) {
        return 0;
    }
    int registered = lib.afterRegister ? lib.afterRegister(hinst) : (hLibInstance ? 1 : 0);
    CCCache_Load();
    return registered;
}

void CCLibDetach(void)
{
    UnregisterClassA(CCLibrary.className, hLibInstance);
    CCCache_Unload();
}

bool CCIsOwnClass(HWND hwnd)
{
    char name[516];
    int n = GetClassNameA(hwnd, name, sizeof name);
    return n > 0 && strcmp(name, CCLibrary.className) == 0;
}

// A paint request that no handler serves is validated, so that it cannot repeat forever.
static void ValidatePaint(HWND hwnd, UINT msg)
{
    if (msg != WM_PAINT) return;
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
}

extern "C" LRESULT CALLBACK VEK_CC_WndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const CCLibraryDesc &lib = CCLibrary;
    if (lib.checkClass) {
        if (!IsWindow(hwnd)) return 0;
        // A foreign window's extra word is never taken for a slot block.
        if (!CCIsOwnClass(hwnd)) {
            ValidatePaint(hwnd, msg);
            return 1;
        }
    }
    char cut[CC_TEXT_CUT_MAX + 1];
    if (msg == WM_SETTEXT && lib.textCut > 0 && lParam) {
        size_t limit = lib.textCut < CC_TEXT_CUT_MAX ? (size_t)lib.textCut : CC_TEXT_CUT_MAX;
        const char *text = (const char *)lParam;
        if (strnlen(text, limit + 1) > limit) {
            memcpy(cut, text, limit);
            cut[limit] = '\0';
            lParam = (LPARAM)cut;
        }
    }
    LRESULT result = 1;
    bool answered = lib.preprocess && lib.preprocess(hwnd, msg, wParam, &lParam, &result);
    if (!answered) {
        LONG style = GetWindowLongA(hwnd, GWL_STYLE);
        CCKindHandler handler = lib.handlerFor(style);
        if (lib.checkClass && !IsWindow(GetParent(hwnd))) handler = nullptr;
        result = 1;
        if (handler) result = CCAccess_Dispatch(handler, hwnd, msg, wParam, lParam, style);
        else ValidatePaint(hwnd, msg);
    }
    if (msg == WM_NCDESTROY) {
        CCAccess_Destroyed(hwnd);
        CCFreeSlots(hwnd);
    }
    return result;
}
