// Repeat button: the press reported again after 500 ms and then at the rate
// of the second field; timers stopped by the release, by disabling, by a
// button up outside, and stray ticks ignored; looks and text changes.
// Timers run slow and uneven under emulation: counts have generous bounds,
// but bounds that a wrong delay or rate would break.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "harness.h"
#include "s09_frame.h"

static const int ID = 331, W = 80, H = 24;
static const WPARAM P = ID, R = ID + 1000;
static const COLORREF WHITE = 0xFFFFFF, DARK = 0x808080, BLACK = 0;

static HWND Repeat(const char *text, DWORD style = 0)
{
    HWND hwnd = CCT_Create(8 | style, text, 10, 20, W, H, ID, nullptr, CC09_CLASS_NAME);
    CCT_Repaint(hwnd);
    return hwnd;
}

// Handles messages (timer ticks among them) for about ms milliseconds.
static void Hold(int ms)
{
    DWORD start = GetTickCount();
    while ((int)(GetTickCount() - start) < ms) {
        CCT_Pump();
        Sleep(5);
    }
    CCT_Pump();
}

static int Count(WPARAM id)
{
    int n = 0;
    for (const CCTMsg &m : CCT_Commands()) n += m.wParam == id;
    return n;
}

static void Down(HWND w) { CCT_Send(w, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON); }
static void Up(HWND w) { CCT_Send(w, WM_LBUTTONUP, 10, 10, 0); }

TEST(S09Repeat, RepeatsAfterTheDelayAtTheRateOfTheSecondField)
{
    struct {
        const char *text;
        int holdMs, minRepeats, maxRepeats;
        std::vector<WPARAM> atPress, atRelease;
    } cases[] = {
        // 1200 ms at 100: ticks at 600 ... 1200.
        {"Up$100$3", 1200, 3, 8, {P}, {R}},
        {"Up$250$1", 1250, 1, 3, {P}, {}},
        // No usable interval: 100 ms (800 ms: ticks at 600 ... 800).
        {"Up$ $1", 800, 1, 4, {P}, {}},
        {"Up$0$1", 800, 1, 4, {P}, {}},
        {"Up$abc$1", 800, 1, 4, {P}, {}},
        // Release only: the timers run, nothing is reported until the release.
        {"Up$100$2", 700, 0, 0, {}, {P}},
    };
    for (auto &c : cases) {
        CCTWindow w(Repeat(c.text));
        CCT_ClearLog();
        Down(w);
        Hold(400);
        // Nothing repeats before the delay is over.
        std::vector<CCTMsg> want;
        for (WPARAM id : c.atPress) want.push_back(CCT_Cmd(id, w));
        EXPECT_EQ(CCT_Commands(), want) << c.text;
        Hold(c.holdMs - 400);
        int repeats = (int)CCT_Commands().size() - (int)c.atPress.size();
        EXPECT_GE(repeats, c.minRepeats) << c.text;
        EXPECT_LE(repeats, c.maxRepeats) << c.text;
        for (const CCTMsg &m : CCT_Commands()) EXPECT_EQ(m, CCT_Cmd(P, w)) << c.text;
        CCT_ClearLog();
        Up(w);
        Hold(250);
        want.clear();
        for (WPARAM id : c.atRelease) want.push_back(CCT_Cmd(id, w));
        EXPECT_EQ(CCT_Commands(), want) << c.text << ": nothing after the release";
    }
}

// Ways a held button stops repeating; after each, nothing more arrives.
TEST(S09Repeat, TimersStopAndStrayTicksAreIgnored)
{
    enum Stop { RELEASE, DISABLE, UP_OUTSIDE, DRAG_OUT, QUEUED_TICKS, TICKS_WHEN_IDLE };
    struct {
        Stop how;
        DWORD style;
        std::vector<WPARAM> atStop;
        LONG state;  // slot 76 afterwards
    } cases[] = {
        {RELEASE, 0, {R}, 0},
        {DISABLE, 0, {}, 1},
        {UP_OUTSIDE, 0, {}, 1},
        {DRAG_OUT, 0, {R}, 0},
        {QUEUED_TICKS, 0, {R}, 0},
        {TICKS_WHEN_IDLE, 0, {}, 0},
    };
    for (auto &c : cases) {
        CCTWindow w(Repeat("Up$50$3", c.style));
        if (c.how != TICKS_WHEN_IDLE) {
            Down(w);
            Hold(600);
            EXPECT_GE(Count(P), 2) << c.how;
        }
        CCT_ClearLog();
        switch (c.how) {
        case RELEASE: Up(w); break;
        case DISABLE: EnableWindow(w, FALSE); break;
        case UP_OUTSIDE: CCT_Send(w, WM_LBUTTONUP, -5, -5, 0); break;
        case DRAG_OUT: CCT_Send(w, WM_MOUSEMOVE, W + 30, 5, MK_LBUTTON); break;
        case QUEUED_TICKS:
            PostMessageA(w, WM_TIMER, 1, 0);
            PostMessageA(w, WM_TIMER, 2, 0);
            Up(w);
            break;
        case TICKS_WHEN_IDLE:
            SendMessageA(w, WM_TIMER, 1, 0);
            SendMessageA(w, WM_TIMER, 2, 0);
            break;
        }
        Hold(300);
        std::vector<CCTMsg> want;
        for (WPARAM id : c.atStop) want.push_back(CCT_Cmd(id, w));
        EXPECT_EQ(CCT_Commands(), want) << c.how;
        EXPECT_EQ(CCT_Slot(w, 76), c.state) << c.how;
    }
    // After a button up outside the next click ends the press.
    CCTWindow w(Repeat("Up$50$3"));
    Down(w);
    CCT_Send(w, WM_LBUTTONUP, -5, -5, 0);
    CCT_ClearLog();
    Down(w);
    Up(w);
    Hold(300);
    EXPECT_EQ(CCT_Commands(), std::vector<CCTMsg>{CCT_Cmd(R, w)});
}

TEST(S09Repeat, HoldModeRepeatsOutsideAndComingBackRestartsTheDelay)
{
    CCTWindow w(Repeat("Up$50$1", 0x800));
    CCT_ClearLog();
    Down(w);
    Hold(700);
    CCT_Send(w, WM_MOUSEMOVE, W + 30, 5, MK_LBUTTON);
    EXPECT_EQ(CCT_Slot(w, 76), 2);
    int before = Count(P);
    Hold(300);
    EXPECT_GT(Count(P), before);  // still repeating with the pointer outside
    CCT_Send(w, WM_MOUSEMOVE, 10, 10, MK_LBUTTON);
    EXPECT_EQ(CCT_Slot(w, 76), 3);
    before = Count(P);
    Hold(400);
    EXPECT_EQ(Count(P), before);  // the delay again
    Hold(400);
    EXPECT_GT(Count(P), before);
    Up(w);
    CCT_ClearLog();
    Hold(300);
    EXPECT_TRUE(CCT_Commands().empty());
}

// Ink box of the label inside the edges.
static RECT Ink(const CCTImage &img)
{
    RECT r = {0, 0, 0, 0};
    img.Find(BLACK, &r, 3, 3, W - 3, H - 3);
    return r;
}

TEST(S09Repeat, LooksAndTexts)
{
    CCTWindow w(Repeat("Step$100$2"));
    CCTImage normal = CCT_Snap(w);
    EXPECT_EQ(normal.at(1, 1), WHITE);
    EXPECT_EQ(normal.at(W - 2, H - 2), DARK);
    RECT label = Ink(normal);
    EXPECT_NEAR((label.left + label.right) / 2, W / 2, 2);
    Down(w);
    CCTImage down = CCT_Snap(w);
    EXPECT_EQ(down.at(1, 1), DARK);
    RECT pressed = Ink(down);
    EXPECT_EQ(pressed.left, label.left + 2);
    EXPECT_EQ(pressed.top, label.top + 2);
    // A new label while pressed is drawn in the pressed look.
    CCTWindow fresh(Repeat("Go$100$2"));
    Down(fresh);
    SetWindowTextA(w, "Go");
    EXPECT_EQ(CCT_RawText(w), "Go$100$2");
    EXPECT_EQ(CCT_Snap(w).px, CCT_Snap(fresh).px);
    Up(w);
    Up(fresh);
    CCT_Pump();
    // The rate changes through variant 1 without touching the look.
    CCTImage before = CCT_Snap(w);
    SetWindowTextA(w, "/_____1");
    SetWindowTextA(w, "250");
    EXPECT_EQ(CCT_RawText(w), "Go$250$2");
    EXPECT_EQ(CCT_Text(w), "250");
    EXPECT_EQ(CCT_Snap(w).px, before.px);
    // Disabled: grey body, the label in light grey; a new label keeps that look.
    EnableWindow(w, FALSE);
    EnableWindow(fresh, FALSE);
    EXPECT_EQ(CCT_Snap(w).at(5, 5), DARK);
    SetWindowTextA(w, "/_____0");
    SetWindowTextA(w, "Go");
    EXPECT_EQ(CCT_Snap(w).px, CCT_Snap(fresh).px);
}

TEST(S09Repeat, EveryPathReleasesWhatItMakes)
{
    for (DWORD style : {0x000, 0x100, 0x800}) {
        EXPECT_EQ(CCT_GdiLeaked([&] {
                      CCTWindow w(Repeat("Up$20$3", style));
                      Down(w);
                      SetWindowTextA(w, "Down");
                      Hold(600);
                      CCT_Send(w, WM_MOUSEMOVE, W + 30, 5, MK_LBUTTON);
                      CCT_Send(w, WM_MOUSEMOVE, 10, 10, MK_LBUTTON);
                      Up(w);
                      EnableWindow(w, FALSE);
                      SetWindowTextA(w, "Off");
                      EnableWindow(w, TRUE);
                      CCT_Pump();
                  }),
                  0)
            << style;
    }
}
