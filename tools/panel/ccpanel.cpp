// Panel runner: shows a dialog template of a resource module with the kit's
// controls, lists them, runs a script of operator actions through real mouse
// input, checks what the panel reports, and writes a screenshot.
//   ccpanel.exe --module PANEL.DLL [--source PANEL.rc] [--dialog NAME]
//               [--script FILE] [--png FILE] [--interactive]
// Exit status: 0 all well, 1 an expectation failed, 2 bad input (arguments,
// script, template, ids) or --interactive without a display, 3 the
// installation could not be loaded or Wine has no graphics driver.
#include <windows.h>

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "cccapture.h"
#include "cckit.h"
#include "dialog_fault.h"
#include "kerv_cc.h"
#include "panelaccess.h"
#include "script.h"

namespace {

struct Options {
    std::string module, source, dialog, script, png;
    bool interactive = false;
};

HWND g_panel;
std::vector<int> g_notes;  // notification ids since the last expect
POINT g_pointer = {-1, -1};
int g_failures;

void Say(const char *fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    vfprintf(stdout, fmt, ap);
    va_end(ap);
    fputc('\n', stdout);
    fflush(stdout);
}

void LogLine(const char *line) { Say("%s", line); }

std::string Label(HWND ctl)
{
    char buf[256] = "";
    if (ctl) GetWindowTextA(ctl, buf, sizeof buf);
    return buf;
}

std::string Ids(const std::vector<int> &ids)
{
    std::string s = "[";
    for (size_t i = 0; i < ids.size(); i++) s += (i ? " " : "") + std::to_string(ids[i]);
    return s + "]";
}

INT_PTR CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG: return TRUE;
    case WM_COMMAND: {
        HWND from = (HWND)lParam;
        int id = LOWORD(wParam);
        g_notes.push_back(id);
        const char *kind = from ? CCKit_KindName(from) : nullptr;
        Say("notify: %d from %s %d \"%s\"", id, kind ? kind : "window", from ? GetDlgCtrlID(from) : 0,
            Label(from).c_str());
        return TRUE;
    }
    case WM_CLOSE: DestroyWindow(hwnd); return TRUE;
    case WM_DESTROY: PostQuitMessage(0); return TRUE;
    }
    return FALSE;
}

BOOL CALLBACK ListControl(HWND ctl, LPARAM)
{
    if (GetParent(ctl) != g_panel || (GetDlgCtrlID(ctl) & 0xFFFF) == 0xFFFF) return TRUE;  // not labels
    const char *kind = CCKit_KindName(ctl);
    char cls[64] = "";
    if (!kind) GetClassNameA(ctl, cls, sizeof cls);
    RECT r;
    GetWindowRect(ctl, &r);
    MapWindowPoints(nullptr, g_panel, (POINT *)&r, 2);
    Say("control %d %s at %ld,%ld size %ldx%ld \"%s\"", GetDlgCtrlID(ctl), kind ? kind : cls, r.left, r.top,
        r.right - r.left, r.bottom - r.top, Label(ctl).c_str());
    return TRUE;
}

// Screen point at a control's centre, or offset from its client origin.
POINT At(HWND ctl, int x, int y)
{
    POINT p = {x, y};
    ClientToScreen(ctl, &p);
    return p;
}

POINT Centre(HWND ctl)
{
    RECT rc;
    GetClientRect(ctl, &rc);
    return At(ctl, rc.right / 2, rc.bottom / 2);
}

void MoveTo(POINT to)
{
    if (g_pointer.x < 0) CCKit_Mouse(0, to);
    else CCKit_Glide(g_pointer, to);
    g_pointer = to;
}

void Down() { CCKit_Mouse(MOUSEEVENTF_LEFTDOWN, g_pointer); }
void Up() { CCKit_Mouse(MOUSEEVENTF_LEFTUP, g_pointer); }

// Where a drag to p percent of a fader's travel ends: bottom to top for a
// vertical control, left to right otherwise.
POINT Travel(HWND ctl, int percent)
{
    RECT rc;
    GetClientRect(ctl, &rc);
    int w = rc.right, h = rc.bottom;
    if (h > w) return At(ctl, w / 2, (h - 1) - (h - 1) * percent / 100);
    return At(ctl, (w - 1) * percent / 100, h / 2);
}

void Fail(const Options &o, const PanelAction &a, const std::string &what)
{
    g_failures++;
    Say("%s:%d: FAILED %s: %s", o.script.c_str(), a.line, PanelScript_Name(a.kind), what.c_str());
}

void Run(const Options &o, const PanelAction &a)
{
    HWND c = a.ids.empty() || a.kind == PA_EXPECT ? nullptr : GetDlgItem(g_panel, a.ids[0]);
    switch (a.kind) {
    case PA_CLICK: MoveTo(Centre(c)), Down(), Up(); break;
    case PA_PRESS: MoveTo(Centre(c)), Down(); break;
    case PA_RELEASE: MoveTo(Centre(c)), Up(); break;
    case PA_DRAG_TO: MoveTo(Centre(c)), Down(), MoveTo(Travel(c, a.percent)), Up(); break;
    case PA_DRAG_BY: {
        POINT p = Centre(c);
        MoveTo(p), Down(), MoveTo({p.x + a.dx, p.y + a.dy}), Up();
        break;
    }
    case PA_SLIDE:
        MoveTo(Centre(c)), Down();
        for (size_t i = 1; i < a.ids.size(); i++) MoveTo(Centre(GetDlgItem(g_panel, a.ids[i])));
        Up();
        break;
    case PA_HOLD: MoveTo(Centre(c)), Down(), CCKit_Pause(a.ms), Up(); break;
    case PA_WAIT: CCKit_Pause(a.ms); break;
    case PA_TEXT:
    case PA_OPTION: SendMessageA(c, WM_SETTEXT, 0, (LPARAM)a.text.c_str()); break;
    case PA_DISABLE: EnableWindow(c, FALSE); break;
    case PA_ENABLE: EnableWindow(c, TRUE); break;
    case PA_EXPECT:
        CCKit_Pause(20);
        if (g_notes != a.ids) Fail(o, a, "expected " + Ids(a.ids) + ", got " + Ids(g_notes));
        else Say("%s:%d: ok %s", o.script.c_str(), a.line, Ids(a.ids).c_str());
        g_notes.clear();
        break;
    case PA_EXPECT_TEXT: {
        std::string got = Label(c);
        if (got != a.text) Fail(o, a, "expected \"" + a.text + "\", got \"" + got + "\"");
        break;
    }
    case PA_EXPECT_PIXEL: {
        RedrawWindow(c, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        HDC dc = GetDC(c);
        COLORREF px = dc ? GetPixel(dc, a.x, a.y) : CLR_INVALID;
        if (dc) ReleaseDC(c, dc);
        unsigned got = px == CLR_INVALID ? 0xFFFFFFFFu
                                         : (unsigned)(GetRValue(px) << 16 | GetGValue(px) << 8 | GetBValue(px));
        char what[96];
        snprintf(what, sizeof what, "pixel %d,%d expected #%06X, got %s%06X", a.x, a.y, a.rgb,
                 got == 0xFFFFFFFFu ? "nothing " : "#", got == 0xFFFFFFFFu ? 0u : got);
        if (got != a.rgb) Fail(o, a, what);
        break;
    }
    case PA_KEY: PanelAccess_Type(g_panel, c, a.keys); break;
    case PA_EXPECT_NAME:
    case PA_EXPECT_STATE: {
        std::string name;
        unsigned state;
        if (!PanelAccess_Query(c, &name, &state)) Fail(o, a, "the control gives no accessible object");
        else if (a.kind == PA_EXPECT_NAME && name != a.text)
            Fail(o, a, "expected \"" + a.text + "\", got \"" + name + "\"");
        else if (a.kind == PA_EXPECT_STATE && state != a.state)
            Fail(o, a, "expected " + PanelAccess_StateText(a.state) + ", got " + PanelAccess_StateText(state));
        break;
    }
    }
    CCKit_Pause(10);
}

bool ReadFile(const std::string &path, std::string *out)
{
    FILE *f = fopen(path.c_str(), "rb");
    if (!f) return false;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0 && out->size() < (1u << 20)) out->append(buf, n);
    fclose(f);
    return true;
}

BOOL CALLBACK FirstDialog(HMODULE, LPCSTR, LPSTR name, LONG_PTR found)
{
    std::string *s = (std::string *)found;
    *s = IS_INTRESOURCE(name) ? "#" + std::to_string((unsigned)(ULONG_PTR)name) : std::string(name);
    return FALSE;
}

int Usage()
{
    fprintf(stderr, "usage: ccpanel.exe --module PANEL.DLL [--source NAME] [--dialog NAME] [--script FILE] "
                    "[--png FILE] [--interactive]\n");
    return 2;
}

}  // namespace

int main(int argc, char **argv)
{
    Options o;
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        bool more = i + 1 < argc;
        if (a == "--interactive") o.interactive = true;
        else if (a == "--module" && more) o.module = argv[++i];
        else if (a == "--source" && more) o.source = argv[++i];
        else if (a == "--dialog" && more) o.dialog = argv[++i];
        else if (a == "--script" && more) o.script = argv[++i];
        else if (a == "--png" && more) o.png = argv[++i];
        else return Usage();
    }
    if (o.module.empty()) return Usage();
    if (o.source.empty()) o.source = o.module;

    PanelScript script;
    if (!o.script.empty()) {
        std::string text;
        if (!ReadFile(o.script, &text)) {
            fprintf(stderr, "%s: cannot read the script\n", o.script.c_str());
            return 2;
        }
        if (!PanelScript_Parse(text, &script)) {
            fprintf(stderr, "%s:%d: %s\n", o.script.c_str(), script.errorLine, script.error.c_str());
            return 2;
        }
    }

    if (o.interactive) {  // before anything is loaded: the display is what is missing
        DialogFault f = DialogFault_NoDriver(true);
        if (f.status) {
            fprintf(stderr, "ccpanel: %s\n", f.text.c_str());
            return f.status;
        }
    }

    // The demo installation beside the program (a build), else the SDK tree the
    // program is installed in (<prefix>\bin, <prefix>\studio\windows\lib; 64-bit:
    // <prefix>\bin64, <prefix>\studio64\windows\lib).
    std::string here = CCKit_ProgramDir();
    bool built = GetFileAttributesA((here + "\\install\\studio\\windows\\lib").c_str()) != INVALID_FILE_ATTRIBUTES;
    if (built)
        CCKit_DefaultRoot(here + "\\install");
    else
        CCKit_DefaultRoot(here + "\\..", CCPANEL_SDK_SYSTEM);
    if (!CCKit_Load("ccpanel", LogLine)) return 3;
    HMODULE panelModule = LoadLibraryExA(o.module.c_str(), nullptr, 0);
    if (!panelModule) {
        fprintf(stderr, "%s: the compiled template cannot be loaded\n", o.source.c_str());
        return 2;
    }
    std::string name = o.dialog;
    if (name.empty()) EnumResourceNamesA(panelModule, RT_DIALOG, FirstDialog, (LONG_PTR)&name);
    if (name.empty()) {
        fprintf(stderr, "%s: the template holds no dialog\n", o.source.c_str());
        return 2;
    }
    LPCSTR res = name.c_str();
    if (name[0] == '#' || (name[0] >= '0' && name[0] <= '9')) {
        long n = strtol(name.c_str() + (name[0] == '#'), nullptr, 10);
        if (n > 0 && n < 65536) res = MAKEINTRESOURCEA(n);
    }
    if (!FindResourceA(panelModule, res, RT_DIALOG)) {
        fprintf(stderr, "%s: no dialog named %s\n", o.source.c_str(), name.c_str());
        return 2;
    }
    g_panel = CreateDialogParamA(panelModule, res, nullptr, PanelProc, 0);
    if (!g_panel) {
        DialogFault f = DialogFault_Find(panelModule, res, GetLastError(), o.interactive);
        fprintf(stderr, "%s: dialog %s could not be created: %s\n", o.source.c_str(), name.c_str(), f.text.c_str());
        return f.status;
    }
    CCKit_SetDialog(g_panel);
    SetWindowPos(g_panel, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    UpdateWindow(g_panel);
    CCKit_Pause(50);
    Say("panel %s from %s", name.c_str(), o.source.c_str());
    EnumChildWindows(g_panel, ListControl, 0);

    for (const PanelAction &a : script.actions) {
        if (a.kind == PA_EXPECT) continue;
        for (int id : a.ids)
            if (!GetDlgItem(g_panel, id)) {
                fprintf(stderr, "%s:%d: no control with id %d on the panel\n", o.script.c_str(), a.line, id);
                return 2;
            }
    }
    g_notes.clear();
    for (const PanelAction &a : script.actions) Run(o, a);
    if (!script.actions.empty()) Say("script: %zu actions, %d failed", script.actions.size(), g_failures);

    if (!o.png.empty()) {
        bool ok = CCCapture_ClientPng(g_panel, o.png.c_str());
        Say("screenshot %s %s", o.png.c_str(), ok ? "written" : "NOT written");
        if (!ok) g_failures++;
    }
    if (o.interactive) {
        MSG m;
        while (GetMessageA(&m, nullptr, 0, 0) > 0) {
            if (IsDialogMessageA(g_panel, &m)) continue;
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
    } else {
        DestroyWindow(g_panel);
    }
    return g_failures ? 1 : 0;
}
