// Flat button: looks, press and release notifications, sliding presses, labels.
#include <gtest/gtest.h>
#include <string>
#include "harness.h"
#include "ccslots.h"
#include "std_frame.h"

namespace {

const COLORREF BLACK = RGB(0, 0, 0), WHITE = RGB(255, 255, 255), DKGREY = RGB(128, 128, 128);
const COLORREF LTGREY = RGB(192, 192, 192), RED = RGB(255, 0, 0), MAGENTA = RGB(255, 0, 255);

const DWORD KIND = 0x0100;
const int W = 60, H = 30;

class FlatButton : public ::testing::Test {
protected:
    std::vector<HWND> made;
    HWND a = nullptr, b = nullptr;
    HWND Make(const char *label, int x, int y, int id, DWORD kind = KIND)
    {
        HWND hwnd = CCT_Create(kind, label, x, y, W, H, id);
        made.push_back(hwnd);
        return hwnd;
    }
    void SetUp() override
    {
        CCT_Parent();
        a = Make("A", 10, 10, 201);
        b = Make("B", 100, 10, 202);
        CCT_ClearLog();
    }
    void TearDown() override
    {
        ReleaseCapture();
        for (HWND h : made) DestroyWindow(h);
        PressState = 0;
        PressWindow = nullptr;
        CCT_Pump();
        CCT_ClearLog();
    }
    // Press A and leave it: the press is suspended (state 2, PressWindow A).
    void SuspendOnA()
    {
        CCT_Send(a, WM_LBUTTONDOWN, 30, 15, MK_LBUTTON);
        CCT_Send(a, WM_MOUSEMOVE, 300, 300, MK_LBUTTON);
        ASSERT_EQ(2, PressState);
        ASSERT_EQ(a, PressWindow);
        CCT_ClearLog();
    }
    static CCTMsg Release(HWND h) { return CCT_Cmd(GetWindowLongA(h, GWL_ID) + 1000, h); }
    // The box a centred label's pixels lie in, moved right and down by shift.
    static RECT TextBox(HWND h, const char *text, int shift)
    {
        SIZE sz = CCT_TextExtent(h, text);
        int dx = W > sz.cx ? (W - sz.cx) / 2 : 0, dy = H > sz.cy ? (H - sz.cy) / 2 : 0;
        return {dx + shift, dy + shift, dx + shift + sz.cx, dy + shift + sz.cy};
    }
    static bool Within(const RECT &in, const RECT &out)
    {
        return in.left >= out.left && in.top >= out.top && in.right <= out.right && in.bottom <= out.bottom;
    }
};

TEST_F(FlatButton, LooksNormalPressedDisabled)
{
    SendMessageA(a, WM_SETTEXT, 0, (LPARAM) "Flat");
    CCT_Repaint(a);
    CCTImage img = CCT_Snap(a);
    EXPECT_EQ(BLACK, img.at(0, 0));
    EXPECT_EQ(BLACK, img.at(W - 1, H - 1));
    EXPECT_EQ(DKGREY, img.at(1, 1));
    EXPECT_EQ(DKGREY, img.at(W - 2, H - 2));
    RECT normal;
    ASSERT_TRUE(img.Find(WHITE, &normal));
    EXPECT_TRUE(Within(normal, TextBox(a, "Flat", 0)));

    CCT_Send(a, WM_LBUTTONDOWN, 30, 15, MK_LBUTTON);
    img = CCT_Snap(a);
    EXPECT_EQ(BLACK, img.at(0, 0));
    EXPECT_EQ(LTGREY, img.at(1, 1));
    EXPECT_EQ(0, img.Count(WHITE));
    RECT pressed;
    ASSERT_TRUE(img.Find(BLACK, &pressed, 1, 1, W - 1, H - 1));
    EXPECT_TRUE(EqualRect(&normal, &pressed));  // label not shifted
    CCT_Send(a, WM_LBUTTONUP, 30, 15, 0);
    EXPECT_EQ(DKGREY, CCT_Pixel(a, 1, 1));

    // Disabled: sunken dark-grey face, light-grey label two pixels right and down.
    EnableWindow(a, FALSE);
    CCT_Pump();
    img = CCT_Snap(a);
    EXPECT_EQ(BLACK, img.at(0, 0));
    EXPECT_EQ(DKGREY, img.at(1, 1));
    EXPECT_EQ(DKGREY, img.at(W - 2, H - 2));
    RECT disabled;
    ASSERT_TRUE(img.Find(LTGREY, &disabled));
    OffsetRect(&normal, 2, 2);
    EXPECT_TRUE(EqualRect(&normal, &disabled));

    // A paint of part of the window still puts the whole disabled look back.
    HDC dc = GetDC(a);
    SetPixel(dc, W - 5, H - 5, MAGENTA);
    ReleaseDC(a, dc);
    RECT part = {0, 0, 8, 8};
    InvalidateRect(a, &part, FALSE);
    UpdateWindow(a);
    EXPECT_EQ(DKGREY, CCT_Pixel(a, W - 5, H - 5));

    // The frame takes its own colour in every look.
    SendMessageA(a, WM_SETTEXT, 0, (LPARAM) "/____9");
    CCT_Pump();
    EXPECT_EQ(RED, CCT_Pixel(a, 0, 0));
    EnableWindow(a, TRUE);
    CCT_Pump();
    EXPECT_EQ(RED, CCT_Pixel(a, W - 1, 0));
    EXPECT_EQ(DKGREY, CCT_Pixel(a, 1, 1));
}

TEST_F(FlatButton, OptionTextAndStyleChange)
{
    SendMessageA(a, WM_SETTEXT, 0, (LPARAM) "/9F12");
    EXPECT_EQ(9, CCT_Slot(a, 5));
    EXPECT_EQ(15, CCT_Slot(a, 6));
    EXPECT_EQ(1, CCT_Slot(a, 7));
    EXPECT_EQ(2, CCT_Slot(a, 8));
    char text[16];
    GetWindowTextA(a, text, sizeof text);
    EXPECT_STREQ("A", text);
    CCT_Pump();
    EXPECT_EQ(RGB(128, 0, 0), CCT_Pixel(a, 1, 1));
    CCT_Send(a, WM_LBUTTONDOWN, 30, 15, MK_LBUTTON);
    EXPECT_EQ(RED, CCT_Pixel(a, 1, 1));
    CCT_Send(a, WM_LBUTTONUP, 30, 15, 0);
    // Defaults back, size from the client area.
    CCSetSlot(a, 0, 999);
    SetWindowLongA(a, GWL_STYLE, GetWindowLongA(a, GWL_STYLE));
    EXPECT_EQ(W, CCT_Slot(a, 0));
    EXPECT_EQ(H, CCT_Slot(a, 1));
    const LONG defaults[] = {0, 8, 0, 7, 15};  // slots 4 to 8
    for (int i = 0; i < 5; i++) EXPECT_EQ(defaults[i], CCT_Slot(a, 4 + i)) << i;

    // A window of no size takes every message.
    HWND z = CCT_Create(KIND, "zero", 10, 50, 0, 0, 209);
    made.push_back(z);
    SendMessageA(z, WM_SETTEXT, 0, (LPARAM) "x");
    CCT_Send(z, WM_LBUTTONDOWN, 0, 0, MK_LBUTTON);
    CCT_Send(z, WM_MOUSEMOVE, 3, 3, MK_LBUTTON);
    CCT_Send(z, WM_LBUTTONUP, 3, 3, 0);
    EnableWindow(z, FALSE);
    CCT_Repaint(z);
    EXPECT_EQ(0, PressState);
    EXPECT_EQ(1, GetWindowTextLengthA(z));
}

TEST_F(FlatButton, PressThenReleaseReportsBothEdges)
{
    CCT_Send(a, WM_LBUTTONDOWN, 30, 15, MK_LBUTTON);
    EXPECT_EQ((std::vector<CCTMsg>{CCT_Cmd(a)}), CCT_Commands());
    EXPECT_EQ(1, PressState);
    EXPECT_EQ(a, GetCapture());
    CCT_Send(a, WM_LBUTTONUP, 30, 15, 0);
    EXPECT_EQ((std::vector<CCTMsg>{CCT_Cmd(a), Release(a)}), CCT_Commands());
    EXPECT_EQ(0, PressState);
    EXPECT_EQ(nullptr, PressWindow);
    EXPECT_EQ(nullptr, GetCapture());
    // A double click is a press.
    CCT_ClearLog();
    CCT_Send(a, WM_LBUTTONDBLCLK, 30, 15, MK_LBUTTON);
    CCT_Send(a, WM_LBUTTONUP, 30, 15, 0);
    EXPECT_EQ((std::vector<CCTMsg>{CCT_Cmd(a), Release(a)}), CCT_Commands());
    // Left and released outside: only the press.
    CCT_ClearLog();
    POINT pa = CCT_Screen(a, 30, 15);
    CCT_Route(WM_LBUTTONDOWN, pa.x, pa.y, MK_LBUTTON);
    CCT_Route(WM_MOUSEMOVE, 300, 300, MK_LBUTTON);
    EXPECT_NE(a, CCT_Route(WM_LBUTTONUP, 300, 300, 0));
    EXPECT_EQ((std::vector<CCTMsg>{CCT_Cmd(a)}), CCT_Commands());
    EXPECT_EQ(2, PressState);
    EXPECT_EQ(a, PressWindow);
}

TEST_F(FlatButton, PressSlidesFromAToB)
{
    CCTImage bBefore = CCT_Snap(b);
    POINT pa = CCT_Screen(a, 30, 15), pb = CCT_Screen(b, 30, 15);
    EXPECT_EQ(a, CCT_Route(WM_LBUTTONDOWN, pa.x, pa.y, MK_LBUTTON));
    // The first move over B still reaches A, which lets the press go.
    EXPECT_EQ(a, CCT_Route(WM_MOUSEMOVE, pb.x, pb.y, MK_LBUTTON));
    EXPECT_EQ(2, PressState);
    EXPECT_EQ(a, PressWindow);
    EXPECT_EQ(DKGREY, CCT_Pixel(a, 1, 1));  // A back to normal
    EXPECT_EQ(b, CCT_Route(WM_MOUSEMOVE, pb.x, pb.y, MK_LBUTTON));
    EXPECT_EQ(1, PressState);
    EXPECT_EQ(b, PressWindow);
    EXPECT_EQ(b, GetCapture());
    CCTImage bAfter = CCT_Snap(b);
    EXPECT_EQ(bBefore.px, bAfter.px);  // taken over without a pressed look
    EXPECT_EQ(b, CCT_Route(WM_LBUTTONUP, pb.x, pb.y, 0));
    EXPECT_EQ((std::vector<CCTMsg>{CCT_Cmd(a), CCT_Cmd(b), Release(b)}), CCT_Commands());
}

TEST_F(FlatButton, PressSlidesWithRealInput)
{
    POINT pa = CCT_Screen(a, 30, 15), pb = CCT_Screen(b, 30, 15), gap = CCT_Screen(a, 75, 15);
    CCT_Input(pa.x, pa.y, 0);
    CCT_Input(pa.x, pa.y, MOUSEEVENTF_LEFTDOWN);
    CCT_Input(gap.x, gap.y, 0);
    CCT_Input(pb.x, pb.y, 0);
    CCT_Input(pb.x + 1, pb.y, 0);
    CCT_Input(pb.x + 1, pb.y, MOUSEEVENTF_LEFTUP);
    EXPECT_EQ((std::vector<CCTMsg>{CCT_Cmd(a), CCT_Cmd(b), Release(b)}), CCT_Commands());
    EXPECT_EQ(0, PressState);
}

TEST_F(FlatButton, SlidingPressNeedsThreePixelsInside)
{
    // Points closer than 3 pixels to an edge, then the nearest ones that take it.
    const POINT edge[] = {{2, 15}, {30, 2}, {W - 2, 15}, {30, H - 2}, {0, 0}};
    const POINT inside[] = {{3, 15}, {30, 3}, {W - 3, 15}, {30, H - 3}, {3, 3}};
    for (int i = 0; i < 5; i++) {
        SuspendOnA();
        CCT_Send(b, WM_MOUSEMOVE, edge[i].x, edge[i].y, MK_LBUTTON);
        EXPECT_EQ(2, PressState) << i;
        EXPECT_EQ(a, PressWindow) << i;
        CCT_Send(b, WM_MOUSEMOVE, inside[i].x, inside[i].y, 0);  // button not held
        EXPECT_EQ(2, PressState) << i;
        CCT_Send(b, WM_MOUSEMOVE, inside[i].x, inside[i].y, MK_LBUTTON);
        EXPECT_EQ(1, PressState) << i;
        EXPECT_EQ(b, PressWindow) << i;
        EXPECT_EQ((std::vector<CCTMsg>{CCT_Cmd(b)}), CCT_Commands()) << i;
        CCT_Send(b, WM_LBUTTONUP, inside[i].x, inside[i].y, 0);
    }
    // Negative and huge words read as unsigned 16-bit values: never inside.
    SuspendOnA();
    for (LPARAM lp : {(LPARAM)0x80008000, MAKELPARAM(-1, 15), MAKELPARAM(30, -2), (LPARAM)0xFFFFFFFF})
        SendMessageA(b, WM_MOUSEMOVE, MK_LBUTTON, lp);
    EXPECT_EQ(2, PressState);
    EXPECT_EQ(a, PressWindow);
    EXPECT_TRUE(CCT_Commands().empty());
    // Coming back into the button that lost the press takes it again.
    SuspendOnA();
    CCT_Send(a, WM_MOUSEMOVE, 30, 15, MK_LBUTTON);
    EXPECT_EQ(a, PressWindow);
    EXPECT_EQ((std::vector<CCTMsg>{CCT_Cmd(a)}), CCT_Commands());
}

TEST_F(FlatButton, TakesOverAPressLeftByAnotherKind)
{
    HWND bmp = Make("NOPICTURE", 200, 10, 203, 0x0040);
    CCT_ClearLog();
    CCT_Send(bmp, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    CCT_Send(bmp, WM_MOUSEMOVE, 300, 10, MK_LBUTTON);
    EXPECT_EQ(2, PressState);
    CCT_Send(b, WM_MOUSEMOVE, 30, 15, MK_LBUTTON);
    CCT_Send(b, WM_LBUTTONUP, 30, 15, 0);
    EXPECT_EQ((std::vector<CCTMsg>{CCT_Cmd(b), Release(b)}), CCT_Commands());
}

TEST_F(FlatButton, LeavingNeverRepaintsAMissingPressWindow)
{
    HWND gone = Make("C", 200, 10, 204);
    DestroyWindow(gone);
    for (HWND stale : {(HWND) nullptr, gone}) {
        CCT_Pump();
        HDC dc = GetDC(b);
        SetPixel(dc, 1, 1, MAGENTA);
        ReleaseDC(b, dc);
        // A press record in state 1 without a live PressWindow (as a fader leaves it).
        PressState = 1;
        PressWindow = stale;
        CCT_Send(b, WM_MOUSEMOVE, 30, 15, MK_LBUTTON);
        EXPECT_EQ(2, PressState);
        EXPECT_EQ(stale, PressWindow);
        RECT r;
        EXPECT_FALSE(GetUpdateRect(b, &r, FALSE));
        EXPECT_FALSE(GetUpdateRect(CCT_Parent(), &r, FALSE));
        EXPECT_EQ(MAGENTA, CCT_Pixel(b, 1, 1));  // nothing erased or repainted
        // The rest of the step holds: the next move takes the press.
        CCT_Send(b, WM_MOUSEMOVE, 30, 15, MK_LBUTTON);
        EXPECT_EQ(b, PressWindow);
        CCT_Send(b, WM_LBUTTONUP, 30, 15, 0);
    }
    EXPECT_EQ((std::vector<CCTMsg>{CCT_Cmd(b), Release(b), CCT_Cmd(b), Release(b)}), CCT_Commands());
}

TEST_F(FlatButton, LabelSwapUsesNormalColours)
{
    SendMessageA(a, WM_SETTEXT, 0, (LPARAM) "WWWWWW");
    CCT_Pump();
    SendMessageA(a, WM_SETTEXT, 0, (LPARAM) "i");
    char text[16];
    GetWindowTextA(a, text, sizeof text);
    EXPECT_STREQ("i", text);
    RECT box;
    ASSERT_TRUE(CCT_Snap(a).Find(WHITE, &box));
    EXPECT_TRUE(Within(box, TextBox(a, "i", 0)));  // the old label is painted out

    // While pressed, the new label still comes in white on the normal face colour.
    CCT_Send(a, WM_LBUTTONDOWN, 30, 15, MK_LBUTTON);
    SendMessageA(a, WM_SETTEXT, 0, (LPARAM) "Go");
    CCTImage img = CCT_Snap(a);
    EXPECT_EQ(LTGREY, img.at(1, 1));
    ASSERT_TRUE(img.Find(WHITE, &box));
    EXPECT_TRUE(Within(box, TextBox(a, "Go", 0)));
    CCT_Send(a, WM_LBUTTONUP, 30, 15, 0);

    // A null text is the empty label; a long one is kept whole.
    SendMessageA(a, WM_SETTEXT, 0, 0);
    EXPECT_EQ(0, GetWindowTextLengthA(a));
    EXPECT_EQ(0, CCT_Snap(a).Count(WHITE));
    std::string longText(600, 'x');
    SendMessageA(a, WM_SETTEXT, 0, (LPARAM)longText.c_str());
    CCT_Repaint(a);
    EXPECT_EQ(600, GetWindowTextLengthA(a));
}

TEST_F(FlatButton, DrawingReleasesEverything)
{
    CCT_Pump();
    DWORD before = CCT_GdiObjects();
    for (int i = 0; i < 50; i++) {
        CCT_Repaint(a);
        CCT_Send(a, WM_LBUTTONDOWN, 30, 15, MK_LBUTTON);
        CCT_Send(a, WM_MOUSEMOVE, 300, 15, MK_LBUTTON);
        CCT_Send(b, WM_MOUSEMOVE, 30, 15, MK_LBUTTON);
        CCT_Send(b, WM_LBUTTONUP, 30, 15, 0);
        SendMessageA(a, WM_SETTEXT, 0, (LPARAM)(i % 2 ? "One|Two" : "Three"));
        EnableWindow(a, FALSE);
        SendMessageA(a, WM_SETTEXT, 0, (LPARAM) "Off");
        EnableWindow(a, TRUE);
    }
    CCT_Pump();
    EXPECT_EQ(before, CCT_GdiObjects());
}

}  // namespace
