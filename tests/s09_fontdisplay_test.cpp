// Font display: the edge by style bits and option letters, the label's font
// and place from the font's metrics, label and font changes, press tracking
// that never changes the look, bad input and GDI balance.
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include <vector>
#include "ccdraw.h"
#include "harness.h"
#include "kerv_cc.h"
#include "s09_frame.h"

static const COLORREF BLACK = 0, WHITE = 0xFFFFFF, DG = 0x808080, LG = 0xC0C0C0, RED = 0x0000FF;
static const int W = 120, H = 70, ID = 460;

static HWND Panel(const char *text, DWORD style = 0, int x = 10, int w = W, int h = H)
{
    return CCT_Create(6 | style, text, x, 20, w, h, ID, nullptr, CC09_CLASS_NAME);
}

static RECT Ink(const CCTImage &img, COLORREF bk, const RECT &r)
{
    RECT box = {0, 0, 0, 0};
    img.FindOther(bk, &box, r.left, r.top, r.right, r.bottom);
    return box;
}

// The ink of "12:00" in `face` at `points` as the toolkit makes the font,
// justified in W x H and moved down by yoff.
static RECT ExpectedInk(const char *face, int points, int yoff, int justify, COLORREF ink, COLORREF bk,
                        const RECT &r)
{
    CCTCanvas c(W, H, bk);
    HFONT font = CCDraw_SelectFont(c.dc, face, points, 34);
    HGDIOBJ prev = SelectObject(c.dc, font);
    SIZE sz = {0, 0};
    GetTextExtentPoint32A(c.dc, "12:00", 5, &sz);
    int dx = justify == 2 ? 4 : justify == 1 ? W - sz.cx - 4 : (W - sz.cx) / 2;
    SetTextColor(c.dc, ink);
    SetBkColor(c.dc, bk);
    TextOutA(c.dc, dx, (H - sz.cy) / 2 + yoff, "12:00", 5);
    SelectObject(c.dc, prev);
    DeleteObject(font);
    return Ink(c.Image(), bk, r);
}

enum Edge { SUNKEN, RAISED, PLAIN };

TEST(S09Fontdisp, EdgeByStyleAndOptionLetters)
{
    struct {
        DWORD style;
        std::vector<const char *> options;
        DWORD bits;  // style & 0xC0 afterwards
        Edge edge;
    } cases[] = {
        {0, {}, 0, SUNKEN},           {0x80, {}, 0x80, RAISED},       {0x40, {}, 0x40, PLAIN},
        {0xC0, {}, 0xC0, PLAIN},      {0, {"/O"}, 0x40, PLAIN},       {0x40, {"/N"}, 0, SUNKEN},
        {0, {"/R"}, 0x80, RAISED},    {0x80, {"/L"}, 0, SUNKEN},      {0, {"/O", "/R", "/N"}, 0x80, RAISED},
        {0, {"/r", "/X"}, 0, SUNKEN},
    };
    for (auto &c : cases) {
        CCTWindow p(Panel(" $Arial,10$0", c.style));
        for (const char *o : c.options) {
            SetWindowTextA(p, o);
            EXPECT_TRUE(GetUpdateRect(p, nullptr, FALSE)) << o;  // shown at the next paint
        }
        EXPECT_EQ((DWORD)GetWindowLongA(p, GWL_STYLE) & 0xCF, c.bits | 6);
        EXPECT_EQ(CCT_Slot(p, 5), 8);
        EXPECT_EQ(CCT_RawText(p), " $Arial,10$0");
        CCT_Pump();
        COLORREF lit = c.edge == PLAIN ? LG : c.edge == RAISED ? WHITE : DG;
        COLORREF shade = c.edge == PLAIN ? LG : c.edge == RAISED ? DG : WHITE;
        CCTImage img = CCT_Snap(p);
        const int px[][3] = {{0, H / 2, 1}, {W / 2, 0, 1}, {W - 1, 0, 1}, {0, H - 1, 1},  {W - 1, H / 2, 0},
                             {W / 2, H - 1, 0}, {W - 1, H - 1, 0}, {1, 1, 2}, {W - 2, H - 2, 2}};
        for (auto &q : px)
            EXPECT_EQ(img.at(q[0], q[1]), q[2] == 1 ? lit : q[2] == 0 ? shade : LG)
                << c.style << " " << c.options.size() << " at " << q[0] << "," << q[1];
    }
    // The letters belong to this kind only.
    CCTWindow led(CCT_Create(3, "0$14$0", 10, 20, 50, 16, ID, nullptr, CC09_CLASS_NAME));
    SetWindowTextA(led, "/O");
    EXPECT_EQ(GetWindowLongA(led, GWL_STYLE) & 0xC0, 0);
}

TEST(S09Fontdisp, LabelFontPlaceAndColours)
{
    const RECT in = {1, 1, W - 1, H - 1}, inner = {3, 3, W - 3, H - 3};
    struct {
        const char *text, *face;
        int points, yoff, justify;
    } cases[] = {
        {"12:00$LIQUIDCRYSTAL,30$0", "LIQUIDCRYSTAL", 30, 3, 0},
        {"12:00$Arial,30$0", "Arial", 30, 0, 0},
        {"12:00$ $0", "Arial", 14, 0, 0},
        {"12:00", "", 14, 0, 0},
        {"12:00$Arial,0$0", "Arial", 14, 0, 0},
        {"12:00$Arial,-3$0", "Arial", 14, 0, 0},
        {"12:00$LIQUIDCRYSTAL,19$0", "LIQUIDCRYSTAL", 19, 1, 0},
        {"12:00$LIQUIDCRYSTAL$0", "LIQUIDCRYSTAL", 14, 1, 0},
        {"12:00$liquidcrystal,30$0", "liquidcrystal", 30, 0, 0},
        {"12:00$Arial,12$8", "Arial", 12, 0, 2},
        {"12:00$Arial,12$4", "Arial", 12, 0, 1},
    };
    for (auto &c : cases) {
        CCTWindow p(Panel(c.text));
        RECT want = ExpectedInk(c.face, c.points, c.yoff, c.justify, BLACK, LG, in);
        RECT got = Ink(CCT_Snap(p), LG, in);
        EXPECT_GT(want.right, want.left) << c.text;
        EXPECT_TRUE(EqualRect(&got, &want)) << c.text << " got " << got.left << "," << got.top << " want "
                                            << want.left << "," << want.top;
        // The disabled look keeps font and offset.
        EnableWindow(p, FALSE);
        got = Ink(CCT_Snap(p), DG, inner);
        want = ExpectedInk(c.face, c.points, c.yoff, c.justify, LG, DG, inner);
        EXPECT_TRUE(EqualRect(&got, &want)) << c.text;
    }
    // Red panel, white label; option characters 1, 2 and 5 change nothing seen.
    CCTWindow p(Panel("12:00$Arial,20$0"));
    SetWindowTextA(p, "/__9F");
    CCT_Pump();
    CCTImage img = CCT_Snap(p);
    EXPECT_EQ(img.at(1, 1), RED);
    EXPECT_GT(img.Count(WHITE), W);  // the edge and the label
    SetWindowTextA(p, "/12__3");
    CCT_Pump();
    EXPECT_EQ(CCT_Snap(p).px, img.px);
}

TEST(S09Fontdisp, ChangesLookLikeAFreshDisplay)
{
    struct {
        bool disabled;
        const char *start, *option, *set, *fresh;  // fresh: the text that results
    } cases[] = {
        {false, "12:00$LIQUIDCRYSTAL,30$0", nullptr, "8", "8$LIQUIDCRYSTAL,30$0"},
        {false, "8$Arial,20$4", nullptr, "A$B$C", "A$Arial,20$4"},
        {false, "12:00", nullptr, "$$$", " $ $0"},
        {true, "12:00$Arial,20$0", nullptr, "8|9", "8|9$Arial,20$0"},
        // A new font waits for the paint; the label on screen stays meanwhile.
        {false, "12:00$Arial,12$0", "/_____1", "Arial,24", "12:00$Arial,24$0"},
    };
    for (auto &c : cases) {
        CCTWindow fresh(Panel(c.fresh, 0, 10));
        CCTWindow p(Panel(c.start, 0, 140));
        if (c.option) SetWindowTextA(p, c.option);
        if (c.disabled) {
            EnableWindow(fresh, FALSE);
            EnableWindow(p, FALSE);
        }
        CCT_Pump();
        CCTImage before = CCT_Snap(p);
        SetWindowTextA(p, c.set);
        EXPECT_EQ(CCT_RawText(p), c.fresh);
        EXPECT_TRUE(GetUpdateRect(p, nullptr, FALSE)) << c.set;
        EXPECT_EQ(CCT_Snap(p).px, c.option ? before.px : CCT_Snap(fresh).px) << c.set;
        CCT_Pump();
        EXPECT_EQ(CCT_Snap(p).px, CCT_Snap(fresh).px) << c.set;
    }
    // Too large for a memory image: the change is stored and repainted.
    CCTWindow p(Panel("12$Arial,20$0", 0, 10, 4000, 2100));
    ValidateRect(p, nullptr);
    SetWindowTextA(p, std::string(70, '8').c_str());
    EXPECT_EQ(CCT_RawText(p), std::string(59, '8') + "$Arial,20$0");
    EXPECT_TRUE(GetUpdateRect(p, nullptr, FALSE));
}

// Steps: D down inside, U up inside, u up outside, O move outside, I move
// inside with the button.
static void Steps(HWND p, const char *steps)
{
    for (const char *s = steps; *s; s++) {
        if (*s == 'D') CCT_Send(p, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
        if (*s == 'U') CCT_Send(p, WM_LBUTTONUP, 10, 10, 0);
        if (*s == 'u') CCT_Send(p, WM_LBUTTONUP, -5, -5, 0);
        if (*s == 'O') CCT_Send(p, WM_MOUSEMOVE, W + 40, 5, MK_LBUTTON);
        if (*s == 'I') CCT_Send(p, WM_MOUSEMOVE, 12, 12, MK_LBUTTON);
    }
}

TEST(S09Fontdisp, PressTrackingNeverChangesTheLook)
{
    const WPARAM P = ID, R = ID + 1000;
    struct {
        DWORD style;
        const char *text, *steps;
        std::vector<WPARAM> ids;
        LONG state;
    } cases[] = {
        {0, "12$ $3", "DU", {P, R}, 0},
        {0, "12$ $2", "DDU", {P}, 0},
        {0, "12$ $3", "U", {}, 0},
        // Leaving in hold mode 1 ends the press at once, also after the
        // lost-focus notification.
        {0, "12$ $2", "DO", {P}, 0},
        {0x200, "12$ $3", "DO", {P, R, R}, 0},
        {0x200, "12$ $b", "DO", {P, P, R}, 0},
        {0x200, "12$ $6", "DO", {P, P}, 0},
        // Released outside: the next click's down is ignored, its up releases.
        {0, "12$ $2", "Du", {}, 1},
        {0, "12$ $2", "DuDU", {P}, 0},
        {0x800, "12$ $2", "DOI", {}, 3},
        {0xA00, "12$ $3", "DOIU", {P, R, R}, 0},
        {0x900, "12$ $0", "DOI", {P}, 1},
    };
    for (auto &c : cases) {
        CCTWindow p(Panel(c.text, c.style));
        CCTImage look = CCT_Snap(p);
        CCT_ClearLog();
        Steps(p, c.steps);
        std::vector<CCTMsg> want;
        for (WPARAM id : c.ids) want.push_back(CCT_Cmd(id, p));
        std::string what = std::string(c.text) + " " + c.steps + " style " + std::to_string(c.style);
        EXPECT_EQ(CCT_Commands(), want) << what;
        EXPECT_EQ(CCT_Slot(p, 76), c.state) << what;
        EXPECT_FALSE(GetUpdateRect(p, nullptr, FALSE)) << what;  // nothing left to repaint
        EXPECT_EQ(c.state == 0 ? CCT_Slot(p, 71) | CCT_Slot(p, 77) : 0, 0) << what;
        CCT_Pump();
        EXPECT_EQ(CCT_Commands(), want) << what;
        EXPECT_EQ(CCT_Snap(p).px, look.px) << what;
    }
}

TEST(S09Fontdisp, BadInputDrawsAndReleasesEverything)
{
    const std::string longFace = "x$" + std::string(50, 'F') + ",20$0";
    const char *texts[] = {"$$$", " ", "", "|||$Arial,10$0", "/", "/zz", "x$,$0", "x$,99999$2",
                           "x$LIQUIDCRYSTAL,2147483647$1", "x$Arial,12$g", longFace.c_str()};
    const SIZE sizes[] = {{W, H}, {0, 0}, {1, 1}, {3000, 20}, {4000, 2100}};
    for (const SIZE &sz : sizes) {
        for (const char *t : texts) {
            HWND p = nullptr;
            EXPECT_EQ(CCT_GdiLeaked([&] {
                          p = Panel(t, 0x200, 10, sz.cx, sz.cy);
                          SetWindowTextA(p, t);
                          SetWindowTextA(p, "12:01");
                          EXPECT_EQ(CCT_Text(p), "12:01");  // stored even where nothing draws
                          Steps(p, "DOIuDU");
                          SetWindowTextA(p, "/O");
                          EnableWindow(p, FALSE);
                          SetWindowTextA(p, t);
                          EnableWindow(p, TRUE);
                          CCT_Pump();
                      }),
                      0)
                << t << " " << sz.cx;
            DestroyWindow(p);
        }
    }
}
