// Repeat button: the press reported again after 500 ms and then at the rate
// of the second field; timers stopped by the release, by disabling, by a
// button up outside, and stray ticks ignored; looks and text changes.
// Timers run slow and uneven under emulation: counts have generous bounds,
// but bounds that a wrong delay or rate would break.
#include <gtest/gtest.h>
#include <vector>
#include "harness.h"
#include "s09_frame.h"

static const int ID = 331, W = 80, H = 24;
static const WPARAM P = ID, R = ID + 1000;
static const COLORREF DARK = 0x808080, BLACK = 0;

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

static std::vector<CCTMsg> Cmds(HWND w, const std::vector<WPARAM> &ids)
{
    std::vector<CCTMsg> v;
    for (WPARAM id : ids) v.push_back(CCT_Cmd(id, w));
    return v;
}

// The pointer is put over the control first (and what that moves handled), so
// that a move the window system makes up while the button is held (a window
// made or destroyed under the pointer) finds it inside, as under a hand.
static void Down(HWND w)
{
    POINT p = CCT_Screen(w, 10, 10);
    SetCursorPos(p.x, p.y);
    CCT_Pump();
    CCT_Send(w, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
}
static void Up(HWND w) { CCT_Send(w, WM_LBUTTONUP, 10, 10, 0); }
static void Move(HWND w, int x) { CCT_Send(w, WM_MOUSEMOVE, x, 10, MK_LBUTTON); }

TEST(S09Repeat, RepeatsAfterTheDelayAtTheRateOfTheSecondField)
{
    struct {
        const char *text;
        int holdMs, least, most;  // repeats while held
        std::vector<WPARAM> atPress, atRelease;
    } cases[] = {
        {"Up$100$3", 1200, 3, 8, {P}, {R}},  // ticks at 600 ... 1200
        {"Up$250$1", 1250, 1, 3, {P}, {}},
        // No usable interval: 100 ms (ticks at 600 ... 800).
        {"Up$ $1", 800, 1, 4, {P}, {}},
        {"Up$0$1", 800, 1, 4, {P}, {}},
        {"Up$abc$1", 800, 1, 4, {P}, {}},
        // Release only: nothing is reported until the release.
        {"Up$100$2", 700, 0, 0, {}, {P}},
    };
    for (auto &c : cases) {
        CCTWindow w(Repeat(c.text));
        CCT_ClearLog();
        Down(w);
        Hold(400);
        EXPECT_EQ(CCT_Commands(), Cmds(w, c.atPress)) << c.text << ": nothing within the delay";
        Hold(c.holdMs - 400);
        std::vector<CCTMsg> got = CCT_Commands();
        int repeats = (int)got.size() - (int)c.atPress.size();
        EXPECT_GE(repeats, c.least) << c.text;
        EXPECT_LE(repeats, c.most) << c.text;
        EXPECT_EQ(got, Cmds(w, std::vector<WPARAM>(got.size(), P))) << c.text;
        CCT_ClearLog();
        Up(w);
        Hold(250);
        EXPECT_EQ(CCT_Commands(), Cmds(w, c.atRelease)) << c.text << ": nothing after the release";
    }
}

// Ways a held button stops repeating; after each, nothing more arrives.
TEST(S09Repeat, TimersStopAndStrayTicksAreIgnored)
{
    enum Stop { RELEASE, DISABLE, UP_OUTSIDE, DRAG_OUT, QUEUED_TICKS, TICKS_WHEN_IDLE };
    struct {
        Stop how;
        std::vector<WPARAM> atStop;
        LONG state;  // slot 76 afterwards
    } cases[] = {
        {RELEASE, {R}, 0},  {DISABLE, {}, 1},      {UP_OUTSIDE, {}, 1},
        {DRAG_OUT, {R}, 0}, {QUEUED_TICKS, {R}, 0}, {TICKS_WHEN_IDLE, {}, 0},
    };
    for (auto &c : cases) {
        CCTWindow w(Repeat("Up$50$3"));
        if (c.how != TICKS_WHEN_IDLE) {
            Down(w);
            Hold(600);
            EXPECT_GE(CCT_Commands().size(), 2u) << c.how;
        }
        CCT_ClearLog();
        switch (c.how) {
        case RELEASE: Up(w); break;
        case DISABLE: EnableWindow(w, FALSE); break;
        case UP_OUTSIDE: CCT_Send(w, WM_LBUTTONUP, -5, -5, 0); break;
        case DRAG_OUT: Move(w, W + 30); break;
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
        EXPECT_EQ(CCT_Commands(), Cmds(w, c.atStop)) << c.how;
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
    EXPECT_EQ(CCT_Commands(), Cmds(w, {R}));
}

TEST(S09Repeat, HoldModeRepeatsOutsideAndComingBackRestartsTheDelay)
{
    CCTWindow w(Repeat("Up$50$1", 0x900));  // browse style has no effect here
    Down(w);
    Hold(700);
    Move(w, W + 30);
    EXPECT_EQ(CCT_Slot(w, 76), 2);
    CCT_ClearLog();
    Hold(300);
    EXPECT_FALSE(CCT_Commands().empty());  // still repeating with the pointer outside
    Move(w, 10);
    EXPECT_EQ(CCT_Slot(w, 76), 3);
    CCT_ClearLog();
    Hold(400);
    EXPECT_TRUE(CCT_Commands().empty());  // the delay again
    Hold(400);
    EXPECT_FALSE(CCT_Commands().empty());
    Up(w);
    CCT_ClearLog();
    Hold(300);
    EXPECT_TRUE(CCT_Commands().empty());
}

TEST(S09Repeat, LooksAndTexts)
{
    CCTWindow w(Repeat("Step$100$2"));
    RECT normal, pressed;
    ASSERT_TRUE(CCT_Snap(w).Find(BLACK, &normal, 3, 3, W - 3, H - 3));
    EXPECT_NEAR((normal.left + normal.right) / 2, W / 2, 2);
    Down(w);
    CCTImage down = CCT_Snap(w);
    EXPECT_EQ(down.at(1, 1), DARK);
    ASSERT_TRUE(down.Find(BLACK, &pressed, 3, 3, W - 3, H - 3));
    EXPECT_EQ(pressed.left - normal.left, 2);
    EXPECT_EQ(pressed.top - normal.top, 2);
    // A new label while pressed is drawn in the pressed look.
    CCTWindow fresh(Repeat("Go$100$2"));
    Down(fresh);
    SetWindowTextA(w, "Go");
    EXPECT_EQ(CCT_RawText(w), "Go$100$2");
    EXPECT_EQ(CCT_Snap(w).px, CCT_Snap(fresh).px);
    Up(w);
    Up(fresh);
    // The rate changes through variant 1 without touching the look.
    CCTImage before = CCT_Snap(w);
    SetWindowTextA(w, "/_____1");
    SetWindowTextA(w, "250");
    EXPECT_EQ(CCT_RawText(w), "Go$250$2");
    EXPECT_EQ(CCT_Snap(w).px, before.px);
    // Disabled: grey body; a new label keeps that look.
    EnableWindow(w, FALSE);
    EnableWindow(fresh, FALSE);
    EXPECT_EQ(CCT_Snap(w).at(5, 5), DARK);
    SetWindowTextA(w, "/_____0");
    SetWindowTextA(w, "Go");
    EXPECT_EQ(CCT_Snap(w).px, CCT_Snap(fresh).px);
}
