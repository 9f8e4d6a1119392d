// Faders: mappings, numbers as text, dragging and its notifications, the shared
// working records, the record's block, drawing.
#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>
#include <string>
#include "harness.h"
#include "ccslots.h"
#include "fader_map.h"
#include "std_frame.h"

static const DWORD VF = 0x0400, HF = 0x0800;
static const COLORREF BLACK = 0x000000, DKGREEN = 0x008000, GREEN = 0x00FF00, DKGREY = 0x808080,
                      LTGREY = 0xC0C0C0, BLUE = 0xFF0000, RED = 0x0000FF;

typedef CCTWindow Win;

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

// Sets a number in the given variant ('0' value, '1' minimum, '2' maximum), back to variant 0.
static void SetIn(HWND f, char variant, const char *text)
{
    char opt[] = "/_____0";
    opt[6] = variant;
    Set(f, opt);
    Set(f, text);
    Set(f, "/_____0");
}

struct PointCase { int v, lo, hi, length, c, vertical, value; };
struct KnobCase { int v, lo, hi, length, vertical, position; };

TEST(FaderMap, PointerAndKnobFigures)
{
    const PointCase points[] = {
        {0, 1, 100, 100, 0, 1, 100}, {0, 1, 100, 100, 50, 1, 50}, {0, 1, 100, 100, 99, 1, 1},
        {0, 1, 100, 100, 0, 0, 1}, {0, 1, 100, 100, 50, 0, 51}, {0, 1, 100, 100, 99, 0, 100},
        {0, 100, 1, 100, 50, 1, 51}, {0, 1, 100, 100, 150, 1, -48},  // truncation toward zero
        {0, INT_MIN, INT_MAX, 100, 99, 1, INT_MIN + 42949672}, {0, INT_MIN, INT_MAX, 100, 0, 1, INT_MAX},
        {0, INT_MIN, INT_MAX, 100, 65535, 1, INT_MIN}, {0, INT_MIN, INT_MAX, 100, 65535, 0, INT_MAX},
        {0, INT_MIN, INT_MAX, INT_MAX, 0, 1, INT_MAX},
    };
    for (const PointCase &t : points) {
        FaderRecord r = {t.v, t.lo, t.hi, 0};
        EXPECT_EQ(CCFader_Point(&r, t.length, t.c, t.vertical), 1);
        EXPECT_EQ(r.value, t.value) << t.lo << ".." << t.hi << " at " << t.c << " v" << t.vertical;
        EXPECT_EQ(r.position, t.c);
    }
    const KnobCase knobs[] = {
        {75, 1, 100, 100, 1, 25}, {50, 1, 100, 100, 1, 50}, {1, 1, 100, 100, 1, 99}, {100, 1, 100, 100, 1, -1},
        {50, 1, 100, 100, 0, 49}, {100, 1, 100, 100, 0, 100}, {5, 0, -1, 100, 0, -500},
        {INT_MAX, INT_MIN, INT_MAX, 100, 1, -1}, {INT_MAX, 0, 1, 100, 1, INT_MIN}, {INT_MIN, 0, 1, 100, 0, INT_MIN},
        {INT_MIN, INT_MAX, INT_MAX - 1, INT_MAX, 0, INT_MAX},
    };
    for (const KnobCase &t : knobs) {
        FaderRecord r = {t.v, t.lo, t.hi, 0};
        EXPECT_EQ(CCFader_Knob(&r, t.length, t.vertical), 1);
        EXPECT_EQ(r.position, t.position) << t.v << " in " << t.lo << ".." << t.hi << " v" << t.vertical;
    }
    // No length, or ends that meet: nothing moves.
    FaderRecord r = {50, 7, 7, 33};
    EXPECT_EQ(CCFader_Point(&r, 0, 10, 1) + CCFader_Point(&r, -5, 10, 0) + CCFader_Knob(&r, 100, 1), 0);
    EXPECT_EQ(r.value * 1000 + r.position, 50033);
    EXPECT_EQ(CCFader_MulDiv(INT64_MAX, 2, 1), (int64_t)1 << 62);
    EXPECT_EQ(CCFader_MulDiv(INT64_MIN, 1, -1), (int64_t)1 << 62);
    EXPECT_GE(CCFader_MulDiv(INT64_MIN, 3, INT64_MIN), 1);
    EXPECT_EQ(CCFader_MulDiv(7, 3, 0), 0);
}

TEST(FaderMap, NumbersInAndOut)
{
    FaderRecord r = {50, 1, 100, 50};
    CCFader_SetNumber(&r, CC_FADER_MAXIMUM, "1", 100, 1);  // stored; the knob stays
    EXPECT_EQ(r.maximum * 1000 + r.position, 1050);
    const struct { const char *text; int32_t value; } parsed[] = {
        {"  -12abc", -12}, {"+7", 7}, {"99999999999999", INT_MAX}, {"-99999999999999", INT_MIN}, {"x1", 0},
        {"", 0}, {nullptr, 0},
    };
    for (const auto &t : parsed) {
        r.value = 9;
        CCFader_SetNumber(&r, CC_FADER_VALUE, t.text, 100, 1);
        EXPECT_EQ(r.value, t.value) << (t.text ? t.text : "(null)");
    }
    r = {50, 1, 100, 0};
    CCFader_SetNumber(&r, 3, "77", 100, 1);  // a variant that names nothing
    EXPECT_EQ(r.value * 1000 + r.minimum * 100 + r.maximum, 50200);

    r = {100, -5, INT_MAX, 0};
    char buf[16];
    memset(buf, 'x', sizeof buf);
    EXPECT_EQ(CCFader_GetText(&r, 0, buf, 3), 2u);
    EXPECT_EQ(std::string(buf, 4), std::string("10\0x", 4));
    memset(buf, 'x', sizeof buf);
    EXPECT_EQ(CCFader_GetText(&r, 0, buf, 0), 0u);
    EXPECT_EQ(buf[0], 'x');
    EXPECT_EQ(CCFader_GetText(&r, 0, buf, 1), 0u);
    EXPECT_EQ(buf[0], '\0');
    EXPECT_EQ(CCFader_GetText(&r, 1, buf, sizeof buf), 2u);
    EXPECT_STREQ(buf, "-5");
    EXPECT_EQ(CCFader_GetText(&r, 2, buf, sizeof buf), 10u);
    EXPECT_STREQ(buf, "2147483647");
    EXPECT_EQ(CCFader_GetText(&r, 0, nullptr, 10), 0u);
    // Variants that name nothing write nothing and measure only within the buffer.
    char held[8] = "abc";
    EXPECT_EQ(CCFader_GetText(&r, 5, held, sizeof held), 3u);
    EXPECT_EQ(CCFader_GetText(&r, 5, held, 3), 0u);
    EXPECT_EQ(CCFader_GetText(&r, 15, held, 0), 0u);
    EXPECT_STREQ(held, "abc");
}

TEST(Fader, TextByVariantAndReRanging)
{
    Win f(CCT_Create(VF, "Lvl", 10, 10, 20, 100, 401));
    EXPECT_EQ(Triple(f), "50,1,100");
    const int slots[][2] = {{0, 20}, {1, 100}, {2, 1}, {3, 0}, {4, 0}, {5, 0}, {7, 2}, {9, 10}};
    for (const auto &s : slots) EXPECT_EQ(CCT_Slot(f, s[0]), s[1]) << "slot " << s[0];
    EXPECT_NE(CCT_Slot(f, 13), 0);
    EXPECT_EQ(SendMessageA(f, WM_GETTEXTLENGTH, 0, 0), 3);  // the creation text, not the number

    CCT_ClearLog();
    Set(f, "75");
    CCT_Repaint(f);
    EXPECT_EQ(CCT_Pixel(f, 10, 25), BLACK);  // knob line
    EXPECT_TRUE(CCT_Commands().empty());
    // Re-ranging 1..100 to 100..200 minimum first keeps both numbers.
    SetIn(f, '1', "100");
    CCT_Repaint(f);
    EXPECT_EQ(CCT_Pixel(f, 10, 25), BLACK);
    SetIn(f, '2', "200");
    EXPECT_EQ(Triple(f), "75,100,200");
    Set(f, "150");
    CCT_Repaint(f);
    EXPECT_EQ(CCT_Pixel(f, 10, 49), BLACK);

    // Variant 2 set together with the filled colour: the next number is the maximum.
    Set(f, "/__C__2");
    EXPECT_EQ(CCT_Slot(f, 9), 12);
    Set(f, "300");
    Set(f, "/_____0");
    EXPECT_EQ(Triple(f), "150,100,300");

    // Other variants assign nothing and write nothing.
    Set(f, "/_____7");
    Set(f, "999");
    char buf[8] = "keep";
    EXPECT_EQ(SendMessageA(f, WM_GETTEXT, sizeof buf, (LPARAM)buf), 4);
    EXPECT_STREQ(buf, "keep");
    EXPECT_EQ(SendMessageA(f, WM_GETTEXT, 0, (LPARAM)buf) + SendMessageA(f, WM_GETTEXT, 10, 0), 0);
    Set(f, "/_____0");
    EXPECT_EQ(Triple(f), "150,100,300");

    Set(f, "100");
    char small[3] = {'x', 'x', 'x'};
    EXPECT_EQ(SendMessageA(f, WM_GETTEXT, 3, (LPARAM)small), 2);
    EXPECT_EQ(std::string(small, 3), std::string("10\0", 3));
    Set(f, nullptr);
    EXPECT_EQ(Get(f), "0");
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

TEST(Fader, BlockFreedOnceOnCloseOrDestroyAndKeptOnStyleChange)
{
    Win f(CCT_Create(VF, "", 10, 10, 20, 100, 406));
    Win g(CCT_Create(VF, "", 40, 10, 20, 100, 407));
    Set(f, "75");
    HGLOBAL h = CCGetHandleSlot(f, CC_SLOT_RECORD);
    ASSERT_NE(GlobalSize(h), 0u);
    EXPECT_EQ(SendMessageA(f, WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(IsWindow(f));
    EXPECT_EQ(CCT_Slot(f, 13), 0);
    EXPECT_EQ(GlobalSize(h), 0u);
    SendMessageA(f, WM_CLOSE, 0, 0);  // nothing left to free

    // Without a block: the default record, not what another fader left behind.
    Set(g, "33");
    EXPECT_EQ(Triple(f), "50,1,100");
    Set(f, "10");
    CCT_Send(f, WM_LBUTTONDOWN, 5, 10, MK_LBUTTON);
    CCT_Send(f, WM_MOUSEMOVE, 5, 20, MK_LBUTTON);
    CCT_Send(f, WM_LBUTTONUP, 5, 20, 0);
    CCT_Repaint(f);
    EXPECT_EQ(Get(f), "50");
    EXPECT_EQ(CCT_Pixel(f, 10, 50), GREEN);  // position 0: all filled
    EXPECT_EQ(Get(g), "33");

    // A style change keeps the block and starts it afresh, size from the client area.
    Set(g, "/9___C2");
    SendMessageA(g, WM_SIZE, 0, MAKELPARAM(7, 7));
    HGLOBAL block = CCGetHandleSlot(g, CC_SLOT_RECORD);
    SetWindowLongA(g, GWL_STYLE, GetWindowLongA(g, GWL_STYLE) | WS_TABSTOP);
    EXPECT_EQ(CCGetHandleSlot(g, CC_SLOT_RECORD), block);
    const int slots[][2] = {{0, 20}, {1, 100}, {3, 0}, {4, 0}, {5, 0}};
    for (const auto &s : slots) EXPECT_EQ(CCT_Slot(g, s[0]), s[1]) << "slot " << s[0];
    EXPECT_EQ(Triple(g), "50,1,100");

    // Destroyed without WM_CLOSE: freed as well.
    h = block;
    DestroyWindow(g);
    EXPECT_EQ(GlobalSize(h), 0u);
}

TEST(Fader, ChangeOfKindHandsTheBlockOver)
{
    Win f(CCT_Create(VF, "", 10, 10, 20, 100, 408));
    HGLOBAL h = CCGetHandleSlot(f, CC_SLOT_RECORD);
    auto toKind = [&](DWORD kind) { SetWindowLongA(f, GWL_STYLE, (GetWindowLongA(f, GWL_STYLE) & ~0xFFFF) | kind); };
    Set(f, "75");
    toKind(HF);  // the other orientation keeps the block
    EXPECT_EQ(CCGetHandleSlot(f, CC_SLOT_RECORD), h);
    EXPECT_NE(GlobalSize(h), 0u);
    toKind(0x0008);  // into a Static Text: freed, slot cleared
    EXPECT_EQ(CCT_Slot(f, 13), 0);
    EXPECT_EQ(GlobalSize(h), 0u);
    toKind(VF);
    h = CCGetHandleSlot(f, CC_SLOT_RECORD);
    ASSERT_EQ(GlobalSize(h), sizeof(FaderRecord));
    EXPECT_EQ(Triple(f), "50,1,100");
    toKind(0x0004);  // into a Dest button, which makes its own text block
    HGLOBAL text = CCGetHandleSlot(f, CC_SLOT_RECORD);
    EXPECT_GE(GlobalSize(text), 1026u);
    EXPECT_TRUE(text == h || GlobalSize(h) == 0);  // the record's handle freed (or reused)
    DestroyWindow(f);
    EXPECT_EQ(GlobalSize(text), 0u);
}

TEST(Fader, ZeroSizeAndExtremeNumbers)
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

    Win f(CCT_Create(VF, "", 10, 10, 20, 100, 412));
    SetIn(f, '1', "-99999999999");
    SetIn(f, '2', "99999999999");
    Set(f, "2147483647");
    EXPECT_EQ(Triple(f), "2147483647,-2147483648,2147483647");
    CCT_Send(f, WM_LBUTTONDOWN, 5, 65535, MK_LBUTTON);
    CCT_Send(f, WM_LBUTTONUP, 5, 65535, 0);
    EXPECT_EQ(Get(f), "-2147483648");
    SetIn(f, '1', "0");
    SetIn(f, '2', "1");
    Set(f, "2147483647");  // knob far above the control
    CCT_Repaint(f);
    EXPECT_EQ(CCT_Snap(f).Count(GREEN), 18 * 98);
}

// True when every pixel of (x0, y0)-(x1, y1), exclusive, has colour c.
static bool Uniform(const CCTImage &img, int x0, int y0, int x1, int y1, COLORREF c)
{
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++)
            if (img.at(x, y) != c) return false;
    return true;
}

static bool Frame(const CCTImage &img, COLORREF c)
{
    return Uniform(img, 0, 0, img.w, 1, c) && Uniform(img, 0, img.h - 1, img.w, img.h, c) &&
           Uniform(img, 0, 0, 1, img.h, c) && Uniform(img, img.w - 1, 0, img.w, img.h, c);
}

TEST(FaderLook, BothOrientationsAtTheKnob)
{
    Win v(CCT_Create(VF, "", 10, 10, 20, 100, 413));
    Set(v, "75");  // knob at y = 25
    CCT_Repaint(v);
    CCTImage img = CCT_Snap(v);
    EXPECT_TRUE(Uniform(img, 1, 1, 19, 25, DKGREEN));
    EXPECT_TRUE(Uniform(img, 1, 25, 19, 26, BLACK));
    EXPECT_TRUE(Uniform(img, 1, 26, 19, 99, GREEN));
    EXPECT_TRUE(Frame(img, BLACK));

    Win h(CCT_Create(HF, "", 40, 10, 100, 20, 414));
    Set(h, "50");  // knob at x = 49
    CCT_Repaint(h);
    img = CCT_Snap(h);
    EXPECT_TRUE(Uniform(img, 1, 1, 49, 19, GREEN));
    EXPECT_TRUE(Uniform(img, 49, 1, 50, 19, BLACK));
    EXPECT_TRUE(Uniform(img, 50, 1, 99, 19, DKGREEN));
    EXPECT_TRUE(Frame(img, BLACK));

    // Option colours: knob line red, frame blue.
    Set(v, "/9___C");
    CCT_Repaint(v);
    img = CCT_Snap(v);
    EXPECT_TRUE(Uniform(img, 1, 25, 19, 26, RED));
    EXPECT_TRUE(Frame(img, BLUE));

    EnableWindow(v, FALSE);
    img = CCT_Snap(v);
    EXPECT_EQ(CCT_Slot(v, 2), 0);
    EXPECT_TRUE(Uniform(img, 1, 1, 19, 26, DKGREY));
    EXPECT_TRUE(Uniform(img, 1, 26, 19, 99, LTGREY));
    EXPECT_TRUE(Frame(img, DKGREY));
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
    DWORD before = 0;
    for (int i = 0; i < 50; i++) {
        if (i == 6) before = CCT_GdiCount();  // after a first round, which fills system caches
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
