// Leak soak: every kind of both shipped libraries created, painted, pressed,
// given new labels and options, disabled and destroyed over and over. The
// process's GDI objects and heap bytes in use after the last cycle are those
// after the first hundred (the warm-up fills the libraries' caches and
// Wine's own tables).
// CC_SOAK_CYCLES=<n> sets the cycles per kind (default a short run).
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string>
#include "allkinds.h"
#include "ccprocess.h"
#include "harness.h"
#include "kerv_cc.h"

namespace {

const int WARMUP = 100;

void Cycle(const CCTKind &k, int i)
{
    HWND h = CreateWindowExA(0, k.cls, k.text, WS_CHILD | WS_VISIBLE | k.style | (k.special && i % 3 ? 0x200 : 0),
                             10 + i % 7, 10, 60 + i % 50, 30 + i % 20, CCT_Parent(), (HMENU)(INT_PTR)77,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(h, nullptr) << k.name << " cycle " << i;
    CCT_Repaint(h);
    CCT_Send(h, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    CCT_Send(h, WM_MOUSEMOVE, 500, 5, MK_LBUTTON);  // out and back in
    CCT_Send(h, WM_MOUSEMOVE, 6, 6, MK_LBUTTON);
    CCT_Send(h, WM_LBUTTONUP, 6, 6, 0);
    std::string label = (k.special ? "L" + std::to_string(i) + "$" + (i % 2 ? "Arial,12" : "30") + "$3"
                                   : std::to_string(i % 101) + "|two");
    SendMessageA(h, WM_SETTEXT, 0, (LPARAM)label.c_str());
    char opt[8] = "/";
    opt[1] = CCOptionDigit(i % 16);
    opt[2] = CCOptionDigit((i / 16) % 16);
    SendMessageA(h, WM_SETTEXT, 0, (LPARAM)opt);
    EnableWindow(h, FALSE);
    SendMessageA(h, WM_SETTEXT, 0, (LPARAM)"Off");
    EnableWindow(h, TRUE);
    CCT_Repaint(h);
    if (i % 2) SendMessageA(h, WM_CLOSE, 0, 0);  // the kinds with a block free it here
    if (IsWindow(h)) DestroyWindow(h);
    CCT_Pump();
    CCT_ClearLog();  // the log's own memory stays as it is
}

class SoakTest : public testing::TestWithParam<int> {};

TEST_P(SoakTest, NoGrowth)
{
    ASSERT_TRUE(CCT_LoadBoth());
    const CCTKind &k = CCT_KINDS[GetParam()];
    const char *env = getenv("CC_SOAK_CYCLES");
    int cycles = env && *env ? atoi(env) : 300;
    if (cycles < WARMUP + 1) cycles = WARMUP + 1;
    DWORD start = GetTickCount();
    DWORD gdi0 = 0;
    size_t heap0 = 0;
    for (int i = 0; i < cycles && !HasFatalFailure(); i++) {
        Cycle(k, i);
        if (i + 1 == WARMUP) {
            gdi0 = CCP_GdiObjects();
            heap0 = CCP_HeapBytes();
        }
    }
    DWORD gdi = CCP_GdiObjects();
    size_t heap = CCP_HeapBytes();
    printf("[ soak     ] %-12s %d cycles, %lu ms: GDI objects %lu -> %lu, heap bytes %lu -> %lu\n", k.name, cycles,
           GetTickCount() - start, gdi0, gdi, (unsigned long)heap0, (unsigned long)heap);
    EXPECT_GT(gdi0, 0u);
    EXPECT_EQ(gdi, gdi0) << k.name;
    EXPECT_EQ(heap, heap0) << k.name;
}

INSTANTIATE_TEST_SUITE_P(AllKinds, SoakTest, testing::Range(0, 20),
                         [](const testing::TestParamInfo<int> &i) { return std::string(CCT_KINDS[i.param].name); });

}  // namespace
