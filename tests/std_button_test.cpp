// Push buttons (Button, Browse, Touch): press sequences, looks, labels and options,
// driven through real windows and messages.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>
#include "harness.h"
#include "std_frame.h"

namespace {

const DWORD kButton = 0x0001, kBrowse = 0x0010, kTouch = 0x0080;
const COLORREF kBlack = 0x000000, kWhite = 0xFFFFFF, kDark = 0x808080, kLight = 0xC0C0C0, kRed = 0x0000FF;
const int W = 100, H = 40;

class PushButton : public testing::Test {
protected:
    std::vector<HWND> made;

    void SetUp() override
    {
        CCT_Parent();
        // Keep the real pointer away from the controls so no stray move reaches them.
        SetCursorPos(600, 460);
        CCT_Pump();
        Reset();
    }
    void TearDown() override
    {
        for (HWND h : made) DestroyWindow(h);
        Reset();
    }
    void Reset()
    {
        ReleaseCapture();
        CCT_Pump();
        PressState = 0;
        PressWindow = nullptr;
        CCT_ClearLog();
    }
    HWND Make(DWORD kind, const char *text, int x, int y, int id, int w = W, int h = H)
    {
        HWND hwnd = CCT_Create(kind, text, x, y, w, h, id);
        made.push_back(hwnd);
        return hwnd;
    }
    // Client point (x, y) of hwnd as a routed mouse message.
    static HWND At(UINT msg, HWND hwnd, int x, int y, WPARAM keys)
    {
        POINT p = CCT_Screen(hwnd, x, y);
        return CCT_Route(msg, p.x, p.y, keys);
    }
};

std::string Text(HWND hwnd)
{
    char buf[8192];
    GetWindowTextA(hwnd, buf, sizeof buf);
    return buf;
}

// Bounding box of the label (pixels of colour c inside the bevel's border).
RECT LabelBox(HWND hwnd, COLORREF c, int inset = 1)
{
    CCTImage img = CCT_Snap(hwnd);
    RECT r = {0, 0, 0, 0};
    img.Find(c, &r, inset, inset, img.w - inset, img.h - inset);
    return r;
}

// Text cell of a single-line label centred in the W x H box, shifted by off.
RECT Cell(HWND hwnd, const char *text, int off)
{
    SIZE sz = CCT_TextExtent(hwnd, text);
    int dx = W > sz.cx ? (W - sz.cx) / 2 : 0, dy = H > sz.cy ? (H - sz.cy) / 2 : 0;
    return {dx + off, dy + off, dx + off + sz.cx, dy + off + sz.cy};
}

bool Inside(const RECT &in, const RECT &out)
{
    return in.left >= out.left && in.top >= out.top && in.right <= out.right && in.bottom <= out.bottom &&
           in.right > in.left && in.bottom > in.top;
}

RECT Shift(RECT r, int d) { return {r.left + d, r.top + d, r.right + d, r.bottom + d}; }

bool SameRect(const RECT &a, const RECT &b) { return EqualRect(&a, &b) != 0; }

// ---------------------------------------------------------------- press sequences

TEST_F(PushButton, ButtonClickNotifiesOnReleaseWithItsIdAndHandle)
{
    HWND b = Make(kButton, "OK", 10, 10, 0x12345);
    CCT_Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_EQ(1, PressState);
    EXPECT_EQ(b, PressWindow);
    EXPECT_EQ(b, GetCapture());
    EXPECT_TRUE(CCT_Commands().empty());
    CCT_Send(b, WM_LBUTTONUP, 5, 5, 0);
    EXPECT_EQ(std::vector<CCTMsg>{CCT_Cmd(0x12345, b)}, CCT_Commands());
    EXPECT_EQ(0, PressState);
    EXPECT_EQ(nullptr, PressWindow);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(0x12345, PressId);
}

TEST_F(PushButton, ButtonDragOutAndBackThenReleaseNotifiesOnce)
{
    HWND b = Make(kButton, "OK", 10, 10, 11);
    At(WM_LBUTTONDOWN, b, 50, 20, MK_LBUTTON);
    EXPECT_EQ(kDark, CCT_Pixel(b, 1, 1));  // sunken
    // Out to the left: negative client coordinates read as large unsigned ones.
    At(WM_MOUSEMOVE, b, -5, 20, MK_LBUTTON);
    EXPECT_EQ(2, PressState);
    EXPECT_EQ(b, PressWindow);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(kWhite, CCT_Pixel(b, 1, 1));  // raised again
    // Without the button held, coming back changes nothing.
    At(WM_MOUSEMOVE, b, 50, 20, 0);
    EXPECT_EQ(2, PressState);
    At(WM_MOUSEMOVE, b, 50, 21, MK_LBUTTON);
    EXPECT_EQ(1, PressState);
    EXPECT_EQ(b, GetCapture());
    EXPECT_EQ(kDark, CCT_Pixel(b, 1, 1));
    At(WM_LBUTTONUP, b, 50, 21, 0);
    EXPECT_EQ(std::vector<CCTMsg>{CCT_Cmd(b)}, CCT_Commands());
    EXPECT_EQ(kWhite, CCT_Pixel(b, 1, 1));
}

TEST_F(PushButton, ButtonReleasedOutsideStaysSuspendedWithoutNotifying)
{
    HWND b = Make(kButton, "OK", 10, 10, 12);
    At(WM_LBUTTONDOWN, b, 50, 20, MK_LBUTTON);
    At(WM_MOUSEMOVE, b, 300, 300, MK_LBUTTON);
    EXPECT_EQ(CCT_Parent(), At(WM_LBUTTONUP, b, 300, 300, 0));
    EXPECT_TRUE(CCT_Commands().empty());
    EXPECT_EQ(2, PressState);
    EXPECT_EQ(b, PressWindow);
}

TEST_F(PushButton, ButtonReleaseWithoutItsOwnPressStillNotifiesWithItsOwnId)
{
    HWND a = Make(kButton, "A", 10, 10, 21);
    HWND b = Make(kButton, "B", 120, 10, 22);
    CCT_Send(a, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    // Releasing A's capture inside B's message must not lend B A's id.
    CCT_Send(b, WM_LBUTTONUP, 5, 5, 0);
    EXPECT_EQ(std::vector<CCTMsg>{CCT_Cmd(22, b)}, CCT_Commands());
    EXPECT_EQ(0, PressState);
}

TEST_F(PushButton, BrowseRollOnAcrossThreeNotifiesEachOnceAndNotOnRelease)
{
    HWND b1 = Make(kBrowse, "1", 10, 100, 201);
    HWND b2 = Make(kBrowse, "2", 120, 100, 202);
    HWND b3 = Make(kBrowse, "3", 230, 100, 203);
    EXPECT_EQ(b1, At(WM_LBUTTONDOWN, b1, 50, 20, MK_LBUTTON));
    EXPECT_EQ(std::vector<CCTMsg>{CCT_Cmd(b1)}, CCT_Commands());
    // The first move into the next button reaches the capture holder, which lets go;
    // the next one reaches the button under the pointer, which takes the press over.
    EXPECT_EQ(b1, At(WM_MOUSEMOVE, b2, 50, 20, MK_LBUTTON));
    EXPECT_EQ(2, PressState);
    EXPECT_EQ(kWhite, CCT_Pixel(b1, 1, 1));
    EXPECT_EQ(b2, At(WM_MOUSEMOVE, b2, 51, 20, MK_LBUTTON));
    EXPECT_EQ(b2, PressWindow);
    EXPECT_EQ(b2, GetCapture());
    EXPECT_EQ(kDark, CCT_Pixel(b2, 1, 1));
    EXPECT_EQ(b2, At(WM_MOUSEMOVE, b3, 50, 20, MK_LBUTTON));
    EXPECT_EQ(b3, At(WM_MOUSEMOVE, b3, 51, 20, MK_LBUTTON));
    EXPECT_EQ(b3, At(WM_LBUTTONUP, b3, 51, 20, 0));
    std::vector<CCTMsg> expect = {CCT_Cmd(201, b1), CCT_Cmd(202, b2), CCT_Cmd(203, b3)};
    EXPECT_EQ(expect, CCT_Commands());
    EXPECT_EQ(0, PressState);
    EXPECT_EQ(nullptr, PressWindow);
    EXPECT_EQ(kWhite, CCT_Pixel(b3, 1, 1));
}

TEST_F(PushButton, BrowseLeftAndReenteredNotifiesAgain)
{
    HWND b = Make(kBrowse, "B", 10, 100, 31);
    At(WM_LBUTTONDOWN, b, 50, 20, MK_LBUTTON);
    At(WM_MOUSEMOVE, b, 50, 60, MK_LBUTTON);
    At(WM_MOUSEMOVE, b, 50, 20, MK_LBUTTON);
    At(WM_LBUTTONUP, b, 50, 20, 0);
    EXPECT_EQ((std::vector<CCTMsg>{CCT_Cmd(b), CCT_Cmd(b)}), CCT_Commands());
}

TEST_F(PushButton, BrowseEdgeLimitsAreInclusiveAndNeedTheButtonHeld)
{
    HWND b = Make(kBrowse, "B", 10, 100, 32);
    PressState = 2;
    CCT_Send(b, WM_MOUSEMOVE, 5, 5, 0);  // button not held
    EXPECT_EQ(2, PressState);
    EXPECT_TRUE(CCT_Commands().empty());
    CCT_Send(b, WM_MOUSEMOVE, W - 1, H - 1, MK_LBUTTON);
    EXPECT_EQ(1, PressState);
    EXPECT_EQ(b, PressWindow);
    EXPECT_EQ(std::vector<CCTMsg>{CCT_Cmd(b)}, CCT_Commands());
}

TEST_F(PushButton, ButtonPressDraggedOntoBrowseNotifiesFromBrowseOnly)
{
    HWND btn = Make(kButton, "Btn", 10, 10, 41);
    HWND br = Make(kBrowse, "Br", 120, 10, 42);
    At(WM_LBUTTONDOWN, btn, 50, 20, MK_LBUTTON);
    EXPECT_EQ(btn, At(WM_MOUSEMOVE, br, 50, 20, MK_LBUTTON));
    EXPECT_EQ(br, At(WM_MOUSEMOVE, br, 51, 20, MK_LBUTTON));
    EXPECT_EQ(br, At(WM_LBUTTONUP, br, 51, 20, 0));
    EXPECT_EQ(std::vector<CCTMsg>{CCT_Cmd(42, br)}, CCT_Commands());
    EXPECT_EQ(0, PressState);
}

TEST_F(PushButton, TouchNotifiesOnPressOnlyAndNotOnReentry)
{
    HWND t = Make(kTouch, "T", 10, 10, 51);
    At(WM_LBUTTONDOWN, t, 50, 20, MK_LBUTTON);
    EXPECT_EQ(std::vector<CCTMsg>{CCT_Cmd(t)}, CCT_Commands());
    At(WM_MOUSEMOVE, t, 150, 20, MK_LBUTTON);
    EXPECT_EQ(2, PressState);
    EXPECT_EQ(kWhite, CCT_Pixel(t, 1, 1));
    At(WM_MOUSEMOVE, t, 50, 20, MK_LBUTTON);
    EXPECT_EQ(1, PressState);
    EXPECT_EQ(kDark, CCT_Pixel(t, 1, 1));
    At(WM_LBUTTONUP, t, 50, 20, 0);
    EXPECT_EQ(std::vector<CCTMsg>{CCT_Cmd(t)}, CCT_Commands());
    EXPECT_EQ(0, PressState);
}

TEST_F(PushButton, DoubleClickNotifiesTwiceInEveryKind)
{
    for (DWORD kind : {kButton, kBrowse, kTouch}) {
        HWND h = Make(kind, "D", 10, 10, 60);
        CCT_ClearLog();
        CCT_Send(h, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
        CCT_Send(h, WM_LBUTTONUP, 5, 5, 0);
        CCT_Send(h, WM_LBUTTONDBLCLK, 5, 5, MK_LBUTTON);
        EXPECT_EQ(h, GetCapture());
        CCT_Send(h, WM_LBUTTONUP, 5, 5, 0);
        EXPECT_EQ((std::vector<CCTMsg>{CCT_Cmd(h), CCT_Cmd(h)}), CCT_Commands()) << "kind " << kind;
        DestroyWindow(h);
        made.pop_back();
    }
}

TEST_F(PushButton, ParentNotifyClicksOnlyAButtonAndOnlyForTheLeftButton)
{
    HWND b = Make(kButton, "P", 10, 10, 70);
    CCTImage before = CCT_Snap(b);
    for (WPARAM w : {(WPARAM)0x0204, (WPARAM)WM_CREATE, (WPARAM)0x00050201}) SendMessageA(b, WM_PARENTNOTIFY, w, 0);
    EXPECT_TRUE(CCT_Commands().empty());
    SendMessageA(b, WM_PARENTNOTIFY, 0x0201, MAKELPARAM(3, 3));
    EXPECT_EQ(std::vector<CCTMsg>{CCT_Cmd(b)}, CCT_Commands());
    EXPECT_EQ(before.px, CCT_Snap(b).px);
    EXPECT_EQ(0, PressState);
    for (DWORD kind : {kBrowse, kTouch}) {
        HWND h = Make(kind, "P", 120, 10, 71);
        CCT_ClearLog();
        SendMessageA(h, WM_PARENTNOTIFY, 0x0201, 0);
        EXPECT_TRUE(CCT_Commands().empty());
    }
}

TEST_F(PushButton, CreationOfEachKindResetsThePressRecord)
{
    HWND b = Make(kButton, "held", 10, 10, 80);
    int y = 60;
    for (DWORD kind : {kButton, kBrowse, kTouch}) {
        CCT_Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
        ASSERT_EQ(1, PressState);
        Make(kind, "new", 10, y += 45, 81);
        EXPECT_EQ(0, PressState) << "kind " << kind;
        EXPECT_EQ(nullptr, PressWindow);
    }
}

TEST_F(PushButton, StyleChangeRerunsCreationWithTheClientSize)
{
    HWND b = Make(kButton, "S", 10, 10, 90);
    SetWindowTextA(b, "/9F");
    SetWindowPos(b, nullptr, 0, 0, 70, 30, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageA(b, WM_SIZE, 0, MAKELPARAM(500, 500));  // slots now disagree with the window
    CCT_Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    SetWindowLongA(b, GWL_STYLE, GetWindowLongA(b, GWL_STYLE));
    EXPECT_EQ(70, CCT_Slot(b, 0));
    EXPECT_EQ(30, CCT_Slot(b, 1));
    EXPECT_EQ(8, CCT_Slot(b, 5));
    EXPECT_EQ(0, CCT_Slot(b, 6));
    EXPECT_EQ(0, CCT_Slot(b, 65));
    EXPECT_EQ(0, PressState);
    // A creation message without a record is no crash either.
    EXPECT_EQ(0, SendMessageA(b, WM_CREATE, 0, 0));
    EXPECT_EQ(70, CCT_Slot(b, 0));
}

TEST_F(PushButton, RollOnStepSkipsAMissingOrDestroyedPressWindow)
{
    HWND b = Make(kBrowse, "B", 10, 10, 91);
    HWND gone = CCT_Create(kButton, "x", 120, 10, W, H, 92);
    DestroyWindow(gone);
    for (HWND pw : {(HWND) nullptr, gone}) {
        PressState = 1;
        PressWindow = pw;
        CCT_Send(b, WM_MOUSEMOVE, 5, 5, MK_LBUTTON);
        EXPECT_EQ(2, PressState);
        EXPECT_EQ(pw, PressWindow);
    }
    EXPECT_TRUE(CCT_Commands().empty());
}

// ---------------------------------------------------------------- looks

TEST_F(PushButton, NormalAndPressedLooksOfEveryKind)
{
    for (DWORD kind : {kButton, kBrowse, kTouch}) {
        HWND h = Make(kind, "OK", 10, 10, 100);
        CCTImage img = CCT_Snap(h);
        EXPECT_EQ(kBlack, img.at(0, 0));
        EXPECT_EQ(kBlack, img.at(W - 1, H - 1));
        EXPECT_EQ(kWhite, img.at(1, 1));
        EXPECT_EQ(kWhite, img.at(2, 2));
        EXPECT_EQ(kDark, img.at(W - 2, H - 2));
        EXPECT_EQ(kDark, img.at(W - 3, H - 3));
        EXPECT_EQ(kLight, img.at(4, 4));
        RECT normal = LabelBox(h, kBlack);
        EXPECT_TRUE(Inside(normal, Cell(h, "OK", 0))) << "kind " << kind;

        CCT_Send(h, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
        img = CCT_Snap(h);
        EXPECT_EQ(kDark, img.at(1, 1));
        EXPECT_EQ(kDark, img.at(2, 2));
        EXPECT_EQ(kLight, img.at(W - 2, H - 2));
        EXPECT_EQ(kLight, img.at(W - 3, H - 3));
        EXPECT_EQ(1, CCT_Slot(h, 65));
        EXPECT_TRUE(SameRect(Shift(normal, 2), LabelBox(h, kBlack)));
        CCT_Send(h, WM_LBUTTONUP, 5, 5, 0);
        EXPECT_EQ(0, CCT_Slot(h, 65));
        EXPECT_TRUE(SameRect(normal, LabelBox(h, kBlack)));
        DestroyWindow(h);
        made.pop_back();
    }
}

TEST_F(PushButton, MultiLineLabelIsCentredAsABlock)
{
    HWND b = Make(kButton, "AB|C", 10, 10, 101);
    int th = CCT_TextHeight(b);
    RECT box = LabelBox(b, kBlack);
    int top = (H - 2 * th) / 2;
    EXPECT_GE(box.top, top);
    EXPECT_LE(box.bottom, top + 2 * th);
    EXPECT_GT(box.bottom, top + th);  // the second line is drawn below the first
}

TEST_F(PushButton, DisabledLooks)
{
    for (DWORD kind : {kButton, kBrowse, kTouch}) {
        HWND h = Make(kind, "Off", 10, 10, 110);
        EnableWindow(h, FALSE);  // no pumping: the look must be there at once
        EXPECT_EQ(0, CCT_Slot(h, 2));
        CCTImage img = CCT_Snap(h);
        EXPECT_EQ(kDark, img.at(1, 1)) << "kind " << kind;
        EXPECT_EQ(kDark, img.at(W - 2, H - 2));
        EXPECT_EQ(kDark, img.at(4, 4));
        EXPECT_EQ(0, img.Count(kWhite));
        EXPECT_TRUE(Inside(LabelBox(h, kLight), Cell(h, "Off", 0)));
        CCT_Repaint(h);
        EXPECT_EQ(img.px, CCT_Snap(h).px);
        EnableWindow(h, TRUE);
        EXPECT_EQ(1, CCT_Slot(h, 2));
        EXPECT_EQ(kWhite, CCT_Pixel(h, 1, 1));
        DestroyWindow(h);
        made.pop_back();
    }
}

// Pixels of a window as they are when its next WM_PAINT arrives.
HWND s_watch;
CCTImage s_atPaint;
LRESULT CALLBACK BeforePaint(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT *m = (const CWPSTRUCT *)lParam;
    if (code == HC_ACTION && m->hwnd == s_watch && m->message == WM_PAINT && s_atPaint.px.empty())
        s_atPaint = CCT_Snap(s_watch);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(PushButton, DisablingBrowseAndTouchDrawsBeforeThePaintButtonOnlyThrough)
{
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, BeforePaint, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(hook);
    for (DWORD kind : {kButton, kBrowse, kTouch}) {
        s_watch = Make(kind, "Off", 10, 10, 111);
        s_atPaint = CCTImage();
        EnableWindow(s_watch, FALSE);
        ASSERT_FALSE(s_atPaint.px.empty());
        EXPECT_EQ(kind == kButton ? kWhite : kDark, s_atPaint.at(1, 1)) << "kind " << kind;
        DestroyWindow(s_watch);
        made.pop_back();
    }
    UnhookWindowsHookEx(hook);
}

TEST_F(PushButton, OptionTextsSetColoursAndLeaveTheLabel)
{
    HWND b = Make(kButton, "Lbl", 10, 10, 120);
    RECT label = LabelBox(b, kBlack);
    EXPECT_EQ(0, SendMessageA(b, WM_SETTEXT, 0, (LPARAM) "/9"));
    CCT_Repaint(b);
    EXPECT_EQ(kRed, CCT_Pixel(b, 4, 4));
    EXPECT_EQ(kWhite, CCT_Pixel(b, 1, 1));
    EXPECT_EQ("Lbl", Text(b));
    EXPECT_TRUE(SameRect(label, LabelBox(b, kBlack)));

    SetWindowTextA(b, "/_F");
    CCT_Repaint(b);
    EXPECT_EQ(kRed, CCT_Pixel(b, 4, 4));
    EXPECT_TRUE(SameRect(label, LabelBox(b, kWhite, 3)));
    EXPECT_EQ(0, CCT_Snap(b).Count(kBlack) - 2 * W - 2 * (H - 2));  // only the border is black

    CCTImage before = CCT_Snap(b);
    for (const char *t : {"/", "/a", "/gg"}) {
        SetWindowTextA(b, t);
        CCT_Repaint(b);
        EXPECT_EQ(before.px, CCT_Snap(b).px) << t;
    }
    EXPECT_EQ(9, CCT_Slot(b, 5));
    EXPECT_EQ(15, CCT_Slot(b, 6));
    EXPECT_EQ("Lbl", Text(b));
}

TEST_F(PushButton, CreationTextBeginningWithSlashIsALabel)
{
    HWND b = Make(kTouch, "/9F", 10, 10, 121);
    EXPECT_EQ("/9F", Text(b));
    EXPECT_EQ(8, CCT_Slot(b, 5));
    EXPECT_EQ(kLight, CCT_Pixel(b, 4, 4));
    EXPECT_TRUE(Inside(LabelBox(b, kBlack), Cell(b, "/9F", 0)));
}

// ---------------------------------------------------------------- labels

TEST_F(PushButton, LabelSwapMatchesAFullRepaint)
{
    for (DWORD kind : {kButton, kBrowse, kTouch}) {
        HWND h = Make(kind, "Old", 10, 10, 130);
        SetWindowTextA(h, "NEWER");
        EXPECT_EQ("NEWER", Text(h));
        CCTImage swapped = CCT_Snap(h);
        CCT_Repaint(h);
        EXPECT_EQ(swapped.px, CCT_Snap(h).px) << "kind " << kind;
        DestroyWindow(h);
        made.pop_back();
    }
}

TEST_F(PushButton, LabelSetWhilePressedIsDrawnShiftedAndTheOldOnePaintedOut)
{
    // A wide old label with descenders: nothing of it may stay beside the new one.
    HWND b = Make(kButton, "gjy_gjy_", 10, 10, 131);
    CCT_Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    SetWindowTextA(b, "i");
    CCTImage img = CCT_Snap(b);
    RECT box;
    ASSERT_TRUE(img.Find(kBlack, &box, 1, 1, W - 1, H - 1));
    EXPECT_TRUE(Inside(box, Cell(b, "i", 2)));
    CCT_Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);  // the pressed look drawn afresh
    EXPECT_EQ(img.px, CCT_Snap(b).px);
    // The sunken face is kept: the label swap does not redraw it.
    EXPECT_EQ(kDark, img.at(1, 1));
    EXPECT_EQ(1, CCT_Slot(b, 65));
    CCT_Send(b, WM_LBUTTONUP, 5, 5, 0);
    EXPECT_TRUE(Inside(LabelBox(b, kBlack), Cell(b, "i", 0)));
}

TEST_F(PushButton, LabelSetWhileDisabledUsesTheDisabledColours)
{
    HWND b = Make(kBrowse, "Old", 10, 10, 132);
    EnableWindow(b, FALSE);
    SetWindowTextA(b, "New");
    CCTImage swapped = CCT_Snap(b);
    EXPECT_EQ(0, swapped.Count(kWhite));
    CCT_Repaint(b);
    EXPECT_EQ(swapped.px, CCT_Snap(b).px);
}

TEST_F(PushButton, SetTextLengthsAndNull)
{
    HWND b = Make(kButton, "start", 10, 10, 140);
    for (int n : {0, 1, 254, 255, 256, 4000}) {
        std::string s(n, 'W');
        EXPECT_EQ(0, SendMessageA(b, WM_SETTEXT, 0, (LPARAM)s.c_str()));
        EXPECT_EQ(s, Text(b)) << n;
        CCTImage swapped = CCT_Snap(b);
        CCT_Repaint(b);
        if (n <= 1) {
            EXPECT_EQ(swapped.px, CCT_Snap(b).px) << n;  // narrow labels: swap equals a repaint
        }
        EXPECT_EQ(kBlack, CCT_Pixel(b, 0, 0));
    }
    SendMessageA(b, WM_SETTEXT, 0, 0);
    EXPECT_EQ("", Text(b));
    CCT_Repaint(b);
    EXPECT_EQ(kWhite, CCT_Pixel(b, 1, 1));
    EXPECT_EQ(0, CCT_Snap(b).Count(kBlack) - 2 * W - 2 * (H - 2));
}

TEST_F(PushButton, GetTextHonoursTinyBuffers)
{
    HWND b = Make(kTouch, "Label", 10, 10, 141);
    char buf[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(0, SendMessageA(b, WM_GETTEXT, 0, (LPARAM)buf));
    EXPECT_EQ('x', buf[0]);
    EXPECT_EQ(0, SendMessageA(b, WM_GETTEXT, 1, (LPARAM)buf));
    EXPECT_EQ('\0', buf[0]);
    EXPECT_EQ('x', buf[1]);
    EXPECT_EQ(2, SendMessageA(b, WM_GETTEXT, 3, (LPARAM)buf));
    EXPECT_STREQ("La", buf);
}

TEST_F(PushButton, SizeMessageTakesEffectAtTheNextPaint)
{
    HWND b = Make(kButton, "", 10, 10, 150);
    CCTImage before = CCT_Snap(b);
    SendMessageA(b, WM_SIZE, 0, MAKELPARAM(60, 20));
    EXPECT_EQ(60, CCT_Slot(b, 0));
    EXPECT_EQ(20, CCT_Slot(b, 1));
    EXPECT_EQ(before.px, CCT_Snap(b).px);
    CCT_Repaint(b);
    EXPECT_EQ(kBlack, CCT_Pixel(b, 59, 19));
    EXPECT_EQ(kDark, CCT_Pixel(b, 58, 18));
    // A size too big for a memory image still paints and takes labels.
    SendMessageA(b, WM_SIZE, 0, MAKELPARAM(0xFFFF, 0xFFFF));
    CCT_Repaint(b);
    SetWindowTextA(b, "big");
    EXPECT_EQ(kWhite, CCT_Pixel(b, 1, 1));
    EXPECT_EQ("big", Text(b));
}

// ---------------------------------------------------------------- resources and real input

TEST_F(PushButton, NoGdiLeakOverPaintsPressesAndLabelChanges)
{
    HWND b = Make(kButton, "leak", 10, 10, 160);
    HWND t = Make(kTouch, "leak", 120, 10, 161);
    auto round = [&](int i) {
        for (HWND h : {b, t}) {
            CCT_Repaint(h);
            CCT_Send(h, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
            SetWindowTextA(h, i % 2 ? "A|B" : "label");
            CCT_Send(h, WM_MOUSEMOVE, 300, 5, MK_LBUTTON);
            CCT_Send(h, WM_LBUTTONUP, 5, 5, 0);
            SetWindowTextA(h, i % 2 ? "/9" : "/8");
            EnableWindow(h, FALSE);
            EnableWindow(h, TRUE);
        }
    };
    round(0);
    CCT_Pump();
    DWORD start = CCT_GdiCount();
    for (int i = 0; i < 100; i++) round(i);
    CCT_Pump();
    EXPECT_EQ(start, CCT_GdiCount());
}

TEST_F(PushButton, RealInputRollOnAcrossBrowseButtons)
{
    HWND b1 = Make(kBrowse, "1", 10, 200, 301);
    HWND b2 = Make(kBrowse, "2", 120, 200, 302);
    HWND b3 = Make(kBrowse, "3", 230, 200, 303);
    POINT p = CCT_Screen(b1, 50, 20);
    CCT_Input(p.x, p.y, 0);
    CCT_Input(p.x, p.y, MOUSEEVENTF_LEFTDOWN);
    for (HWND h : {b2, b3}) {
        p = CCT_Screen(h, 50, 20);
        CCT_Input(p.x, p.y, 0);
        CCT_Input(p.x + 2, p.y, 0);
    }
    CCT_Input(p.x + 2, p.y, MOUSEEVENTF_LEFTUP);
    CCT_Input(600, 460, 0);
    std::vector<CCTMsg> expect = {CCT_Cmd(b1), CCT_Cmd(b2), CCT_Cmd(b3)};
    EXPECT_EQ(expect, CCT_Commands());
    EXPECT_EQ(0, PressState);
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(PushButton, RealInputClickAndReleaseOutside)
{
    HWND b = Make(kButton, "R", 10, 260, 310);
    POINT p = CCT_Screen(b, 50, 20);
    CCT_Input(p.x, p.y, 0);
    CCT_Input(p.x, p.y, MOUSEEVENTF_LEFTDOWN);
    CCT_Input(p.x, p.y, MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(std::vector<CCTMsg>{CCT_Cmd(b)}, CCT_Commands());
    CCT_Input(p.x, p.y, MOUSEEVENTF_LEFTDOWN);
    CCT_Input(p.x + 200, p.y, 0);
    CCT_Input(p.x + 200, p.y, MOUSEEVENTF_LEFTUP);
    CCT_Input(600, 460, 0);
    EXPECT_EQ(1u, CCT_Commands().size());
    EXPECT_EQ(2, PressState);
    EXPECT_EQ(b, PressWindow);
}

}  // namespace
