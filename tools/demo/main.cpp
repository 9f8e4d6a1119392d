// Demo panel: loads KERV_CC.DLL from the demo installation, opens a dialog
// with the kit's controls, logs every WM_COMMAND and, headless, runs the
// scripted tour and saves a screenshot.
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <string.h>
#include <string>

#include "cccapture.h"
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

std::string ProgramDir()
{
    char path[MAX_PATH * 2];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path) return ".";
    std::string s(path, n);
    size_t cut = s.find_last_of("\\/");
    return cut == std::string::npos ? "." : s.substr(0, cut);
}

std::string Env(const char *name)
{
    char buf[1024];
    DWORD n = GetEnvironmentVariableA(name, buf, sizeof buf);
    return (n == 0 || n >= sizeof buf) ? std::string() : std::string(buf, n);
}

// Loads the standard library from the installation's system path; CC_ROOT
// and CC_SYSTEM default to the installation beside the program.
HMODULE LoadKit()
{
    if (Env("CC_ROOT").empty() || Env("CC_SYSTEM").empty()) {
        std::string root = ProgramDir() + "\\install";
        SetEnvironmentVariableA("CC_ROOT", root.c_str());
        SetEnvironmentVariableA("CC_SYSTEM", "studio");
    }
    std::string lib = Env("CC_ROOT") + "\\" + Env("CC_SYSTEM") + "\\windows\\lib";
    Demo_Log("demo: system path %s", lib.c_str());
    // What a panel needs there, checked first so that a broken installation
    // gives a message rather than a panel of blank windows.
    DWORD attr = GetFileAttributesA(lib.c_str());
    if (attr == INVALID_FILE_ATTRIBUTES || !(attr & FILE_ATTRIBUTE_DIRECTORY)) {
        Demo_Log("demo: no installation at the system path %s (set CC_ROOT and CC_SYSTEM)", lib.c_str());
        return nullptr;
    }
    struct Need {
        const char *file, *what;
    } const needs[] = {{"KERV_CC.DLL", "the standard library"},
                       {"KERV_CC09.DLL", "the special library (sibling of KERV_CC.DLL)"},
                       {"DotMatrix.ttf", "the Dot-Matrix font"}};
    for (const Need &n : needs) {
        attr = GetFileAttributesA((lib + "\\" + n.file).c_str());
        if (attr == INVALID_FILE_ATTRIBUTES || (attr & FILE_ATTRIBUTE_DIRECTORY)) {
            Demo_Log("demo: %s is missing: %s\\%s", n.what, lib.c_str(), n.file);
            return nullptr;
        }
    }
    // The LED displays name the Dot-Matrix typeface, installed beside the libraries.
    std::string font = lib + "\\DotMatrix.ttf";
    if (!AddFontResourceExA(font.c_str(), FR_PRIVATE, nullptr)) {
        Demo_Log("demo: the Dot-Matrix font %s cannot be registered", font.c_str());
        return nullptr;
    }
    Demo_Log("demo: font %s registered", font.c_str());
    std::string dll = lib + "\\KERV_CC.DLL";
    HMODULE h = LoadLibraryA(dll.c_str());
    if (!h) {
        Demo_Log("demo: cannot load %s (error %lu)", dll.c_str(), (unsigned long)GetLastError());
        return nullptr;
    }
    WNDCLASSA wc;
    bool std = GetClassInfoA(nullptr, KERV_CC_CLASS, &wc) != 0;
    bool s09 = GetClassInfoA(nullptr, KERV_CC09_CLASS, &wc) != 0;
    Demo_Log("demo: loaded KERV_CC.DLL; class %s %s; class %s %s", KERV_CC_CLASS,
             std ? "registered" : "MISSING", KERV_CC09_CLASS, s09 ? "registered" : "MISSING");
    if (!std || !s09) {
        Demo_Log("demo: %s did not register its classes", std ? "the sibling KERV_CC09.DLL" : "KERV_CC.DLL");
        return nullptr;
    }
    return h;
}

}  // namespace

const char *Demo_KindName(HWND ctl)
{
    char cls[64] = "";
    GetClassNameA(ctl, cls, sizeof cls);
    DWORD kind = (DWORD)GetWindowLongA(ctl, GWL_STYLE) & CC_KIND_MASK;
    if (!strcmp(cls, KERV_CC_CLASS)) {
        switch (kind) {
        case CC_KIND_BUTTON: return "Button";
        case CC_KIND_LED_BUTTON: return "LED";
        case CC_KIND_DEST_BUTTON: return "Dest";
        case CC_KIND_STATIC_TEXT: return "StaticText";
        case CC_KIND_BROWSE_BUTTON: return "Browse";
        case CC_KIND_IDENT_TEXT: return "IdentText";
        case CC_KIND_BITMAP_BUTTON: return "Bitmap";
        case CC_KIND_TOUCH_BUTTON: return "Touch";
        case CC_KIND_FLAT_BUTTON: return "Flat";
        case CC_KIND_MULTI_BUTTON: return "Multi";
        case CC_KIND_VFADER: return "VFader";
        case CC_KIND_HFADER: return "HFader";
        default: return "inert";
        }
    }
    if (!strcmp(cls, KERV_CC09_CLASS)) {
        static const char *const special[16] = {"inert",  "Font",   "ComboBMP", "LEDDisplay", "DualLED", "Font95",
                                                "FontDisplay", "Chunky", "Repeat", "inert",      "inert",   "inert",
                                                "inert",  "inert",  "inert",    "inert"};
        return special[kind & 0xF];
    }
    return nullptr;  // not one of the kit's controls
}

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
    g_png = opt.png.empty() ? ProgramDir() + "\\panel.png" : opt.png;

    if (!LoadKit()) return 2;  // the installation is incomplete: said why above
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
