// Font display: the edge by style bits and option letters, the label's font
// and place from the font's metrics, label and font changes, colours, press
// tracking that never changes the look, bad input and GDI balance.
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

static RECT InkIn(const CCTImage &img, COLORREF bk, const RECT &r)
{
    RECT box = {0, 0, 0, 0};
    img.FindOther(bk, &box, r.left, r.top, r.right, r.bottom);
    return box;
}

// Where the label's ink should be: `face` at `points` as the toolkit makes it,
// justified in W x H and moved down by yoff.
static RECT ExpectedInk(const char *face, int points, const char *label, int yoff, int justify, COLORREF ink,
                        COLORREF bk, const RECT &r)
{
    CCTCanvas c(W, H, bk);
    HFONT font = CCDraw_SelectFont(c.dc, face, points, 34);
    HGDIOBJ prev = SelectObject(c.dc, font);
    int n = (int)strlen(label);
    SIZE sz = {0, 0};
    GetTextExtentPoint32A(c.dc, label, n, &sz);
    int dx = W <= sz.cx ? 0 : justify == 2 ? 4 : justify == 1 ? W - sz.cx - 4 : (W - sz.cx) / 2;
    int dy = H > sz.cy ? (H - sz.cy) / 2 : 0;
    SetTextColor(c.dc, ink);
    SetBkColor(c.dc, bk);
    TextOutA(c.dc, dx, dy + yoff, label, n);
    SelectObject(c.dc, prev);
    DeleteObject(font);
    return InkIn(c.Image(), bk, r);
}

static bool Same(const RECT &a, const RECT &b) { return EqualRect(&a, &b) != 0; }

// ---------------------------------------------------------------------------
// Edge

enum Edge { SUNKEN, RAISED, PLAIN };

TEST(S09Fontdisp, EdgeByStyleAndOptionLetters)
{
    struct {
        DWORD style;
        std::vector<const char *> options;
        DWORD bits;  // style & 0xC0 afterwards
        Edge edge;
    } cases[] = {
        {0, {}, 0, SUNKEN},
        {0x80, {}, 0x80, RAISED},
        {0x40, {}, 0x40, PLAIN},
        {0xC0, {}, 0xC0, PLAIN},
        {0, {"/O"}, 0x40, PLAIN},
        {0x40, {"/N"}, 0, SUNKEN},
        {0, {"/R"}, 0x80, RAISED},
        {0x80, {"/L"}, 0, SUNKEN},
        {0, {"/O", "/R", "/N"}, 0x80, RAISED},
        {0, {"/r"}, 0, SUNKEN},
        {0, {"/X"}, 0, SUNKEN},
        {0, {"x/R"}, 0, SUNKEN},
    };
    for (auto &c : cases) {
        CCTWindow p(Panel(" $Arial,10$0", c.style));
        for (const char *o : c.options) {
            SetWindowTextA(p, o);
            EXPECT_TRUE(GetUpdateRect(p, nullptr, FALSE)) << o;  // shown at the next paint
        }
        EXPECT_EQ((DWORD)GetWindowLongA(p, GWL_STYLE) & 0xCF, c.bits | 6);
        EXPECT_EQ(CCT_Slot(p, 5), 8);
        CCT_Pump();
        COLORREF lit = c.edge == PLAIN ? LG : c.edge == RAISED ? WHITE : DG;
        COLORREF shade = c.edge == PLAIN ? LG : c.edge == RAISED ? DG : WHITE;
        CCTImage img = CCT_Snap(p);
        struct {
            int x, y;
            COLORREF c;
        } px[] = {{0, H / 2, lit}, {W / 2, 0, lit}, {W - 1, 0, lit}, {0, H - 1, lit},  {W - 1, H / 2, shade},
                  {W / 2, H - 1, shade}, {W - 1, H - 1, shade}, {1, 1, LG}, {W - 2, H - 2, LG}};
        for (auto &q : px)
            EXPECT_EQ(img.at(q.x, q.y), q.c) << c.style << " " << c.options.size() << " at " << q.x << "," << q.y;
    }
    // The letters belong to this kind only: an LED display keeps its style.
    CCTWindow led(CCT_Create(3, "0$14$0", 10, 20, 50, 16, ID, nullptr, CC09_CLASS_NAME));
    SetWindowTextA(led, "/O");
    EXPECT_EQ(GetWindowLongA(led, GWL_STYLE) & 0xC0, 0);
}

TEST(S09Fontdisp, ColoursAndDisabledLook)
{
    CCTWindow p(Panel("88$Arial,20$0"));
    EXPECT_EQ(CCT_Slot(p, 7), 8);
    EXPECT_EQ(CCT_Slot(p, 8), 0);
    SetWindowTextA(p, "/__9F");
    EXPECT_EQ(CCT_RawText(p), "88$Arial,20$0");
    CCT_Pump();
    CCTImage img = CCT_Snap(p);
    EXPECT_EQ(img.at(1, 1), RED);
    EXPECT_EQ(img.at(0, 0), DG);
    EXPECT_GT(img.Count(WHITE), W);  // the edge and the label
    // Option characters 1, 2 and 5 reach slots this kind does not show.
    SetWindowTextA(p, "/12__3");
    CCT_Pump();
    EXPECT_EQ(CCT_Snap(p).px, img.px);
    EnableWindow(p, FALSE);
    img = CCT_Snap(p);
    EXPECT_EQ(img.at(0, 0), BLACK);
    EXPECT_EQ(img.at(W / 2, 3), DG);
    const RECT in = {3, 3, W - 3, H - 3};
    EXPECT_TRUE(Same(InkIn(img, DG, in), ExpectedInk("Arial", 20, "88", 0, 0, LG, DG, in)));
}

TEST(S09Fontdisp, LabelFontAndPlace)
{
    const RECT in = {1, 1, W - 1, H - 1};
    struct {
        const char *text, *face;
        int points, yoff, justify;
    } cases[] = {
        {"12:00$LIQUIDCRYSTAL,30$0", "LIQUIDCRYSTAL", 30, 3, 0},
        {"12:00$Arial,30$0", "Arial", 30, 0, 0},
        {"12:00$ $0", "Arial", 14, 0, 0},
        {"12:00", "", 14, 0, 0},
        {"12:00$Arial$0", "Arial", 14, 0, 0},
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
        CCT_Pump();
        RECT want = ExpectedInk(c.face, c.points, "12:00", c.yoff, c.justify, BLACK, LG, in);
        RECT got = InkIn(CCT_Snap(p), LG, in);
        EXPECT_GT(want.right, want.left) << c.text;
        EXPECT_TRUE(Same(got, want)) << c.text << " got " << got.left << "," << got.top << " want " << want.left
                                     << "," << want.top;
        if (c.yoff) {
            RECT centred = ExpectedInk(c.face, c.points, "12:00", 0, c.justify, BLACK, LG, in);
            EXPECT_EQ(got.top - centred.top, c.yoff) << c.text;
        }
        // The disabled look keeps font and offset.
        EnableWindow(p, FALSE);
        const RECT inner = {3, 3, W - 3, H - 3};
        EXPECT_TRUE(Same(InkIn(CCT_Snap(p), DG, inner),
                         ExpectedInk(c.face, c.points, "12:00", c.yoff, c.justify, LG, DG, inner)))
            << c.text;
    }
}

// ---------------------------------------------------------------------------
// Texts

TEST(S09Fontdisp, LabelAndFontChanges)
{
    struct {
        const char *start, *option, *set, *raw, *shown;
    } cases[] = {
        {"12$Arial,20$0", nullptr, "13", "13$Arial,20$0", "13"},
        {"12$Arial,20$3", nullptr, "A$B$C", "A$Arial,20$3", "A"},
        {"12$Arial,20$0", nullptr, "", " $Arial,20$0", " "},
        {"12$Arial,20$0", nullptr, "$$$", " $Arial,20$0", " "},
        {"12", nullptr, "13", "13$ $2", "13"},
        {"", nullptr, "x", "x$ $", "x"},
        {"12$Arial,20$0", "/_____1", "Arial,30", "12$Arial,30$0", "Arial,30"},
        {"12$Arial,20$0", "/__9F", "/__9F", "12$Arial,20$0", "12"},
    };
    for (auto &c : cases) {
        CCTWindow p(Panel(c.start));
        if (c.option) SetWindowTextA(p, c.option);
        EXPECT_EQ(SendMessageA(p, WM_SETTEXT, 0, (LPARAM)c.set), 1) << c.set;
        EXPECT_EQ(CCT_RawText(p), c.raw) << c.start << " + " << c.set;
        EXPECT_EQ(CCT_Text(p), c.shown) << c.start << " + " << c.set;
    }
    CCTWindow p(Panel("12$Arial,20$0"));
    SetWindowTextA(p, std::string(70, '8').c_str());
    EXPECT_EQ(CCT_RawText(p), std::string(59, '8') + "$Arial,20$0");
}

TEST(S09Fontdisp, ChangesLookLikeAFreshDisplay)
{
    struct {
        bool disabled;
        const char *start, *option, *set, *fresh;
        bool drawnAtOnce;
    } cases[] = {
        {false, "12:00$LIQUIDCRYSTAL,30$0", nullptr, "8", "8$LIQUIDCRYSTAL,30$0", true},
        {false, "8$Arial,20$4", nullptr, "12:00|1", "12:00|1$Arial,20$4", true},
        {true, "12:00$Arial,20$0", nullptr, "8", "8$Arial,20$0", true},
        // A new font waits for the paint; the label on screen stays meanwhile.
        {false, "12:00$Arial,12$0", "/_____1", "Arial,24", "12:00$Arial,24$0", false},
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
        EXPECT_TRUE(GetUpdateRect(p, nullptr, FALSE)) << c.set;
        if (c.drawnAtOnce) EXPECT_EQ(CCT_Snap(p).px, CCT_Snap(fresh).px) << c.set;
        else EXPECT_EQ(CCT_Snap(p).px, before.px) << c.set;
        CCT_Pump();
        EXPECT_EQ(CCT_Snap(p).px, CCT_Snap(fresh).px) << c.set;
    }
}

TEST(S09Fontdisp, LabelChangeWithoutAnImageIsStoredAndRepainted)
{
    CCTWindow p(Panel("12$Arial,20$0", 0, 10, 4000, 2100));
    ValidateRect(p, nullptr);
    SetWindowTextA(p, "13");
    EXPECT_EQ(CCT_RawText(p), "13$Arial,20$0");
    EXPECT_TRUE(GetUpdateRect(p, nullptr, FALSE));
    CCT_Pump();
}

// ---------------------------------------------------------------------------
// Press tracking

// Steps: D down inside, d double click, U up inside, u up outside, O move
// outside, I move inside with the button, P pump.
static void Steps(HWND p, const char *steps)
{
    for (const char *s = steps; *s; s++) {
        switch (*s) {
        case 'D': CCT_Send(p, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON); break;
        case 'd': CCT_Send(p, WM_LBUTTONDBLCLK, 10, 10, MK_LBUTTON); break;
        case 'U': CCT_Send(p, WM_LBUTTONUP, 10, 10, 0); break;
        case 'u': CCT_Send(p, WM_LBUTTONUP, -5, -5, 0); break;
        case 'O': CCT_Send(p, WM_MOUSEMOVE, W + 40, 5, MK_LBUTTON); break;
        case 'I': CCT_Send(p, WM_MOUSEMOVE, 12, 12, MK_LBUTTON); break;
        case 'P': CCT_Pump(); break;
        }
    }
}

TEST(S09Fontdisp, NotificationsAndAnUnchangingLook)
{
    const WPARAM P = ID, R = ID + 1000;
    struct {
        DWORD style;
        const char *text, *steps;
        std::vector<WPARAM> ids;
        LONG state;
    } cases[] = {
        {0, "12$ $3", "DU", {P, R}, 0},
        {0, "12$ $2", "DU", {P}, 0},
        {0, "12$ $1", "DU", {P}, 0},
        {0, "12$ $0", "DU", {}, 0},
        {0, "", "DU", {}, 0},
        {0, "12$ $3", "dU", {P, R}, 0},
        {0, "12$ $3", "DDU", {P, R}, 0},
        {0, "12$ $3", "U", {}, 0},
        // Leaving in hold mode 1 ends the press at once, with or without the
        // lost-focus notification before it.
        {0, "12$ $2", "DO", {P}, 0},
        {0x200, "12$ $3", "DO", {P, R, R}, 0},
        {0x200, "12$ $b", "DO", {P, P, R}, 0},
        {0x200, "12$ $6", "DO", {P, P}, 0},
        // Released outside: the next click's down is ignored, its up releases.
        {0, "12$ $2", "Du", {}, 1},
        {0, "12$ $2", "DuDU", {P}, 0},
        {0x800, "12$ $2", "DO", {}, 2},
        {0x800, "12$ $2", "DOI", {}, 3},
        {0x800, "12$ $2", "DOIU", {P}, 0},
        {0xA00, "12$ $3", "DOIU", {P, R, R}, 0},
        {0x900, "12$ $0", "DOI", {P}, 1},
        {0x100, "12$ $2", "DOI", {P}, 0},
    };
    for (auto &c : cases) {
        CCTWindow p(Panel(c.text, c.style));
        CCT_Pump();
        CCTImage look = CCT_Snap(p);
        CCT_ClearLog();
        // Everything happens at once, without waiting for a paint.
        Steps(p, c.steps);
        std::vector<CCTMsg> want;
        for (WPARAM id : c.ids) want.push_back(CCT_Cmd(id, p));
        EXPECT_EQ(CCT_Commands(), want) << c.text << " style " << c.style << " " << c.steps;
        EXPECT_EQ(CCT_Slot(p, 76), c.state) << c.text << " " << c.steps;
        EXPECT_FALSE(GetUpdateRect(p, nullptr, FALSE)) << c.text << " " << c.steps;  // nothing to repaint
        if (c.state == 0) {
            EXPECT_EQ(CCT_Slot(p, 71), 0) << c.text << " " << c.steps;
            EXPECT_EQ(CCT_Slot(p, 77), 0) << c.text << " " << c.steps;
            EXPECT_NE(GetCapture(), p.h) << c.text << " " << c.steps;
        }
        CCT_Pump();
        EXPECT_EQ(CCT_Commands(), want) << c.text << " style " << c.style << " " << c.steps;
        EXPECT_EQ(CCT_Snap(p).px, look.px) << c.text << " " << c.steps;
    }
}

// ---------------------------------------------------------------------------
// Bad input and GDI balance

TEST(S09Fontdisp, BadInputDrawsAndReleasesEverything)
{
    const std::string longFace = "x$" + std::string(50, 'F') + ",20$0";
    const char *texts[] = {"$$$", " ", "$ $", "", "|||$Arial,10$0", "/", "/zz", "x$,$0", "x$,99999$2",
                           "x$LIQUIDCRYSTAL,2147483647$1", "x$LIQUIDCRYSTAL,-5$0", "x$Arial,12$g",
                           longFace.c_str()};
    struct {
        int w, h;
    } sizes[] = {{W, H}, {0, 0}, {1, 1}, {3000, 20}, {4000, 2100}};
    for (auto &sz : sizes) {
        for (const char *t : texts) {
            HWND p = nullptr;
            EXPECT_EQ(CCT_GdiLeaked([&] {
                          p = Panel(t, 0x200, 10, sz.w, sz.h);
                          CCT_Repaint(p);
                          SetWindowTextA(p, t);
                          SetWindowTextA(p, "12:01");
                          EXPECT_EQ(CCT_Text(p), "12:01");  // stored even where nothing draws
                          Steps(p, "DOIuP");
                          Steps(p, "DUP");
                          SetWindowTextA(p, "/O");
                          EnableWindow(p, FALSE);
                          SetWindowTextA(p, t);
                          EnableWindow(p, TRUE);
                          CCT_Pump();
                      }),
                      0)
                << t << " " << sz.w;
            DestroyWindow(p);
        }
    }
}
