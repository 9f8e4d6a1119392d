// LED button: looks with lamp and shifted label, option texts, the off-screen
// label change, press tracking through the library-wide press record.
#include <gtest/gtest.h>
#include <string>
#include "harness.h"
#include "std_frame.h"

static const DWORD LED = 0x0002;
static const COLORREF BLACK = 0x000000, WHITE = 0xFFFFFF, DKGREY = 0x808080, LTGREY = 0xC0C0C0,
                      GREEN = 0x00FF00, RED = 0x0000FF;

typedef CCTWindow Win;

static LRESULT Set(HWND w, const char *text) { return SendMessageA(w, WM_SETTEXT, 0, (LPARAM)text); }

static std::string Text(HWND w)
{
    char buf[256] = "";
    GetWindowTextA(w, buf, sizeof buf);
    return buf;
}

// Where the ink of a text lies inside its cell, for the device context's default font.
static RECT InkInCell(HWND w, const char *text)
{
    SIZE sz = CCT_TextExtent(w, text);
    HDC dc = GetDC(w);
    HDC mem = CreateCompatibleDC(dc);
    HBITMAP bmp = CreateCompatibleBitmap(dc, sz.cx, sz.cy);
    HGDIOBJ old = SelectObject(mem, bmp);
    SetBkColor(mem, WHITE);
    SetTextColor(mem, BLACK);
    TextOutA(mem, 0, 0, text, lstrlenA(text));
    RECT box = {0, 0, 0, 0};
    bool any = false;
    for (int y = 0; y < sz.cy; y++)
        for (int x = 0; x < sz.cx; x++)
            if (GetPixel(mem, x, y) == BLACK) {
                if (!any) box = {x, y, x + 1, y + 1};
                any = true;
                box.left = x < box.left ? x : box.left;
                box.top = y < box.top ? y : box.top;
                box.right = x + 1 > box.right ? x + 1 : box.right;
                box.bottom = y + 1 > box.bottom ? y + 1 : box.bottom;
            }
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(w, dc);
    return box;
}

// Expected ink box of a single-line label centred in W x H and shifted by off.
static RECT LabelInk(HWND w, const char *text, int W, int H, int off)
{
    SIZE sz = CCT_TextExtent(w, text);
    RECT ink = InkInCell(w, text);
    int x = (W - sz.cx) / 2 + off, y = (H - sz.cy) / 2 + off;
    return {x + ink.left, y + ink.top, x + ink.right, y + ink.bottom};
}

// Ink of colour c right of the lamp and inside the bevel.
static RECT FoundInk(HWND w, COLORREF c)
{
    CCTImage img = CCT_Snap(w);
    RECT box = {0, 0, 0, 0};
    img.Find(c, &box, 20, 4, img.w - 4, img.h - 4);
    return box;
}

static void ExpectRect(const RECT &a, const RECT &b)
{
    EXPECT_EQ(a.left, b.left);
    EXPECT_EQ(a.top, b.top);
    EXPECT_EQ(a.right, b.right);
    EXPECT_EQ(a.bottom, b.bottom);
}

TEST(LedLook, NormalPressedAndDisabled)
{
    Win b(CCT_Create(LED, "Go", 10, 10, 120, 40, 201));
    EXPECT_EQ(CCT_Slot(b, 5), 8);
    EXPECT_EQ(CCT_Slot(b, 4), 0);
    CCTImage img = CCT_Snap(b);
    EXPECT_EQ(img.at(1, 20), WHITE);  // raised bevel
    EXPECT_EQ(img.at(118, 20), DKGREY);
    EXPECT_EQ(img.at(100, 30), LTGREY);
    EXPECT_EQ(img.at(10, 10), BLACK);  // dark lamp at (5, 5)
    EXPECT_EQ(img.at(8, 8), WHITE);
    EXPECT_EQ(img.at(9, 9), DKGREY);
    ExpectRect(FoundInk(b, BLACK), LabelInk(b, "Go", 120, 40, 2));

    Set(b, "/____A");
    CCT_Repaint(b);
    img = CCT_Snap(b);
    EXPECT_EQ(img.at(10, 10), GREEN);
    EXPECT_EQ(img.at(5, 10), BLACK);  // lamp outline
    EXPECT_EQ(img.at(8, 8), WHITE);
    EXPECT_EQ(img.at(9, 9), DKGREY);

    CCT_Send(b, WM_LBUTTONDOWN, 50, 20, MK_LBUTTON);
    img = CCT_Snap(b);
    EXPECT_EQ(CCT_Slot(b, 65), 1);
    EXPECT_EQ(img.at(1, 20), DKGREY);  // sunken: shadow left and top only
    EXPECT_EQ(img.at(118, 20), LTGREY);
    EXPECT_EQ(img.at(10, 10), WHITE);  // lamp moved to (7, 7)
    EXPECT_EQ(img.at(11, 11), DKGREY);
    EXPECT_EQ(img.at(12, 12), GREEN);
    ExpectRect(FoundInk(b, BLACK), LabelInk(b, "Go", 120, 40, 4));
    CCT_Send(b, WM_LBUTTONUP, 50, 20, 0);
    EXPECT_EQ(CCT_Slot(b, 65), 0);
    EXPECT_EQ(CCT_Pixel(b, 10, 10), GREEN);

    EnableWindow(b, FALSE);
    img = CCT_Snap(b);
    EXPECT_EQ(CCT_Slot(b, 2), 0);
    EXPECT_EQ(img.at(100, 30), DKGREY);
    EXPECT_EQ(img.at(1, 20), DKGREY);
    EXPECT_EQ(img.at(10, 10), GREEN);  // the lamp keeps its colour
    ExpectRect(FoundInk(b, LTGREY), LabelInk(b, "Go", 120, 40, 2));
}

TEST(LedLook, OptionTextsAndCreationText)
{
    Win b(CCT_Create(LED, "/9", 10, 10, 120, 40, 202));
    EXPECT_EQ(Text(b), "/9");  // shown as the label: options come only from WM_SETTEXT
    EXPECT_EQ(CCT_Slot(b, 5), 8);
    ExpectRect(FoundInk(b, BLACK), LabelInk(b, "/9", 120, 40, 2));

    EXPECT_EQ(Set(b, "/a"), 1);
    EXPECT_EQ(CCT_Slot(b, 5), 8);
    EXPECT_EQ(Set(b, "/9F"), 1);
    EXPECT_EQ(Text(b), "/9");
    CCT_Pump();
    EXPECT_EQ(CCT_Pixel(b, 100, 30), RED);
    ExpectRect(FoundInk(b, WHITE), LabelInk(b, "/9", 120, 40, 2));

    // Away from the lamp, a label change shows what a full paint shows, with the
    // label cut where the paint reads it.
    Win t(CCT_Create(LED, "Short", 10, 60, 120, 60, 210));
    std::string longLabel(300, 'W');
    Set(t, longLabel.c_str());
    CCTImage swapped = CCT_Snap(t);
    CCT_Repaint(t);
    EXPECT_TRUE(swapped.px == CCT_Snap(t).px);
}

TEST(LedLook, LabelChangeLeavesFaceAndLamp)
{
    Win b(CCT_Create(LED, "Old", 10, 10, 120, 40, 203));
    Set(b, "/____A");
    CCT_Repaint(b);
    HDC dc = GetDC(b);
    SetPixel(dc, 110, 35, RED);  // a mark that a face repaint would cover
    ReleaseDC(b, dc);
    EXPECT_EQ(Set(b, "New"), 1);
    EXPECT_EQ(Text(b), "New");
    EXPECT_EQ(CCT_Pixel(b, 110, 35), RED);
    EXPECT_EQ(CCT_Pixel(b, 10, 10), GREEN);
    ExpectRect(FoundInk(b, BLACK), LabelInk(b, "New", 120, 40, 2));

    // Set while pressed: the new label is drawn at (4, 4).
    CCT_Send(b, WM_LBUTTONDOWN, 50, 20, MK_LBUTTON);
    Set(b, "Mid");
    ExpectRect(FoundInk(b, BLACK), LabelInk(b, "Mid", 120, 40, 4));
    // The old label goes from where the pressed look drew it, beyond the new one's cell.
    SIZE mid = CCT_TextExtent(b, "Mid");
    int cornerX = (120 - mid.cx) / 2 + 4 + mid.cx - 1, cornerY = (40 - mid.cy) / 2 + 4 + mid.cy - 1;
    dc = GetDC(b);
    SetPixel(dc, cornerX, cornerY, RED);  // inside the (4, 4) cell only
    ReleaseDC(b, dc);
    Set(b, "i");
    EXPECT_EQ(CCT_Pixel(b, cornerX, cornerY), LTGREY);
    ExpectRect(FoundInk(b, BLACK), LabelInk(b, "i", 120, 40, 4));
    CCT_Send(b, WM_LBUTTONUP, 50, 20, 0);
    ExpectRect(FoundInk(b, BLACK), LabelInk(b, "i", 120, 40, 2));

    // Disabled while the pressed look shows: flag stays, label at (4, 4) in greys.
    CCT_Send(b, WM_LBUTTONDOWN, 50, 20, MK_LBUTTON);
    EnableWindow(b, FALSE);
    EXPECT_EQ(CCT_Slot(b, 65), 1);
    Set(b, "Dis");
    ExpectRect(FoundInk(b, LTGREY), LabelInk(b, "Dis", 120, 40, 4));
    ReleaseCapture();
    PressState = 0;
    PressWindow = nullptr;

    Set(b, nullptr);
    EXPECT_EQ(Text(b), "");
}

TEST(Led, PressDragOutAndReleaseOutside)
{
    Win b(CCT_Create(LED, "L", 20, 20, 60, 30, 204));
    CCT_ClearLog();
    POINT in = CCT_Screen(b, 30, 15), out = CCT_Screen(b, 100, 15);
    EXPECT_EQ(CCT_Route(WM_LBUTTONDOWN, in.x, in.y, MK_LBUTTON), (HWND)b);
    EXPECT_EQ(PressState, 1);
    EXPECT_EQ(PressWindow, (HWND)b);
    EXPECT_EQ(GetCapture(), (HWND)b);
    EXPECT_EQ(CCT_Route(WM_MOUSEMOVE, out.x, out.y, MK_LBUTTON), (HWND)b);
    EXPECT_EQ(PressState, 2);
    EXPECT_EQ(PressWindow, (HWND)b);
    EXPECT_EQ(GetCapture(), (HWND) nullptr);
    EXPECT_EQ(CCT_Slot(b, 65), 0);  // normal look again
    EXPECT_NE(CCT_Route(WM_LBUTTONUP, out.x, out.y, 0), (HWND)b);
    EXPECT_TRUE(CCT_Commands().empty());
    EXPECT_EQ(PressState, 2);

    // Out and back in with the button held, then released: one notification.
    CCT_Route(WM_LBUTTONDOWN, in.x, in.y, MK_LBUTTON);
    CCT_Route(WM_MOUSEMOVE, out.x, out.y, MK_LBUTTON);
    CCT_Route(WM_MOUSEMOVE, in.x, in.y, 0);  // without the button: stays suspended
    EXPECT_EQ(PressState, 2);
    CCT_Route(WM_MOUSEMOVE, in.x, in.y, MK_LBUTTON);
    EXPECT_EQ(PressState, 1);
    EXPECT_EQ(GetCapture(), (HWND)b);
    EXPECT_EQ(CCT_Slot(b, 65), 1);
    EXPECT_EQ(CCT_Route(WM_LBUTTONUP, in.x, in.y, 0), (HWND)b);
    EXPECT_EQ(CCT_Commands(), std::vector<CCTMsg>{CCT_Cmd(b)});
    EXPECT_EQ(PressState, 0);
    EXPECT_EQ(PressWindow, (HWND) nullptr);

    // A release without a press of its own still notifies; a double click presses.
    CCT_ClearLog();
    CCT_Send(b, WM_LBUTTONUP, 5, 5, 0);
    EXPECT_EQ(SendMessageA(b, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5)), 1);
    EXPECT_EQ(PressState, 1);
    EXPECT_EQ(SendMessageA(b, WM_LBUTTONUP, 0, MAKELPARAM(5, 5)), 1);
    EXPECT_EQ(CCT_Commands().size(), 2u);
}

TEST(Led, TwoLedsShareThePressRecord)
{
    Win a(CCT_Create(LED, "A", 20, 20, 60, 30, 205));
    Win b(CCT_Create(LED, "B", 100, 20, 60, 30, 206));
    CCT_ClearLog();
    POINT pa = CCT_Screen(a, 30, 15), pb = CCT_Screen(b, 30, 15);
    CCT_Route(WM_LBUTTONDOWN, pa.x, pa.y, MK_LBUTTON);
    CCT_Route(WM_MOUSEMOVE, pb.x, pb.y, MK_LBUTTON);  // leaves a: suspended, b not taken
    EXPECT_EQ(PressWindow, (HWND)a);
    EXPECT_EQ(CCT_Slot(b, 65), 0);
    EXPECT_EQ(CCT_Route(WM_LBUTTONUP, pb.x, pb.y, 0), (HWND)b);  // b still reports the release
    EXPECT_EQ(CCT_Commands(), std::vector<CCTMsg>{CCT_Cmd(b)});
    EXPECT_EQ(PressState, 0);
}

TEST(Led, SizeStyleChangeAndOddSizes)
{
    Win b(CCT_Create(LED, "S", 10, 10, 60, 30, 207));
    Set(b, "/9F__A");
    EXPECT_EQ(SendMessageA(b, WM_SIZE, 0, MAKELPARAM(70, 35)), 1);
    EXPECT_EQ(CCT_Slot(b, 0), 70);
    EXPECT_EQ(CCT_Slot(b, 1), 35);
    SetWindowLongA(b, GWL_STYLE, GetWindowLongA(b, GWL_STYLE) | WS_TABSTOP);
    EXPECT_EQ(CCT_Slot(b, 0), 60);  // from the client rectangle
    EXPECT_EQ(CCT_Slot(b, 1), 30);
    EXPECT_EQ(CCT_Slot(b, 4), 0);
    EXPECT_EQ(CCT_Slot(b, 5), 8);
    EXPECT_EQ(CCT_Slot(b, 6), 0);

    Win z(CCT_Create(LED, "zero", 10, 50, 0, 0, 208));
    Set(z, "x");
    Set(z, "/9");
    CCT_Send(z, WM_LBUTTONDOWN, 0, 0, MK_LBUTTON);
    CCT_Send(z, WM_MOUSEMOVE, 3, 3, MK_LBUTTON);
    CCT_Send(z, WM_LBUTTONUP, 3, 3, 0);
    CCT_Repaint(z);
    EXPECT_EQ(Text(z), "x");
    EXPECT_EQ(PressState, 0);
}

TEST(Led, NoGdiObjectLeft)
{
    Win b(CCT_Create(LED, "One|Two", 10, 10, 80, 40, 209));
    CCT_Repaint(b);
    DWORD before = 0;
    for (int i = 0; i < 50; i++) {
        if (i == 6) before = CCT_GdiCount();  // after a first round, which fills system caches
        Set(b, i % 2 ? "Label|two" : "/____9");
        CCT_Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
        CCT_Send(b, WM_MOUSEMOVE, 500, 5, MK_LBUTTON);
        CCT_Send(b, WM_LBUTTONUP, 5, 5, 0);
        EnableWindow(b, i % 3 != 0);
        CCT_Repaint(b);
    }
    EXPECT_EQ(CCT_GdiCount(), before);
}
