// Demo panel: loads KERV_CC.DLL from the demo installation, opens a dialog
// with the kit's controls, logs every WM_COMMAND and, headless, runs the
// scripted tour and saves a screenshot.
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <string.h>
#include <string>

#include "cccapture.h"
#include "cckit.h"
#include "demo.h"
#include "demo_internal.h"
#include "kerv_cc.h"

#define DEMO_PANEL_TEMPLATE "DEMO_PANEL"

// The family table, built from families.h.
#define DEMO_FAMILY(name) void DemoSetup_##name(); void DemoTour_##name();
#include "families.h"
#undef DEMO_FAMILY

namespace {

struct Family {
    const char *name;
    void (*setup)();
    void (*tour)();
};

const Family kFamilies[] = {
#define DEMO_FAMILY(name) {#name, DemoSetup_##name, DemoTour_##name},
#include "families.h"
#undef DEMO_FAMILY
};

struct Options {
    bool interactive = false;
    bool strict = false;
    std::string png;
};

HWND g_panel;
bool g_interactive;
std::string g_png;

void Usage()
{
    printf("usage: ccdemo [--interactive] [--strict] [--png FILE]\n"
           "  headless (default): runs the scripted tour, writes the screenshot, exits\n"
           "  --interactive       stays open for real input until the panel is closed\n"
           "  --strict            exit status 3 when a tour step got other notifications\n"
           "  --png FILE          screenshot file (default: panel.png beside the program)\n"
           "exit status: 0 done, 2 bad arguments or an incomplete installation (said why),\n"
           "  3 (--strict) a tour step got other notifications than expected\n");
}

// 0 ok, 1 help shown, 2 bad arguments.
int ParseArgs(int argc, char **argv, Options &o)
{
    for (int i = 1; i < argc; i++) {
        const char *a = argv[i];
        if (!strcmp(a, "--interactive")) o.interactive = true;
        else if (!strcmp(a, "--strict")) o.strict = true;
        else if (!strcmp(a, "--png") && i + 1 < argc && argv[i + 1][0]) o.png = argv[++i];
        else if (!strcmp(a, "--help") || !strcmp(a, "-h")) return 1;
        else {
            fprintf(stderr, "ccdemo: unknown argument '%s'\n", a);
            return 2;
        }
    }
    return 0;
}

void LogLine(const char *line) { Demo_Log("%s", line); }

}  // namespace

const char *Demo_KindName(HWND ctl) { return CCKit_KindName(ctl); }

namespace {

// Lists the kit's controls with their places, for people and for scripts.
BOOL CALLBACK ListControl(HWND ctl, LPARAM)
{
    const char *kind = Demo_KindName(ctl);
    if (!kind) return TRUE;
    RECT r;
    GetWindowRect(ctl, &r);
    MapWindowPoints(nullptr, g_panel, (POINT *)&r, 2);
    DWORD style = (DWORD)GetWindowLongA(ctl, GWL_STYLE);
    Demo_Log("control id=%d kind=%s style=0x%04lX x=%ld y=%ld w=%ld h=%ld label=\"%s\"", GetDlgCtrlID(ctl), kind,
             (unsigned long)(style & CC_KIND_MASK), r.left, r.top, r.right - r.left, r.bottom - r.top,
             Demo_Label(ctl).c_str());
    return TRUE;
}

void SaveScreenshot()
{
    if (CCCapture_ClientPng(g_panel, g_png.c_str())) {
        RECT rc;
        GetClientRect(g_panel, &rc);
        Demo_Log("demo: screenshot %s (%ld x %ld)", g_png.c_str(), rc.right, rc.bottom);
    } else {
        Demo_Log("demo: screenshot FAILED (%s)", g_png.c_str());
    }
}

INT_PTR CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        Demo_Notified(wParam, lParam);
        if (!lParam && LOWORD(wParam) == IDCANCEL) PostMessageA(hwnd, WM_CLOSE, 0, 0);
        return TRUE;
    case WM_RBUTTONDOWN:
        Demo_RightClicked(wParam, lParam);
        return TRUE;
    case WM_CLOSE:
        if (g_interactive) SaveScreenshot();
        DestroyWindow(hwnd);
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

HWND Demo_Panel() { return g_panel; }

int main(int argc, char **argv)
{
    _setmode(_fileno(stdout), _O_BINARY);  // plain '\n' line ends for scripts
    Options opt;
    int pa = ParseArgs(argc, argv, opt);
    if (pa) {
        Usage();
        return pa == 1 ? 0 : 2;
    }
    g_interactive = opt.interactive;
    g_png = opt.png.empty() ? CCKit_ProgramDir() + "\\panel.png" : opt.png;

    CCKit_DefaultRoot(CCKit_ProgramDir() + "\\install");
    if (!CCKit_Load("demo", LogLine)) return 2;  // the installation is incomplete: said why above
    g_panel = CreateDialogParamA(GetModuleHandleA(nullptr), DEMO_PANEL_TEMPLATE, nullptr, PanelProc, 0);
    if (!g_panel) {
        Demo_Log("demo: cannot create the panel (error %lu)", (unsigned long)GetLastError());
        return 1;
    }
    // Top-left of the screen, so that every control can be reached by the pointer.
    SetWindowPos(g_panel, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(g_panel);
    Demo_Pause(50);

    RECT rc;
    GetClientRect(g_panel, &rc);
    POINT org = {0, 0};
    ClientToScreen(g_panel, &org);
    Demo_Log("demo: panel client %ld x %ld at screen %ld,%ld; %zu families", rc.right, rc.bottom, org.x, org.y,
             sizeof kFamilies / sizeof kFamilies[0]);
    EnumChildWindows(g_panel, ListControl, 0);
    for (const Family &f : kFamilies) f.setup();
    Demo_Pause(50);

    if (opt.interactive) {
        Demo_Log("demo: ready (close the panel or press Esc to end)");
        MSG m;
        while (GetMessageA(&m, nullptr, 0, 0) > 0) {
            if (IsDialogMessageA(g_panel, &m)) continue;
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
        Demo_Log("demo: closed");
        return 0;
    }

    for (const Family &f : kFamilies) {
        Demo_Log("tour: == %s ==", f.name);
        f.tour();
    }
    Demo_Pause(50);
    SaveScreenshot();
    int bad = Demo_Mismatches();
    Demo_Log("demo: tour done, %d steps checked, %d mismatched", Demo_Checks(), bad);
    DestroyWindow(g_panel);
    Demo_Pause(20);
    return (opt.strict && bad) ? 3 : 0;
}
