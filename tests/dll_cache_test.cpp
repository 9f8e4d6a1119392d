// What the shipped library keeps between paints stays bounded: a panel holds a
// fixed number of GDI objects whatever its size, thousands of controls made and
// destroyed leave GDI objects and memory as they were, a painting thread's
// surface goes with the thread, and unloading releases everything.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "ccprocess.h"
#include "harness.h"

namespace {

const DWORD kKinds[] = {0x0001, 0x0002, 0x0004, 0x0008, 0x0010, 0x0020,
                        0x0040, 0x0080, 0x0100, 0x0200, 0x0400, 0x0800};
const char *const kTexts[] = {"Play|Out", "On Air", "Studio", "Chan 1", "Cam", "ID|ONE",
                              "MARKED16", "Take", "Mix", "VTR", "", ""};

// One control of kind i % 12, made and destroyed; when shown, also painted,
// relabelled, pressed and painted again in between.
void Exercise(int i, HWND parent, int x, int y, bool shown)
{
    int k = i % 12;
    HWND h = CreateWindowExA(0, "VEK_CC_Button", kTexts[k], WS_CHILD | (shown ? WS_VISIBLE : 0) | kKinds[k], x, y,
                             60 + i % 3 * 20, 34, parent, (HMENU)(INT_PTR)(900 + i % 50), GetModuleHandleA(nullptr),
                             nullptr);
    if (shown) {
        UpdateWindow(h);
        SendMessageA(h, WM_SETTEXT, 0, (LPARAM)(k == 6 ? "BIG" : i % 2 ? "A|B" : "Label"));
        CCT_Send(h, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
        CCT_Send(h, WM_LBUTTONUP, 10, 10, 0);
        CCT_Repaint(h);
    }
    DestroyWindow(h);
}

struct Library {
    HMODULE lib;
    Library()
    {
        SetEnvironmentVariableA("CC_ROOT", "C:");
        SetEnvironmentVariableA("CC_SYSTEM", "cc-cache-none");
        lib = LoadLibraryA("KERV_CC.DLL");
    }
    ~Library()
    {
        if (lib) FreeLibrary(lib);
    }
};

DWORD WINAPI PaintOnThread(LPVOID)
{
    HWND h = CreateWindowExA(0, "VEK_CC_Button", "Thread", WS_POPUP | WS_VISIBLE | 0x0001, 700, 0, 80, 30, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    CCT_Repaint(h);
    SendMessageA(h, WM_SETTEXT, 0, (LPARAM) "Other");
    DestroyWindow(h);
    return 0;
}

void AddControls(HWND panel, int from, int to, bool stock);

// Panels of n controls on a 1280 x 960 parent: the kit's kinds in turn, or the
// stock control an author would use instead of each.
HWND Panel(int n, bool stock)
{
    HWND panel = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 1280, 960, nullptr,
                                 nullptr, nullptr, nullptr);
    AddControls(panel, 0, n, stock);
    return panel;
}

void AddControls(HWND panel, int from, int to, bool stock)
{
    for (int i = from; i < to; i++) {
        int k = i % 12;
        const char *cls = stock ? (k == 3 || k == 5 ? "STATIC" : "BUTTON") : "VEK_CC_Button";
        DWORD style = stock ? 0 : kKinds[k];
        CreateWindowExA(0, cls, kTexts[k], WS_CHILD | WS_VISIBLE | style, i % 20 * 64, i / 20 * 38, 60, 34, panel,
                        (HMENU)(INT_PTR)(1000 + i), GetModuleHandleA(nullptr), nullptr);
    }
    RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (HWND c = GetWindow(panel, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        SendMessageA(c, WM_SETTEXT, 0, (LPARAM) "New");
    CCT_Pump();
}

// The window system keeps DCs of its own for the first windows that paint: a
// stock panel fills those first, so that what is left is the kit's.
TEST(Cache, PanelHoldsAFixedNumberOfObjects)
{
    Library l;
    ASSERT_NE(l.lib, nullptr);
    DestroyWindow(Panel(500, true));
    CCT_Pump();
    DWORD before = CCT_GdiCount();
    HWND panel = Panel(50, false);
    int held50 = (int)CCT_GdiCount() - (int)before;
    AddControls(panel, 50, 500, false);
    int held500 = (int)CCT_GdiCount() - (int)before;
    EXPECT_EQ(held500, held50);
    EXPECT_LE(held500, 8);  // surface, the Ident's fonts, a picture and its DC
    DestroyWindow(panel);
}

// Two in ten are shown. The heap may grow by the window system's own bookkeeping
// of window handles (a few bytes per window ever made, the same with the
// first-round library); any block a control kept would be hundreds of bytes each.
TEST(Cache, TenThousandControlsLeaveNothingBehind)
{
    Library l;
    ASSERT_NE(l.lib, nullptr);
    DWORD gdi = 0;
    size_t heap = 0;
    for (int i = 0; i < 10000; i++) {
        Exercise(i, CCT_Parent(), i % 7 * 10, i % 5 * 10, i % 10 < 2);
        if (i == 99) {
            CCT_Pump();
            // The parent's record of notifications (pointer-wide entries) grows
            // with the presses: its room is made before the measure.
            CCT_ClearLog();
            CCT_Log().reserve(4 * 10000);
            gdi = CCT_GdiCount();
            heap = CCP_HeapBytes();
        }
    }
    CCT_Pump();
    EXPECT_EQ(CCT_GdiCount(), gdi);
    EXPECT_LT(CCP_HeapBytes(), heap + 9900 * 8);
}

// Each load and unload with painting in between ends where the first did; the
// library held its caches while loaded. The last round also paints on a second
// thread (last: a load's debugger output, an exception, is not mixed with
// threads, which some emulators of the platform mishandle).
TEST(Cache, UnloadReleasesEverythingAndLoadsAgain)
{
    DWORD after[3], loaded[3];
    for (int round = 0; round < 3; round++) {
        {
            Library l;
            ASSERT_NE(l.lib, nullptr);
            for (int i = 0; i < 24; i++) Exercise(i, CCT_Parent(), 10, 10, true);
            loaded[round] = CCT_GdiCount();
            if (round == 2) {
                HANDLE t = CreateThread(nullptr, 0, PaintOnThread, nullptr, 0, nullptr);
                WaitForSingleObject(t, INFINITE);
                CloseHandle(t);
                EXPECT_EQ(CCT_GdiCount(), loaded[round]);  // the thread's surface went with it
            }
        }
        EXPECT_EQ(GetModuleHandleA("KERV_CC.DLL"), nullptr);
        after[round] = CCT_GdiCount();
        EXPECT_GE(loaded[round], after[round] + 32 + 2) << "palette and surface held while loaded";
    }
    EXPECT_EQ(after[1], after[0]);
    EXPECT_EQ(after[2], after[0]);
}

}  // namespace
