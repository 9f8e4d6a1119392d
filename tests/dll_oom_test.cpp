// Out of memory and out of GDI resources: the shipped libraries' global
// blocks, slot blocks, window DCs, memory DCs, bitmaps, fonts, pens and brushes
// refused, one call at a time (every failure point of a control's life) or all
// of them, for every kind. Nothing crashes, reads stay inside their buffers,
// and the documented fallbacks show: slots read 0 without a slot block, a
// fader or Dest without its block, the placeholder instead of a picture file.
// CC_OOM_GDI_STRIDE=<n> tries every n-th GDI failure point (default 4; 1 tries all).
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string>
#include "allkinds.h"
#include "harness.h"

namespace {

const char PICTURE[] = "OOMPIC";

// An 8 x 8 24-bit picture file in the program's folder.
void WritePicture()
{
    unsigned char f[54 + 8 * 24] = {'B', 'M'};
    BITMAPINFOHEADER *bi = (BITMAPINFOHEADER *)(f + 14);
    bi->biSize = 40;
    bi->biWidth = bi->biHeight = 8;
    bi->biPlanes = 1;
    bi->biBitCount = 24;
    for (size_t i = 54; i < sizeof f; i++) f[i] = (unsigned char)(i * 37);
    FILE *out = fopen("OOMPIC.BMP", "wb");
    ASSERT_NE(out, nullptr);
    fwrite(f, 1, sizeof f, out);
    fclose(out);
}

void Load()
{
    static bool done;
    if (done) return;
    done = true;
    ASSERT_TRUE(CCT_LoadBoth());
    CCT_FailWatch(GetModuleHandleA("KERV_CC.DLL"));
    CCT_FailWatch(GetModuleHandleA("KERV_CC09.DLL"));
    WritePicture();
}

std::string TextOf(const CCTKind &k)
{
    if (k.style == 2 && k.special) return std::string("Pic$") + PICTURE + "$3";
    return k.text;
}

// Reads with guards on both sides; the answer fits and nothing outside is written.
void SoundRead(HWND h, UINT msg, int size, const char *what)
{
    std::vector<char> buf((size_t)size + 32, 'Q');
    LRESULT n = SendMessageA(h, msg, (WPARAM)size, (LPARAM)(buf.data() + 16));
    for (int i = 0; i < 16; i++) {
        ASSERT_EQ(buf[i], 'Q') << what;
        ASSERT_EQ(buf[16 + size + i], 'Q') << what;
    }
    if (buf[16] != 'Q') {
        ASSERT_LT(n, size) << what;
    }
}

// A control's life: created, painted, pressed, texts and options, read,
// disabled, closed. Returns the window while it still exists (null after).
void Life(const CCTKind &k, const std::function<void(HWND)> &check = nullptr)
{
    HWND h = CreateWindowExA(0, k.cls, TextOf(k).c_str(), WS_CHILD | WS_VISIBLE | k.style, 10, 10, 90, 40,
                             CCT_Parent(), (HMENU)(INT_PTR)55, GetModuleHandleA(nullptr), nullptr);
    if (!h) return;
    CCT_Repaint(h);
    CCT_Send(h, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    CCT_Send(h, WM_MOUSEMOVE, 300, 5, MK_LBUTTON);
    CCT_Send(h, WM_MOUSEMOVE, 6, 6, MK_LBUTTON);
    CCT_Send(h, WM_LBUTTONUP, 6, 6, 0);
    SendMessageA(h, WM_SETTEXT, 0, (LPARAM)(k.special ? "New$Arial,14$3" : "75"));
    SendMessageA(h, WM_SETTEXT, 0, (LPARAM)"/9F__1");
    SendMessageA(h, WM_SETTEXT, 0, (LPARAM)"Two|Lines");
    SendMessageA(h, WM_SETTEXT, 0, (LPARAM)"/_____0");
    SoundRead(h, WM_GETTEXT, 40, k.name);
    SoundRead(h, WM_GETTEXT, 1, k.name);
    SoundRead(h, WM_USER + 2101, 40, k.name);
    EnableWindow(h, FALSE);
    SendMessageA(h, WM_SETTEXT, 0, (LPARAM)"Off");
    EnableWindow(h, TRUE);
    CCT_Repaint(h);
    if (check) check(h);
    SendMessageA(h, WM_CLOSE, 0, 0);
    if (IsWindow(h)) DestroyWindow(h);
    CCT_Pump();
}

class OomTest : public testing::TestWithParam<int> {};

// Every memory failure point and every n-th GDI one, each on its own.
TEST_P(OomTest, EachFailurePointAlone)
{
    Load();
    const CCTKind &k = CCT_KINDS[GetParam()];
    const char *env = getenv("CC_OOM_GDI_STRIDE");
    int stride = env && *env ? atoi(env) : 4;
    if (stride < 1) stride = 1;
    int mem = CCT_FailPoints(CCT_FAIL_MEMORY, [&] { Life(k); });
    int gdi = CCT_FailPoints(CCT_FAIL_GDI, [&] { Life(k); });
    EXPECT_GT(mem, 0);  // the slot block at least
    int tried = 0;
    for (int at = 1; at <= mem && !HasFatalFailure(); at++, tried++)
        CCT_FailRun(CCT_FAIL_MEMORY, at, [&] { Life(k); });
    for (int at = 1; at <= gdi && !HasFatalFailure(); at += stride, tried++)
        CCT_FailRun(CCT_FAIL_GDI, at, [&] { Life(k); });
    printf("[ oom      ] %-12s %d memory and %d GDI failure points, %d tried\n", k.name, mem, gdi, tried);
}

// Everything refused at once: no slot block, no global block, no DC.
TEST_P(OomTest, EverythingRefused)
{
    Load();
    const CCTKind &k = CCT_KINDS[GetParam()];
    CCT_FailRun(CCT_FAIL_MEMORY | CCT_FAIL_GDI, 0, [&] {
            Life(k, [&](HWND h) { EXPECT_EQ(GetWindowLongPtrA(h, 0), 0) << k.name << " keeps a slot block"; });
    });
}

INSTANTIATE_TEST_SUITE_P(AllKinds, OomTest, testing::Range(0, 20),
                         [](const testing::TestParamInfo<int> &i) { return std::string(CCT_KINDS[i.param].name); });

// The kinds that own a global block go on without it: the slot stays 0, the
// Dest and Multi buttons answer WM_GETTEXT without writing into the buffer, the Combo BMP
// button shows its placeholder (its picture file is not kept).
TEST(Oom, KindsWithoutTheirBlock)
{
    Load();
    struct Case {
        int kind, slot;
        bool noText;
    } cases[] = {{2, 13, true}, {9, 13, true}, {10, 13, false}, {11, 13, false}, {13, 20, false}};
    for (const Case &c : cases) {
        const CCTKind &k = CCT_KINDS[c.kind];
        LONG kept = 0, refused = 1;
        Life(k, [&](HWND h) { kept = CCT_Slot(h, c.slot); });
        EXPECT_NE(kept, 0) << k.name << " keeps no block when memory is there";
        CCT_FailRun(CCT_FAIL_GLOBAL, 0, [&] {
            Life(k, [&](HWND h) {
                refused = CCT_Slot(h, c.slot);
                char buf[16] = "untouched";
                SendMessageA(h, WM_GETTEXT, sizeof buf, (LPARAM)buf);
                if (c.noText) {
                    EXPECT_STREQ(buf, "untouched") << k.name;
                }
            });
        });
        EXPECT_EQ(refused, 0) << k.name;
    }
}

}  // namespace
