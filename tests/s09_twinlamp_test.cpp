// Dual LED button: band, lamps and body at their coordinates, the label's font
// and place from the font's metrics, label changes, press tracking, bad input.
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include <vector>
#include "harness.h"
#include "kerv_cc.h"
#include "s09_frame.h"

static const COLORREF BLACK = 0, WHITE = 0xFFFFFF, DG = 0x808080, LG = 0xC0C0C0, DARKRED = 0x000080,
                      DARKGREEN = 0x008000, RED = 0x0000FF, GREEN = 0x00FF00, BLUE = 0xFF0000;
static const int W = 80, H = 60, ID = 430, MID = W / 2;

static HWND Twin(const char *text, DWORD style = 0, int x = 10, int w = W, int h = H)
{
    return CCT_Create(4 | style, text, x, 20, w, h, ID, nullptr, CC09_CLASS_NAME);
}

enum Look { NORMAL, PRESSED, DISABLED };

static void Show(HWND b, Look look)
{
    if (look == PRESSED) CCT_Send(b, WM_LBUTTONDOWN, 10, 30, MK_LBUTTON);
    if (look == DISABLED) EnableWindow(b, FALSE);
    CCT_Pump();
}

static RECT Ink(const CCTImage &img, COLORREF bk, const RECT &r)
{
    RECT box = {0, 0, 0, 0};
    img.FindOther(bk, &box, r.left, r.top, r.right, r.bottom);
    return box;
}

// The label's ink as TextOutA draws it in `font` (null: the DC's own system
// font), justified in the box W x h at (x, y).
static RECT ExpectedInk(HFONT font, int h, int x, int y, int justify, COLORREF ink, COLORREF bk, const RECT &r)
{
    CCTCanvas c(W, H, bk);
    HGDIOBJ prev = font ? SelectObject(c.dc, font) : nullptr;
    SIZE sz = {0, 0};
    GetTextExtentPoint32A(c.dc, "Mic", 3, &sz);
    int dx = justify == 2 ? 4 : justify == 1 ? W - sz.cx - 4 : (W - sz.cx) / 2;
    SetTextColor(c.dc, ink);
    SetBkColor(c.dc, bk);
    TextOutA(c.dc, x + dx, y + (h - sz.cy) / 2, "Mic", 3);
    if (prev) SelectObject(c.dc, prev);
    return Ink(c.Image(), bk, r);
}

TEST(S09Twin, BandLampsAndBodyOfEachLook)
{
    struct {
        Look look;
        std::vector<const char *> options;
        std::vector<std::vector<int>> px;  // x, y, colour
    } cases[] = {
        // Band rows 0-19: raised thin bevel; lamps at (8, 6) and (W - 18, 6) with
        // their highlight; body: raised bevel from y = 20.
        {NORMAL, {}, {{0, 10, BLACK},   {MID, 1, WHITE},     {1, 10, WHITE},          {W - 2, 10, DG},  {MID, 4, LG},
                      {MID, 19, LG},    {13, 11, DARKRED},   {W - 13, 11, DARKGREEN}, {11, 9, WHITE},   {12, 10, DG},     {W - 15, 9, WHITE}, {W - 14, 10, DG},
                      {MID, 20, BLACK}, {MID, 21, WHITE},    {2, 40, WHITE},          {W - 3, 40, DG},  {MID, H - 2, DG},
                      {5, H - 5, LG}}},
        {PRESSED, {}, {{MID, 1, WHITE}, {13, 11, DARKRED}, {2, 40, DG}, {MID, 22, DG}, {W - 2, 40, LG}, {MID, H - 2, LG}}},
        // Band red, right lamp bright green, left lamp blue; option 1 the body.
        {NORMAL, {"/__9AC"}, {{MID, 4, RED}, {13, 11, BLUE}, {W - 13, 11, GREEN}, {MID, 25, LG}}},
        {NORMAL, {"/EB"}, {{MID, 40, 0xFFFF00}, {MID, 4, LG}}},
        // Variant 2: characters 3 and 4 reach slots 9 and 10, not band and lamp.
        {NORMAL, {"/_____2", "/__9AC"}, {{MID, 4, LG}, {13, 11, BLUE}, {W - 13, 11, DARKGREEN}}},
        // Disabled: no band, a grey pressed bevel, the right lamp in the band colour.
        {DISABLED, {"/__9"}, {{0, 0, BLACK}, {MID, 4, DG}, {MID, 20, DG}, {13, 11, DARKRED}, {W - 13, 11, RED}}},
    };
    for (auto &c : cases) {
        CCTWindow b(Twin(" $ $2"));
        for (int s : {65, 71, 77}) EXPECT_EQ(CCT_Slot(b, s), 0);
        EXPECT_EQ(CCT_Slot(b, 76), 1);
        for (const char *o : c.options) SetWindowTextA(b, o);
        EXPECT_EQ(CCT_RawText(b), " $ $2");
        Show(b, c.look);
        CCTImage img = CCT_Snap(b);
        for (auto &p : c.px)
            EXPECT_EQ(img.at(p[0], p[1]), (COLORREF)p[2]) << "look " << c.look << " at " << p[0] << "," << p[1];
    }
}

TEST(S09Twin, LabelFontAndPlaceByLook)
{
    HFONT stock = (HFONT)GetStockObject(ANSI_VAR_FONT);
    ASSERT_NE(CCT_TextExtent(CCT_Parent(), "Mic", stock).cx, CCT_TextExtent(CCT_Parent(), "Mic").cx);
    const RECT body = {3, 23, W - 3, H - 3}, whole = {1, 17, W - 1, H - 1};
    struct {
        const char *text;
        Look look;
        bool system;
        int justify;
    } cases[] = {
        {"Mic$ $2", NORMAL, false, 0}, {"Mic$L$2", NORMAL, true, 0},  {"Mic$l$2", PRESSED, true, 0},
        {"Mic$LL$2", NORMAL, false, 0}, {"Mic", NORMAL, false, 0},    {"Mic$ $a", PRESSED, false, 2},
        {"Mic$L$6", NORMAL, true, 1},  {"Mic$L$2", DISABLED, false, 0}, {"Mic$ $8", DISABLED, false, 2},
    };
    for (auto &c : cases) {
        CCTWindow b(Twin(c.text));
        Show(b, c.look);
        HFONT font = c.system ? nullptr : stock;
        int off = c.look == PRESSED ? 2 : 0;
        RECT want = c.look == DISABLED ? ExpectedInk(font, H, 0, 0, c.justify, LG, DG, whole)
                                       : ExpectedInk(font, H - 20, off, 20 + off, c.justify, BLACK, LG, body);
        RECT got = c.look == DISABLED ? Ink(CCT_Snap(b), DG, whole) : Ink(CCT_Snap(b), LG, body);
        EXPECT_GT(want.right, want.left) << c.text;
        EXPECT_TRUE(EqualRect(&got, &want)) << c.text << " look " << c.look << " got " << got.left << ","
                                            << got.top << " want " << want.left << "," << want.top;
    }
}

TEST(S09Twin, LabelChangesLookLikeAFreshButton)
{
    struct {
        Look look;
        const char *start, *option, *set, *fresh;  // fresh: the text that results
    } cases[] = {
        {NORMAL, "Mike 12$L$3", nullptr, "A$B$C", "A$L$3"},
        {NORMAL, "Mike", nullptr, "$$$", " $ $e"},
        // The old label is painted out where the pressed look shows it.
        {PRESSED, "Mike 12$ $2", nullptr, "Talk", "Talk$ $2"},
        {PRESSED, "Mike 12$L$2", nullptr, "Talk|On", "Talk|On$L$2"},
        // Disabled: where the disabled look shows its label, in its font.
        {DISABLED, "Mike 12$L$2", nullptr, "Talk", "Talk$L$2"},
        // A new font field repaints the whole look in the new font.
        {NORMAL, "Mike 12$ $2", "/_____1", "L", "Mike 12$L$2"},
    };
    for (auto &c : cases) {
        CCTWindow fresh(Twin(c.fresh, 0, 10));
        CCTWindow b(Twin(c.start, 0, 100));
        if (c.option) SetWindowTextA(b, c.option);
        Show(fresh, c.look);
        Show(b, c.look);
        SetWindowTextA(b, c.set);
        EXPECT_EQ(CCT_RawText(b), c.fresh);
        // A label drawn at once leaves nothing to repaint.
        EXPECT_EQ(GetUpdateRect(b, nullptr, FALSE) != 0, c.option != nullptr) << c.set;
        CCT_Pump();
        EXPECT_EQ(CCT_Snap(b).px, CCT_Snap(fresh).px) << "look " << c.look << " " << c.set;
    }
    // Too large for a memory image: the change is stored and repainted.
    CCTWindow b(Twin("Mic$ $2", 0, 10, 4000, 2100));
    ValidateRect(b, nullptr);
    SetWindowTextA(b, std::string(70, 'M').c_str());
    EXPECT_EQ(CCT_RawText(b), std::string(59, 'M') + "$ $2");
    EXPECT_TRUE(GetUpdateRect(b, nullptr, FALSE));
}

// Steps: D down inside, U up inside, u up outside, O move outside, I move
// inside with the button, M move inside without it.
static void Steps(HWND b, const char *steps)
{
    for (const char *s = steps; *s; s++) {
        if (*s == 'D') CCT_Send(b, WM_LBUTTONDOWN, 10, 30, MK_LBUTTON);
        if (*s == 'U') CCT_Send(b, WM_LBUTTONUP, 10, 30, 0);
        if (*s == 'u') CCT_Send(b, WM_LBUTTONUP, -5, -5, 0);
        if (*s == 'O') CCT_Send(b, WM_MOUSEMOVE, W + 40, 5, MK_LBUTTON);
        if (*s == 'I' || *s == 'M') CCT_Send(b, WM_MOUSEMOVE, 12, 32, *s == 'I' ? MK_LBUTTON : 0);
    }
}

TEST(S09Twin, PressTracking)
{
    const WPARAM P = ID, R = ID + 1000;
    struct {
        DWORD style;
        const char *text, *steps;
        std::vector<WPARAM> ids;
        LONG state;
        bool down, capture;  // pressed look, capture held
    } cases[] = {
        {0, "A$ $3", "DU", {P, R}, 0, false, false},
        {0, "A$ $0", "DDU", {}, 0, false, false},
        // Fresh (state 1, no latch): a button up runs the release, a down presses.
        {0, "A$ $2", "U", {P}, 0, false, false},
        {0, "A$ $1", "D", {P}, 1, true, true},
        // Leaving in hold mode 1 ends the press through the repaint.
        {0x200, "A$ $3", "DOu", {P, R, R}, 0, false, false},
        {0x200, "A$ $b", "DO", {P, P, R}, 0, false, false},
        // Released outside: pressed look; the next click's down is ignored.
        {0, "A$ $2", "Du", {}, 1, true, false},
        {0, "A$ $2", "DuDU", {P}, 0, false, false},
        {0x800, "A$ $2", "DO", {}, 2, true, false},
        {0x800, "A$ $2", "DOI", {}, 3, true, true},
        {0x800, "A$ $2", "DOIU", {P}, 0, false, false},
        // Browse: the first move suspends the fresh state; rolling on with the
        // button held presses the button and reports it.
        {0x100, "A$ $1", "M", {}, 2, false, false},
        {0x100, "A$ $2", "MIU", {P, P}, 0, false, false},
        {0x100, "A$ $0", "MI", {P}, 1, true, true},
    };
    for (auto &c : cases) {
        CCTWindow b(Twin(c.text, c.style));
        CCT_ClearLog();
        Steps(b, c.steps);
        std::vector<CCTMsg> want;
        for (WPARAM id : c.ids) want.push_back(CCT_Cmd(id, b));
        std::string what = std::string(c.text) + " " + c.steps + " style " + std::to_string(c.style);
        EXPECT_EQ(CCT_Commands(), want) << what;
        EXPECT_EQ(CCT_Slot(b, 76), c.state) << what;
        EXPECT_EQ(CCT_Slot(b, 65), c.down ? 1 : 0) << what;
        EXPECT_EQ(CCT_Pixel(b, 2, 40), c.down ? DG : WHITE) << what;
        EXPECT_EQ(GetCapture() == b.h, c.capture) << what;
        EXPECT_EQ(c.state == 0 ? CCT_Slot(b, 71) | CCT_Slot(b, 77) : 0, 0) << what;
    }
}

TEST(S09Twin, BrowseFirstMoveRepaintsNoOtherWindow)
{
    CCTWindow b(Twin("Mic$ $2", 0x100));
    CCTWindow other(Twin("Other$ $2", 0, 100));
    CCT_Pump();
    ValidateRect(CCT_Parent(), nullptr);
    ValidateRect(other, nullptr);
    Steps(b, "M");
    EXPECT_FALSE(GetUpdateRect(CCT_Parent(), nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(other, nullptr, FALSE));
    EXPECT_EQ(CCT_Slot(b, 76), 2);
}

TEST(S09Twin, BadInputDrawsAndReleasesEverything)
{
    const std::string longText(59, '|');
    const char *texts[] = {"$$$", " ", "", "|||$L$0", "/", "/zz", "x$l$g", longText.c_str()};
    const SIZE sizes[] = {{W, H}, {0, 0}, {1, 1}, {30, 10}, {3000, 20}, {4000, 2100}};
    for (const SIZE &sz : sizes) {
        for (const char *t : texts) {
            HWND b = nullptr;
            EXPECT_EQ(CCT_GdiLeaked([&] {
                          b = Twin(t, 0x200, 10, sz.cx, sz.cy);
                          SetWindowTextA(b, t);
                          SetWindowTextA(b, "Talk");
                          EXPECT_EQ(CCT_Text(b), "Talk");  // stored even where nothing draws
                          Steps(b, "DOIuDU");
                          SetWindowTextA(b, "/__9AC");
                          EnableWindow(b, FALSE);
                          SetWindowTextA(b, t);
                          EnableWindow(b, TRUE);
                          CCT_Pump();
                      }),
                      0)
                << t << " " << sz.cx;
            DestroyWindow(b);
        }
    }
}
