// Dual LED button: band, lamps and body at their coordinates, the label's font
// and place from the font's metrics, label changes in every look, options,
// press tracking with its notifications, bad input and GDI balance.
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

static RECT InkIn(const CCTImage &img, COLORREF bk, const RECT &r)
{
    RECT box = {0, 0, 0, 0};
    img.FindOther(bk, &box, r.left, r.top, r.right, r.bottom);
    return box;
}

// Where the label's ink should be: drawn with TextOutA in `font` (null: the
// DC's own system font), justified in the box w x h at (x, y).
static RECT ExpectedInk(HFONT font, const char *label, int h, int x, int y, int justify, COLORREF ink,
                        COLORREF bk, const RECT &r)
{
    CCTCanvas c(W, H, bk);
    HGDIOBJ prev = font ? SelectObject(c.dc, font) : nullptr;
    int n = (int)strlen(label);
    SIZE sz = {0, 0};
    GetTextExtentPoint32A(c.dc, label, n, &sz);
    int dx = W <= sz.cx ? 0 : justify == 2 ? 4 : justify == 1 ? W - sz.cx - 4 : (W - sz.cx) / 2;
    int dy = h > sz.cy ? (h - sz.cy) / 2 : 0;
    SetTextColor(c.dc, ink);
    SetBkColor(c.dc, bk);
    TextOutA(c.dc, x + dx, y + dy, label, n);
    if (prev) SelectObject(c.dc, prev);
    return InkIn(c.Image(), bk, r);
}

static bool Same(const RECT &a, const RECT &b) { return EqualRect(&a, &b) != 0; }

// ---------------------------------------------------------------------------
// Faces

TEST(S09Twin, CreationSlots)
{
    for (DWORD style : {0x000, 0x800}) {
        CCTWindow b(Twin("Mic$ $2", style));
        struct {
            int slot;
            LONG value;
        } want[] = {{4, 1}, {5, 8}, {6, 0}, {7, 8}, {8, 2}, {49, style ? 2 : 1}, {65, 0}, {71, 0}, {76, 1}, {77, 0}};
        for (auto &s : want) EXPECT_EQ(CCT_Slot(b, s.slot), s.value) << "slot " << s.slot;
        EXPECT_EQ(CCT_Text(b), "Mic");
    }
}

struct Px {
    int x, y;
    COLORREF c;
};

TEST(S09Twin, BandLampsAndBodyOfEachLook)
{
    struct {
        Look look;
        std::vector<const char *> options;
        std::vector<Px> px;
    } cases[] = {
        // Band: raised thin bevel, rows 0 to 19 showing; lamps at (8, 6) and (W - 18, 6)
        // with their highlight; body: raised bevel from y = 20.
        {NORMAL, {}, {{0, 10, BLACK},   {MID, 0, BLACK},    {MID, 1, WHITE},   {1, 10, WHITE},  {W - 2, 10, DG},
                      {W - 1, 10, BLACK}, {MID, 4, LG},     {MID, 19, LG},     {13, 11, DARKRED}, {W - 13, 11, DARKGREEN},
                      {11, 9, WHITE},   {12, 10, DG},       {MID, 20, BLACK},  {MID, 21, WHITE}, {1, 40, WHITE},
                      {2, 40, WHITE},   {W - 2, 40, DG},    {W - 3, 40, DG},   {MID, H - 2, DG}, {MID, H - 1, BLACK},
                      {5, H - 5, LG}}},
        // Pressed body: only the shadow on the left and top.
        {PRESSED, {}, {{MID, 1, WHITE}, {MID, 4, LG}, {13, 11, DARKRED}, {1, 40, DG}, {2, 40, DG}, {MID, 22, DG},
                       {W - 2, 40, LG}, {MID, H - 2, LG}}},
        // Band red, right lamp green, left lamp blue.
        {NORMAL, {"/__9AC"}, {{MID, 4, RED}, {13, 11, BLUE}, {W - 13, 11, GREEN}, {MID, 25, LG}}},
        // Variant 2: characters 3 and 4 go to slots 9 and 10; the left lamp still changes.
        {NORMAL, {"/_____2", "/__9AC"}, {{MID, 4, LG}, {13, 11, BLUE}, {W - 13, 11, DARKGREEN}}},
        {NORMAL, {"/EB"}, {{MID, 40, 0xFFFF00}, {MID, 4, LG}}},
        // Disabled: no band, grey pressed bevel, right lamp in the band colour.
        {DISABLED, {"/__9"}, {{0, 0, BLACK}, {MID, 1, DG}, {MID, 4, DG}, {MID, 20, DG}, {W - 2, 40, DG},
                              {13, 11, DARKRED}, {W - 13, 11, RED}}},
    };
    for (auto &c : cases) {
        CCTWindow b(Twin(" $ $2"));
        for (const char *o : c.options) SetWindowTextA(b, o);
        EXPECT_EQ(CCT_RawText(b), " $ $2");
        Show(b, c.look);
        CCTImage img = CCT_Snap(b);
        for (const Px &p : c.px)
            EXPECT_EQ(img.at(p.x, p.y), p.c) << "look " << c.look << " options " << c.options.size() << " at "
                                             << p.x << "," << p.y;
    }
    CCTWindow v(Twin(" $ $2"));
    SetWindowTextA(v, "/_____2");
    SetWindowTextA(v, "/__9AC");
    EXPECT_EQ(CCT_Slot(v, 9), 9);
    EXPECT_EQ(CCT_Slot(v, 10), 10);
    EXPECT_EQ(CCT_Slot(v, 7), 8);
}

TEST(S09Twin, LabelFontAndPlaceByLook)
{
    HFONT stock = (HFONT)GetStockObject(ANSI_VAR_FONT);
    // The test tells the fonts apart only if they differ.
    EXPECT_NE(CCT_TextExtent(CCT_Parent(), "Mic", stock).cx, CCT_TextExtent(CCT_Parent(), "Mic").cx);
    const RECT body = {3, 23, W - 3, H - 3}, whole = {1, 17, W - 1, H - 1};
    struct {
        const char *text;
        Look look;
        bool system;
        int justify;
    } cases[] = {
        {"Mic$ $2", NORMAL, false, 0},  {"Mic$L$2", NORMAL, true, 0},   {"Mic$l$2", PRESSED, true, 0},
        {"Mic$LL$2", NORMAL, false, 0}, {"Mic", NORMAL, false, 0},      {"Mic$ $2", PRESSED, false, 0},
        {"Mic$ $a", NORMAL, false, 2},  {"Mic$L$6", PRESSED, true, 1},  {"Mic$L$2", DISABLED, false, 0},
        {"Mic$ $8", DISABLED, false, 2},
    };
    for (auto &c : cases) {
        CCTWindow b(Twin(c.text));
        Show(b, c.look);
        HFONT font = c.system ? nullptr : stock;
        RECT want, got;
        if (c.look == DISABLED) {
            want = ExpectedInk(font, "Mic", H, 0, 0, c.justify, LG, DG, whole);
            got = InkIn(CCT_Snap(b), DG, whole);
        } else {
            int off = c.look == PRESSED ? 2 : 0;
            want = ExpectedInk(font, "Mic", H - 20, off, 20 + off, c.justify, BLACK, LG, body);
            got = InkIn(CCT_Snap(b), LG, body);
        }
        EXPECT_GT(want.right, want.left) << c.text;
        EXPECT_TRUE(Same(got, want)) << c.text << " look " << c.look << " got " << got.left << "," << got.top
                                     << " want " << want.left << "," << want.top;
    }
}

// ---------------------------------------------------------------------------
// Texts

TEST(S09Twin, LabelChangesKeepFontFieldAndFlags)
{
    struct {
        const char *start, *option, *set, *raw, *shown;
    } cases[] = {
        {"Mic$ $2", nullptr, "Talk", "Talk$ $2", "Talk"},
        {"Mic$L$3", nullptr, "A$B$C", "A$L$3", "A"},
        {"Mic$ $2", nullptr, "", " $ $2", " "},
        {"Mic$ $2", nullptr, "$$$", " $ $2", " "},
        {"Mic", nullptr, "Talk", "Talk$ $c", "Talk"},
        {"", nullptr, "x", "x$ $", "x"},
        {"Mic$ $2", "/_____1", "L", "Mic$L$2", "L"},
        {"Mic$ $2", "/__9AC", "/__9AC", "Mic$ $2", "Mic"},
        {"Mic$ $2", nullptr, "$/_9", "Mic$ $2", "Mic"},
    };
    for (auto &c : cases) {
        CCTWindow b(Twin(c.start));
        if (c.option) SetWindowTextA(b, c.option);
        EXPECT_EQ(SendMessageA(b, WM_SETTEXT, 0, (LPARAM)c.set), 1) << c.set;
        EXPECT_EQ(CCT_RawText(b), c.raw) << c.start << " + " << c.set;
        EXPECT_EQ(CCT_Text(b), c.shown) << c.start << " + " << c.set;
    }
    CCTWindow b(Twin("Mic$ $2"));
    SetWindowTextA(b, std::string(70, 'M').c_str());
    EXPECT_EQ(CCT_RawText(b), std::string(59, 'M') + "$ $2");
}

TEST(S09Twin, LabelChangeLooksLikeAFreshButton)
{
    struct {
        Look look;
        const char *start, *option, *set, *fresh;
    } cases[] = {
        {NORMAL, "Mike 12$ $2", nullptr, "Talk", "Talk$ $2"},
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
        // A label drawn at once leaves nothing to repaint.
        EXPECT_EQ(GetUpdateRect(b, nullptr, FALSE) != 0, c.option != nullptr) << c.set;
        CCT_Pump();
        EXPECT_EQ(CCT_Snap(b).px, CCT_Snap(fresh).px) << "look " << c.look << " " << c.set;
    }
}

TEST(S09Twin, LabelChangeWithoutAnImageIsStoredAndRepainted)
{
    // Too large for a memory image: the change cannot be drawn on its own.
    CCTWindow b(Twin("Mic$ $2", 0, 10, 4000, 2100));
    ValidateRect(b, nullptr);
    SetWindowTextA(b, "Talk");
    EXPECT_EQ(CCT_RawText(b), "Talk$ $2");
    EXPECT_TRUE(GetUpdateRect(b, nullptr, FALSE));
    CCT_Pump();
}

// ---------------------------------------------------------------------------
// Press tracking

// Steps: D down inside, d double click, U up inside, u up outside, O move
// outside, I move inside with the button, M move inside without it, P pump.
static void Steps(HWND b, const char *steps)
{
    for (const char *s = steps; *s; s++) {
        switch (*s) {
        case 'D': CCT_Send(b, WM_LBUTTONDOWN, 10, 30, MK_LBUTTON); break;
        case 'd': CCT_Send(b, WM_LBUTTONDBLCLK, 10, 30, MK_LBUTTON); break;
        case 'U': CCT_Send(b, WM_LBUTTONUP, 10, 30, 0); break;
        case 'u': CCT_Send(b, WM_LBUTTONUP, -5, -5, 0); break;
        case 'O': CCT_Send(b, WM_MOUSEMOVE, W + 40, 5, MK_LBUTTON); break;
        case 'I': CCT_Send(b, WM_MOUSEMOVE, 12, 32, MK_LBUTTON); break;
        case 'M': CCT_Send(b, WM_MOUSEMOVE, 12, 32, 0); break;
        case 'P': CCT_Pump(); break;
        }
    }
}

TEST(S09Twin, NotificationsByFlagsAndStyle)
{
    const WPARAM P = ID, R = ID + 1000;
    struct {
        DWORD style;
        const char *text, *steps;
        std::vector<WPARAM> ids;
        LONG state;
    } cases[] = {
        {0, "A$ $3", "DU", {P, R}, 0},
        {0, "A$ $2", "DU", {P}, 0},
        {0, "A$ $1", "DU", {P}, 0},
        {0, "A$ $0", "DU", {}, 0},
        {0, "", "DU", {}, 0},
        {0, "A$ $3", "dU", {P, R}, 0},
        {0, "A$ $3", "DDU", {P, R}, 0},
        // A fresh button (state 1, no latch): a button up runs the release, a
        // button down starts a press.
        {0, "A$ $2", "U", {P}, 0},
        {0, "A$ $3", "U", {R}, 0},
        {0, "A$ $1", "D", {P}, 1},
        // Leaving in hold mode 1 ends the press through the repaint.
        {0x200, "A$ $3", "DOu", {P, R, R}, 0},
        {0x200, "A$ $b", "DOu", {P, P, R}, 0},
        {0, "A$ $2", "DO", {P}, 0},
        {0, "A$ $2", "Du", {}, 1},
        {0, "A$ $2", "DuDU", {P}, 0},
        {0x800, "A$ $2", "DO", {}, 2},
        {0x800, "A$ $2", "DOI", {}, 3},
        {0x800, "A$ $2", "DOIU", {P}, 0},
        // Browse: the first move suspends the fresh state; rolling on with the
        // button held presses the button and reports it.
        {0x100, "A$ $1", "M", {}, 2},
        {0x100, "A$ $2", "MIU", {P, P}, 0},
        {0x100, "A$ $0", "MI", {P}, 1},
    };
    for (auto &c : cases) {
        CCTWindow b(Twin(c.text, c.style));
        CCT_ClearLog();
        Steps(b, c.steps);
        CCT_Pump();
        std::vector<CCTMsg> want;
        for (WPARAM id : c.ids) want.push_back(CCT_Cmd(id, b));
        EXPECT_EQ(CCT_Commands(), want) << c.text << " style " << c.style << " " << c.steps;
        EXPECT_EQ(CCT_Slot(b, 76), c.state) << c.text << " " << c.steps;
        if (c.state == 0) {
            EXPECT_EQ(CCT_Slot(b, 71), 0) << c.text << " " << c.steps;
            EXPECT_EQ(CCT_Slot(b, 77), 0) << c.text << " " << c.steps;
            EXPECT_NE(GetCapture(), b.h) << c.text << " " << c.steps;
        }
    }
}

TEST(S09Twin, PressedLookFollowsThePress)
{
    struct {
        DWORD style;
        const char *steps;
        COLORREF edge;  // body's left edge: white raised, grey pressed
        LONG downLook;
        bool capture;
    } cases[] = {
        {0, "D", DG, 1, true},      {0, "DU", WHITE, 0, false},  {0, "Du", DG, 1, false},
        {0, "DO", WHITE, 0, false}, {0x800, "DO", DG, 1, false}, {0x800, "DOI", DG, 1, true},
        {0x100, "MI", DG, 1, true}, {0, "U", WHITE, 0, false},
    };
    for (auto &c : cases) {
        CCTWindow b(Twin("Mic$ $2", c.style));
        Steps(b, c.steps);
        EXPECT_EQ(CCT_Pixel(b, 1, 40), c.edge) << c.style << " " << c.steps;
        EXPECT_EQ(CCT_Slot(b, 65), c.downLook) << c.style << " " << c.steps;
        EXPECT_EQ(GetCapture() == b.h, c.capture) << c.style << " " << c.steps;
    }
}

TEST(S09Twin, BrowseFirstMoveRepaintsNoOtherWindow)
{
    // The press window of a fresh button is none: nothing but the button's own
    // state may change.
    CCTWindow b(Twin("Mic$ $2", 0x100));
    CCTWindow other(Twin("Other$ $2", 0, 100));
    CCT_Pump();
    ValidateRect(CCT_Parent(), nullptr);
    ValidateRect(other, nullptr);
    CCT_ClearLog();
    Steps(b, "M");
    EXPECT_FALSE(GetUpdateRect(CCT_Parent(), nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(other, nullptr, FALSE));
    EXPECT_EQ(CCT_Slot(b, 76), 2);
    EXPECT_TRUE(CCT_Commands().empty());
    Steps(b, "I");
    EXPECT_EQ(CCT_Slot(b, 77), (LONG)(LONG_PTR)b.h);
    EXPECT_EQ(GetCapture(), b.h);
    EXPECT_EQ(CCT_Commands(), std::vector<CCTMsg>{CCT_Cmd(ID, b)});
}

// ---------------------------------------------------------------------------
// Bad input and GDI balance

TEST(S09Twin, BadInputDrawsAndReleasesEverything)
{
    const std::string longText(59, '|');
    const char *texts[] = {"$$$", " ", "$ $", "", "|||$L$0", "/", "/zz", "x$l$g", "x$ $z", longText.c_str()};
    struct {
        int w, h;
    } sizes[] = {{W, H}, {0, 0}, {1, 1}, {30, 10}, {3000, 20}, {4000, 2100}};
    for (auto &sz : sizes) {
        for (const char *t : texts) {
            HWND b = nullptr;
            EXPECT_EQ(CCT_GdiLeaked([&] {
                          b = Twin(t, 0x200, 10, sz.w, sz.h);
                          CCT_Repaint(b);
                          SetWindowTextA(b, t);
                          SetWindowTextA(b, "Talk");
                          EXPECT_EQ(CCT_Text(b), "Talk");  // stored even where nothing draws
                          Steps(b, "DOIuP");
                          Steps(b, "DUP");
                          SetWindowTextA(b, "/__9AC");
                          EnableWindow(b, FALSE);
                          SetWindowTextA(b, t);
                          EnableWindow(b, TRUE);
                          CCT_Pump();
                      }),
                      0)
                << t << " " << sz.w;
            DestroyWindow(b);
        }
    }
}
