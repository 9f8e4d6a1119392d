// Message storm: every kind of both shipped libraries gets a seeded random
// sequence of what a careless or hostile panel can send (mouse anywhere in 16
// bits, texts of any length full of '/', '$' and '|', reads into buffers of 0 to
// 600 bytes, enabling, sizes up to 65535, style and kind changes, WM_CLOSE,
// timers, destroy and re-create). While it runs: notifications come only from
// the control with an id its kind may send, every read stays inside the buffer
// given, texts stay within their limits.
// CC_STORM_MESSAGES=<n> sets the messages per kind (default a short run),
// CC_STORM_SEED=<n> the seed.
#include <gtest/gtest.h>
#include <algorithm>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include "allkinds.h"
#include "harness.h"

namespace {

const int ID = 4321;
const int GUARD = 64;
const UINT RAWTEXT = WM_USER + 2101;

struct Rng {
    uint32_t s;
    uint32_t Next()
    {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    int Below(int n) { return (int)(Next() % (uint32_t)n); }
    bool Chance(int percent) { return Below(100) < percent; }
};

long EnvLong(const char *name, long fallback)
{
    const char *v = getenv(name);
    return v && *v ? strtol(v, nullptr, 10) : fallback;
}

std::string RandomText(Rng &r)
{
    static const char alphabet[] = "//$$$||__ 0123456789ABCDEFabcfRLNO:,.Xx";
    int len = r.Chance(80) ? r.Below(40) : r.Below(601);
    std::string s;
    if (r.Chance(25)) s += '/';
    for (int i = (int)s.size(); i < len; i++)
        s += r.Chance(95) ? alphabet[r.Below(sizeof alphabet - 1)] : (char)(1 + r.Below(255));
    return s;
}

// A well-formed option text, so that variants and colour pairs are reached.
std::string OptionText(Rng &r)
{
    static const char digits[] = "0123456789ABCDEF____RLNOa";
    std::string s = "/";
    for (int i = 0, n = r.Below(8); i < n; i++) s += digits[r.Below(sizeof digits - 1)];
    return s;
}

// Label$aux$flags with the flags digit chosen from every hex value.
std::string FieldText(Rng &r)
{
    static const char hex[] = "0123456789ABCDEFabcdef";
    std::string s = RandomText(r).substr(0, 20);
    return s + "$" + (r.Chance(50) ? std::to_string(r.Below(200)) : RandomText(r).substr(0, 12)) + "$" +
           hex[r.Below(sizeof hex - 1)];
}

struct Storm {
    const CCTKind *kind;
    Rng r;
    HWND hwnd = nullptr;
    DWORD style = 0;  // kind bits in use (a kind change swaps them)
    long messages = 0;
    size_t seen = 0;  // log entries checked

    bool Special() const { return kind->special; }

    void Create()
    {
        if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
        style = kind->style;
        DWORD extra = Special() ? r.Next() & 0x3F0 : 0;
        std::string text = r.Chance(50) ? kind->text : Special() ? FieldText(r) : RandomText(r);
        hwnd = CreateWindowExA(0, kind->cls, text.c_str(), WS_CHILD | WS_VISIBLE | style | extra, r.Below(200),
                               r.Below(200), r.Below(300), r.Below(120), CCT_Parent(), (HMENU)(INT_PTR)ID,
                               GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(hwnd, nullptr) << kind->name;
    }

    // Notifications since the last check: from this control, with an id its kind may send.
    void CheckLog()
    {
        std::vector<CCTMsg> &log = CCT_Log();
        for (; seen < log.size(); seen++) {
            const CCTMsg &m = log[seen];
            if (m.msg != WM_COMMAND) continue;
            bool plus1000 = Special() || style == 0x0100;
            ASSERT_EQ((HWND)m.lParam, hwnd) << kind->name << " message " << messages;
            ASSERT_TRUE(m.wParam == (WPARAM)ID || (plus1000 && m.wParam == (WPARAM)ID + 1000))
                << kind->name << " wParam " << m.wParam << " message " << messages;
        }
        if (log.size() > 4096) {
            CCT_ClearLog();
            seen = 0;
        }
    }

    // A read into a buffer of `size` bytes between guards: nothing written
    // outside, a terminated text inside, an answer that fits.
    void Read(UINT msg, int size)
    {
        std::vector<char> buf((size_t)size + 2 * GUARD, '\x5A');
        char *p = buf.data() + GUARD;
        LRESULT n = SendMessageA(hwnd, msg, (WPARAM)size, (LPARAM)p);
        for (int i = 0; i < GUARD; i++) {
            ASSERT_EQ(buf[i], '\x5A') << kind->name << " wrote before the buffer, message " << messages;
            ASSERT_EQ(p[size + i], '\x5A') << kind->name << " wrote past " << size << " bytes, message " << messages;
        }
        ASSERT_GE(n, 0) << kind->name;
        // A window turned inert answers 1 to everything and writes nothing.
        WORD low = LOWORD(GetWindowLongA(hwnd, GWL_STYLE));
        if (!Special() && (low == 0 || low == 3)) return;
        if (size == 0 || (std::find(p, p + size, '\x5A') == p && n == 0)) return;  // nothing written
        const char *end = (const char *)memchr(p, 0, (size_t)size);
        ASSERT_NE(end, nullptr) << kind->name << " text not terminated in " << size << " bytes, message " << messages
                                << " answer " << n << " starts " << std::string(p, 16);
        ASSERT_LT(n, size) << kind->name << " answer beyond the buffer, message " << messages;
        // A new text is cut to 59 characters and joined with the old fields: two
        // fields of at most 59, two '$' and the flags character.
        if (Special() && msg == RAWTEXT) {
            ASSERT_LE(end - p, 121) << kind->name << " text grew: " << std::string(p, (size_t)(end - p));
        }
    }

    void Mouse()
    {
        static const UINT kinds[] = {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_MOUSEMOVE, WM_MOUSEMOVE, WM_LBUTTONUP,
                                     WM_LBUTTONDBLCLK, WM_RBUTTONDOWN};
        UINT msg = kinds[r.Below(sizeof kinds / sizeof kinds[0])];
        RECT rc;
        GetClientRect(hwnd, &rc);
        LPARAM lp;
        if (r.Chance(50) && rc.right > 0 && rc.bottom > 0)
            lp = MAKELPARAM(r.Below(rc.right + 4), r.Below(rc.bottom + 4));
        else
            lp = (LPARAM)r.Next();
        WPARAM keys = msg == WM_LBUTTONUP ? (r.Chance(10) ? MK_LBUTTON : 0) : r.Chance(70) ? MK_LBUTTON : r.Below(32);
        HWND to = GetCapture();
        if (!to || !IsChild(CCT_Parent(), to)) to = hwnd;
        SendMessageA(to, msg, keys, lp);
    }

    void Resize()
    {
        int w = r.Chance(60) ? r.Below(400) : r.Below(65536), h = r.Chance(60) ? r.Below(200) : r.Below(65536);
        SetWindowPos(hwnd, nullptr, r.Below(300), r.Below(300), w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    void Restyle()
    {
        LONG s = GetWindowLongA(hwnd, GWL_STYLE);
        if (Special()) {
            s = (s & ~0xFFF0) | (LONG)((r.Next() & 0xFFF0));
        } else if (r.Chance(20)) {
            s = (s & ~0xFFFF) | (r.Chance(50) ? 0x0003 : 0);  // an inert window for a while
        } else {
            s = (s & ~0xFFFF) | (LONG)style;
        }
        SetWindowLongA(hwnd, GWL_STYLE, s);
    }

    // The window turned into another kind of its library, or back.
    void SwapKind()
    {
        const CCTKind *other = &CCT_KINDS[Special() ? 12 + r.Below(8) : r.Below(12)];
        style = r.Chance(50) ? kind->style : other->style;
        LONG s = GetWindowLongA(hwnd, GWL_STYLE);
        SetWindowLongA(hwnd, GWL_STYLE, (s & ~(Special() ? 0xF : 0xFFFF)) | (LONG)style);
    }

    void Step()
    {
        int op = r.Below(100);
        if (op < 34) Mouse();
        else if (op < 46) SendMessageA(hwnd, WM_SETTEXT, 0, (LPARAM)(Special() && r.Chance(50) ? FieldText(r) : RandomText(r)).c_str());
        else if (op < 52) SendMessageA(hwnd, WM_SETTEXT, 0, (LPARAM)OptionText(r).c_str());
        else if (op < 61) Read(WM_GETTEXT, r.Below(601));
        else if (op < 65) Read(RAWTEXT, r.Below(601));
        else if (op < 67) SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
        else if (op < 70) EnableWindow(hwnd, r.Chance(60));
        else if (op < 73) Resize();
        else if (op < 75) SendMessageA(hwnd, WM_SIZE, 0, (LPARAM)r.Next());
        else if (op < 77) Restyle();
        else if (op < 78) SwapKind();
        else if (op < 80) SendMessageA(hwnd, WM_CLOSE, 0, 0);
        else if (op < 83) SendMessageA(hwnd, WM_TIMER, r.Chance(80) ? 1 + r.Below(2) : r.Next(), 0);
        else if (op < 88) CCT_Repaint(hwnd);
        else if (op < 92) CCT_Pump();
        else if (op < 93) Create();
        else if (op < 95) SendMessageA(hwnd, WM_SETTEXT, 0, 0);  // null text
        else if (op < 96) SendMessageA(hwnd, WM_GETTEXT, (WPARAM)r.Below(601), 0);  // no buffer
        else if (op < 97) SendMessageA(hwnd, RAWTEXT, (WPARAM)r.Below(601), 0);
        else if (op < 98) ReleaseCapture();
        else {
            static const UINT odd[] = {WM_PARENTNOTIFY, WM_CAPTURECHANGED, WM_KILLFOCUS, WM_CANCELMODE, WM_SETFOCUS,
                                       WM_ERASEBKGND, WM_NCHITTEST, WM_STYLECHANGED};
            UINT m = odd[r.Below(sizeof odd / sizeof odd[0])];
            SendMessageA(hwnd, m, m == WM_PARENTNOTIFY ? (r.Chance(50) ? 0x0201 : r.Next() & 0xFFFF) : 0,
                         m == WM_STYLECHANGED ? 0 : (LPARAM)r.Next());
        }
        messages++;
        if (!IsWindow(hwnd)) Create();  // WM_CLOSE destroyed it
    }
};

class StormTest : public testing::TestWithParam<int> {};

TEST_P(StormTest, SurvivesRandomMessages)
{
    ASSERT_TRUE(CCT_LoadBoth());
    const CCTKind &k = CCT_KINDS[GetParam()];
    long count = EnvLong("CC_STORM_MESSAGES", 1000);
    uint32_t seed = (uint32_t)EnvLong("CC_STORM_SEED", 20261209) * 2654435761u + (uint32_t)GetParam();
    Storm s{&k, Rng{seed ? seed : 1}};
    CCT_ClearLog();
    s.Create();
    DWORD start = GetTickCount();
    while (s.messages < count && !HasFatalFailure()) {
        s.Step();
        s.CheckLog();
    }
    if (GetCapture()) ReleaseCapture();
    if (IsWindow(s.hwnd)) DestroyWindow(s.hwnd);
    CCT_Pump();
    RecordProperty("messages", (int)s.messages);
    printf("[ storm    ] %-12s %ld messages, %lu ms\n", k.name, s.messages, GetTickCount() - start);
}

INSTANTIATE_TEST_SUITE_P(AllKinds, StormTest, testing::Range(0, 20),
                         [](const testing::TestParamInfo<int> &i) { return std::string(CCT_KINDS[i.param].name); });

}  // namespace
