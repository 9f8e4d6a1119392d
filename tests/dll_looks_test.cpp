// Every kind's looks through the shipped library, pixel for pixel against the
// snapshots of the first-round library in resources/dll_looks_test/looks.txt
// (64-bit builds: a few from looks64.txt, see there):
// normal, pressed, suspended and disabled looks, label and option changes, at
// several sizes, in one fixed sequence, so that the library's off-screen surface
// and caches carry over from one look to the next as in a panel.
// CC_LOOKS_DLL=<path> loads another build; CC_LOOKS_WRITE=<file> writes the
// loaded build's snapshots instead of comparing (resources/dll_looks_test/
// make_snapshots.sh).
#include <gtest/gtest.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <map>
#include <string>
#include <vector>
#include "harness.h"

namespace {

uint64_t Hash(const CCTImage &img)
{
    uint64_t h = 1469598103934665603ull;
    auto mix = [&h](uint32_t v) {
        for (int i = 0; i < 4; i++, v >>= 8) h = (h ^ (v & 0xFF)) * 1099511628211ull;
    };
    mix((uint32_t)img.w);
    mix((uint32_t)img.h);
    for (COLORREF c : img.px) mix(c);
    return h;
}

// Text in the DC's default font and in a scaled font of the default face: the
// snapshots hold only where text renders as where they were taken.
uint64_t Environment()
{
    CCTCanvas c(240, 60, RGB(255, 255, 255));
    TextOutA(c.dc, 2, 2, "Play|Out Ag 0123", 16);
    LOGFONTA lf = {};
    lf.lfHeight = 21;
    lf.lfWidth = 9;
    HFONT f = CreateFontIndirectA(&lf);
    HGDIOBJ old = SelectObject(c.dc, f);
    TextOutA(c.dc, 2, 24, "STUDIO ONE", 10);
    SelectObject(c.dc, old);
    DeleteObject(f);
    return Hash(c.Image());
}

struct Shot {
    std::string name;
    uint64_t hash;
    CCTImage img;
};

struct Looks {
    std::vector<Shot> shots;
    void Take(const std::string &name, HWND h)
    {
        CCT_Pump();
        CCTImage img = CCT_Snap(h);
        shots.push_back({name, Hash(img), img});
    }
};

void Text(HWND h, const char *t) { SendMessageA(h, WM_SETTEXT, 0, (LPARAM)t); }

struct Size {
    int w, h;
};

struct KindLooks {
    const char *name;
    DWORD style;
    const char *text, *label, *option, *option2;
    bool press;
};

const KindLooks kKinds[] = {
    {"Button", 0x0001, "Play|Out", "Stop", "/9F", "/C1", true},
    {"LED", 0x0002, "On Air", "Off|Air", "/AE9", "/0__2", true},
    {"Dest", 0x0004, "Studio 1", "Studio|Two", "/D3_7_2", "/6", true},
    {"Static", 0x0008, "Channel 1", "Chan|nel 2", "/_5_A0", "/__4_9", false},
    {"Browse", 0x0010, "Cam 1", "Cam|2", "/2F", "/E", true},
    {"Touch", 0x0080, "Take", "Cut", "/A0", "/3C", true},
    {"Flat", 0x0100, "Mix", "Wi|pe", "/9F4E1", "/_C_2", true},
    {"Multi", 0x0200, "VTR 1", "VTR|2", "/3E5A2", "/_9", true},
    {"Bitmap", 0x0040, "MARKED16", "BIG", "/9F", "/_____1", true},
    {"VFader", 0x0400, "", "75", "/9_C_E", "/__A__2", true},
    {"HFader", 0x0800, "", "25", "/9_C_E", "/__A__2", true},
};

// One kind at one size through every look; the window is made and destroyed here.
void Cycle(Looks &r, const KindLooks &k, Size s)
{
    char tag[64];
    snprintf(tag, sizeof tag, "%s %dx%d ", k.name, s.w, s.h);
    std::string p = tag;
    CCTWindow h(CCT_Create(k.style, k.text, 20, 20, s.w, s.h, 501));
    r.Take(p + "normal", h);
    Text(h, k.option);
    r.Take(p + "option", h);
    Text(h, k.label);
    r.Take(p + "label", h);
    if (k.press) {
        int x = s.w / 2, y = s.h / 2;
        CCT_Send(h, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
        r.Take(p + "pressed", h);
        Text(h, k.text);
        r.Take(p + "pressed label", h);
        CCT_Send(h, WM_MOUSEMOVE, x + 2, y / 2 + 1, MK_LBUTTON);
        r.Take(p + "moved", h);
        CCT_Send(h, WM_MOUSEMOVE, s.w + 40, s.h + 40, MK_LBUTTON);
        r.Take(p + "out", h);
        CCT_Send(h, WM_MOUSEMOVE, x, y, MK_LBUTTON);
        r.Take(p + "back", h);
        CCT_Send(h, WM_LBUTTONUP, x, y, 0);
        r.Take(p + "released", h);
    }
    EnableWindow(h, FALSE);
    r.Take(p + "disabled", h);
    Text(h, k.label);
    r.Take(p + "disabled label", h);
    Text(h, k.option2);
    r.Take(p + "disabled option", h);
    EnableWindow(h, TRUE);
    r.Take(p + "enabled", h);
    Text(h, k.text);
    CCT_Repaint(h);
    r.Take(p + "repainted", h);
}

// The fields of Dest and Multi, one variant after the other, normal and pressed.
void Fields(Looks &r, const char *name, DWORD style, int variants)
{
    CCTWindow h(CCT_Create(style, "Main", 20, 20, 120, 64, 502));
    const char *sel[] = {"/_____0", "/_____1", "/_____2", "/_____3"};
    for (int v = 0; v < variants; v++) {
        std::string p = std::string(name) + " field " + std::to_string(v) + " ";
        Text(h, sel[v]);
        Text(h, v % 2 ? "Two|Lines" : "Field");
        r.Take(p + "text", h);
        CCT_Send(h, WM_LBUTTONDOWN, 60, 30, MK_LBUTTON);
        Text(h, "Pressed");
        r.Take(p + "pressed text", h);
        CCT_Send(h, WM_LBUTTONUP, 60, 30, 0);
        r.Take(p + "released", h);
    }
}

// Ident Text: line counts, sizes and colours; each look followed by a label
// swap of a Static Text beside it, which must not inherit the Ident's state.
void Ident(Looks &r)
{
    CCTWindow st(CCT_Create(0x0008, "Beside", 340, 20, 90, 30, 503));
    const Size sizes[] = {{100, 40}, {300, 120}, {160, 60}, {40, 30}};
    const char *texts[] = {"STUDIO", "STUDIO|ONE", "A|BB|CCC", "|lead|"};
    for (Size s : sizes) {
        CCTWindow h(CCT_Create(0x0020, "STUDIO|ONE", 20, 20, s.w, s.h, 504));
        for (const char *t : texts) {
            std::string p = "Ident " + std::to_string(s.w) + "x" + std::to_string(s.h) + " '" + t + "' ";
            Text(h, t);
            r.Take(p + "look", h);
            Text(st, t);
            r.Take(p + "static beside", st);
        }
        Text(h, "/_4_9");
        r.Take("Ident " + std::to_string(s.w) + " option", h);
        EnableWindow(h, FALSE);
        CCT_Repaint(h);
        r.Take("Ident " + std::to_string(s.w) + " disabled", h);
    }
}

Looks Everything()
{
    Looks r;
    Ident(r);
    const Size sizes[] = {{100, 40}, {300, 120}, {23, 11}, {1, 1}, {0, 0}, {64, 150}};
    for (const KindLooks &k : kKinds)
        for (Size s : sizes) Cycle(r, k, s);
    Fields(r, "Dest", 0x0004, 2);
    Fields(r, "Multi", 0x0200, 4);
    return r;
}

std::string EnvString(const char *name)
{
    char b[MAX_PATH];
    DWORD n = GetEnvironmentVariableA(name, b, sizeof b);
    return n && n < sizeof b ? std::string(b, n) : std::string();
}

// Stored snapshots by name ("<hash> <name>" lines), the environment line
// included: LOOKS, and on 64-bit builds the lines of LOOKS64 in their place.
void ReadStored(const char *resource, std::map<std::string, uint64_t> &m)
{
    HRSRC res = FindResourceA(nullptr, resource, (LPCSTR)RT_RCDATA);
    HGLOBAL g = res ? LoadResource(nullptr, res) : nullptr;
    const char *p = g ? (const char *)LockResource(g) : nullptr;
    if (!p) return;
    std::string all(p, SizeofResource(nullptr, res));
    size_t at = 0;
    while (at < all.size()) {
        size_t end = all.find('\n', at);
        if (end == std::string::npos) end = all.size();
        std::string line = all.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() < 18 || line[0] == '#') continue;
        m[line.substr(17)] = strtoull(line.substr(0, 16).c_str(), nullptr, 16);
    }
}

std::map<std::string, uint64_t> Stored()
{
    std::map<std::string, uint64_t> m;
    ReadStored("LOOKS", m);
    if (sizeof(void *) == 8) ReadStored("LOOKS64", m);
    return m;
}

}  // namespace

TEST(Looks, SameAsTheFirstRoundLibrary)
{
    std::string dll = EnvString("CC_LOOKS_DLL"), out = EnvString("CC_LOOKS_WRITE");
    // No sibling search: a system path without libraries.
    SetEnvironmentVariableA("CC_ROOT", "C:");
    SetEnvironmentVariableA("CC_SYSTEM", "cc-looks-none");
    HMODULE lib = LoadLibraryA(dll.empty() ? "KERV_CC.DLL" : dll.c_str());
    ASSERT_NE(lib, nullptr) << dll;
    uint64_t env = Environment();
    Looks r = Everything();
    if (!out.empty()) {
        FILE *f = fopen(out.c_str(), "w");
        ASSERT_NE(f, nullptr) << out;
        fprintf(f, "# Looks of every kind (tests/dll_looks_test.cpp), written by make_snapshots.sh.\n");
        fprintf(f, "%016llx environment\n", (unsigned long long)env);
        for (const Shot &s : r.shots) fprintf(f, "%016llx %s\n", (unsigned long long)s.hash, s.name.c_str());
        ASSERT_EQ(fclose(f), 0);
        return;
    }
    std::map<std::string, uint64_t> stored = Stored();
    ASSERT_GT(stored.size(), 500u);
    if (stored["environment"] != env) GTEST_SKIP() << "text renders differently here: make new snapshots";
    EXPECT_EQ(stored.size(), r.shots.size() + 1);
    int differ = 0;
    for (const Shot &s : r.shots) {
        auto it = stored.find(s.name);
        if (it != stored.end() && it->second == s.hash) continue;
        ADD_FAILURE() << "look differs: " << s.name;
        if (differ++ < 5) CCT_SaveBmp(s.img, ("looks-" + std::to_string(differ) + ".bmp").c_str());
    }
}
