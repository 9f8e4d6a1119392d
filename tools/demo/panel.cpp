// Demo panel helpers for the tours: logging, expected notifications, pointer
// input and the messages a panel application sends to its controls.
#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include <vector>

#include "cckit.h"
#include "demo.h"
#include "demo_internal.h"
#include "kerv_cc.h"

namespace {

struct Note {
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<Note> g_notes;  // WM_COMMAND received since the step began
struct Reaction {
    int id;
    void (*fn)(HWND ctl);
};
std::vector<Reaction> g_reactions;  // what the panel does when a control reports
std::vector<POINT> g_rightClicks;  // WM_RBUTTONDOWN received since the step began
int g_checks, g_mismatches;
POINT g_pointer = {-1, -1};  // screen point of the last pointer event
bool g_buttonDown;

void LogV(const char *prefix, const char *fmt, va_list ap)
{
    fputs(prefix, stdout);
    vfprintf(stdout, fmt, ap);
    fputc('\n', stdout);
    fflush(stdout);
}

// One real mouse event at a screen point; then the panel gets time to react.
void SendMouse(DWORD flags, POINT pt)
{
    CCKit_SetDialog(Demo_Panel());
    CCKit_Mouse(flags, pt);
    g_pointer = pt;
}

// Moves the pointer to a screen point in steps of at most 12 pixels.
void GlideTo(POINT to)
{
    CCKit_SetDialog(Demo_Panel());
    if (g_pointer.x < 0) CCKit_Mouse(0, to);
    else CCKit_Glide(g_pointer, to);
    g_pointer = to;
}

std::string IdList(const std::vector<int> &ids)
{
    std::string s = "[";
    for (size_t i = 0; i < ids.size(); i++) {
        if (i) s += ' ';
        s += std::to_string(ids[i]);
    }
    return s + "]";
}

}  // namespace

void Demo_Log(const char *fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    LogV("", fmt, ap);
    va_end(ap);
}

void Demo_Step(const char *fmt, ...)
{
    Demo_Pause(10);
    g_notes.clear();
    g_rightClicks.clear();
    va_list ap;
    va_start(ap, fmt);
    LogV("tour: ", fmt, ap);
    va_end(ap);
}

std::string Demo_Label(HWND ctl)
{
    char buf[256] = "";
    if (ctl && IsWindow(ctl)) GetWindowTextA(ctl, buf, sizeof buf);
    return buf;
}

std::string Demo_Meaning(HWND ctl, int id)
{
    const char *kind = ctl ? Demo_KindName(ctl) : nullptr;
    if (!kind) return "from a window that is not a kit control";
    std::string k = kind;
    int own = GetDlgCtrlID(ctl);
    bool second = id == own + CC_RELEASE_OFFSET;
    if (id != own && !second) return "with an id that is not the control's";
    if (k == "Button" || k == "LED" || k == "Dest" || k == "Multi") return "clicked (released over it)";
    if (k == "Browse") return "pressed or rolled onto";
    if (k == "Touch") return "pressed";
    if (k == "Flat") return second ? "released" : "pressed";
    if (k == "Bitmap") return "clicked (framed) or pressed (unframed)";
    if (k == "VFader" || k == "HFader") return "moved, value " + Demo_Label(ctl);
    // Special kinds: the flags digit, the last character of the whole text.
    char raw[256] = "";
    SendMessageA(ctl, CC_GETRAWTEXT, sizeof raw, (LPARAM)raw);
    size_t n = strlen(raw);
    int flags = n ? (raw[n - 1] >= 'A' ? (raw[n - 1] & 0xF) + 9 : raw[n - 1] - '0') & 0xF : 0;
    if (second) return "released";
    if (k == "Repeat") return "pressed (and repeating while held)";
    return (flags & CC09_FLAG_PRESS) ? "pressed" : "released";
}

void Demo_Notified(WPARAM wParam, LPARAM lParam)
{
    g_notes.push_back({wParam, lParam});
    HWND from = (HWND)lParam;
    const char *kind = from ? Demo_KindName(from) : nullptr;
    Demo_Log("WM_COMMAND id=%u code=%u from=%d %s \"%s\": %s", (unsigned)LOWORD(wParam), (unsigned)HIWORD(wParam),
             from ? GetDlgCtrlID(from) : 0, kind ? kind : "window", Demo_Label(from).c_str(),
             Demo_Meaning(from, (int)LOWORD(wParam)).c_str());
    for (const Reaction &r : g_reactions)
        if (from && (WPARAM)r.id == wParam) r.fn(from);
}

void Demo_React(int id, void (*fn)(HWND ctl)) { g_reactions.push_back({id, fn}); }

// Compares the notifications since the step began with the expected ones.
static bool Check(const std::vector<int> &want, const std::vector<HWND> &from)
{
    Demo_Pause(10);
    g_checks++;
    std::vector<int> got;
    bool ok = want.size() == g_notes.size() && from.size() == want.size();
    for (size_t i = 0; i < g_notes.size(); i++) {
        got.push_back((int)g_notes[i].wParam);
        // A notification must come from a kit control with its own id (or id + 1000).
        if (Demo_Meaning((HWND)g_notes[i].lParam, (int)LOWORD(g_notes[i].wParam)).compare(0, 5, "with ") == 0 ||
            !Demo_KindName((HWND)g_notes[i].lParam))
            ok = false;
        if (ok && (g_notes[i].wParam != (WPARAM)want[i] || (HWND)g_notes[i].lParam != from[i])) ok = false;
    }
    if (ok) {
        Demo_Log("tour:   ok %s", IdList(want).c_str());
    } else {
        g_mismatches++;
        Demo_Log("tour:   MISMATCH expected %s, got %s", IdList(want).c_str(), IdList(got).c_str());
    }
    g_notes.clear();
    g_rightClicks.clear();
    return ok;
}

bool Demo_ExpectFrom(std::initializer_list<int> ids, std::initializer_list<HWND> handles)
{
    return Check(std::vector<int>(ids), std::vector<HWND>(handles));
}

bool Demo_ExpectCount(int id, int least, int most)
{
    HWND ctl = Demo_Item(id);
    int n = 0;
    for (const Note &note : g_notes) n += note.wParam == (WPARAM)id && (HWND)note.lParam == ctl;
    bool ok = n == (int)g_notes.size() && n >= least && n <= most;
    // As many as came when they are right; else the least, which differs from what came.
    std::vector<int> want(ok ? n : least, id);
    return Check(want, std::vector<HWND>(want.size(), ctl));
}

bool Demo_Expect(std::initializer_list<int> ids)
{
    std::vector<HWND> from;
    for (int id : ids) from.push_back(GetDlgItem(Demo_Panel(), id));
    return Check(std::vector<int>(ids), from);
}

bool Demo_ExpectText(int id, const char *text)
{
    g_checks++;
    std::string got = Demo_Label(GetDlgItem(Demo_Panel(), id));
    bool ok = got == text;
    if (ok) {
        Demo_Log("tour:   ok text of %d \"%s\"", id, text);
    } else {
        g_mismatches++;
        Demo_Log("tour:   MISMATCH text of %d: expected \"%s\", got \"%s\"", id, text, got.c_str());
    }
    return ok;
}

bool Demo_ExpectRawText(int id, const char *text)
{
    g_checks++;
    char buf[256] = "";
    if (HWND h = Demo_Item(id)) SendMessageA(h, CC_GETRAWTEXT, sizeof buf, (LPARAM)buf);
    bool ok = strcmp(buf, text) == 0;
    if (ok) {
        Demo_Log("tour:   ok raw text of %d \"%s\"", id, text);
    } else {
        g_mismatches++;
        Demo_Log("tour:   MISMATCH raw text of %d: expected \"%s\", got \"%s\"", id, text, buf);
    }
    return ok;
}

void Demo_RightClicked(WPARAM, LPARAM lParam)
{
    POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    g_rightClicks.push_back(pt);
    // The kit control under the point (group boxes around it also contain it).
    HWND over = nullptr;
    const char *kind = nullptr;
    for (HWND c = GetWindow(Demo_Panel(), GW_CHILD); c && !kind; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, Demo_Panel(), (POINT *)&r, 2);
        if (PtInRect(&r, pt) && Demo_KindName(c)) over = c, kind = Demo_KindName(c);
    }
    if (kind)
        Demo_Log("WM_RBUTTONDOWN x=%ld y=%ld over=%d %s \"%s\": right click passed to the panel", pt.x, pt.y,
                 GetDlgCtrlID(over), kind, Demo_Label(over).c_str());
    else
        Demo_Log("WM_RBUTTONDOWN x=%ld y=%ld", pt.x, pt.y);
}

bool Demo_ExpectRightClicks(std::initializer_list<int> ids)
{
    Demo_Pause(10);
    g_checks++;
    bool ok = ids.size() == g_rightClicks.size();
    size_t i = 0;
    for (int id : ids) {
        RECT r = {0, 0, 0, 0};
        if (HWND h = Demo_Item(id)) GetWindowRect(h, &r);
        POINT want = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ScreenToClient(Demo_Panel(), &want);
        if (ok && (g_rightClicks[i].x != want.x || g_rightClicks[i].y != want.y)) ok = false;
        i++;
    }
    if (ok) {
        Demo_Log("tour:   ok %zu right click(s) passed to the panel at the controls' centres", ids.size());
    } else {
        g_mismatches++;
        Demo_Log("tour:   MISMATCH expected %zu right click(s) at the controls' centres, got %zu", ids.size(),
                 g_rightClicks.size());
    }
    g_rightClicks.clear();
    return ok;
}

int Demo_Checks() { return g_checks; }
int Demo_Mismatches() { return g_mismatches; }

HWND Demo_Item(int id)
{
    HWND h = GetDlgItem(Demo_Panel(), id);
    if (!h) Demo_Log("tour:   no control with id %d on the panel", id);
    return h;
}

void Demo_MoveToPoint(int x, int y)
{
    POINT pt = {x, y};
    ClientToScreen(Demo_Panel(), &pt);
    GlideTo(pt);
}

void Demo_MoveTo(int id)
{
    HWND h = Demo_Item(id);
    if (!h) return;
    RECT r;
    GetWindowRect(h, &r);
    GlideTo({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void Demo_MoveBelow(int id, int gap)
{
    HWND h = Demo_Item(id);
    if (!h) return;
    RECT r;
    GetWindowRect(h, &r);
    GlideTo({(r.left + r.right) / 2, r.bottom + gap});
}

void Demo_Down()
{
    g_buttonDown = true;
    SendMouse(MOUSEEVENTF_LEFTDOWN, g_pointer);
}

void Demo_Up()
{
    g_buttonDown = false;
    SendMouse(MOUSEEVENTF_LEFTUP, g_pointer);
}

void Demo_Click(int id)
{
    Demo_MoveTo(id);
    Demo_Down();
    Demo_Up();
}

void Demo_DoubleClick(int id)
{
    Demo_MoveTo(id);
    Demo_Down();
    Demo_Up();
    Demo_Down();
    Demo_Up();
}

void Demo_RightClick(int id)
{
    Demo_MoveTo(id);
    SendMouse(MOUSEEVENTF_RIGHTDOWN, g_pointer);
    SendMouse(MOUSEEVENTF_RIGHTUP, g_pointer);
}

void Demo_SetText(int id, const char *text)
{
    if (HWND h = Demo_Item(id)) SendMessageA(h, WM_SETTEXT, 0, (LPARAM)text);
    Demo_Pause(5);
}

void Demo_Enable(int id, bool on)
{
    if (HWND h = Demo_Item(id)) EnableWindow(h, on);
    Demo_Pause(5);
}

void Demo_Pause(int ms)
{
    CCKit_SetDialog(Demo_Panel());
    CCKit_Pause(ms);
}
