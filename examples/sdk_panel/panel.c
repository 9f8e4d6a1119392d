/* Example panel application for the control kit.
 *
 * It finds the installation's system path (CC_ROOT and CC_SYSTEM), checks
 * that both libraries and the Dot-Matrix font are there, registers the font
 * for itself, loads KERV_CC.DLL (which loads KERV_CC09.DLL beside it), opens
 * a dialog of the kit's controls, sets their colours and texts and reacts to
 * their notifications. Without arguments it presses its own controls with
 * mouse messages, checks what they report and exits (0 when all is as
 * expected); with --interactive it stays open until closed.
 *
 * Exit status: 0 ok, 1 a control reported other than expected, 2 the
 * installation is incomplete or cannot be loaded. */
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include "kerv_cc.h"
#include "panel.h"

static char s_sysPath[MAX_PATH];
static int s_notes[32];
static int s_noteCount;

static int Fail(const char *what, const char *path)
{
    printf("sdkpanel: %s: %s\n", what, path);
    return 2;
}

static int FileExists(const char *path)
{
    DWORD a = GetFileAttributesA(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

/* Word size of a DLL from its PE header: 32, 64, or 0 when the file is no x86
 * module or cannot be read. */
static int DllBits(const char *path)
{
    unsigned char head[64], sig[6];
    DWORD got = 0, pe;
    int bits = 0;
    HANDLE f = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (f == INVALID_HANDLE_VALUE) return 0;
    if (ReadFile(f, head, sizeof head, &got, NULL) && got == sizeof head && head[0] == 'M' && head[1] == 'Z') {
        pe = head[60] | head[61] << 8 | head[62] << 16 | (DWORD)head[63] << 24;
        if (pe < 0x10000000 && SetFilePointer(f, (LONG)pe, NULL, FILE_BEGIN) == pe &&
            ReadFile(f, sig, sizeof sig, &got, NULL) && got == sizeof sig && !memcmp(sig, "PE\0\0", 4)) {
            unsigned machine = sig[4] | sig[5] << 8;
            bits = machine == IMAGE_FILE_MACHINE_I386 ? 32 : machine == IMAGE_FILE_MACHINE_AMD64 ? 64 : 0;
        }
    }
    CloseHandle(f);
    return bits;
}

/* path = the system path + "\" + name; 0 when it does not fit. */
static int InSystemPath(char *path, size_t size, const char *name)
{
    int n = snprintf(path, size, "%s\\%s", s_sysPath, name);
    return n > 0 && (size_t)n < size;
}

/* What a notification means for each control, for the log. */
static const char *Meaning(int id)
{
    switch (id) {
    case ID_TAKE: return "Take clicked";
    case ID_MIC: return "Mic clicked";
    case ID_LEVEL: return "Level moved";
    case ID_CUE: return "Cue pressed";
    case ID_CUE + CC_RELEASE_OFFSET: return "Cue released";
    case ID_UP: return "Up pressed (repeats while held)";
    default: return "?";
    }
}

static INT_PTR CALLBACK PanelProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    switch (msg) {
    case WM_INITDIALOG: return TRUE;
    case WM_COMMAND:
        if (lParam) {
            int id = LOWORD(wParam);
            char value[16] = "";
            if (id == ID_LEVEL) GetDlgItemTextA(dlg, ID_LEVEL, value, sizeof value);
            printf("WM_COMMAND id=%d: %s%s%s\n", id, Meaning(id), value[0] ? ", value " : "", value);
            fflush(stdout);
            if (s_noteCount < (int)(sizeof s_notes / sizeof s_notes[0])) s_notes[s_noteCount++] = id;
        } else if (LOWORD(wParam) == IDCANCEL) {
            DestroyWindow(dlg);
        }
        return TRUE;
    case WM_CLOSE: DestroyWindow(dlg); return TRUE;
    case WM_DESTROY: PostQuitMessage(0); return TRUE;
    }
    return FALSE;
}

static void Pump(void)
{
    MSG m;
    while (PeekMessageA(&m, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

/* Left button down and up at a point of a control, as mouse messages. */
static void Press(HWND ctl, int x, int y, int up)
{
    LPARAM at = MAKELPARAM(x, y);
    SendMessageA(ctl, WM_LBUTTONDOWN, MK_LBUTTON, at);
    Pump();
    if (up) SendMessageA(ctl, WM_LBUTTONUP, 0, at);
    Pump();
}

static void PressCentre(HWND dlg, int id)
{
    RECT r;
    HWND ctl = GetDlgItem(dlg, id);
    GetClientRect(ctl, &r);
    Press(ctl, r.right / 2, r.bottom / 2, 1);
}

/* Sets the panel's colours and texts with the header's helpers. */
static void SetUp(HWND dlg)
{
    char opt[CC_OPTION_LEN + 1], text[CC09_TEXT_MAX + 1], font[40];
    SetDlgItemTextA(dlg, ID_TAKE, CCFormatOptions(opt, CC_RED, CC_WHITE, CC_KEEP, CC_KEEP, CC_KEEP, CC_KEEP));
    SetDlgItemTextA(dlg, ID_MIC, CCFormatOptions(opt, CC_KEEP, CC_KEEP, CC_KEEP, CC_KEEP, CC_GREEN, CC_KEEP));
    SetDlgItemTextA(dlg, ID_LEVEL, "75");
    SetDlgItemTextA(dlg, ID_CLOCK, "12:00");
    CCFormatFont(font, sizeof font, "Arial", 10);
    CCFormatFields(text, sizeof text, "Cue", font, CC09_FLAG_PRESS | CC09_FLAG_RELEASE);
    SetWindowTextA(GetDlgItem(dlg, ID_CUE), text);
}

/* Presses the controls and compares the notifications with the expected ones. */
static int SelfTest(HWND dlg)
{
    static const int want[] = {ID_TAKE, ID_MIC, ID_LEVEL, ID_CUE, ID_CUE + CC_RELEASE_OFFSET, ID_UP};
    char raw[64] = "", label[16] = "";
    int got[32], n = 0, i, ok;
    RECT r;
    HWND fader = GetDlgItem(dlg, ID_LEVEL);
    PressCentre(dlg, ID_TAKE);
    PressCentre(dlg, ID_MIC);
    GetClientRect(fader, &r);
    Press(fader, r.right / 4, r.bottom / 2, 0); /* the knob follows the press */
    SendMessageA(fader, WM_LBUTTONUP, 0, MAKELPARAM(r.right / 4, r.bottom / 2));
    Pump();
    PressCentre(dlg, ID_CUE);
    PressCentre(dlg, ID_UP);
    /* The fader reports its press, each move and its release: one entry. */
    for (i = 0; i < s_noteCount; i++)
        if (!(i > 0 && s_notes[i] == ID_LEVEL && s_notes[i - 1] == ID_LEVEL)) got[n++] = s_notes[i];
    ok = n == (int)(sizeof want / sizeof want[0]);
    for (i = 0; ok && i < n; i++) ok = got[i] == want[i];
    SendDlgItemMessageA(dlg, ID_CUE, CC_GETRAWTEXT, sizeof raw, (LPARAM)raw);
    GetDlgItemTextA(dlg, ID_CUE, label, sizeof label);
    printf("sdkpanel: Cue text \"%s\", label \"%s\"\n", raw, label);
    if (strcmp(raw, "Cue$Arial,10$3") || strcmp(label, "Cue")) ok = 0;
    printf("sdkpanel: %d notifications, %s\n", s_noteCount, ok ? "as expected" : "NOT as expected");
    return ok ? 0 : 1;
}

int main(int argc, char **argv)
{
    char root[MAX_PATH] = "", sys[64] = "", path[MAX_PATH], font[MAX_PATH];
    int interactive = argc > 1 && !strcmp(argv[1], "--interactive");
    HGLOBAL list;
    HMODULE lib;
    HWND dlg;
    int rc = 0;
    WNDCLASSA wc;

    DWORD nr = GetEnvironmentVariableA("CC_ROOT", root, sizeof root);
    DWORD ns = GetEnvironmentVariableA("CC_SYSTEM", sys, sizeof sys);
    if (!nr || nr >= sizeof root || !ns || ns >= sizeof sys)
        return Fail("set CC_ROOT to the installation and CC_SYSTEM to its system folder", "unset or too long");
    if (snprintf(s_sysPath, sizeof s_sysPath, "%s\\%s\\windows\\lib", root, sys) >= (int)sizeof s_sysPath)
        return Fail("system path too long", root);
    printf("sdkpanel: system path %s\n", s_sysPath);
    {
        DWORD a = GetFileAttributesA(s_sysPath);
        if (a == INVALID_FILE_ATTRIBUTES || !(a & FILE_ATTRIBUTE_DIRECTORY))
            return Fail("no installation at the system path", s_sysPath);
    }
    if (!InSystemPath(path, sizeof path, "KERV_CC.DLL") || !FileExists(path))
        return Fail("the standard library is missing", path);
    if (!InSystemPath(font, sizeof font, "KERV_CC09.DLL") || !FileExists(font))
        return Fail("the special library (sibling of KERV_CC.DLL) is missing", font);
    if (!InSystemPath(font, sizeof font, "DotMatrix.ttf") || !FileExists(font))
        return Fail("the Dot-Matrix font is missing", font);
    if (!AddFontResourceExA(font, FR_PRIVATE, 0)) return Fail("the Dot-Matrix font cannot be registered", font);

    lib = LoadLibraryA(path);
    if (!lib) {
        /* The system says only "bad image format" (error 193) for a library
         * of the other word size: name the cause. */
        DWORD err = GetLastError();
        int bits = (int)sizeof(void *) * 8, dllBits = DllBits(path);
        if (dllBits && dllBits != bits) {
            printf("sdkpanel: KERV_CC.DLL cannot be loaded (error %lu): %s is a %d-bit DLL; a %d-bit program needs "
                   "the %d-bit build (%s)\n",
                   (unsigned long)err, path, dllBits, bits, bits,
                   bits == 64 ? "bin64, CC_SYSTEM=studio64" : "bin, CC_SYSTEM=studio");
            return 2;
        }
        printf("sdkpanel: KERV_CC.DLL cannot be loaded (error %lu): %s\n", (unsigned long)err, path);
        return 2;
    }
    if (!GetClassInfoA(NULL, KERV_CC09_CLASS, &wc))
        return Fail("KERV_CC.DLL did not load its sibling KERV_CC09.DLL", s_sysPath);

    /* Through the import library: bound to the module loaded above. */
    list = ListClasses(NULL, 0x300, NULL, NULL);
    if (list) {
        const char *p = (const char *)GlobalLock(list);
        /* A 16-bit count, then per class three entry point addresses
         * (pointer-wide) and the 20-character name. */
        if (p)
            printf("sdkpanel: ListClasses: %d class(es), first \"%.20s\"\n", *(const short *)p,
                   p + 2 + 3 * sizeof(void *));
        GlobalUnlock(list);
        GlobalFree(list);
    }

    dlg = CreateDialogParamA(GetModuleHandleA(NULL), "PANEL", NULL, PanelProc, 0);
    if (!dlg) {
        printf("sdkpanel: the panel cannot be created (error %lu)\n", (unsigned long)GetLastError());
        rc = 2;
    } else {
        SetUp(dlg);
        ShowWindow(dlg, SW_SHOW);
        Pump();
        if (interactive) {
            MSG m;
            while (GetMessageA(&m, NULL, 0, 0) > 0)
                if (!IsDialogMessageA(dlg, &m)) {
                    TranslateMessage(&m);
                    DispatchMessageA(&m);
                }
        } else {
            rc = SelfTest(dlg);
            DestroyWindow(dlg);
            Pump();
        }
    }
    RemoveFontResourceExA(font, FR_PRIVATE, 0);
    return rc;
}
