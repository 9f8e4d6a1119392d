// Font Button, Font Button 95 and Chunky Font Btn: faces, the font of the aux
// field, label changes, press tracking and notifications, bad input.
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include <vector>
#include "harness.h"
#include "ccdraw.h"
#include "ccslots.h"
#include "letterkey.h"
#include "kerv_cc.h"
#include "s09_frame.h"

static const COLORREF BLACK = 0x000000, WHITE = 0xFFFFFF, DG = 0x808080, LG = 0xC0C0C0, BLUE = 0xFF0000,
                      RED = 0x0000FF;
static const int W = 64, H = 30, ID = 410;
static const int KINDS[] = {1, 5, 7};

static HWND Make(int kind, const char *text, DWORD style = 0, int w = W, int h = H)
{
    return CCT_Create((DWORD)kind | style, text, 20, 20, w, h, ID, nullptr, CC09_CLASS_NAME);
}

static std::vector<WPARAM> Ids()
{
    std::vector<WPARAM> v;
    for (const CCTMsg &m : CCT_Commands()) v.push_back(m.wParam);
    return v;
}

// ---------------------------------------------------------------------------
// Face,size of the aux field

TEST(FontAux, FaceAndSize)
{
    const std::string longFace(40, 'F');
    struct {
        const char *aux;
        const char *face;
        int points;
    } cases[] = {
        {"Arial,12", "Arial", 12},       {" ", "Arial", 8},          {"Courier", "Courier", 8},
        {nullptr, "", 8},                {"Arial,0", "Arial", 8},    {"Arial,-4", "Arial", 8},
        {"Arial,  14 bold", "Arial", 14}, {"Arial,x", "Arial", 8},   {"Arial,99999999999", "Arial", 200},
        {"Times New Roman,9", "Times New Roman", 9}, {",12", "", 12}, {longFace.c_str(), "", 8},
    };
    for (auto &c : cases) {
        char face[CCFONT_FACE_MAX + 1];
        memset(face, 'x', sizeof face);
        EXPECT_EQ(CCfont_ParseAux(c.aux, face), c.points) << (c.aux ? c.aux : "null");
        std::string want = c.aux == longFace.c_str() ? longFace.substr(0, 31) : c.face;
        EXPECT_EQ(std::string(face), want) << (c.aux ? c.aux : "null");
    }
}

// ---------------------------------------------------------------------------
// Creation

TEST(FontCreate, SlotsPerKind)
{
    for (int kind : KINDS)
        for (DWORD style : {0x000, 0x800}) {
            CCTWindow b(Make(kind, "Label$AuxText$2", style));
            EXPECT_EQ(CCT_Slot(b, 49), style ? 2 : 1) << kind;
            for (int slot : {65, 71, 76, 77}) EXPECT_EQ(CCT_Slot(b, slot), 0) << kind << " slot " << slot;
            EXPECT_EQ(CCT_Slot(b, 4), kind == 7 ? 8 : 0) << kind;
            EXPECT_EQ(CCT_Text(b), "Label");
        }
}

// ---------------------------------------------------------------------------
// Faces: edges at the documented coordinates. Negative x / y count from W / H,
// MID is the middle.

static const int MID = 1000;
struct Px {
    int x, y;
    COLORREF c;
};
static int At(int v, int size) { return v == MID ? size / 2 : v < 0 ? size + v : v; }

enum Look { NORMAL, PRESSED, DISABLED };

static void ShowLook(HWND b, Look look)
{
    if (look == PRESSED) CCT_Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    if (look == DISABLED) EnableWindow(b, FALSE);
    CCT_Pump();
}

TEST(FontFaces, EdgesOfEachLook)
{
    struct {
        int kind;
        Look look;
        std::vector<Px> px;
    } cases[] = {
        {1, NORMAL, {{0, 0, BLACK}, {1, MID, WHITE}, {MID, 2, WHITE}, {-2, MID, DG}, {MID, -3, DG}, {MID, MID, LG}}},
        {1, PRESSED, {{1, MID, DG}, {MID, 2, DG}, {-2, MID, LG}, {-3, -3, LG}, {-1, MID, BLACK}}},
        {1, DISABLED, {{0, 0, BLACK}, {1, MID, DG}, {-2, MID, DG}, {MID, MID, DG}}},
        // Normal: border outside on the left and top; white edge on the first row and column.
        {5, NORMAL, {{0, MID, WHITE}, {MID, 0, WHITE}, {-2, MID, DG}, {MID, -2, DG}, {-1, MID, BLACK}, {MID, -1, BLACK}}},
        // Pressed: border outside on the right and bottom, which are white.
        {5, PRESSED, {{0, MID, BLACK}, {MID, 0, BLACK}, {1, MID, DG}, {MID, 1, DG}, {-1, MID, WHITE}, {MID, -1, WHITE}}},
        {5, DISABLED, {{0, 0, BLACK}, {1, MID, WHITE}, {-1, -1, BLACK}, {MID, MID, DG}}},
        // Frame in slot 4 (blue here) between the outer edges and the sunken panel.
        {7, NORMAL, {{1, MID, WHITE}, {-1, MID, DG}, {MID, -1, DG}, {3, MID, BLUE}, {-4, MID, BLUE},
                     {5, MID, DG}, {6, MID, DG}, {-5, MID, WHITE}, {MID, -5, WHITE}, {8, MID, LG}}},
        {7, PRESSED, {{0, MID, DG}, {1, MID, DG}, {-1, MID, BLUE}, {4, MID, DG}, {-3, MID, WHITE}, {7, MID, LG}}},
        {7, DISABLED, {{0, 0, BLACK}, {1, MID, DG}, {-2, MID, DG}, {MID, MID, DG}}},
    };
    for (auto &c : cases) {
        CCTWindow b(Make(c.kind, " $Arial,10$2"));
        SendMessageA(b, WM_SETTEXT, 0, (LPARAM) "/____C");  // slot 4: the Chunky frame colour
        CCT_Pump();
        ShowLook(b, c.look);
        CCTImage img = CCT_Snap(b);
        for (const Px &p : c.px)
            EXPECT_EQ(img.at(At(p.x, W), At(p.y, H)), p.c)
                << "kind " << c.kind << " look " << c.look << " at " << p.x << "," << p.y;
        EXPECT_EQ(CCT_Slot(b, 65), c.kind != 7 && c.look == PRESSED ? 1 : 0) << c.kind;
        CCT_Send(b, WM_LBUTTONUP, 5, 5, 0);
    }
}

// ---------------------------------------------------------------------------
// Label placement: the label drawn with the same font at the position the
// justification and the kind's offsets give, measured on a canvas.

static HGDIOBJ FontOf(HDC dc, int kind, const char *face, int points, HFONT *made)
{
    *made = nullptr;
    if (kind == 5 && strcmp(face, "AuxText") == 0) return GetStockObject(ANSI_VAR_FONT);
    return *made = CCDraw_SelectFont(dc, face, points, 34);
}

static RECT Expected(int kind, const char *face, int points, const char *label, int boxW, int tx, int ty,
                     int justify)
{
    CCTCanvas cv(W, H, WHITE);
    HFONT made;
    HGDIOBJ prev = SelectObject(cv.dc, FontOf(cv.dc, kind, face, points, &made));
    SIZE sz;
    GetTextExtentPoint32A(cv.dc, label, (int)strlen(label), &sz);
    int dx = boxW <= sz.cx ? 0 : justify == 1 ? boxW - sz.cx - 4 : justify == 2 ? 4 : (boxW - sz.cx) / 2;
    int dy = H > sz.cy ? (H - sz.cy) / 2 : 0;
    SetBkMode(cv.dc, TRANSPARENT);
    SetTextColor(cv.dc, BLUE);
    TextOutA(cv.dc, tx + dx, ty + dy, label, (int)strlen(label));
    CCDraw_ReleaseFont(cv.dc, made, prev);
    RECT box = {0, 0, 0, 0};
    cv.Image().Find(BLUE, &box);
    return box;
}

static void ExpectBox(const RECT &got, const RECT &want, const std::string &what)
{
    EXPECT_EQ(got.left, want.left) << what;
    EXPECT_EQ(got.top, want.top) << what;
    EXPECT_EQ(got.right, want.right) << what;
    EXPECT_EQ(got.bottom, want.bottom) << what;
}

TEST(FontLabel, PositionByKindLookFontAndJustification)
{
    struct {
        const char *aux;
        const char *face;
        int points;
        char flags;
        int justify;
    } fonts[] = {
        {"Arial,12", "Arial", 12, '2', 0}, {"Arial", "Arial", 8, '6', 1}, {" ", "Arial", 8, 'a', 2},
        {"AuxText", "AuxText", 8, '2', 0}, {"Courier New,10", "Courier New", 10, '8', 2},
    };
    struct {
        int kind, inset, tx, ty, dtx, dty;  // normal offset, pressed shift
    } kinds[] = {{1, 0, 0, 0, 2, 2}, {5, 0, 0, 0, 2, 2}, {7, 8, 4, 0, 2, 2}};
    for (auto &f : fonts)
        for (auto &k : kinds) {
            std::string text = std::string("Go$") + f.aux + "$" + f.flags;
            CCTWindow b(Make(k.kind, text.c_str()));
            SendMessageA(b, WM_SETTEXT, 0, (LPARAM) "/8C");  // blue label on light grey
            CCT_Pump();
            std::string what = text + " kind " + std::to_string(k.kind);
            RECT got;
            ASSERT_TRUE(CCT_Snap(b).Find(BLUE, &got)) << what;
            ExpectBox(got, Expected(k.kind, f.face, f.points, "Go", W - k.inset, k.tx, k.ty, f.justify), what);
            CCT_Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
            ASSERT_TRUE(CCT_Snap(b).Find(BLUE, &got)) << what;
            ExpectBox(got,
                      Expected(k.kind, f.face, f.points, "Go", W - k.inset, k.tx + k.dtx, k.ty + k.dty, f.justify),
                      what + " pressed");
            CCT_Send(b, WM_LBUTTONUP, 5, 5, 0);
        }
}

TEST(FontLabel, DisabledAndOptionColours)
{
    for (int kind : KINDS) {
        int tx = kind == 7 ? 4 : 0, boxW = kind == 7 ? W - 8 : W;
        CCTWindow b(Make(kind, "Go$Arial,12$2"));
        EnableWindow(b, FALSE);
        RECT got;
        ASSERT_TRUE(CCT_Snap(b).Find(LG, &got)) << kind;
        ExpectBox(got, Expected(kind, "Arial", 12, "Go", boxW, tx, 0, 0), "disabled");
        EnableWindow(b, TRUE);
        CCT_Pump();
        SendMessageA(b, WM_SETTEXT, 0, (LPARAM) "/9F");  // white on red
        CCT_Pump();
        CCTImage img = CCT_Snap(b);
        EXPECT_EQ(img.at(9, H / 2), RED) << kind;
        ASSERT_TRUE(img.Find(WHITE, &got, 8, 8, W - 8, H - 8)) << kind;
        EXPECT_EQ(CCT_Slot(b, 5), 9);
        EXPECT_EQ(CCT_Slot(b, 6), 15);
        EXPECT_EQ(CCT_RawText(b), "Go$Arial,12$2");
    }
}

// ---------------------------------------------------------------------------
// Label changes

TEST(FontSetText, StoredTextAndReadBack)
{
    struct {
        const char *old;
        const char *options;  // sent first (variant), or null
        const char *set;
        const char *stored;
        const char *shown;
    } cases[] = {
        {"OLD$Arial,10$3", nullptr, "NEW", "NEW$Arial,10$3", "NEW"},
        {"OLD$Arial,10$3", "/_____1", "NEW", "OLD$NEW$3", "NEW"},
        {"OLD$Arial,10$3", nullptr, "A$B$C", "A$Arial,10$3", "A"},
        {"OLD$Arial,10$3", nullptr, "", " $Arial,10$3", " "},
        {"OLD$Arial,10$3", nullptr, "$$$", " $Arial,10$3", " "},
        {"OLD$Arial,10$3", nullptr, "   ", "   $Arial,10$3", "   "},
        {"OLD$Arial,10$3", nullptr, "Two|Lines", "Two|Lines$Arial,10$3", "Two|Lines"},
        {"OLD", nullptr, "NEW", "NEW$ $D", "NEW"},
        {"", nullptr, "NEW", "NEW$ $", "NEW"},
        {"OLD$Arial,10$3", nullptr, "/9C", "OLD$Arial,10$3", "OLD"},
    };
    for (int kind : KINDS)
        for (auto &c : cases) {
            CCTWindow b(Make(kind, c.old));
            if (c.options) SendMessageA(b, WM_SETTEXT, 0, (LPARAM)c.options);
            EXPECT_EQ(SendMessageA(b, WM_SETTEXT, 0, (LPARAM)c.set), 1);
            EXPECT_EQ(CCT_RawText(b), c.stored) << kind << " " << c.old << " <- " << c.set;
            EXPECT_EQ(CCT_Text(b), c.shown) << kind << " " << c.set;
        }
    CCTWindow b(Make(1, "OLD$Arial,10$3"));
    std::string longText(70, 'L');
    SendMessageA(b, WM_SETTEXT, 0, (LPARAM)longText.c_str());
    EXPECT_EQ(CCT_Text(b), longText.substr(0, 59));
}

TEST(FontSetText, DrawnAtOnceOrByTheNextPaint)
{
    for (int kind : KINDS) {
        int tx = kind == 7 ? 4 : 0, boxW = kind == 7 ? W - 8 : W;
        CCTWindow b(Make(kind, "Old text$Arial,10$2"));
        SendMessageA(b, WM_SETTEXT, 0, (LPARAM) "/8C");
        CCT_Pump();
        SendMessageA(b, WM_SETTEXT, 0, (LPARAM) "Go");
        // The Font Button and the Chunky kind draw the change at once (the old label
        // painted out); the 95 kind leaves it to the paint it asks for.
        EXPECT_EQ(GetUpdateRect(b, nullptr, FALSE) != 0, kind != 1) << kind;
        RECT got;
        if (kind != 5) {
            ASSERT_TRUE(CCT_Snap(b).Find(BLUE, &got)) << kind;
            ExpectBox(got, Expected(kind, "Arial", 10, "Go", boxW, tx, 0, 0), "at once");
        }
        CCT_Pump();
        ASSERT_TRUE(CCT_Snap(b).Find(BLUE, &got)) << kind;
        ExpectBox(got, Expected(kind, "Arial", 10, "Go", boxW, tx, 0, 0), "after paint");
    }
}

TEST(FontSetText, WhilePressedTheOldLabelIsPaintedOutWhereItWas)
{
    CCTWindow b(Make(1, "Old text$Arial,10$0"));
    SendMessageA(b, WM_SETTEXT, 0, (LPARAM) "/8C");
    CCT_Pump();
    CCT_Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    SendMessageA(b, WM_SETTEXT, 0, (LPARAM) "Go");
    RECT got;
    ASSERT_TRUE(CCT_Snap(b).Find(BLUE, &got));
    ExpectBox(got, Expected(1, "Arial", 10, "Go", W, 2, 2, 0), "pressed");
    CCT_Send(b, WM_LBUTTONUP, 5, 5, 0);
}

TEST(FontSetText, ZeroSizeWindowStillStoresAndAsksForAPaint)
{
    for (int kind : KINDS) {
        CCTWindow b(Make(kind, "OLD$Arial,10$2", 0, 0, 0));
        SendMessageA(b, WM_SETTEXT, 0, (LPARAM) "NEW");
        EXPECT_EQ(CCT_RawText(b), "NEW$Arial,10$2") << kind;
    }
}

// ---------------------------------------------------------------------------
// Press tracking and notifications

enum Gesture { CLICK, TWO_CLICKS, DRAG_OUT, DRAG_OUT_AND_BACK, RELEASE_OUTSIDE_THEN_CLICK, ROLL_BACK_ON };

static void Perform(HWND b, Gesture g)
{
    CCT_Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    if (g == ROLL_BACK_ON || g == DRAG_OUT || g == DRAG_OUT_AND_BACK || g == RELEASE_OUTSIDE_THEN_CLICK)
        CCT_Send(b, WM_MOUSEMOVE, W + 10, 5, MK_LBUTTON);
    CCT_Pump();
    if (g == DRAG_OUT_AND_BACK || g == ROLL_BACK_ON) CCT_Send(b, WM_MOUSEMOVE, 6, 6, MK_LBUTTON);
    if (g == DRAG_OUT || g == RELEASE_OUTSIDE_THEN_CLICK) CCT_Send(b, WM_LBUTTONUP, -10, 5, 0);
    else CCT_Send(b, WM_LBUTTONUP, 6, 6, 0);
    if (g == TWO_CLICKS) {
        CCT_Send(b, WM_LBUTTONDBLCLK, 6, 6, MK_LBUTTON);
        CCT_Send(b, WM_LBUTTONUP, 6, 6, 0);
    }
    if (g == RELEASE_OUTSIDE_THEN_CLICK) {
        CCT_Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
        CCT_Send(b, WM_LBUTTONUP, 5, 5, 0);
    }
    CCT_Pump();
}

TEST(FontPress, NotificationsByKindFlagsAndStyle)
{
    const WPARAM P = ID, R = ID + 1000;
    struct {
        const char *flags;
        DWORD style;
        Gesture g;
        std::vector<WPARAM> font, font95;  // the Chunky kind notifies as the 95 kind
    } cases[] = {
        {"3", 0, CLICK, {P, R}, {P, R}},
        {"2", 0, CLICK, {P}, {P}},
        {"1", 0, CLICK, {P}, {P}},
        {"0", 0, CLICK, {}, {}},
        {"B", 0, CLICK, {P, P}, {P, R}},
        {"b", 0, CLICK, {P, P}, {P, R}},
        {"z", 0, CLICK, {}, {}},
        {"3", 0, TWO_CLICKS, {P, R, P, R}, {P, R, P, R}},
        // Hold mode 1: leaving ends the press at once; the button up outside is idle.
        {"3", 0x200, DRAG_OUT, {P, R, R}, {P, R, R}},
        {"b", 0x200, DRAG_OUT, {P, P, P}, {P, P, R}},
        {"2", 0, DRAG_OUT, {P}, {P}},
        // Hold mode 2: the press stays; back inside and up: one release.
        {"2", 0x800, DRAG_OUT_AND_BACK, {P}, {P}},
        {"3", 0xA00, DRAG_OUT_AND_BACK, {P, R, R}, {P, R, R}},
        // Released outside: the next click's down is ignored, its up ends the press.
        {"2", 0x800, RELEASE_OUTSIDE_THEN_CLICK, {P}, {P}},
        // Roll-on: back on the control with the button held is a browse press.
        {"0", 0x900, ROLL_BACK_ON, {P}, {P}},
        {"2", 0x900, ROLL_BACK_ON, {P, P}, {P, P}},
    };
    for (int kind : KINDS)
        for (auto &c : cases) {
            std::string text = std::string("Go$Arial,10$") + c.flags;
            CCTWindow b(Make(kind, text.c_str(), c.style));
            CCT_ClearLog();
            Perform(b, c.g);
            EXPECT_EQ(Ids(), kind == 1 ? c.font : c.font95)
                << "kind " << kind << " flags " << c.flags << " style " << c.style << " gesture " << c.g;
            for (const CCTMsg &m : CCT_Commands()) EXPECT_EQ((HWND)m.lParam, b.h);
            for (int slot : {71, 76, 77}) EXPECT_EQ(CCT_Slot(b, slot), 0) << kind << " slot " << slot;
            EXPECT_EQ(GetCapture(), nullptr);
        }
}

TEST(FontPress, HoldModeKeepsThePressedLookAndMomentaryEndsIt)
{
    for (int kind : KINDS)
        for (DWORD style : {0x000, 0x800}) {
            CCTWindow b(Make(kind, " $Arial,10$2", style));
            CCT_Send(b, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
            CCT_Send(b, WM_MOUSEMOVE, W + 10, 5, MK_LBUTTON);
            CCT_Pump();
            // Left edge: white when raised, dark grey when pressed (95: black border).
            COLORREF pressedEdge = kind == 5 ? BLACK : DG;
            EXPECT_EQ(CCT_Pixel(b, kind == 5 ? 0 : 1, H / 2), style ? pressedEdge : WHITE) << kind;
            EXPECT_EQ(CCT_Slot(b, 71), style ? 1 : 0) << kind;
            EXPECT_EQ(CCT_Slot(b, 76), style ? 2 : 0) << kind;
            CCT_Send(b, WM_LBUTTONUP, -3, -3, 0);
            EXPECT_EQ(CCT_Slot(b, 76), style ? 2 : 0) << kind;
            EXPECT_EQ(GetCapture(), nullptr);
        }
}

// ---------------------------------------------------------------------------
// Bad input and GDI balance

TEST(FontBad, OddTextsDrawAndReleaseEverything)
{
    const std::string longFace = "Label$" + std::string(45, 'F') + ",12$3";
    const char *texts[] = {"$$$$", "    ", " ", "", "X$Arial,0$2", "X$Arial,-7$2", "X$Arial,2147483647$2",
                           "X$Arial,99999999999$2", longFace.c_str(), "X$Arial,10$?", "X$,$", "|||$||$|"};
    for (int kind : KINDS)
        for (const char *t : texts) {
            int leaked = CCT_GdiLeaked([&] {
                CCTWindow b(Make(kind, t, 0x200));
                CCT_Repaint(b);
                Perform(b, DRAG_OUT_AND_BACK);
                SendMessageA(b, WM_SETTEXT, 0, (LPARAM)t);
                SendMessageA(b, WM_SETTEXT, 0, 0);
                SendMessageA(b, WM_SETTEXT, 0, (LPARAM) "/_____1");
                SendMessageA(b, WM_SETTEXT, 0, (LPARAM) "Z");
                EnableWindow(b, FALSE);
                SendMessageA(b, WM_SETTEXT, 0, (LPARAM) "Y");
                CCT_Repaint(b);
                EnableWindow(b, TRUE);
                CCT_Pump();
            });
            EXPECT_EQ(leaked, 0) << "kind " << kind << " text " << t;
        }
}
