// Bitmap button: looks, click and press notifications, picture names.
#include <gtest/gtest.h>
#include <string>
#include "harness.h"
#include "ccslots.h"
#include "std_frame.h"

namespace {

const COLORREF BLACK = RGB(0, 0, 0), WHITE = RGB(255, 255, 255), DKGREY = RGB(128, 128, 128);
const COLORREF RED = RGB(255, 0, 0), GREEN = RGB(0, 255, 0), BLUE = RGB(0, 0, 255);
const COLORREF YELLOW = RGB(255, 255, 0), MAGENTA = RGB(255, 0, 255), CYAN = RGB(0, 255, 255);

const DWORD KIND = 0x0040;
const char NAME38[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789XY";

// The 16 x 16 test picture MARKED16.
COLORREF Marked(int x, int y)
{
    if (x == 0 && y == 0) return MAGENTA;
    if (y == 0) return RED;
    if (x == 0) return BLUE;
    if (x == 15 && y == 15) return GREEN;
    return YELLOW;
}

// Expected client image, built from spans at the documented coordinates.
struct Model {
    int w, h;
    std::vector<COLORREF> px;
    Model(int w_, int h_, COLORREF bg) : w(w_), h(h_), px((size_t)w_ * h_, bg) {}
    void Set(int x, int y, COLORREF c)
    {
        if (x >= 0 && y >= 0 && x < w && y < h) px[(size_t)y * w + x] = c;
    }
    // Inclusive span, horizontal or vertical.
    void Span(int x0, int y0, int x1, int y1, COLORREF c)
    {
        for (int y = y0; y <= y1; y++)
            for (int x = x0; x <= x1; x++) Set(x, y, c);
    }
    void Outline()
    {
        Span(0, 0, w - 1, 0, BLACK);
        Span(0, h - 1, w - 1, h - 1, BLACK);
        Span(0, 0, 0, h - 1, BLACK);
        Span(w - 1, 0, w - 1, h - 1, BLACK);
    }
    // The two lines on the left and top (raised: white, pressed: dark grey).
    void Upper(COLORREF c)
    {
        Span(1, 2, 1, h - 3, c);
        Span(1, 1, w - 3, 1, c);
        Span(2, 3, 2, h - 4, c);
        Span(2, 2, w - 4, 2, c);
    }
    void Lower()
    {
        Span(2, h - 2, w - 3, h - 2, DKGREY);
        Span(w - 2, 2, w - 2, h - 2, DKGREY);
        Span(3, h - 3, w - 4, h - 3, DKGREY);
        Span(w - 3, 3, w - 3, h - 3, DKGREY);
    }
    void Picture(int ox, int oy, bool andCopy = false)
    {
        for (int y = 0; y < 16; y++)
            for (int x = 0; x < 16; x++) {
                int X = ox + x, Y = oy + y;
                if (X >= w || Y >= h) continue;
                COLORREF &p = px[(size_t)Y * w + X];
                p = andCopy ? (p & Marked(x, y)) : Marked(x, y);
            }
    }
};

::testing::AssertionResult Matches(const CCTImage &img, const Model &m)
{
    if (img.w != m.w || img.h != m.h) return ::testing::AssertionFailure() << "size " << img.w << "x" << img.h;
    int bad = 0;
    std::string first;
    for (int y = 0; y < m.h; y++)
        for (int x = 0; x < m.w; x++)
            if (img.at(x, y) != m.px[(size_t)y * m.w + x] && bad++ < 4) {
                char buf[96];
                snprintf(buf, sizeof buf, " (%d,%d) got %06lx want %06lx", x, y, (unsigned long)img.at(x, y),
                         (unsigned long)m.px[(size_t)y * m.w + x]);
                first += buf;
            }
    if (bad) return ::testing::AssertionFailure() << bad << " pixels differ:" << first;
    return ::testing::AssertionSuccess();
}

COLORREF Background() { return GetSysColor(COLOR_WINDOW) & 0xFFFFFF; }

Model FramedNormal(int w, int h, bool picture = true)
{
    Model m(w, h, Background());
    m.Outline();
    m.Upper(WHITE);
    m.Lower();
    if (picture) m.Picture(3, 3);
    return m;
}

class BitmapButton : public ::testing::Test {
protected:
    std::vector<HWND> made;
    HWND Make(const char *name, int w = 32, int h = 20, int id = 101, int x = 10, int y = 10)
    {
        HWND hwnd = CCT_Create(KIND, name, x, y, w, h, id);
        made.push_back(hwnd);
        return hwnd;
    }
    void SetUp() override
    {
        CCT_Parent();
        CCT_ClearLog();
    }
    void TearDown() override
    {
        ReleaseCapture();
        for (HWND h : made) DestroyWindow(h);
        PressState = 0;
        PressWindow = nullptr;
        CCT_Pump();
    }
};

TEST_F(BitmapButton, FramedLookNormalThenPressed)
{
    HWND b = Make("MARKED16");
    ASSERT_TRUE(b);
    Model normal = FramedNormal(32, 20);
    EXPECT_TRUE(Matches(CCT_Snap(b), normal));
    // The picture spans (3, 3) to (18, 18).
    RECT box;
    ASSERT_TRUE(CCT_Snap(b).Find(YELLOW, &box));
    EXPECT_EQ(4, box.left);
    EXPECT_EQ(19, box.right);
    EXPECT_EQ(MAGENTA, CCT_Pixel(b, 3, 3));
    EXPECT_EQ(GREEN, CCT_Pixel(b, 18, 18));

    CCT_Send(b, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    EXPECT_EQ(1, PressState);
    EXPECT_EQ(b, PressWindow);
    EXPECT_EQ(b, GetCapture());
    EXPECT_TRUE(CCT_Commands().empty());
    // Drawn over the normal look: top and left edges turn dark grey, the picture
    // moves to (5, 5), its first two rows and columns stay visible.
    Model pressed = normal;
    pressed.Upper(DKGREY);
    pressed.Picture(5, 5);
    EXPECT_TRUE(Matches(CCT_Snap(b), pressed));

    CCT_Send(b, WM_LBUTTONUP, 10, 10, 0);
    EXPECT_EQ((std::vector<CCTMsg>{CCT_Cmd(b)}), CCT_Commands());
    EXPECT_EQ(0, PressState);
    EXPECT_EQ(nullptr, PressWindow);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(WHITE, CCT_Pixel(b, 1, 1));
    EXPECT_EQ(MAGENTA, CCT_Pixel(b, 3, 3));
}

TEST_F(BitmapButton, FramedClickTracking)
{
    HWND b = Make("MARKED16");
    // Out and released outside: nothing sent, the press stays suspended.
    CCT_Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    CCT_Send(b, WM_MOUSEMOVE, 40, 5, MK_LBUTTON);
    EXPECT_EQ(2, PressState);
    EXPECT_EQ(b, PressWindow);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(WHITE, CCT_Pixel(b, 1, 1));  // normal look back
    CCT_Route(WM_LBUTTONUP, 300, 300, 0);
    EXPECT_TRUE(CCT_Commands().empty());
    EXPECT_EQ(2, PressState);

    // Back in with the button held: pressed again; moves without it change nothing.
    CCT_Send(b, WM_MOUSEMOVE, 5, 5, 0);
    EXPECT_EQ(2, PressState);
    CCT_Send(b, WM_MOUSEMOVE, 5, 5, MK_LBUTTON);
    EXPECT_EQ(1, PressState);
    EXPECT_EQ(b, GetCapture());
    EXPECT_EQ(DKGREY, CCT_Pixel(b, 1, 1));
    CCT_Send(b, WM_LBUTTONUP, 5, 5, 0);
    EXPECT_EQ((std::vector<CCTMsg>{CCT_Cmd(b)}), CCT_Commands());

    // A release without a press on it still reports a click; a double click presses.
    CCT_ClearLog();
    CCT_Send(b, WM_LBUTTONUP, 5, 5, 0);
    CCT_Send(b, WM_LBUTTONDBLCLK, 5, 5, MK_LBUTTON);
    EXPECT_EQ(1, PressState);
    CCT_Send(b, WM_LBUTTONUP, 5, 5, 0);
    EXPECT_EQ((std::vector<CCTMsg>{CCT_Cmd(b), CCT_Cmd(b)}), CCT_Commands());
}

TEST_F(BitmapButton, CoordinatesBeyondSixteenBitsAreOutside)
{
    HWND b = Make("MARKED16");
    CCT_Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    // Negative or huge words read as unsigned 16-bit values: outside.
    SendMessageA(b, WM_MOUSEMOVE, MK_LBUTTON, (LPARAM)0xFFFFFFFF);
    EXPECT_EQ(2, PressState);
    SendMessageA(b, WM_MOUSEMOVE, MK_LBUTTON, (LPARAM)0x80008000);
    EXPECT_EQ(2, PressState);
    SendMessageA(b, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(1, PressState);
    SendMessageA(b, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, -1));
    EXPECT_EQ(2, PressState);
}

TEST_F(BitmapButton, UnframedVariantNotifiesOnPress)
{
    HWND b = Make("MARKED16");
    SendMessageA(b, WM_SETTEXT, 0, (LPARAM) "/_____1");
    EXPECT_EQ(1, CCT_Slot(b, 3));
    char text[64];
    GetWindowTextA(b, text, sizeof text);
    EXPECT_STREQ("MARKED16", text);
    CCT_Pump();
    // Only the picture, at (0, 0); the frame lines of the earlier look stay.
    Model m = FramedNormal(32, 20);
    m.Picture(0, 0);
    EXPECT_TRUE(Matches(CCT_Snap(b), m));

    CCT_Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_EQ((std::vector<CCTMsg>{CCT_Cmd(b)}), CCT_Commands());
    EXPECT_EQ(1, PressState);
    EXPECT_TRUE(Matches(CCT_Snap(b), m));  // no pressed look
    // Out and back in: no second notification.
    CCT_Send(b, WM_MOUSEMOVE, 50, 5, MK_LBUTTON);
    EXPECT_EQ(2, PressState);
    CCT_Send(b, WM_MOUSEMOVE, 5, 5, MK_LBUTTON);
    EXPECT_EQ(1, PressState);
    CCT_Send(b, WM_LBUTTONUP, 5, 5, 0);
    EXPECT_EQ(1u, CCT_Commands().size());
    EXPECT_EQ(0, PressState);
    EXPECT_TRUE(Matches(CCT_Snap(b), m));
}

TEST_F(BitmapButton, DisabledLookAndsThePictureOntoGrey)
{
    HWND b = Make("MARKED16");
    EnableWindow(b, FALSE);
    CCT_Pump();
    EXPECT_EQ(0, CCT_Slot(b, 2));
    Model m(32, 20, DKGREY);
    m.Outline();
    m.Picture(5, 5, true);
    EXPECT_TRUE(Matches(CCT_Snap(b), m));
    EXPECT_EQ(RGB(128, 0, 128), CCT_Pixel(b, 5, 5));
    EXPECT_EQ(RGB(128, 128, 0), CCT_Pixel(b, 10, 10));
    // The disabled look comes back at every paint.
    CCT_Repaint(b);
    EXPECT_TRUE(Matches(CCT_Snap(b), m));
    EnableWindow(b, TRUE);
    CCT_Pump();
    EXPECT_EQ(1, CCT_Slot(b, 2));
    EXPECT_EQ(MAGENTA, CCT_Pixel(b, 3, 3));
}

TEST_F(BitmapButton, NameCutTo38Characters)
{
    // The 38-character name is green; with one more character it names MARKED16.
    std::string name39 = std::string(NAME38) + "Z";
    HWND b = Make(name39.c_str());
    EXPECT_EQ(GREEN, CCT_Pixel(b, 3, 3));
    EXPECT_EQ(GREEN, CCT_Pixel(b, 18, 18));
    char text[64];
    GetWindowTextA(b, text, sizeof text);
    EXPECT_EQ(name39, text);  // the stored text is not cut
    SendMessageA(b, WM_SETTEXT, 0, (LPARAM)(name39 + "MORE TEXT THAT IS NEVER USED").c_str());
    CCT_Pump();
    EXPECT_EQ(GREEN, CCT_Pixel(b, 3, 3));
    SendMessageA(b, WM_SETTEXT, 0, (LPARAM) "MARKED16");
    CCT_Pump();
    EXPECT_EQ(MAGENTA, CCT_Pixel(b, 3, 3));
}

TEST_F(BitmapButton, NamesWithoutPictureDrawFrameOnly)
{
    const char *names[] = {"NOSUCHPICTURE", "", "#7", "marked16 "};
    for (const char *name : names) {
        SCOPED_TRACE(name);
        HWND b = Make(name);
        ASSERT_TRUE(b);
        EXPECT_TRUE(Matches(CCT_Snap(b), FramedNormal(32, 20, false)));
        CCT_Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
        CCT_Send(b, WM_LBUTTONUP, 5, 5, 0);
        EnableWindow(b, FALSE);
        CCT_Pump();
        EXPECT_EQ(DKGREY, CCT_Pixel(b, 10, 10));
    }
    // A null text is the empty name.
    HWND b = Make("MARKED16");
    SendMessageA(b, WM_SETTEXT, 0, 0);
    EXPECT_EQ(0, GetWindowTextLengthA(b));
    CCT_Pump();
    EXPECT_EQ(MAGENTA, CCT_Pixel(b, 3, 3));  // nothing new drawn over the old picture
    EXPECT_EQ((size_t)4, CCT_Commands().size());
}

TEST_F(BitmapButton, LargerPictureIsCutByTheWindow)
{
    HWND b = Make("BIG", 32, 20, 101, 100, 100);
    CCTImage img = CCT_Snap(b);
    EXPECT_EQ(CYAN, img.at(3, 3));
    EXPECT_EQ(CYAN, img.at(31, 19));
    EXPECT_EQ(BLACK, img.at(0, 19));
    // Nothing lands on the parent around the control.
    HWND p = CCT_Parent();
    EXPECT_NE(CYAN, CCT_Pixel(p, 100 + 32, 110));
    EXPECT_NE(CYAN, CCT_Pixel(p, 110, 100 + 20));
    CCT_Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_NE(CYAN, CCT_Pixel(p, 100 + 33, 110));
    CCT_Send(b, WM_LBUTTONUP, 5, 5, 0);
}

TEST_F(BitmapButton, LoadedPictureIsAlwaysFreed)
{
    HWND b = Make("MARKED16");
    HWND big = Make("BIG", 32, 20, 102, 60, 10);
    CCT_Pump();
    DWORD before = CCT_GdiObjects();
    // The counter sees one more object while a picture is loaded.
    HBITMAP probe = LoadBitmapA(GetModuleHandleA(nullptr), "MARKED16");
    ASSERT_TRUE(probe);
    EXPECT_EQ(before + 1, CCT_GdiObjects());
    DeleteObject(probe);
    ASSERT_EQ(before, CCT_GdiObjects());
    for (int i = 0; i < 100; i++) {
        for (HWND h : {b, big}) {
            CCT_Repaint(h);
            CCT_Send(h, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
            CCT_Send(h, WM_MOUSEMOVE, 50, 5, MK_LBUTTON);
            CCT_Send(h, WM_MOUSEMOVE, 5, 5, MK_LBUTTON);
            CCT_Send(h, WM_LBUTTONUP, 5, 5, 0);
            EnableWindow(h, FALSE);
            EnableWindow(h, TRUE);
        }
    }
    CCT_Pump();
    EXPECT_EQ(before, CCT_GdiObjects());
}

TEST_F(BitmapButton, CreationAndStyleChangeInitialise)
{
    HWND other = Make("MARKED16", 32, 20, 102, 60, 10);
    CCT_Send(other, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    HWND b = Make("MARKED16", 40, 30);
    // Creating a Bitmap button resets the library-wide press record.
    EXPECT_EQ(0, PressState);
    EXPECT_EQ(nullptr, PressWindow);
    EXPECT_EQ(40, CCT_Slot(b, 0));
    EXPECT_EQ(30, CCT_Slot(b, 1));
    EXPECT_EQ(8, CCT_Slot(b, 5));

    SendMessageA(b, WM_SETTEXT, 0, (LPARAM) "/9F___1");
    EXPECT_EQ(1, CCT_Slot(b, 3));
    EXPECT_EQ(9, CCT_Slot(b, 5));
    CCSetSlot(b, 0, 999);
    SetWindowLongA(b, GWL_STYLE, GetWindowLongA(b, GWL_STYLE));
    // Size from the client rectangle, the rest as at creation.
    EXPECT_EQ(40, CCT_Slot(b, 0));
    EXPECT_EQ(30, CCT_Slot(b, 1));
    EXPECT_EQ(0, CCT_Slot(b, 3));
    EXPECT_EQ(8, CCT_Slot(b, 5));
    EXPECT_EQ(0, CCT_Slot(b, 6));

    SetWindowPos(b, nullptr, 0, 0, 50, 24, SWP_NOMOVE | SWP_NOZORDER);
    CCT_Repaint(b);
    EXPECT_EQ(50, CCT_Slot(b, 0));
    EXPECT_EQ(24, CCT_Slot(b, 1));
    EXPECT_EQ(BLACK, CCT_Pixel(b, 49, 23));
    EXPECT_EQ(DKGREY, CCT_Pixel(b, 48, 22));
}

}  // namespace
