// Frame of the special library: common slots at creation, the 59-character cut,
// one '$' field for WM_GETTEXT, the raw text, right clicks passed to the parent,
// the window check before dispatch and default processing of unknown kinds.
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include <vector>
#include "harness.h"
#include "ccslots.h"
#include "kerv_cc.h"
#include "s09_frame.h"

static HWND Make(DWORD kind, const char *text, int w = 60, int h = 24, int id = 301)
{
    return CCT_Create(kind, text, 10, 20, w, h, id, nullptr, CC09_CLASS_NAME);
}

// A kind that records what reaches it, put into the kind table for one test.
struct Seen {
    UINT msg;
    std::string text;  // WM_SETTEXT text, CC_GETRAWTEXT buffer
    LONG slots[7];     // slots 0, 1, 2, 5, 6, 19, 20 when it arrived
};
static std::vector<Seen> s_seen;

static LRESULT RecordingKind(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    LRESULT r = DefWindowProcA(hwnd, msg, wParam, lParam);
    Seen s = {msg, "", {}};
    if ((msg == WM_SETTEXT || msg == CC_GETRAWTEXT) && lParam) s.text = (const char *)lParam;
    const int idx[7] = {0, 1, 2, 5, 6, 19, 20};
    for (int i = 0; i < 7; i++) s.slots[i] = CCT_Slot(hwnd, idx[i]);
    s_seen.push_back(s);
    return r;
}

struct RecordingKindIn {
    int kind;
    CCKindHandler was;
    explicit RecordingKindIn(int k) : kind(k), was(CC09Kinds[k])
    {
        CC09Kinds[k] = RecordingKind;
        s_seen.clear();
    }
    ~RecordingKindIn() { CC09Kinds[kind] = was; }
    const Seen *Find(UINT msg) const
    {
        for (const Seen &s : s_seen)
            if (s.msg == msg) return &s;
        return nullptr;
    }
};

// ---------------------------------------------------------------------------
// Creation

TEST(S09Create, CommonSlotsAndJustificationFromTheLastCharacter)
{
    struct {
        const char *text;
        LONG justify;
    } cases[] = {
        {"Go$Aux$6", 1}, {"Go$Aux$a", 2}, {"Go$Aux$2", 0}, {"Go$Aux$C", 3}, {"LabelB", 2},
        {"Go$Aux$z", 0}, {"", 0},         {"$$$", 0},      {" ", 0},        {"Go$Aux$16", 1},
    };
    for (auto &c : cases) {
        for (int kind : {0, 3, 9}) {
            CCTWindow w(Make(kind, c.text, 70, 33));
            ASSERT_TRUE(w.h) << c.text;
            EXPECT_EQ(CCT_Slot(w, 19), c.justify) << c.text << " kind " << kind;
            EXPECT_EQ(CCGetJustify(w), c.justify == 3 ? 0 : c.justify) << c.text;
            EXPECT_EQ(CCT_Slot(w, 0), 70);
            EXPECT_EQ(CCT_Slot(w, 1), 33);
            EXPECT_EQ(CCT_Slot(w, 2), 1);
            // The LED display (kind 3) turns the frame's colours into red on black.
            EXPECT_EQ(CCT_Slot(w, 5), kind == 3 ? 0 : 8);
            EXPECT_EQ(CCT_Slot(w, 6), kind == 3 ? 9 : 0);
        }
    }
}

TEST(S09Create, KindSeesCreationAfterTheFrameAndSizeIsKept)
{
    RecordingKindIn rec(1);
    CCTWindow w(Make(1, "Go$Aux$6", 44, 18));
    const Seen *c = rec.Find(WM_CREATE);
    ASSERT_TRUE(c);
    const LONG expect[7] = {44, 18, 1, 8, 0, 1, 0};
    for (int i = 0; i < 7; i++) EXPECT_EQ(c->slots[i], expect[i]) << i;
    SetWindowPos(w, nullptr, 0, 0, 91, 37, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(CCT_Slot(w, 0), 91);
    EXPECT_EQ(CCT_Slot(w, 1), 37);
    SendMessageA(w, WM_SIZE, 0, MAKELPARAM(0xFFFF, 0x8000));
    EXPECT_EQ(CCT_Slot(w, 0), 0xFFFF);
    EXPECT_EQ(CCT_Slot(w, 1), 0x8000);
}

// ---------------------------------------------------------------------------
// Texts

TEST(S09Text, FieldByVariantAnswersTheWholeLength)
{
    struct {
        const char *text;
        int variant;
        const char *field;
    } cases[] = {
        {"Go$Aux$2", 0, "Go"}, {"Go$Aux$2", 1, "Aux"}, {"Go$Aux$2", 2, ""},   {"Go$Aux$2", 15, ""},
        {"A$$5", 1, "5"},      {"$B", 0, "B"},         {"$B", 1, ""},         {"Go", 1, ""},
        {"$$$", 0, ""},        {"", 0, ""},            {"$$x$$y$", 1, "y"},   {" $ $2", 0, " "},
    };
    for (auto &c : cases) {
        CCTWindow w(Make(0, c.text));
        CCSetSlot(w, 3, c.variant | 0x30);  // only the low four bits choose
        char buf[32];
        memset(buf, '#', sizeof buf);
        LRESULT n = SendMessageA(w, WM_GETTEXT, 20, (LPARAM)buf);
        EXPECT_EQ(n, (LRESULT)strlen(c.text)) << c.text;
        EXPECT_STREQ(buf, c.field) << c.text << " variant " << c.variant;
        for (int i = (int)strlen(c.field); i < 20; i++) ASSERT_EQ(buf[i], '\0') << c.text << " at " << i;
        EXPECT_EQ(buf[20], '#') << "written past the caller's size";
        EXPECT_EQ(CCT_RawText(w), c.text);
        EXPECT_EQ(SendMessageA(w, WM_GETTEXTLENGTH, 0, 0), (LRESULT)strlen(c.text));
    }
}

TEST(S09Text, CallerBufferSizesFromZeroToBeyondTheWorkBuffer)
{
    CCTWindow w(Make(0, "Go$Aux$2"));
    std::vector<char> buf(5000, '#');
    EXPECT_EQ(SendMessageA(w, WM_GETTEXT, 0, (LPARAM)buf.data()), 0);
    EXPECT_EQ(buf[0], '#');
    EXPECT_EQ(SendMessageA(w, WM_GETTEXT, 1, (LPARAM)buf.data()), 0);
    EXPECT_EQ(buf[0], '\0');
    EXPECT_EQ(buf[1], '#');
    EXPECT_EQ(SendMessageA(w, WM_GETTEXT, 3, (LPARAM)buf.data()), 2);  // "Go" fits, "$" does not
    EXPECT_STREQ(buf.data(), "Go");
    EXPECT_EQ(SendMessageA(w, WM_GETTEXT, 4000, (LPARAM)buf.data()), 8);
    EXPECT_STREQ(buf.data(), "Go");
    EXPECT_EQ(buf[3999], '\0');
    EXPECT_EQ(buf[4000], '#');
    EXPECT_EQ(SendMessageA(w, WM_GETTEXT, 10, 0), 0);  // no buffer

    // A creation text longer than the work buffer is read as far as it goes.
    std::string longText(4000, 'L');
    CCTWindow l(Make(0, longText.c_str()));
    std::fill(buf.begin(), buf.end(), '#');
    LRESULT n = SendMessageA(l, WM_GETTEXT, 4000, (LPARAM)buf.data());
    EXPECT_EQ(n, 511);
    EXPECT_EQ(strlen(buf.data()), 511u);
    EXPECT_EQ(buf[4000], '#');
}

TEST(S09Text, NewTextsCutAt59OnACopy)
{
    RecordingKindIn rec(2);
    CCTWindow w(Make(2, "x"));
    for (size_t len : {0u, 1u, 58u, 59u, 60u, 61u, 4000u}) {
        std::string t;
        for (size_t i = 0; i < len; i++) t += (char)('a' + i % 26);
        std::string kept = t;
        s_seen.clear();
        EXPECT_TRUE(SendMessageA(w, WM_SETTEXT, 0, (LPARAM)t.c_str()));
        EXPECT_EQ(t, kept) << "the caller's string was written";
        std::string want = t.substr(0, 59);
        EXPECT_EQ(CCT_RawText(w), want) << len;
        const Seen *s = rec.Find(WM_SETTEXT);
        ASSERT_TRUE(s);
        EXPECT_EQ(s->text, want);
    }
    // A text in read-only memory is never written either.
    static const char literal[] = "0123456789012345678901234567890123456789012345678901234567890123456789";
    EXPECT_TRUE(SendMessageA(w, WM_SETTEXT, 0, (LPARAM)literal));
    EXPECT_EQ(CCT_RawText(w), std::string(literal, 59));
    EXPECT_TRUE(SendMessageA(w, WM_SETTEXT, 0, (LPARAM) "$$$$"));
    char buf[8] = "#######";
    EXPECT_EQ(SendMessageA(w, WM_GETTEXT, sizeof buf, (LPARAM)buf), 4);
    EXPECT_STREQ(buf, "");
    EXPECT_TRUE(SendMessageA(w, WM_SETTEXT, 0, 0));  // null text: default processing
}

TEST(S09Text, RawTextReachesTheKindAfterTheFrameFilledIt)
{
    RecordingKindIn rec(3);
    CCTWindow w(Make(3, "Go$Aux$6"));
    EXPECT_EQ(CCT_RawText(w), "Go$Aux$6");
    const Seen *s = rec.Find(CC_GETRAWTEXT);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->text, "Go$Aux$6");
    char small[4] = "###";
    SendMessageA(w, CC_GETRAWTEXT, 3, (LPARAM)small);
    EXPECT_STREQ(small, "Go");
    // WM_GETTEXT and right clicks are the frame's alone.
    s_seen.clear();
    char buf[16];
    SendMessageA(w, WM_GETTEXT, sizeof buf, (LPARAM)buf);
    SendMessageA(w, WM_RBUTTONDOWN, 0, 0);
    EXPECT_FALSE(rec.Find(WM_GETTEXT));
    EXPECT_FALSE(rec.Find(WM_RBUTTONDOWN));
}

// ---------------------------------------------------------------------------
// Right clicks, the window check and unknown kinds

TEST(S09Route, RightClickGoesToTheParentInItsCoordinates)
{
    RecordingKindIn rec(4);
    CCTWindow w(CCT_Create(4, "R$ $2", 37, 53, 40, 30, 77, nullptr, CC09_CLASS_NAME));
    for (POINT p : {POINT{0, 0}, POINT{5, 6}, POINT{39, 29}}) {
        CCT_ClearLog();
        SendMessageA(w, WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, MAKELPARAM(p.x, p.y));
        POINT q = p;
        MapWindowPoints(w, CCT_Parent(), &q, 1);
        ASSERT_EQ(CCT_Log().size(), 1u);
        EXPECT_EQ(CCT_Log()[0], (CCTMsg{WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, MAKELPARAM(q.x, q.y)}));
    }
    EXPECT_FALSE(rec.Find(WM_RBUTTONDOWN));
}

static LRESULT CALLBACK ForeignProc(HWND h, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(h, m, wp, lp); }

TEST(S09Route, WindowOfAnotherClassGetsOneAndKeepsItsExtraWord)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ForeignProc;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "CCForeign";
    RegisterClassA(&wc);
    HWND f = CreateWindowExA(0, "CCForeign", "Go$Aux$6", WS_CHILD | 3, 0, 0, 20, 20, CCT_Parent(), nullptr,
                             wc.hInstance, nullptr);
    ASSERT_TRUE(f);
    SetWindowLongPtrA(f, 0, 0x1234);
    char buf[16] = "unchanged";
    const UINT msgs[] = {WM_CREATE, WM_SIZE, WM_SETTEXT, WM_GETTEXT, CC_GETRAWTEXT, WM_RBUTTONDOWN,
                         WM_DESTROY, WM_NCDESTROY, WM_USER};
    CCT_ClearLog();
    for (UINT m : msgs) {
        LPARAM lp = (m == WM_GETTEXT || m == CC_GETRAWTEXT || m == WM_SETTEXT) ? (LPARAM)buf : 0;
        EXPECT_EQ(VEK_CC_WndFn(f, m, sizeof buf, lp), 1) << m;
    }
    EXPECT_STREQ(buf, "unchanged");
    EXPECT_EQ(GetWindowLongPtrA(f, 0), 0x1234);
    EXPECT_TRUE(CCT_Log().empty());
    // Its paint requests are validated all the same.
    InvalidateRect(f, nullptr, FALSE);
    EXPECT_EQ(VEK_CC_WndFn(f, WM_PAINT, 0, 0), 1);
    RECT r;
    EXPECT_FALSE(GetUpdateRect(f, &r, FALSE));
    DestroyWindow(f);
    EXPECT_EQ(VEK_CC_WndFn(f, WM_USER, 0, 0), 0);  // no longer a window
}

TEST(S09Route, KindsOutsideOneToEightTakeDefaultProcessing)
{
    for (DWORD kind : {0u, 9u, 10u, 15u}) {
        CCTWindow w(Make(kind, "Go$Aux$2"));
        ASSERT_TRUE(w.h) << kind;
        EXPECT_EQ(SendMessageA(w, WM_GETTEXTLENGTH, 0, 0), 8) << kind;
        EXPECT_EQ(SendMessageA(w, WM_USER + 5, 0, 0), 0) << kind;
        CCT_Repaint(w);
        RECT r;
        EXPECT_FALSE(GetUpdateRect(w, &r, FALSE)) << kind;
    }
}

TEST(S09Route, WindowWithoutParentGetsOneAfterTheFrameWork)
{
    HWND w = CreateWindowExA(0, CC09_CLASS_NAME, "Go$Aux$6", WS_POPUP | 1, 0, 0, 30, 20, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(w);
    EXPECT_EQ(CCT_Slot(w, 0), 30);  // the frame's creation work was done
    EXPECT_EQ(SendMessageA(w, WM_GETTEXTLENGTH, 0, 0), 1);
    DestroyWindow(w);
}

TEST(S09Route, OwnedBlockFreedBeforeTheKindSeesDestruction)
{
    RecordingKindIn rec(2);
    HWND w = Make(2, "C$pic$2");
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 64);
    CCSetHandleSlot(w, CC_SLOT_PICTURE, block);
    DestroyWindow(w);
    const Seen *d = rec.Find(WM_DESTROY);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->slots[6], 0);
    EXPECT_TRUE(rec.Find(WM_NCDESTROY));
}

TEST(S09Options, StyleLettersOnlyForKindSix)
{
    struct {
        DWORD kind, before;
        const char *text;
        DWORD after;
    } cases[] = {
        {6, 0x000, "/R", 0x080}, {6, 0x080, "/L", 0x000}, {6, 0x040, "/N", 0x000}, {6, 0x000, "/O", 0x040},
        {6, 0x8C0, "/L", 0x840}, {1, 0x000, "/R", 0x000}, {3, 0x000, "/O", 0x000}, {6, 0x000, "/r", 0x000},
    };
    for (auto &c : cases) {
        CCTWindow w(Make(c.kind | c.before, "x"));
        CCSetSlot(w, 5, 4);
        LONG highBits = GetWindowLongA(w, GWL_STYLE) & ~0xFFFF;
        EXPECT_EQ(CCParseOptions(w, c.text), 1);
        EXPECT_EQ((DWORD)GetWindowLongA(w, GWL_STYLE), (DWORD)highBits | c.kind | c.after) << c.text;
        EXPECT_EQ(CCT_Slot(w, 5), 4) << c.text;
    }
}
