// Accessibility through the shipped libraries, as a client sees it: every kind's
// object from AccessibleObjectFromWindow (role, name, state, value, default
// action against a mouse click's notifications), the events a hook catches,
// the object's end with its window, and keyboard operation with WS_TABSTOP.
#include <gtest/gtest.h>
#include <oleacc.h>
#include <algorithm>
#include <string>
#include <vector>
#include "allkinds.h"
#include "harness.h"

namespace {

const char *STD = "VEK_CC_Button";
const char *S09 = "VEK_CC09_Button";
const int ID = 700;

struct Loaded {
    Loaded() { EXPECT_TRUE(CCT_LoadBoth()); }
};
void Load()
{
    static Loaded once;
}

// One configuration of a kind: creation text, texts set after creation, and
// what a client is told.
struct Config {
    const char *what;
    const char *cls;
    DWORD style;
    const char *text;
    std::vector<const char *> sets;  // WM_SETTEXT in order after creation
    LONG role;
    const char *name;
    int clickNotes;      // WM_COMMAND of a mouse click (and of the default action)
    const char *value;   // faders
};

const LONG PUSH = ROLE_SYSTEM_PUSHBUTTON, TEXT = ROLE_SYSTEM_STATICTEXT, SLIDER = ROLE_SYSTEM_SLIDER;

const std::vector<Config> &Configs()
{
    static const std::vector<Config> c = {
        {"Button", STD, 0x0001, "Play|Out", {}, PUSH, "Play Out", 1, nullptr},
        {"LedLamp", STD, 0x0002, "On Air", {"/____9"}, PUSH, "On Air", 1, nullptr},
        {"DestTwoFields", STD, 0x0004, "Studio", {"/_____1", "Desk|3", "/_____0"}, PUSH, "Desk 3 Studio", 1, nullptr},
        {"StaticText", STD, 0x0008, "News||Room", {}, TEXT, "News Room", 0, nullptr},
        {"Browse", STD, 0x0010, "Browse", {}, PUSH, "Browse", 1, nullptr},
        {"IdentText", STD, 0x0020, "Ident", {"Live|Now"}, TEXT, "Live Now", 0, nullptr},
        {"BitmapFramed", STD, 0x0040, "NOBITMAP", {}, PUSH, "NOBITMAP", 1, nullptr},
        {"BitmapPlain", STD, 0x0040, "NOBITMAP", {"/_____1"}, PUSH, "NOBITMAP", 1, nullptr},
        {"Touch", STD, 0x0080, "Touch", {}, PUSH, "Touch", 1, nullptr},
        {"Flat", STD, 0x0100, "Flat", {}, PUSH, "Flat", 2, nullptr},
        {"MultiFourFields", STD, 0x0200, "Take",
         {"/_____1", "Top", "/_____2", "Left", "/_____3", "Right", "/_____0"}, PUSH, "Top Take Left Right", 1,
         nullptr},
        {"MultiButtonOnly", STD, 0x0200, "Take", {}, PUSH, "Take", 1, nullptr},
        {"VFader", STD, 0x0400, "Master", {"75"}, SLIDER, "Master", 2, "75"},
        {"HFader", STD, 0x0800, "Pan", {}, SLIDER, "Pan", 2, "50"},
        {"FontPressRelease", S09, 1, "Take|Two$Arial,10$3", {}, PUSH, "Take Two", 2, nullptr},
        {"FontSilent", S09, 1, "Take$Arial,10$0", {}, TEXT, "Take", 0, nullptr},
        {"ComboRelease", S09, 2, "Pic$nofile$2", {}, PUSH, "Pic", 1, nullptr},
        {"LedDisplayPress", S09, 3, "00:00$20$1", {}, PUSH, "00:00", 1, nullptr},
        {"LedDisplaySilent", S09, 3, "12:00$20$0", {}, TEXT, "12:00", 0, nullptr},
        {"DualLed", S09, 4, "Studio 1$ $3", {}, PUSH, "Studio 1", 2, nullptr},
        {"Font95", S09, 5, "Label$Aux$3", {"/_____1", "Arial,12"}, PUSH, "Label", 2, nullptr},
        {"FontDisplay", S09, 6, "12:00$Arial,20$0", {}, TEXT, "12:00", 0, nullptr},
        {"Chunky", S09, 7, " $Aux$2", {}, PUSH, "", 1, nullptr},
        {"RepeatButton", S09, 8, "Rep$100$3", {}, PUSH, "Rep", 2, nullptr},
    };
    return c;
}

HWND Make(const Config &c, DWORD extra = 0, int x = 10)
{
    HWND h = CCT_Create(c.style | extra, c.text, x, 10, 100, 60, ID, nullptr, c.cls);
    for (const char *s : c.sets) SendMessageA(h, WM_SETTEXT, 0, (LPARAM)s);
    CCT_Pump();
    return h;
}

struct Acc {
    IAccessible *p = nullptr;
    explicit Acc(HWND h) { AccessibleObjectFromWindow(h, OBJID_CLIENT, __uuidof(IAccessible), (void **)&p); }
    ~Acc()
    {
        if (p) p->Release();
    }
    Acc(const Acc &) = delete;
    Acc &operator=(const Acc &) = delete;
};

VARIANT Self()
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = CHILDID_SELF;
    return v;
}

std::string Narrow(BSTR b)
{
    std::string s;
    for (UINT i = 0; b && i < SysStringLen(b); i++) s += (char)b[i];
    return s;
}

// A BSTR property as text; "<hr>" when the call does not answer S_OK.
template <typename F> std::string Str(F get)
{
    BSTR b = nullptr;
    HRESULT hr = get(&b);
    std::string s = hr == S_OK ? Narrow(b) : "<" + std::to_string((long)hr) + ">";
    SysFreeString(b);
    return s;
}

LONG Long(IAccessible *p, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT *))
{
    VARIANT v;
    VariantInit(&v);
    if ((p->*get)(Self(), &v) != S_OK || v.vt != VT_I4) return -1;
    return v.lVal;
}

std::string Name(IAccessible *p) { return Str([&](BSTR *b) { return p->get_accName(Self(), b); }); }
std::string Value(IAccessible *p) { return Str([&](BSTR *b) { return p->get_accValue(Self(), b); }); }
std::string Action(IAccessible *p) { return Str([&](BSTR *b) { return p->get_accDefaultAction(Self(), b); }); }
LONG Role(IAccessible *p) { return Long(p, &IAccessible::get_accRole); }
LONG State(IAccessible *p) { return Long(p, &IAccessible::get_accState); }

// A mouse click at the centre; *down (if given) is the state while the button is down.
std::vector<CCTMsg> Click(HWND h, IAccessible *a = nullptr, LONG *down = nullptr)
{
    RECT rc;
    GetClientRect(h, &rc);
    CCT_ClearLog();
    CCT_Send(h, WM_LBUTTONDOWN, rc.right / 2, rc.bottom / 2, MK_LBUTTON);
    if (a && down) *down = State(a);
    CCT_Send(h, WM_LBUTTONUP, rc.right / 2, rc.bottom / 2, 0);
    CCT_Pump();
    return CCT_Commands();
}

// Static and Ident Text take no press; every other kind but the faders shows one.
bool Passive(const Config &c) { return c.cls == STD && (c.style == 0x0008 || c.style == 0x0020); }

std::vector<CCTMsg> Keys(HWND h, std::vector<std::pair<UINT, WPARAM>> keys)
{
    CCT_ClearLog();
    for (auto &k : keys) SendMessageA(h, k.first, k.second, 1);
    CCT_Pump();
    return CCT_Commands();
}

class Kinds : public ::testing::TestWithParam<Config> {
protected:
    void SetUp() override { Load(); }
};

// Role, name, state, value and default action; the default action gives the
// parent what a click gives, in the same order.
TEST_P(Kinds, TellsWhatItShowsAndActsAsAClick)
{
    const Config &c = GetParam();
    CCTWindow h(Make(c));
    Acc a(h);
    ASSERT_TRUE(a.p);
    EXPECT_EQ(Role(a.p), c.role);
    EXPECT_EQ(Name(a.p), c.name);
    EXPECT_EQ(State(a.p), 0);
    EXPECT_EQ(Value(a.p), c.value ? c.value : "<" + std::to_string((long)DISP_E_MEMBERNOTFOUND) + ">");
    HWND back = nullptr;
    EXPECT_EQ(WindowFromAccessibleObject(a.p, &back), S_OK);
    EXPECT_EQ(back, (HWND)h);

    LONG down = -1;
    std::vector<CCTMsg> click = Click(h, a.p, &down);
    EXPECT_EQ((int)click.size(), c.clickNotes);
    EXPECT_EQ(down, Passive(c) || c.role == SLIDER ? 0 : STATE_SYSTEM_PRESSED);
    CCT_ClearLog();
    HRESULT hr = a.p->accDoDefaultAction(Self());
    CCT_Pump();
    if (c.role == PUSH) {
        EXPECT_EQ(Action(a.p), "Press");
        EXPECT_EQ(hr, S_OK);
        EXPECT_EQ(CCT_Commands(), click);
        EXPECT_EQ(State(a.p), 0);
    } else {
        EXPECT_EQ(hr, DISP_E_MEMBERNOTFOUND);
        EXPECT_TRUE(CCT_Commands().empty());
    }

    // Disabled: unavailable, and no default action.
    EnableWindow(h, FALSE);
    EXPECT_EQ(State(a.p), STATE_SYSTEM_UNAVAILABLE);
    CCT_ClearLog();
    if (c.role == PUSH) {
        EXPECT_EQ(a.p->accDoDefaultAction(Self()), E_FAIL);
    }
    EXPECT_TRUE(CCT_Commands().empty());
}

// With WS_TABSTOP: focusable, focused; Space gives a click's notifications
// (down: the press's, up: the release's); other keys nothing.
TEST_P(Kinds, SpaceActsAsTheLeftButton)
{
    const Config &c = GetParam();
    if (c.role == SLIDER) return;
    CCTWindow plain(Make(c));
    std::vector<CCTMsg> click = Click(plain);
    EXPECT_TRUE(Keys(plain, {{WM_KEYDOWN, VK_SPACE}, {WM_KEYUP, VK_SPACE}}).empty());  // no WS_TABSTOP

    CCTWindow h(Make(c, WS_TABSTOP, 200));
    Acc a(h);
    ASSERT_TRUE(a.p);
    SetFocus(h);
    EXPECT_EQ(State(a.p), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED);
    EXPECT_EQ(SendMessageA(h, WM_GETDLGCODE, 0, 0), 0);
    for (auto &m : click) m.lParam = (LPARAM)(HWND)h;
    std::vector<CCTMsg> got = Keys(h, {{WM_KEYDOWN, VK_SPACE}});
    bool pressedBySpace = (State(a.p) & STATE_SYSTEM_PRESSED) != 0;
    std::vector<CCTMsg> rest = Keys(h, {{WM_KEYDOWN, VK_SPACE}, {WM_KEYUP, VK_SPACE}, {WM_KEYUP, VK_SPACE}});
    got.insert(got.end(), rest.begin(), rest.end());
    EXPECT_EQ(got, click);
    EXPECT_EQ(pressedBySpace, !Passive(c));
    EXPECT_TRUE(Keys(h, {{WM_KEYDOWN, VK_RETURN}, {WM_KEYDOWN, VK_UP}, {WM_KEYUP, VK_UP}}).empty());
    EXPECT_EQ(GetCapture(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(All, Kinds, ::testing::ValuesIn(Configs()),
                         [](const ::testing::TestParamInfo<Config> &i) { return std::string(i.param.what); });

// A special button in hold mode stays pressed while the pointer is out.
TEST(Access, HeldPressOutsideStaysPressed)
{
    Load();
    CCTWindow held(CCT_Create(1 | 0x0800, "Hold$Arial$3", 10, 10, 100, 60, ID, nullptr, S09));
    Acc a(held);
    CCT_Send(held, WM_LBUTTONDOWN, 50, 30, MK_LBUTTON);
    CCT_Send(held, WM_MOUSEMOVE, 300, 300, MK_LBUTTON);
    EXPECT_EQ(State(a.p), STATE_SYSTEM_PRESSED);
    CCT_Send(held, WM_LBUTTONUP, 50, 30, 0);
    EXPECT_EQ(State(a.p), 0);
}

// A held object outlives its window and then answers CO_E_OBJNOTCONNECTED.
TEST(Access, ObjectOfADestroyedWindowIsDisconnected)
{
    Load();
    for (const char *cls : {STD, S09}) {
        bool std = cls == STD;
        HWND h = CCT_Create(1, "Gone$ $3", 10, 10, 80, 30, ID, nullptr, cls);
        IAccessible *p = nullptr;
        ASSERT_EQ(AccessibleObjectFromWindow(h, OBJID_CLIENT, __uuidof(IAccessible), (void **)&p), S_OK);
        IAccessible *again = nullptr;
        AccessibleObjectFromWindow(h, OBJID_CLIENT, __uuidof(IAccessible), (void **)&again);
        EXPECT_EQ(again, p);  // one object per window
        if (again) again->Release();
        DestroyWindow(h);
        BSTR b = nullptr;
        VARIANT v;
        VariantInit(&v);
        long n = -1;
        EXPECT_EQ(p->get_accName(Self(), &b), CO_E_OBJNOTCONNECTED);
        EXPECT_EQ(b, nullptr);
        EXPECT_EQ(p->get_accState(Self(), &v), CO_E_OBJNOTCONNECTED);
        EXPECT_EQ(p->accDoDefaultAction(Self()), CO_E_OBJNOTCONNECTED);
        EXPECT_EQ(p->get_accChildCount(&n), CO_E_OBJNOTCONNECTED);
        HWND w = (HWND)1;
        EXPECT_NE(WindowFromAccessibleObject(p, &w), S_OK);
        EXPECT_EQ(p->Release(), 0u);
        // Another window reusing nothing of it still answers.
        CCTWindow next(CCT_Create(1, std ? "Next" : "Next$ $3", 10, 10, 80, 30, ID, nullptr, cls));
        Acc a(next);
        EXPECT_EQ(Name(a.p), "Next");
    }
}

TEST(Access, BadCallsAndLongNames)
{
    Load();
    // Four fields of 255 characters: all of them, in reading order, never more.
    CCTWindow m(CCT_Create(0x0200, std::string(255, 'B').c_str(), 10, 10, 120, 80, ID));
    for (int v = 1; v <= 3; v++) {
        char opt[8] = "/_____0";
        opt[6] = (char)('0' + v);
        SendMessageA(m, WM_SETTEXT, 0, (LPARAM)opt);
        SendMessageA(m, WM_SETTEXT, 0, (LPARAM)std::string(300, (char)('A' + v + 1)).c_str());
    }
    Acc a(m);
    std::string name = Name(a.p);
    EXPECT_EQ(name, std::string(255, 'C') + " " + std::string(255, 'B') + " " + std::string(255, 'D') + " " +
                        std::string(255, 'E'));
    VARIANT other = Self();
    other.lVal = 3;
    BSTR b = nullptr;
    EXPECT_EQ(a.p->get_accName(other, &b), E_INVALIDARG);
    EXPECT_EQ(a.p->get_accName(Self(), nullptr), E_POINTER);
    EXPECT_EQ(a.p->accDoDefaultAction(other), E_INVALIDARG);
    // Other object ids are the system's.
    IAccessible *w = nullptr;
    EXPECT_EQ(AccessibleObjectFromWindow(m, OBJID_WINDOW, __uuidof(IAccessible), (void **)&w), S_OK);
    EXPECT_NE(w, a.p);
    if (w) w->Release();
}

// ---- events ----

struct Caught {
    DWORD event;
    HWND hwnd;
    bool operator==(const Caught &o) const { return event == o.event && hwnd == o.hwnd; }
};
std::ostream &operator<<(std::ostream &os, const Caught &c) { return os << std::hex << c.event << "@" << c.hwnd; }
std::vector<Caught> s_caught;

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG obj, LONG child, DWORD, DWORD)
{
    if (obj == OBJID_CLIENT && child == CHILDID_SELF) s_caught.push_back({event, hwnd});
}

struct Hook {
    HWINEVENTHOOK h;
    Hook()
    {
        h = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_VALUECHANGE, GetModuleHandleA(nullptr), OnEvent,
                            GetCurrentProcessId(), 0, WINEVENT_INCONTEXT);
        s_caught.clear();
    }
    ~Hook() { UnhookWinEvent(h); }
};

std::vector<Caught> Take()
{
    CCT_Pump();
    std::vector<Caught> c = s_caught;
    s_caught.clear();
    return c;
}

TEST(Events, PressReleaseEnableNameAndValue)
{
    Load();
    Hook hook;
    ASSERT_TRUE(hook.h);
    const DWORD STATE = EVENT_OBJECT_STATECHANGE, NAME = EVENT_OBJECT_NAMECHANGE, VALUE = EVENT_OBJECT_VALUECHANGE;
    for (const char *cls : {STD, S09}) {
        CCTWindow b(CCT_Create(1, "A$ $3", 10, 10, 80, 30, ID, nullptr, cls));
        Acc a(b);
        Take();
        CCT_Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
        EXPECT_EQ(Take(), (std::vector<Caught>{{STATE, b}}));
        CCT_Send(b, WM_LBUTTONUP, 5, 5, 0);
        EXPECT_EQ(Take(), (std::vector<Caught>{{STATE, b}}));
        SendMessageA(b, WM_SETTEXT, 0, (LPARAM) "B");
        EXPECT_EQ(Take(), (std::vector<Caught>{{NAME, b}}));
        SendMessageA(b, WM_SETTEXT, 0, (LPARAM) "B");  // no change
        SendMessageA(b, WM_SETTEXT, 0, (LPARAM) "/9F");
        EXPECT_TRUE(Take().empty());
        EnableWindow(b, FALSE);
        EnableWindow(b, TRUE);
        EXPECT_EQ(Take(), (std::vector<Caught>{{STATE, b}, {STATE, b}}));
    }
    // A Flat press slid onto a neighbour: the neighbour is pressed, the first not.
    CCTWindow f1(CCT_Create(0x0100, "1", 10, 100, 50, 30, 1));
    CCTWindow f2(CCT_Create(0x0100, "2", 60, 100, 50, 30, 2));
    Acc a1(f1);
    Take();
    CCT_Send(f1, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    CCT_Route(WM_MOUSEMOVE, CCT_Screen(f2, 20, 15).x, CCT_Screen(f2, 20, 15).y, MK_LBUTTON);
    CCT_Route(WM_MOUSEMOVE, CCT_Screen(f2, 25, 15).x, CCT_Screen(f2, 25, 15).y, MK_LBUTTON);
    std::vector<Caught> slid = Take();
    EXPECT_NE(std::find(slid.begin(), slid.end(), Caught{STATE, f2}), slid.end());
    CCT_Route(WM_LBUTTONUP, CCT_Screen(f2, 25, 15).x, CCT_Screen(f2, 25, 15).y, 0);
    // Faders: every move of the value.
    CCTWindow v(CCT_Create(0x0400, "V", 10, 150, 20, 100, 3));
    Acc av(v);
    Take();
    CCT_Send(v, WM_LBUTTONDOWN, 5, 20, MK_LBUTTON);
    CCT_Send(v, WM_MOUSEMOVE, 5, 30, MK_LBUTTON);
    CCT_Send(v, WM_LBUTTONUP, 5, 30, 0);
    SendMessageA(v, WM_SETTEXT, 0, (LPARAM) "7");
    EXPECT_EQ(Take(), (std::vector<Caught>{{VALUE, v}, {VALUE, v}, {VALUE, v}}));
    EXPECT_EQ(Value(av.p), "7");
}

// ---- keyboard ----

TEST(Keyboard, FaderStepsPagesAndEnds)
{
    Load();
    struct Case {
        DWORD style;
        WPARAM key;
        int notes;
        const char *value;
    };
    // 100 pixels, 1 to 100, value 50 set as text (knob 50 vertical, 49 horizontal).
    const Case cases[] = {
        {0x0400, VK_UP, 1, "51"},     {0x0400, VK_RIGHT, 1, "51"}, {0x0400, VK_DOWN, 1, "49"},
        {0x0400, VK_PRIOR, 1, "60"},  {0x0400, VK_NEXT, 1, "40"},  {0x0400, VK_HOME, 1, "1"},
        {0x0400, VK_END, 1, "100"},   {0x0800, VK_RIGHT, 1, "51"}, {0x0800, VK_UP, 1, "51"},
        {0x0800, VK_LEFT, 1, "49"},   {0x0800, VK_PRIOR, 1, "60"}, {0x0800, VK_HOME, 1, "1"},
        {0x0800, VK_END, 1, "100"},   {0x0400, VK_SPACE, 0, "50"}, {0x0400, VK_RETURN, 0, "50"},
    };
    for (const Case &c : cases) {
        bool vertical = c.style == 0x0400;
        CCTWindow f(CCT_Create(c.style | WS_TABSTOP, "F", 10, 10, vertical ? 20 : 100, vertical ? 100 : 20, ID));
        SendMessageA(f, WM_SETTEXT, 0, (LPARAM) "50");
        EXPECT_EQ(SendMessageA(f, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
        Acc a(f);
        std::vector<CCTMsg> notes = Keys(f, {{WM_KEYDOWN, c.key}, {WM_KEYUP, c.key}});
        EXPECT_EQ((int)notes.size(), c.notes) << c.style << " key " << c.key;
        EXPECT_EQ(Value(a.p), c.value) << c.style << " key " << c.key;
        EXPECT_EQ(CCT_Text(f), c.value);
        // At the end already: nothing more to notify.
        if (c.key == VK_HOME || c.key == VK_END) {
            EXPECT_TRUE(Keys(f, {{WM_KEYDOWN, c.key}}).empty());
        }
    }
    // Without WS_TABSTOP, keys and the dialog code are as they were.
    CCTWindow plain(CCT_Create(0x0400, "F", 10, 10, 20, 100, ID));
    EXPECT_EQ(SendMessageA(plain, WM_GETDLGCODE, 0, 0), 0);
    EXPECT_TRUE(Keys(plain, {{WM_KEYDOWN, VK_UP}, {WM_KEYDOWN, VK_END}}).empty());
}

TEST(Keyboard, IgnoredWhileTheMouseHoldsAnotherPress)
{
    Load();
    CCTWindow other(CCT_Create(0x0001, "Mouse", 10, 10, 80, 30, 1));
    CCTWindow b(CCT_Create(0x0001 | WS_TABSTOP, "Key", 100, 10, 80, 30, 2));
    CCTWindow f(CCT_Create(0x0400 | WS_TABSTOP, "F", 200, 10, 20, 100, 3));
    SetFocus(b);
    CCT_Send(other, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    CCT_ClearLog();
    EXPECT_TRUE(Keys(b, {{WM_KEYDOWN, VK_SPACE}, {WM_KEYUP, VK_SPACE}}).empty());
    EXPECT_TRUE(Keys(f, {{WM_KEYDOWN, VK_UP}}).empty());
    EXPECT_EQ(GetCapture(), (HWND)other);
    CCT_Send(other, WM_LBUTTONUP, 5, 5, 0);
    EXPECT_EQ(CCT_Commands(), (std::vector<CCTMsg>{CCT_Cmd(other)}));
    // A mouse press while Space holds a press ends the keyboard press first.
    Keys(b, {{WM_KEYDOWN, VK_SPACE}});
    CCT_ClearLog();
    CCT_Send(other, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    CCT_Send(other, WM_LBUTTONUP, 5, 5, 0);
    EXPECT_EQ(CCT_Commands(), (std::vector<CCTMsg>{CCT_Cmd(b), CCT_Cmd(other)}));
    EXPECT_TRUE(Keys(b, {{WM_KEYUP, VK_SPACE}}).empty());
    // The control held by Space has the capture: a click elsewhere reaches it
    // first, ends the keyboard press and is no click on it.
    Keys(b, {{WM_KEYDOWN, VK_SPACE}});
    EXPECT_EQ(GetCapture(), (HWND)b);
    CCT_ClearLog();
    POINT away = CCT_Screen(b, 100, 200);
    EXPECT_EQ(CCT_Route(WM_LBUTTONDOWN, away.x, away.y, MK_LBUTTON), (HWND)b);
    EXPECT_EQ(GetCapture(), nullptr);
    CCT_Route(WM_LBUTTONUP, away.x, away.y, 0);
    EXPECT_EQ(CCT_Commands(), (std::vector<CCTMsg>{CCT_Cmd(b)}));
}

// The focus cue: a clicked WS_TABSTOP control takes the focus; the cue shows
// only while the UI state shows focus cues, and goes with the focus.
TEST(Keyboard, FocusCueFollowsTheUiState)
{
    Load();
    CCTWindow b(CCT_Create(0x0001 | WS_TABSTOP, "Cue", 10, 10, 80, 40, 1));
    CCTWindow c(CCT_Create(0x0001 | WS_TABSTOP, "Other", 100, 10, 80, 40, 2));
    SetFocus(c);
    CCT_Repaint(b);
    CCTImage plain = CCT_Snap(b);
    SendMessageA(b, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
    Click(b);
    EXPECT_EQ(GetFocus(), (HWND)b);
    CCT_Repaint(b);
    EXPECT_EQ(CCT_Snap(b).px, plain.px);  // cues hidden
    SendMessageA(b, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    CCTImage cue = CCT_Snap(b);
    SendMessageA(b, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
    EXPECT_EQ(CCT_Snap(b).px, plain.px);
    Keys(b, {{WM_KEYDOWN, VK_SHIFT}, {WM_KEYUP, VK_SHIFT}});  // the keyboard is used
    EXPECT_EQ(CCT_Snap(b).px, cue.px);
    int changed = 0;
    for (size_t i = 0; i < cue.px.size(); i++) changed += cue.px[i] != plain.px[i];
    EXPECT_GT(changed, 0);
    // Only on the dotted rectangle three pixels inside the edges.
    for (int y = 0; y < cue.h; y++)
        for (int x = 0; x < cue.w; x++) {
            bool onRect = ((x == 3 || x == cue.w - 4) && y >= 3 && y <= cue.h - 4) ||
                          ((y == 3 || y == cue.h - 4) && x >= 3 && x <= cue.w - 4);
            if (!onRect) {
                ASSERT_EQ(cue.at(x, y), plain.at(x, y)) << x << "," << y;
            }
        }
    CCT_Repaint(b);
    EXPECT_EQ(CCT_Snap(b).px, cue.px);  // drawn again after every paint, the same
    SetFocus(c);
    CCT_Pump();
    EXPECT_EQ(CCT_Snap(b).px, plain.px);
}

}  // namespace
