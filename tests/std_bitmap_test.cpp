// Bitmap button: looks, click and press notifications, picture names.
#include <gtest/gtest.h>
#include <string>
#include "harness.h"
#include "ccslots.h"
#include "std_frame.h"

namespace {

const COLORREF BLACK = RGB(0, 0, 0), WHITE = RGB(255, 255, 255), DKGREY = RGB(128, 128, 128);
const COLORREF GREEN = RGB(0, 255, 0), MAGENTA = RGB(255, 0, 255), CYAN = RGB(0, 255, 255);
const char NAME38[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789XY";

// The 16 x 16 picture MARKED16: magenta origin, red top row, blue left column,
// green last pixel, yellow elsewhere.
COLORREF Marked(int x, int y)
{
    if (!x && !y) return MAGENTA;
    if (!y) return RGB(255, 0, 0);
    if (!x) return RGB(0, 0, 255);
    return x == 15 && y == 15 ? GREEN : RGB(255, 255, 0);
}

// Expected client image, built from the lines at their documented coordinates.
struct Model {
    int w, h;
    std::vector<COLORREF> px;
    Model(int w_, int h_, COLORREF bg) : w(w_), h(h_), px((size_t)w_ * h_, bg) {}
    void Span(int x0, int y0, int x1, int y1, COLORREF c)  // inclusive
    {
        for (int y = y0; y <= y1; y++)
            for (int x = x0; x <= x1; x++) px[(size_t)y * w + x] = c;
    }
    void Outline()
    {
        Span(0, 0, w - 1, 0, BLACK), Span(0, h - 1, w - 1, h - 1, BLACK);
        Span(0, 0, 0, h - 1, BLACK), Span(w - 1, 0, w - 1, h - 1, BLACK);
    }
    void Upper(COLORREF c)
    {
        Span(1, 2, 1, h - 3, c), Span(1, 1, w - 3, 1, c), Span(2, 3, 2, h - 4, c), Span(2, 2, w - 4, 2, c);
    }
    void Lower()
    {
        Span(2, h - 2, w - 3, h - 2, DKGREY), Span(w - 2, 2, w - 2, h - 2, DKGREY);
        Span(3, h - 3, w - 4, h - 3, DKGREY), Span(w - 3, 3, w - 3, h - 3, DKGREY);
    }
    void Picture(int ox, int oy, bool andCopy = false)
    {
        for (int y = 0; y < 16 && oy + y < h; y++)
            for (int x = 0; x < 16 && ox + x < w; x++) {
                COLORREF &p = px[(size_t)(oy + y) * w + ox + x];
                p = andCopy ? (p & Marked(x, y)) : Marked(x, y);
            }
    }
};

::testing::AssertionResult Matches(const CCTImage &img, const Model &m)
{
    if (img.w != m.w || img.h != m.h) return ::testing::AssertionFailure() << "size " << img.w << "x" << img.h;
    int bad = 0;
    char first[96] = "";
    for (int y = 0; y < m.h; y++)
        for (int x = 0; x < m.w; x++)
            if (img.at(x, y) != m.px[(size_t)y * m.w + x] && !bad++)
                snprintf(first, sizeof first, " first (%d,%d) got %06lx want %06lx", x, y,
                         (unsigned long)img.at(x, y), (unsigned long)m.px[(size_t)y * m.w + x]);
    if (bad) return ::testing::AssertionFailure() << bad << " pixels differ," << first;
    return ::testing::AssertionSuccess();
}

Model FramedNormal(bool picture = true)
{
    Model m(32, 20, GetSysColor(COLOR_WINDOW));
    m.Outline();
    m.Upper(WHITE);
    m.Lower();
    if (picture) m.Picture(3, 3);
    return m;
}

class BitmapButton : public ::testing::Test {
protected:
    std::vector<HWND> made;
    HWND Make(const char *name, int id = 101, int x = 10, int y = 10, int w = 32, int h = 20)
    {
        made.push_back(CCT_Create(0x0040, name, x, y, w, h, id));
        return made.back();
    }
    void SetUp() override { CCT_Parent(), CCT_ClearLog(); }
    void TearDown() override
    {
        ReleaseCapture();
        for (HWND h : made) DestroyWindow(h);
        PressState = 0;
        PressWindow = nullptr;
        CCT_Pump();
    }
    void Click(HWND h) { CCT_Send(h, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON), CCT_Send(h, WM_LBUTTONUP, 5, 5, 0); }
};

TEST_F(BitmapButton, FramedLookNormalThenPressed)
{
    HWND b = Make("MARKED16");
    Model normal = FramedNormal();
    EXPECT_TRUE(Matches(CCT_Snap(b), normal));  // picture from (3, 3) to (18, 18)
    EXPECT_EQ(GREEN, CCT_Pixel(b, 18, 18));

    CCT_Send(b, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    EXPECT_EQ(1, PressState);
    EXPECT_EQ(b, PressWindow);
    EXPECT_EQ(b, GetCapture());
    EXPECT_TRUE(CCT_Commands().empty());
    // Over the normal look: top and left edges dark grey, the picture at (5, 5),
    // its first two rows and columns still visible.
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
    EXPECT_EQ(WHITE, CCT_Pixel(b, 1, 1));
    CCT_Route(WM_LBUTTONUP, 300, 300, 0);
    EXPECT_TRUE(CCT_Commands().empty());
    EXPECT_EQ(2, PressState);

    // Back in only with the button held.
    CCT_Send(b, WM_MOUSEMOVE, 5, 5, 0);
    EXPECT_EQ(2, PressState);
    CCT_Send(b, WM_MOUSEMOVE, 5, 5, MK_LBUTTON);
    EXPECT_EQ(1, PressState);
    EXPECT_EQ(b, GetCapture());
    EXPECT_EQ(DKGREY, CCT_Pixel(b, 1, 1));
    // Negative or huge words read as unsigned 16-bit values: outside.
    for (LPARAM lp : {(LPARAM)0xFFFFFFFF, (LPARAM)0x80008000, MAKELPARAM(5, -1)}) {
        SendMessageA(b, WM_MOUSEMOVE, MK_LBUTTON, lp);
        EXPECT_EQ(2, PressState);
        SendMessageA(b, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 5));
    }
    CCT_Send(b, WM_LBUTTONUP, 5, 5, 0);
    EXPECT_EQ(1u, CCT_Commands().size());

    // A release without a press on it still reports; a double click presses.
    CCT_Send(b, WM_LBUTTONUP, 5, 5, 0);
    CCT_Send(b, WM_LBUTTONDBLCLK, 5, 5, MK_LBUTTON);
    EXPECT_EQ(1, PressState);
    CCT_Send(b, WM_LBUTTONUP, 5, 5, 0);
    EXPECT_EQ((std::vector<CCTMsg>(3, CCT_Cmd(b))), CCT_Commands());
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
    Model m = FramedNormal();
    m.Picture(0, 0);
    EXPECT_TRUE(Matches(CCT_Snap(b), m));

    CCT_Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_EQ((std::vector<CCTMsg>{CCT_Cmd(b)}), CCT_Commands());
    EXPECT_TRUE(Matches(CCT_Snap(b), m));  // no pressed look
    CCT_Send(b, WM_MOUSEMOVE, 50, 5, MK_LBUTTON);
    EXPECT_EQ(2, PressState);
    CCT_Send(b, WM_MOUSEMOVE, 5, 5, MK_LBUTTON);  // back in: no second notification
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
    SendMessageA(b, WM_SETTEXT, 0, (LPARAM) "MARKED16");
    CCT_Pump();
    EXPECT_EQ(MAGENTA, CCT_Pixel(b, 3, 3));
    SendMessageA(b, WM_SETTEXT, 0, (LPARAM)(name39 + std::string(300, 'Q')).c_str());
    CCT_Pump();
    EXPECT_EQ(GREEN, CCT_Pixel(b, 3, 3));
}

TEST_F(BitmapButton, BadNamesAndLargePictures)
{
    for (const char *name : {"NOSUCHPICTURE", "", "#7", "marked16 "}) {
        SCOPED_TRACE(name);
        HWND b = Make(name);
        EXPECT_TRUE(Matches(CCT_Snap(b), FramedNormal(false)));  // frame and edges only
        Click(b);
        EnableWindow(b, FALSE);
        CCT_Pump();
        EXPECT_EQ(DKGREY, CCT_Pixel(b, 10, 10));
    }
    EXPECT_EQ(4u, CCT_Commands().size());
    // A null text is the empty name.
    HWND b = Make("MARKED16");
    SendMessageA(b, WM_SETTEXT, 0, 0);
    EXPECT_EQ(0, GetWindowTextLengthA(b));
    CCT_Pump();
    EXPECT_EQ(MAGENTA, CCT_Pixel(b, 3, 3));  // nothing drawn over the old picture

    // A window of no size draws nothing and still reports.
    HWND z = Make("BIG", 103, 200, 100, 0, 0);
    CCT_ClearLog();
    Click(z);
    EnableWindow(z, FALSE);
    CCT_Repaint(z);
    EXPECT_EQ(1u, CCT_Commands().size());

    // A 64 x 48 picture is cut by the window only.
    HWND big = Make("BIG", 102, 100, 100);
    CCTImage img = CCT_Snap(big);
    EXPECT_EQ(CYAN, img.at(3, 3));
    EXPECT_EQ(CYAN, img.at(31, 19));
    EXPECT_EQ(BLACK, img.at(0, 19));
    CCT_Send(big, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_NE(CYAN, CCT_Pixel(CCT_Parent(), 100 + 32, 110));
    EXPECT_NE(CYAN, CCT_Pixel(CCT_Parent(), 110, 100 + 20));
}

TEST_F(BitmapButton, LoadedPictureIsAlwaysFreed)
{
    HWND b = Make("MARKED16"), big = Make("BIG", 102, 60, 10);
    CCT_Pump();
    DWORD before = CCT_GdiObjects();
    // The counter sees a loaded picture.
    HBITMAP probe = LoadBitmapA(GetModuleHandleA(nullptr), "MARKED16");
    EXPECT_EQ(before + 1, CCT_GdiObjects());
    DeleteObject(probe);
    for (int i = 0; i < 100; i++)
        for (HWND h : {b, big}) {
            CCT_Repaint(h);
            CCT_Send(h, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
            CCT_Send(h, WM_MOUSEMOVE, 50, 5, MK_LBUTTON);
            CCT_Send(h, WM_MOUSEMOVE, 5, 5, MK_LBUTTON);
            CCT_Send(h, WM_LBUTTONUP, 5, 5, 0);
            EnableWindow(h, FALSE);
            EnableWindow(h, TRUE);
        }
    CCT_Pump();
    EXPECT_EQ(before, CCT_GdiObjects());
}

TEST_F(BitmapButton, CreationAndStyleChangeInitialise)
{
    CCT_Send(Make("MARKED16", 102, 60, 10), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    HWND b = Make("MARKED16", 101, 10, 10, 40, 30);
    EXPECT_EQ(0, PressState);  // creation resets the press record
    EXPECT_EQ(nullptr, PressWindow);
    EXPECT_EQ(8, CCT_Slot(b, 5));

    SendMessageA(b, WM_SETTEXT, 0, (LPARAM) "/9F___1");
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
    EXPECT_EQ(BLACK, CCT_Pixel(b, 49, 23));
    EXPECT_EQ(DKGREY, CCT_Pixel(b, 48, 22));
}

}  // namespace
