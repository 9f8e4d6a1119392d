// Faders: mappings, numbers as text, dragging and its notifications, the shared
// working records, the record's block, drawing.
#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>
#include <string>
#include "harness.h"
#include "fader_map.h"
#include "std_frame.h"

static const DWORD VF = 0x0400, HF = 0x0800;
static const COLORREF BLACK = 0x000000, DKGREEN = 0x008000, GREEN = 0x00FF00, DKGREY = 0x808080,
                      LTGREY = 0xC0C0C0, BLUE = 0xFF0000, RED = 0x0000FF;

namespace {
struct Win {
    HWND h;
    explicit Win(HWND w) : h(w) {}
    ~Win()
    {
        if (IsWindow(h)) DestroyWindow(h);
    }
    operator HWND() const { return h; }
};
}  // namespace

static void Set(HWND f, const char *text) { SendMessageA(f, WM_SETTEXT, 0, (LPARAM)text); }

static std::string Get(HWND f)
{
    char buf[64] = "";
    SendMessageA(f, WM_GETTEXT, sizeof buf, (LPARAM)buf);
    return buf;
}

// Value, minimum and maximum read through the variants, variant restored to 0.
static std::string Triple(HWND f)
{
    std::string s = Get(f);
    Set(f, "/_____1");
    s += "," + Get(f);
    Set(f, "/_____2");
    s += "," + Get(f);
    Set(f, "/_____0");
    return s;
}

static FaderRecord Rec(int v, int lo, int hi) { return {v, lo, hi, 0}; }

static int32_t PointValue(FaderRecord r, int length, int c, int vertical)
{
    CCFader_Point(&r, length, c, vertical);
    return r.value;
}

static int32_t KnobAt(FaderRecord r, int length, int vertical)
{
    CCFader_Knob(&r, length, vertical);
    return r.position;
}

TEST(FaderMap, FiguresOfBothOrientations)
{
    FaderRecord r = Rec(50, 1, 100);
    EXPECT_EQ(PointValue(r, 100, 0, 1), 100);
    EXPECT_EQ(PointValue(r, 100, 50, 1), 50);
    EXPECT_EQ(PointValue(r, 100, 99, 1), 1);
    EXPECT_EQ(KnobAt(Rec(75, 1, 100), 100, 1), 25);
    EXPECT_EQ(KnobAt(Rec(50, 1, 100), 100, 1), 50);
    EXPECT_EQ(KnobAt(Rec(1, 1, 100), 100, 1), 99);
    EXPECT_EQ(KnobAt(Rec(100, 1, 100), 100, 1), -1);

    EXPECT_EQ(PointValue(r, 100, 0, 0), 1);
    EXPECT_EQ(PointValue(r, 100, 50, 0), 51);
    EXPECT_EQ(PointValue(r, 100, 99, 0), 100);
    EXPECT_EQ(KnobAt(Rec(50, 1, 100), 100, 0), 49);
    EXPECT_EQ(KnobAt(Rec(100, 1, 100), 100, 0), 100);

    // Truncation toward zero with a reversed range and a pointer past the end.
    EXPECT_EQ(PointValue(Rec(0, 100, 1), 100, 50, 1), 51);
    EXPECT_EQ(PointValue(Rec(0, 1, 100), 100, 150, 1), -48);
    FaderRecord p = Rec(50, 1, 100);
    CCFader_Point(&p, 100, 30, 1);
    EXPECT_EQ(p.position, 30);  // the knob sits under the pointer
}

TEST(FaderMap, ExtremeNumbersClampWithoutFault)
{
    FaderRecord wide = Rec(0, INT_MIN, INT_MAX);
    EXPECT_EQ(PointValue(wide, 100, 0, 1), INT_MAX);
    EXPECT_EQ(PointValue(wide, 100, 99, 1), INT_MIN + 42949672);
    EXPECT_EQ(PointValue(wide, 100, 65535, 1), INT_MIN);  // far below the bottom
    EXPECT_EQ(PointValue(wide, 100, 65535, 0), INT_MAX);  // far right of the end
    EXPECT_EQ(PointValue(wide, INT_MAX, 0, 1), INT_MAX);
    EXPECT_EQ(KnobAt(Rec(INT_MAX, INT_MIN, INT_MAX), 100, 1), -1);
    EXPECT_EQ(KnobAt(Rec(INT_MAX, 0, 1), 100, 1), INT_MIN);
    EXPECT_EQ(KnobAt(Rec(INT_MIN, 0, 1), 100, 0), INT_MIN);
    EXPECT_EQ(KnobAt(Rec(INT_MIN, INT_MAX, INT_MAX - 1), INT_MAX, 0), INT_MAX);
    EXPECT_EQ(KnobAt(Rec(5, 0, -1), 100, 0), -500);

    EXPECT_EQ(CCFader_MulDiv(INT64_MAX, 2, 1), (int64_t)1 << 62);
    EXPECT_EQ(CCFader_MulDiv(INT64_MIN, 1, -1), (int64_t)1 << 62);
    EXPECT_GE(CCFader_MulDiv(INT64_MIN, 3, INT64_MIN), 1);
    EXPECT_EQ(CCFader_MulDiv(7, 3, 0), 0);
    EXPECT_EQ(CCFader_MulDiv(-7, 3, 2), -10);
}

TEST(FaderMap, NoLengthNoEqualEndsNoMapping)
{
    FaderRecord r = {50, 1, 100, 33};
    EXPECT_EQ(CCFader_Point(&r, 0, 10, 1), 0);
    EXPECT_EQ(CCFader_Point(&r, -5, 10, 0), 0);
    EXPECT_EQ(r.value, 50);
    EXPECT_EQ(r.position, 33);
    FaderRecord flat = {50, 7, 7, 33};
    EXPECT_EQ(CCFader_Knob(&flat, 100, 1), 0);
    EXPECT_EQ(flat.position, 33);
}

TEST(FaderMap, SetNumberAlwaysStoresAndKeepsKnobWhenEndsMeet)
{
    FaderRecord r = {50, 1, 100, 50};
    CCFader_SetNumber(&r, CC_FADER_MAXIMUM, "1", 100, 1);
    EXPECT_EQ(r.maximum, 1);
    EXPECT_EQ(r.position, 50);

    r = {50, 1, 100, 50};
    CCFader_SetNumber(&r, CC_FADER_MINIMUM, "100", 100, 1);  // re-range minimum first
    EXPECT_EQ(r.minimum, 100);
    EXPECT_EQ(r.position, 50);
    CCFader_SetNumber(&r, CC_FADER_MAXIMUM, "200", 100, 1);
    EXPECT_EQ(r.maximum, 200);
    EXPECT_EQ(r.minimum, 100);
    EXPECT_EQ(r.position, 99 - (50 - 100) * 100 / 100);

    r = {50, 1, 100, 50};
    CCFader_SetNumber(&r, 3, "77", 100, 1);  // a variant that names nothing
    EXPECT_EQ(r.value, 50);
    CCFader_SetNumber(&r, CC_FADER_VALUE, "  -12abc", 100, 1);
    EXPECT_EQ(r.value, -12);
    CCFader_SetNumber(&r, CC_FADER_VALUE, "99999999999999", 100, 1);
    EXPECT_EQ(r.value, INT_MAX);
    CCFader_SetNumber(&r, CC_FADER_VALUE, "-99999999999999", 100, 1);
    EXPECT_EQ(r.value, INT_MIN);
    CCFader_SetNumber(&r, CC_FADER_VALUE, "x1", 100, 1);
    EXPECT_EQ(r.value, 0);
    r.value = 9;
    CCFader_SetNumber(&r, CC_FADER_VALUE, nullptr, 100, 1);
    EXPECT_EQ(r.value, 0);
}

TEST(FaderMap, GetTextBoundedByBuffer)
{
    FaderRecord r = {100, -5, 2147483647, 0};
    char buf[8];
    memset(buf, 'x', sizeof buf);
    EXPECT_EQ(CCFader_GetText(&r, 0, buf, 3), 2u);
    EXPECT_STREQ(buf, "10");
    EXPECT_EQ(buf[3], 'x');
    memset(buf, 'x', sizeof buf);
    EXPECT_EQ(CCFader_GetText(&r, 0, buf, 0), 0u);
    EXPECT_EQ(buf[0], 'x');
    EXPECT_EQ(CCFader_GetText(&r, 0, buf, 1), 0u);
    EXPECT_EQ(buf[0], '\0');
    EXPECT_EQ(CCFader_GetText(&r, 1, buf, sizeof buf), 2u);
    EXPECT_STREQ(buf, "-5");
    char big[16];
    EXPECT_EQ(CCFader_GetText(&r, 2, big, sizeof big), 10u);
    EXPECT_STREQ(big, "2147483647");
    EXPECT_EQ(CCFader_GetText(&r, 0, nullptr, 10), 0u);

    // Variants that name nothing write nothing.
    char held[8] = "abc";
    EXPECT_EQ(CCFader_GetText(&r, 5, held, sizeof held), 3u);
    EXPECT_STREQ(held, "abc");
    EXPECT_EQ(CCFader_GetText(&r, 5, held, 3), 0u);  // no terminator within 3 bytes
    EXPECT_EQ(CCFader_GetText(&r, 15, held, 0), 0u);
    EXPECT_STREQ(held, "abc");
}

TEST(Fader, CreationDefaultsAndTextByVariant)
{
    Win f(CCT_Create(VF, "Lvl", 10, 10, 20, 100, 401));
    EXPECT_EQ(Triple(f), "50,1,100");
    EXPECT_EQ(CCT_Slot(f, 0), 20);
    EXPECT_EQ(CCT_Slot(f, 1), 100);
    EXPECT_EQ(CCT_Slot(f, 2), 1);
    EXPECT_EQ(CCT_Slot(f, 7), 2);
    EXPECT_EQ(CCT_Slot(f, 9), 10);
    EXPECT_NE(CCT_Slot(f, 13), 0);
    EXPECT_EQ(SendMessageA(f, WM_GETTEXTLENGTH, 0, 0), 3);  // the creation text, not the number

    CCT_ClearLog();
    Set(f, "75");
    EXPECT_EQ(Get(f), "75");
    EXPECT_TRUE(CCT_Commands().empty());
    Set(f, "/_____1");
    Set(f, "-20");
    Set(f, "/_____2");
    Set(f, "+300x");
    Set(f, "/_____0");
    EXPECT_EQ(Triple(f), "75,-20,300");

    // Variant 2 set together with the filled colour: the next number is the maximum.
    Set(f, "/__C__2");
    EXPECT_EQ(CCT_Slot(f, 9), 12);
    EXPECT_EQ(CCT_Slot(f, 3), 2);
    Set(f, "150");
    Set(f, "/_____0");
    EXPECT_EQ(Triple(f), "75,-20,150");

    // Other variants: nothing is assigned and nothing is written on reading.
    Set(f, "/_____7");
    Set(f, "999");
    char buf[8] = "keep";
    EXPECT_EQ(SendMessageA(f, WM_GETTEXT, sizeof buf, (LPARAM)buf), 4);
    EXPECT_STREQ(buf, "keep");
    EXPECT_EQ(SendMessageA(f, WM_GETTEXT, 0, (LPARAM)buf), 0);
    EXPECT_EQ(SendMessageA(f, WM_GETTEXT, 10, 0), 0);
    Set(f, "/_____0");
    EXPECT_EQ(Triple(f), "75,-20,150");

    Set(f, "100");
    char small[3] = {'x', 'x', 'x'};
    EXPECT_EQ(SendMessageA(f, WM_GETTEXT, 3, (LPARAM)small), 2);
    EXPECT_EQ(std::string(small, 3), std::string("10\0", 3));
    Set(f, nullptr);
    EXPECT_EQ(Get(f), "0");
}

TEST(Fader, MaximumEqualToMinimumAndReRanging)
{
    Win f(CCT_Create(VF, "", 10, 10, 20, 100, 402));
    Set(f, "/_____2");
    Set(f, "1");
    Set(f, "/_____0");
    EXPECT_EQ(Triple(f), "50,1,1");
    Set(f, "/_____2");
    Set(f, "100");
    Set(f, "/_____0");

    Set(f, "75");  // knob at 25
    Set(f, "/_____1");
    Set(f, "100");  // minimum reaches the maximum: stored, knob stays
    Set(f, "/_____2");
    Set(f, "200");
    Set(f, "/_____0");
    EXPECT_EQ(Triple(f), "75,100,200");
    Set(f, "150");
    CCT_Repaint(f);
    EXPECT_EQ(CCT_Pixel(f, 10, 49), BLACK);  // 99 - 50 * 100 / 100
}

TEST(Fader, NotificationsOfADrag)
{
    Win f(CCT_Create(VF, "", 10, 10, 20, 100, 403));
    CCTMsg cmd = CCT_Cmd(f);
    CCT_ClearLog();
    CCT_Send(f, WM_LBUTTONDOWN, 5, 40, MK_LBUTTON);
    EXPECT_EQ(PressState, 1);
    EXPECT_EQ(GetCapture(), (HWND)f);
    CCT_Send(f, WM_LBUTTONUP, 5, 40, 0);
    EXPECT_EQ(PressState, 0);
    EXPECT_EQ(GetCapture(), (HWND) nullptr);
    EXPECT_EQ(CCT_Commands(), (std::vector<CCTMsg>{cmd, cmd}));
    EXPECT_EQ(Get(f), "60");

    CCT_ClearLog();
    CCT_Send(f, WM_LBUTTONDOWN, 5, 40, MK_LBUTTON);
    CCT_Send(f, WM_MOUSEMOVE, 5, 30, MK_LBUTTON);  // along the axis: one
    CCT_Send(f, WM_MOUSEMOVE, 12, 30, MK_LBUTTON); // across it: none
    CCT_Send(f, WM_MOUSEMOVE, 12, 31, MK_LBUTTON); // one
    EXPECT_EQ(Get(f), "69");
    EXPECT_EQ(CCT_Commands().size(), 3u);
    // Out and back: the drag ends and does not resume.
    POINT out = CCT_Screen(f, 5, 150);
    CCT_Route(WM_MOUSEMOVE, out.x, out.y, MK_LBUTTON);
    EXPECT_EQ(PressState, 0);
    EXPECT_EQ(GetCapture(), (HWND) nullptr);
    POINT back = CCT_Screen(f, 5, 10);
    EXPECT_EQ(CCT_Route(WM_MOUSEMOVE, back.x, back.y, MK_LBUTTON), (HWND)f);
    EXPECT_EQ(Get(f), "69");
    EXPECT_EQ(CCT_Commands().size(), 3u);
    CCT_Route(WM_LBUTTONUP, back.x, back.y, 0);  // a release over the fader still notifies
    EXPECT_EQ(CCT_Commands().size(), 4u);
    EXPECT_EQ(Get(f), "69");
}

TEST(Fader, RealInputDragOutAndBack)
{
    Win f(CCT_Create(VF, "", 50, 50, 20, 100, 420));
    CCT_ClearLog();
    POINT p = CCT_Screen(f, 5, 40);
    CCT_Input(p.x, p.y, MOUSEEVENTF_LEFTDOWN);
    p = CCT_Screen(f, 5, 30);
    CCT_Input(p.x, p.y, 0);
    EXPECT_EQ(Get(f), "70");
    p = CCT_Screen(f, 5, 150);
    CCT_Input(p.x, p.y, 0);
    EXPECT_EQ(GetCapture(), (HWND) nullptr);
    p = CCT_Screen(f, 5, 10);
    CCT_Input(p.x, p.y, 0);
    CCT_Input(p.x, p.y, MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(Get(f), "70");
    EXPECT_EQ(CCT_Commands().size(), 3u);
    p = CCT_Screen(f, 200, 300);
    CCT_Input(p.x, p.y, 0);
}

TEST(Fader, HorizontalDragAndPressWindowUntouched)
{
    Win f(CCT_Create(HF, "", 10, 10, 100, 20, 404));
    HWND other = (HWND)0x1234;
    PressWindow = other;
    PressState = 2;
    CCT_ClearLog();
    CCT_Send(f, WM_LBUTTONDOWN, 0, 5, MK_LBUTTON);
    EXPECT_EQ(Get(f), "1");
    CCT_Send(f, WM_MOUSEMOVE, 0, 15, MK_LBUTTON);  // across: none
    CCT_Send(f, WM_MOUSEMOVE, 50, 15, MK_LBUTTON);
    EXPECT_EQ(Get(f), "51");
    CCT_Send(f, WM_MOUSEMOVE, 99, 15, MK_LBUTTON);
    EXPECT_EQ(Get(f), "100");
    CCT_Send(f, WM_LBUTTONUP, 99, 15, 0);
    EXPECT_EQ(CCT_Commands().size(), 4u);
    EXPECT_EQ(PressState, 0);
    EXPECT_EQ(PressWindow, other);
    PressWindow = nullptr;
}

TEST(Fader, HoverWithoutTheDragMovesNothing)
{
    Win f(CCT_Create(VF, "", 10, 10, 20, 100, 405));
    PressState = 1;  // left over by a drag whose capture was taken away
    CCT_ClearLog();
    CCT_Send(f, WM_MOUSEMOVE, 5, 20, 0);
    EXPECT_EQ(Get(f), "50");
    EXPECT_TRUE(CCT_Commands().empty());
    PressState = 0;
}

// Parent that, on each notification of `watched`, reads and sets `other`.
static HWND s_watched, s_other;
static std::string s_seen;
static LRESULT CALLBACK MeddlingParent(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND && (HWND)lParam == s_watched) {
        s_seen += Get(s_other) + ";";
        Set(s_other, "7");
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST(Fader, FadersSharingTheWorkingRecordKeepTheirOwnValues)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = MeddlingParent;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "CCTestMeddler";
    RegisterClassA(&wc);
    Win parent(CreateWindowExA(0, "CCTestMeddler", "", WS_CHILD | WS_VISIBLE, 200, 0, 300, 200, CCT_Parent(),
                               nullptr, wc.hInstance, nullptr));
    Win a(CCT_Create(VF, "", 0, 0, 20, 100, 1, parent));
    Win b(CCT_Create(VF, "", 40, 0, 20, 100, 2, parent));
    Win h(CCT_Create(HF, "", 80, 0, 100, 20, 3, parent));
    Set(a, "20");
    Set(b, "80");
    Set(h, "30");
    EXPECT_EQ(Get(a), "20");
    EXPECT_EQ(Get(b), "80");
    EXPECT_EQ(Get(h), "30");

    s_watched = a;
    s_other = b;
    s_seen.clear();
    CCT_Send(a, WM_LBUTTONDOWN, 5, 10, MK_LBUTTON);
    CCT_Send(a, WM_MOUSEMOVE, 5, 20, MK_LBUTTON);
    CCT_Send(a, WM_LBUTTONUP, 5, 20, 0);
    s_watched = nullptr;
    EXPECT_EQ(s_seen, "80;7;7;");
    EXPECT_EQ(Get(a), "80");
    EXPECT_EQ(Get(b), "7");
    EXPECT_EQ(Get(h), "30");
}

TEST(Fader, CloseFreesTheBlockOnce)
{
    Win f(CCT_Create(VF, "", 10, 10, 20, 100, 406));
    Win g(CCT_Create(VF, "", 40, 10, 20, 100, 407));
    Set(f, "75");
    HGLOBAL h = (HGLOBAL)(LONG_PTR)CCT_Slot(f, 13);
    ASSERT_NE(GlobalSize(h), 0u);
    EXPECT_EQ(SendMessageA(f, WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(IsWindow(f));
    EXPECT_EQ(CCT_Slot(f, 13), 0);
    EXPECT_EQ(GlobalSize(h), 0u);
    SendMessageA(f, WM_CLOSE, 0, 0);  // nothing left to free
    EXPECT_EQ(CCT_Slot(f, 13), 0);

    // Without a block: the default record, not what another fader left behind.
    Set(g, "33");
    EXPECT_EQ(Triple(f), "50,1,100");
    Set(f, "10");
    EXPECT_EQ(Get(f), "50");
    CCT_Send(f, WM_LBUTTONDOWN, 5, 10, MK_LBUTTON);
    CCT_Send(f, WM_MOUSEMOVE, 5, 20, MK_LBUTTON);
    CCT_Send(f, WM_LBUTTONUP, 5, 20, 0);
    CCT_Repaint(f);
    EXPECT_EQ(Get(f), "50");
    EXPECT_EQ(CCT_Pixel(f, 10, 50), GREEN);  // position 0: all filled
    EXPECT_EQ(Get(g), "33");
}

TEST(Fader, DestroyFreesTheBlock)
{
    HWND f = CCT_Create(HF, "", 10, 10, 100, 20, 408);
    HGLOBAL h = (HGLOBAL)(LONG_PTR)CCT_Slot(f, 13);
    ASSERT_NE(GlobalSize(h), 0u);
    DestroyWindow(f);
    EXPECT_EQ(GlobalSize(h), 0u);
}

TEST(Fader, StyleChangeReusesTheBlock)
{
    Win f(CCT_Create(VF, "", 10, 10, 20, 100, 409));
    Set(f, "/9___C2");
    Set(f, "400");
    SendMessageA(f, WM_SIZE, 0, MAKELPARAM(7, 7));
    LONG block = CCT_Slot(f, 13);
    SetWindowLongA(f, GWL_STYLE, GetWindowLongA(f, GWL_STYLE) | WS_TABSTOP);
    EXPECT_EQ(CCT_Slot(f, 13), block);
    EXPECT_EQ(CCT_Slot(f, 0), 20);
    EXPECT_EQ(CCT_Slot(f, 1), 100);
    EXPECT_EQ(CCT_Slot(f, 3), 0);
    EXPECT_EQ(CCT_Slot(f, 4), 0);
    EXPECT_EQ(CCT_Slot(f, 5), 0);
    EXPECT_EQ(Triple(f), "50,1,100");
}

TEST(Fader, ZeroSizeTakesMouseAndText)
{
    Win v(CCT_Create(VF, "", 10, 10, 0, 0, 410));
    Win h(CCT_Create(HF, "", 10, 10, 0, 0, 411));
    for (HWND f : {(HWND)v, (HWND)h}) {
        CCT_Send(f, WM_LBUTTONDOWN, 0, 0, MK_LBUTTON);
        CCT_Send(f, WM_MOUSEMOVE, 3, 3, MK_LBUTTON);
        CCT_Send(f, WM_LBUTTONUP, 3, 3, 0);
        Set(f, "75");
        CCT_Repaint(f);
        EXPECT_EQ(Get(f), "75");
    }
    EXPECT_EQ(PressState, 0);
}

TEST(Fader, ExtremeNumbersThroughTheWindow)
{
    Win f(CCT_Create(VF, "", 10, 10, 20, 100, 412));
    Set(f, "/_____1");
    Set(f, "-99999999999");
    Set(f, "/_____2");
    Set(f, "99999999999");
    Set(f, "/_____0");
    Set(f, "2147483647");
    EXPECT_EQ(Triple(f), "2147483647,-2147483648,2147483647");
    CCT_Send(f, WM_LBUTTONDOWN, 5, 65535, MK_LBUTTON);
    CCT_Send(f, WM_LBUTTONUP, 5, 65535, 0);
    EXPECT_EQ(Get(f), "-2147483648");
    Set(f, "/_____1");
    Set(f, "0");
    Set(f, "/_____2");
    Set(f, "1");
    Set(f, "/_____0");
    Set(f, "2147483647");  // knob far above the control
    CCT_Repaint(f);
    EXPECT_EQ(CCT_Pixel(f, 10, 1), GREEN);
    EXPECT_EQ(CCT_Pixel(f, 10, 98), GREEN);
}

TEST(FaderLook, VerticalAtTheKnob)
{
    Win f(CCT_Create(VF, "", 10, 10, 20, 100, 413));
    Set(f, "75");
    CCT_Repaint(f);
    CCTImage img = CCT_Snap(f);
    EXPECT_EQ(img.at(10, 1), DKGREEN);
    EXPECT_EQ(img.at(1, 24), DKGREEN);
    EXPECT_EQ(img.at(18, 24), DKGREEN);
    EXPECT_EQ(img.at(1, 25), BLACK);  // knob line (1, 25) to (19, 25)
    EXPECT_EQ(img.at(18, 25), BLACK);
    EXPECT_EQ(img.at(10, 26), GREEN);
    EXPECT_EQ(img.at(10, 98), GREEN);
    EXPECT_EQ(img.at(1, 98), GREEN);
    EXPECT_EQ(img.at(18, 98), GREEN);
    for (int y = 0; y < 100; y++) {
        EXPECT_EQ(img.at(0, y), BLACK) << y;
        EXPECT_EQ(img.at(19, y), BLACK) << y;
    }
    for (int x = 0; x < 20; x++) {
        EXPECT_EQ(img.at(x, 0), BLACK) << x;
        EXPECT_EQ(img.at(x, 99), BLACK) << x;
    }
    EXPECT_EQ(img.Count(DKGREEN), 18 * 24);
    EXPECT_EQ(img.Count(GREEN), 18 * 73);

    // Option colours: knob line red, frame blue.
    Set(f, "/9___C");
    CCT_Repaint(f);
    EXPECT_EQ(CCT_Pixel(f, 10, 25), RED);
    EXPECT_EQ(CCT_Pixel(f, 0, 50), BLUE);

    EnableWindow(f, FALSE);
    CCTImage dis = CCT_Snap(f);
    EXPECT_EQ(dis.at(10, 10), DKGREY);
    EXPECT_EQ(dis.at(10, 25), DKGREY);
    EXPECT_EQ(dis.at(10, 60), LTGREY);
    EXPECT_EQ(dis.at(0, 50), DKGREY);
    EXPECT_EQ(CCT_Slot(f, 2), 0);
}

TEST(FaderLook, HorizontalAtTheKnob)
{
    Win f(CCT_Create(HF, "", 10, 10, 100, 20, 414));
    Set(f, "50");
    CCT_Repaint(f);
    CCTImage img = CCT_Snap(f);
    EXPECT_EQ(img.at(1, 10), GREEN);
    EXPECT_EQ(img.at(48, 1), GREEN);
    EXPECT_EQ(img.at(48, 18), GREEN);
    EXPECT_EQ(img.at(49, 1), BLACK);  // knob line (49, 1) to (49, 19)
    EXPECT_EQ(img.at(49, 18), BLACK);
    EXPECT_EQ(img.at(50, 10), DKGREEN);
    EXPECT_EQ(img.at(98, 10), DKGREEN);
    EXPECT_EQ(img.at(99, 10), BLACK);
    EXPECT_EQ(img.Count(GREEN), 48 * 18);
    EXPECT_EQ(img.Count(DKGREEN), 49 * 18);
}

TEST(FaderLook, KnobAtOrBeyondTheEndsShowsTheBarWhole)
{
    Win v(CCT_Create(VF, "", 10, 10, 20, 100, 415));
    Win h(CCT_Create(HF, "", 40, 10, 100, 20, 416));
    CCT_Repaint(v);
    CCT_Repaint(h);
    EXPECT_EQ(CCT_Snap(v).Count(GREEN), 18 * 98);  // new fader: knob at 0
    EXPECT_EQ(CCT_Snap(h).Count(DKGREEN), 98 * 18);
    const char *ends[] = {"100", "5000", "1", "-5000"};
    const int vfull[] = {18 * 98, 18 * 98, 0, 0};
    const int hfull[] = {98 * 18, 98 * 18, 0, 0};
    for (int i = 0; i < 4; i++) {
        Set(v, ends[i]);
        Set(h, ends[i]);
        CCT_Repaint(v);
        CCT_Repaint(h);
        EXPECT_EQ(CCT_Snap(v).Count(GREEN), vfull[i]) << ends[i];
        EXPECT_EQ(CCT_Snap(h).Count(GREEN), hfull[i]) << ends[i];
    }
}

TEST(FaderLook, NoGdiOrMemoryLeft)
{
    Win f(CCT_Create(VF, "", 10, 10, 20, 100, 417));
    Win g(CCT_Create(HF, "", 40, 10, 100, 20, 418));
    CCT_Repaint(f);
    CCT_Repaint(g);
    DWORD before = CCT_GdiCount();
    for (int i = 0; i < 50; i++) {
        for (HWND w : {(HWND)f, (HWND)g}) {
            Set(w, i % 2 ? "/9" : "30");
            CCT_Send(w, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
            CCT_Send(w, WM_MOUSEMOVE, 6, 6, MK_LBUTTON);
            CCT_Send(w, WM_LBUTTONUP, 6, 6, 0);
            EnableWindow(w, i % 3 != 0);
            CCT_Repaint(w);
        }
    }
    EXPECT_EQ(CCT_GdiCount(), before);
}
