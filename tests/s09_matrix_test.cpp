// LED display: faces at their coordinates, the text position from the font's
// metrics, label changes keeping the flags digit, options, the disabled look,
// press tracking with its notifications, bad input and GDI balance.
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include <vector>
#include "ccdraw.h"
#include "ccslots.h"
#include "harness.h"
#include "kerv_cc.h"
#include "press.h"
#include "s09_frame.h"

static const COLORREF RED = 0x0000FF, BLACK = 0, GREY = 0x808080, WHITE = 0xFFFFFF,
                      GREEN = 0x00FF00;
static const int W = 90, H = 30, ID = 301;

static void RegisterFont()
{
    static bool done = false;
    if (done) return;
    done = true;
    char b[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, b, sizeof b);
    std::string path(b, n);
    path = path.substr(0, path.find_last_of('\\') + 1) + "DotMatrix.ttf";
    AddFontResourceExA(path.c_str(), FR_PRIVATE, nullptr);
}

static HWND Led(const char *text, DWORD style = 0, int w = W, int h = H)
{
    RegisterFont();
    return CCT_Create(3 | style, text, 10, 20, w, h, ID, nullptr, CC09_CLASS_NAME);
}

// Ink box of `label` drawn like the display should: font (null: Dot-Matrix at
// `points`; else that font), justified in W x H, moved by (off, off).
static RECT ExpectedInk(const char *label, int points, int off, int justify, HFONT stock = nullptr)
{
    CCTCanvas c(W, H, BLACK);
    HFONT made = stock ? nullptr : CCDraw_SelectFont(c.dc, "Dot-Matrix", points, 34);
    HGDIOBJ prev = SelectObject(c.dc, stock ? (HGDIOBJ)stock : made);
    SIZE sz = {0, 0};
    GetTextExtentPoint32A(c.dc, label, (int)strlen(label), &sz);
    int dx = W <= sz.cx ? 0 : justify == 2 ? 4 : justify == 1 ? W - sz.cx - 4 : (W - sz.cx) / 2;
    int dy = H > sz.cy ? (H - sz.cy) / 2 : 0;
    SetTextColor(c.dc, RED);
    SetBkColor(c.dc, BLACK);
    TextOutA(c.dc, dx + off, dy + off, label, (int)strlen(label));
    CCDraw_ReleaseFont(c.dc, made, prev);
    RECT box = {0, 0, 0, 0};
    c.Image().FindOther(BLACK, &box, 1, 1, W - 1, H - 1);
    return box;
}

// Text drawn on the black face (the type is smoothed: any other colour counts).
static RECT InkOf(HWND hwnd)
{
    RECT box = {0, 0, 0, 0};
    CCT_Snap(hwnd).FindOther(BLACK, &box, 1, 1, W - 1, H - 1);
    return box;
}

static bool Same(const RECT &a, const RECT &b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// ---------------------------------------------------------------------------
// Faces

TEST(S09Ledisp, SunkenEdgeOnTheOutermostPixelsAndTheFaceInside)
{
    const int H = 40;  // the type's cells stay clear of the edge
    CCTWindow w(Led("0$20$0", 0, W, H));
    CCT_Repaint(w);
    CCTImage img = CCT_Snap(w);
    struct {
        int x, y;
        COLORREF c;
    } px[] = {
        {0, 0, GREY},          {W / 2, 0, GREY},      {W - 1, 0, GREY},  {0, H / 2, GREY},
        {0, H - 1, GREY},      {W - 1, H / 2, WHITE}, {W / 2, H - 1, WHITE}, {W - 1, H - 1, WHITE},
        {1, 1, BLACK},         {1, H - 2, BLACK},
    };
    for (auto &p : px) EXPECT_EQ(img.at(p.x, p.y), p.c) << p.x << "," << p.y;
    EXPECT_EQ(CCT_Slot(w, 5), 0);
    EXPECT_EQ(CCT_Slot(w, 6), 9);
    EXPECT_EQ(CCT_Slot(w, 49), 1);
    EXPECT_GT(img.Count(RED), 0);
}

TEST(S09Ledisp, TextPlacedBySizeJustificationAndOffset)
{
    // k = S x 0.15 truncated: 7 and 13 give 1, 14 and 19 give 2, 20 and 26 give 3.
    struct {
        const char *text, *label;
        int points, k, justify;
    } cases[] = {
        {"00:00$20$0", "00:00", 20, 3, 0}, {"00:00", "00:00", 14, 2, 0},    {"00:00$0$0", "00:00", 14, 2, 0},
        {"88$7$0", "88", 7, 1, 0},         {"88$13$0", "88", 13, 1, 0},     {"88$14$8", "88", 14, 2, 2},
        {"88$19$4", "88", 19, 2, 1},       {"88$20$8", "88", 20, 3, 2},     {"88$26$0", "88", 26, 3, 0},
        {"88$-5$0", "88", 14, 2, 0},       {"88$abc$0", "88", 14, 2, 0},    {"1|2$14$0", "1", 14, 2, 0},
    };
    for (auto &c : cases) {
        CCTWindow w(Led(c.text));
        CCT_Repaint(w);
        RECT want = ExpectedInk(c.label, c.points, c.k, c.justify);
        RECT got = InkOf(w);
        EXPECT_GT(want.right, want.left) << c.text;
        if (strchr(c.text, '|')) {
            // Two lines: the first starts at the top of the block, below the edge.
            EXPECT_GT(got.bottom - got.top, want.bottom - want.top) << c.text;
            continue;
        }
        EXPECT_TRUE(Same(got, want)) << c.text << " got " << got.left << "," << got.top << " want "
                                     << want.left << "," << want.top;
    }
    // Left-justified at size 14: the cell starts at 4 + 2.
    RECT at6 = ExpectedInk("88", 14, 2, 2), at4 = ExpectedInk("88", 14, 0, 2);
    EXPECT_EQ(at6.left - at4.left, 2);
}

TEST(S09Ledisp, DisabledLookAndBackOnEnable)
{
    CCTWindow w(Led("00:00$20$0"));
    CCT_Repaint(w);
    CCTImage normal = CCT_Snap(w);
    EnableWindow(w, FALSE);
    EXPECT_EQ(CCT_Slot(w, 2), 0);
    CCTImage img = CCT_Snap(w);
    EXPECT_EQ(img.at(0, 0), BLACK);
    EXPECT_EQ(img.at(W - 1, H - 1), BLACK);
    EXPECT_EQ(img.at(3, H - 3), GREY);
    RECT text;
    EXPECT_TRUE(img.FindOther(GREY, &text, 3, 3, W - 3, H - 3));
    EXPECT_EQ(img.Count(RED), 0);
    CCT_Repaint(w);
    EXPECT_EQ(CCT_Snap(w).px, img.px);
    EnableWindow(w, TRUE);
    EXPECT_EQ(CCT_Slot(w, 2), 1);
    EXPECT_EQ(CCT_Snap(w).px, normal.px);
}

// ---------------------------------------------------------------------------
// Texts

TEST(S09Ledisp, LabelChangesKeepTheFlagsDigit)
{
    struct {
        const char *start, *option, *set, *raw, *shown;
    } cases[] = {
        {"00:00$20$0", nullptr, "12:01", "12:01$20$0", "12:01"},
        {"00:00$20$0", "/_____1", "30", "00:00$30$0", "30"},
        {"00:00$20$3", nullptr, "A$B$C", "A$20$3", "A"},
        {"00:00$20$0", nullptr, "", " $20$0", " "},
        {"00:00$20$0", nullptr, "$$$", " $20$0", " "},
        {"00:00$20$0", nullptr, "   ", "   $20$0", "   "},
        {"00:00", nullptr, "12:01", "12:01$ $0", "12:01"},
        {"", nullptr, "x", "x$ $", "x"},
        {"00:00$20$0", "/A9", "/A9", "00:00$20$0", "00:00"},
    };
    for (auto &c : cases) {
        CCTWindow w(Led(c.start));
        if (c.option) SetWindowTextA(w, c.option);
        EXPECT_EQ(SendMessageA(w, WM_SETTEXT, 0, (LPARAM)c.set), 1) << c.set;
        EXPECT_EQ(CCT_RawText(w), c.raw) << c.start << " + " << c.set;
        EXPECT_EQ(CCT_Text(w), c.shown) << c.start << " + " << c.set;
    }
    // A 70-character text arrives cut to 59 and is stored as the label.
    CCTWindow w(Led("0$20$2"));
    std::string longText(70, '8');
    SetWindowTextA(w, longText.c_str());
    EXPECT_EQ(CCT_RawText(w), std::string(59, '8') + "$20$2");
}

TEST(S09Ledisp, ChangedLabelLooksLikeANewDisplay)
{
    CCTWindow fresh(Led("12:01$20$0"));
    CCT_Repaint(fresh);
    CCTImage want = CCT_Snap(fresh);
    CCTWindow w(Led("00:00$20$0"));
    CCT_Repaint(w);
    SetWindowTextA(w, "12:01");
    EXPECT_EQ(CCT_Snap(w).px, want.px);
    // Disabled: the label change ends in the disabled look of the new text.
    EnableWindow(fresh, FALSE);
    EnableWindow(w, FALSE);
    SetWindowTextA(w, "99:99");
    SetWindowTextA(w, "12:01");
    CCT_Pump();
    EXPECT_EQ(CCT_Snap(w).px, CCT_Snap(fresh).px);
}

TEST(S09Ledisp, OptionColours)
{
    CCTWindow w(Led("00:00$20$0"));
    SetWindowTextA(w, "/A9");
    EXPECT_EQ(CCT_Slot(w, 5), 10);
    EXPECT_EQ(CCT_Slot(w, 6), 9);
    CCT_Pump();
    CCTImage img = CCT_Snap(w);
    EXPECT_EQ(img.at(1, 1), GREEN);
    EXPECT_EQ(img.at(0, 0), GREY);
    EXPECT_GT(img.Count(RED), 0);
    SetWindowTextA(w, "/_F");
    CCT_Pump();
    EXPECT_EQ(CCT_Snap(w).Count(RED), 0);
    EXPECT_GT(CCT_Snap(w).Count(WHITE), W);  // the edge and the text
}

// ---------------------------------------------------------------------------
// Press tracking

// Steps: D down inside, d double click, U up inside, u up outside (signed
// negative), O move outside, I move inside with the button, P pump.
static void Steps(HWND w, const char *steps)
{
    for (const char *s = steps; *s; s++) {
        switch (*s) {
        case 'D': CCT_Send(w, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON); break;
        case 'd': CCT_Send(w, WM_LBUTTONDBLCLK, 10, 10, MK_LBUTTON); break;
        case 'U': CCT_Send(w, WM_LBUTTONUP, 10, 10, 0); break;
        case 'u': CCT_Send(w, WM_LBUTTONUP, -5, -5, 0); break;
        case 'O': CCT_Send(w, WM_MOUSEMOVE, W + 40, 5, MK_LBUTTON); break;
        case 'I': CCT_Send(w, WM_MOUSEMOVE, 12, 12, MK_LBUTTON); break;
        case 'P': CCT_Pump(); break;
        }
    }
}

TEST(S09Ledisp, NotificationsByFlagsAndStyle)
{
    const WPARAM P = ID, R = ID + 1000;
    struct {
        DWORD style;
        const char *text, *steps;
        std::vector<WPARAM> ids;
        LONG state;  // slot 76 afterwards
    } cases[] = {
        {0, "00$20$3", "DU", {P, R}, 0},
        {0, "00$20$2", "DU", {P}, 0},
        {0, "00$20$1", "DU", {P}, 0},
        {0, "00$20$0", "DU", {}, 0},
        {0, "", "DU", {}, 0},
        {0, "00$20$3", "dU", {P, R}, 0},
        {0, "00$20$3", "DDU", {P, R}, 0},
        // Leaving in hold mode 1 ends the press; the release outside adds nothing.
        {0x200, "00$20$3", "DOu", {P, R, R}, 0},
        {0x200, "00$20$b", "DOu", {P, P, R}, 0},
        {0x200, "00$20$7", "DO", {P, R, R}, 0},
        {0x200, "00$20$6", "DO", {P, P}, 0},
        {0x200, "00$20$D", "DO", {P, P}, 0},
        {0x200, "00$20$F", "DO", {P, P, R}, 0},
        {0, "00$20$2", "DO", {P}, 0},
        // Released outside: the next click's down is ignored, its up releases.
        {0, "00$20$2", "Du", {}, 1},
        {0, "00$20$2", "DuDU", {P}, 0},
        // Hold mode: leaving keeps the press, coming back takes it (state 3).
        {0x800, "00$20$2", "DO", {}, 2},
        {0x800, "00$20$2", "DOI", {}, 3},
        {0x800, "00$20$2", "DOIU", {P}, 0},
        {0xA00, "00$20$3", "DOIU", {P, R, R}, 0},
        // Browse: re-entry reports always; without hold mode the leave ended it.
        {0x900, "00$20$0", "DOI", {P}, 1},
        {0x900, "00$20$2", "DOIU", {P, P}, 0},
        {0x100, "00$20$2", "DOI", {P}, 0},
        {0x300, "00$20$0", "DO", {}, 0},
    };
    for (auto &c : cases) {
        CCTWindow w(Led(c.text, c.style));
        CCT_ClearLog();
        Steps(w, c.steps);
        CCT_Pump();
        std::vector<CCTMsg> want;
        for (WPARAM id : c.ids) want.push_back(CCT_Cmd(id, w));
        EXPECT_EQ(CCT_Commands(), want) << c.text << " style " << c.style << " " << c.steps;
        EXPECT_EQ(CCT_Slot(w, 76), c.state) << c.text << " " << c.steps;
        if (c.state == 0) {
            EXPECT_EQ(CCT_Slot(w, 71), 0) << c.text << " " << c.steps;
            EXPECT_EQ(CCT_Slot(w, 77), 0) << c.text << " " << c.steps;
            EXPECT_NE(GetCapture(), w.h) << c.text << " " << c.steps;
        }
    }
}

TEST(S09Ledisp, PressSlotsCaptureAndFaces)
{
    CCTWindow w(Led("00:00$20$2", 0x800));
    EXPECT_EQ(CCT_Slot(w, 49), 2);
    CCT_Repaint(w);
    CCTImage normal = CCT_Snap(w);
    Steps(w, "D");
    EXPECT_EQ(CCT_Slot(w, 71), 1);
    EXPECT_EQ(CCT_Slot(w, 76), 1);
    EXPECT_EQ(CCT_Slot(w, 77), (LONG)(LONG_PTR)w.h);
    EXPECT_EQ(GetCapture(), w.h);
    EXPECT_EQ(CCT_Snap(w).px, normal.px);  // nothing drawn at the press
    Steps(w, "u");
    EXPECT_NE(GetCapture(), w.h);
    // Pressed face: the stock variable-pitch font at (2, 2).
    RECT want = ExpectedInk("00:00", 0, 2, 0, (HFONT)GetStockObject(ANSI_VAR_FONT));
    EXPECT_TRUE(Same(InkOf(w), want));
    EXPECT_EQ(CCT_Pixel(w, 0, 0), GREY);
    CCT_Repaint(w);
    EXPECT_TRUE(Same(InkOf(w), want));
    // The release ends the press and brings the normal face back.
    Steps(w, "UP");
    EXPECT_EQ(CCT_Slot(w, 71), 0);
    EXPECT_EQ(CCT_Snap(w).px, normal.px);
}

TEST(S09Ledisp, ReleaseInsideAWmPaintLeavesTheNormalFace)
{
    CCTWindow w(Led("00:00$20$2"));
    CCT_Repaint(w);
    CCTImage normal = CCT_Snap(w);
    CCT_ClearLog();
    Steps(w, "DOP");
    EXPECT_EQ(CCT_Commands(), std::vector<CCTMsg>{CCT_Cmd(ID, w)});
    EXPECT_EQ(CCT_Snap(w).px, normal.px);
    // Browse mode whose press window is gone or null: the leave repaints nothing.
    HWND gone = Led("00$20$0");
    DestroyWindow(gone);
    for (HWND owner : {gone, (HWND)nullptr}) {
        CCTWindow b(Led("00$20$2", 0x100));
        Steps(b, "D");
        CCSetSlot(b, 77, (LONG)(LONG_PTR)owner);
        CCT_ClearLog();
        Steps(b, "OP");
        EXPECT_EQ(CCT_Slot(b, 76), owner ? 2 : 1);
        EXPECT_TRUE(CCT_Commands().empty());
    }
}

// ---------------------------------------------------------------------------
// Bad input and GDI balance

TEST(S09Ledisp, BadInputDrawsAndReleasesEverything)
{
    const char *texts[] = {"$$$", " ", "$ $", "88$0$0", "88$-40$0", "88$99999$2", "88$2147483647$z",
                           "88$20$g", "", "|||$20$0", "/", "/zz"};
    struct {
        int w, h;
    } sizes[] = {{W, H}, {0, 0}, {1, 1}, {3000, 20}};
    for (auto &sz : sizes) {
        for (const char *t : texts) {
            HWND w = nullptr;
            EXPECT_EQ(CCT_GdiLeaked([&] {
                          w = Led(t, 0, sz.w, sz.h);
                          CCT_Repaint(w);
                          SetWindowTextA(w, t);
                          SetWindowTextA(w, "12:01");
                          EXPECT_EQ(CCT_Text(w), "12:01");  // stored even where nothing draws
                          Steps(w, "DuP");
                          Steps(w, "UP");
                          EnableWindow(w, FALSE);
                          SetWindowTextA(w, t);
                          EnableWindow(w, TRUE);
                          CCT_Pump();
                      }),
                      0)
                << t << " " << sz.w;
            DestroyWindow(w);
        }
    }
    // A flags character that is no hex digit notifies nothing.
    CCTWindow g(Led("00$20$g", 0x200));
    CCT_ClearLog();
    Steps(g, "DOU");
    EXPECT_EQ(CCT_Commands(), std::vector<CCTMsg>{CCT_Cmd(ID, g)});  // the lost focus alone
}

TEST(S09Ledisp, OffsetRules)
{
    struct {
        char c;
        int bit, odd;
    } cases[] = {{'0', 0, 0}, {'1', 1000, 1000}, {'3', 1000, 1000}, {'8', 0, 0}, {'9', 1000, 1000},
                 {'b', 1000, 0}, {'B', 1000, 0},  {'D', 1000, 0},    {'g', 0, 0}, {'\0', 0, 0}};
    for (auto &c : cases) {
        EXPECT_EQ(CC09Press_Offset(c.c, CC09_OFFSET_PRESS_BIT), c.bit) << c.c;
        EXPECT_EQ(CC09Press_Offset(c.c, CC09_OFFSET_ODD_DECIMAL), c.odd) << c.c;
        EXPECT_EQ(CC09Press_Offset(c.c, CC09_OFFSET_NONE), 0);
    }
}
