// Library frame of the standard library: slot blocks, option texts applied to a
// window, dispatch by style, notifications, the system path and the sibling search.
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>
#include "harness.h"
#include "ccslots.h"
#include "ccsyspath.h"
#include "std_frame.h"

// Lines the code under test writes to the debugger output, caught on their way
// (the output is raised as an exception that a vectored handler sees first).
static std::vector<std::string> s_debugLines;

static LONG CALLBACK CatchDebugLine(EXCEPTION_POINTERS *ep)
{
    const EXCEPTION_RECORD *r = ep->ExceptionRecord;
    if (r->ExceptionCode == DBG_PRINTEXCEPTION_C && r->NumberParameters >= 2 && r->ExceptionInformation[1])
        s_debugLines.push_back((const char *)r->ExceptionInformation[1]);
    return EXCEPTION_CONTINUE_SEARCH;
}

struct DebugCapture {
    PVOID handler;
    DebugCapture() : handler(AddVectoredExceptionHandler(1, CatchDebugLine)) { s_debugLines.clear(); }
    ~DebugCapture() { RemoveVectoredExceptionHandler(handler); }
    bool Saw(const std::string &part) const
    {
        for (const std::string &l : s_debugLines)
            if (l.find(part) != std::string::npos) return true;
        return false;
    }
};

static LONG_PTR Word0(HWND hwnd) { return GetWindowLongPtrA(hwnd, 0); }

// A window of the class whose style selects no kind: the frame alone serves it.
// Nothing is pumped here, so a frame that never validated a paint request could
// not hang the test program.
static HWND Plain(DWORD kind = 0, DWORD visible = 0, const char *text = "plain")
{
    return CreateWindowExA(0, CC_CLASS_NAME, text, WS_CHILD | visible | kind, 10, 10, 50, 30, CCT_Parent(),
                           (HMENU)7, GetModuleHandleA(nullptr), nullptr);
}

// ---------------------------------------------------------------------------
// Slot block

TEST(Slots, NullWindowReadsZeroAndDropsWrites)
{
    EXPECT_EQ(CCSetSlot(nullptr, 3, 99), 0);
    EXPECT_EQ(CCGetSlot(nullptr, 3), 0);
}

TEST(Slots, BlockCreatedOnFirstAccessZeroFilled)
{
    HWND a = Plain(), b = Plain();
    ASSERT_TRUE(a && b);
    EXPECT_EQ(Word0(a), 0);
    EXPECT_EQ(CCGetSlot(a, 17), 0);  // a read creates the block too
    ASSERT_NE(Word0(a), 0);
    for (int i = 0; i < CC_SLOT_COUNT; i++) EXPECT_EQ(CCT_Slot(a, i), 0) << i;
    LONG block = CCSetSlot(b, 5, 12);
    EXPECT_EQ(block, (LONG)Word0(b));
    EXPECT_EQ(CCGetSlot(b, 5), 12);
    EXPECT_NE(Word0(a), Word0(b));
    DestroyWindow(a);
    DestroyWindow(b);
}

TEST(Slots, All128SlotsAndIndexesOutsideTheBlock)
{
    HWND h = Plain();
    for (int i = 0; i < CC_SLOT_COUNT; i++) CCSetSlot(h, i, 1000 + i);
    for (int i = 0; i < CC_SLOT_COUNT; i++) ASSERT_EQ(CCGetSlot(h, i), 1000 + i);
    EXPECT_EQ(CCSetSlot(h, 128, 5), 0);
    EXPECT_EQ(CCSetSlot(h, -1, 5), 0);
    EXPECT_EQ(CCSetSlot(h, 0x7FFFFFFF, 5), 0);
    EXPECT_EQ(CCGetSlot(h, 128), 0);
    EXPECT_EQ(CCGetSlot(h, -1), 0);
    EXPECT_EQ(CCGetSlot(h, 127), 1127);
    EXPECT_EQ(CCGetSlot(h, 0), 1000);
    DestroyWindow(h);
}

// Observes the frame's destruction from outside: the block is still there when
// the kind sees WM_NCDESTROY and extra word 0 is clear once the frame is done.
static WNDPROC s_frameProc;
static LONG s_seenInNcDestroy = -1;
static LONG_PTR s_word0After = -1;

static LRESULT CALLBACK Spy(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCDESTROY) s_seenInNcDestroy = CCT_Slot(hwnd, 9);
    LRESULT r = CallWindowProcA(s_frameProc, hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) s_word0After = GetWindowLongPtrA(hwnd, 0);
    return r;
}

TEST(Slots, ReleasedAndClearedAtDestruction)
{
    HWND h = Plain();
    CCSetSlot(h, 9, 4242);
    s_frameProc = (WNDPROC)SetWindowLongPtrA(h, GWLP_WNDPROC, (LONG_PTR)Spy);
    DestroyWindow(h);
    EXPECT_EQ(s_seenInNcDestroy, 4242);
    EXPECT_EQ(s_word0After, 0);
    // A destroyed window keeps nothing: reads give 0, writes are lost.
    EXPECT_EQ(CCSetSlot(h, 9, 1), 0);
    EXPECT_EQ(CCGetSlot(h, 9), 0);
}

TEST(Slots, BlocksOfDestroyedWindowsAreReused)
{
    // A kept block could never be handed out again, so fifty windows would give
    // fifty distinct addresses; freed blocks come back from the heap.
    std::set<LONG_PTR> seen;
    for (int i = 0; i < 50; i++) {
        HWND h = Plain();
        CCSetSlot(h, 0, i);
        seen.insert(Word0(h));
        DestroyWindow(h);
    }
    EXPECT_LE(seen.size(), 5u);
}

TEST(Slots, WindowWithoutExtraWordKeepsNothing)
{
    // The recording parent has no extra word: the accessor must give the block back.
    HWND parent = CCT_Parent();
    std::set<void *> seen;
    for (int i = 0; i < 20; i++) {
        EXPECT_EQ(CCSetSlot(parent, 2, 7), 0);
        EXPECT_EQ(CCGetSlot(parent, 2), 0);
        void *probe = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY,
                                CC_SLOT_COUNT * sizeof(LONG) + CC_WIDE_COUNT * sizeof(LONG_PTR));
        seen.insert(probe);
        HeapFree(GetProcessHeap(), 0, probe);
    }
    EXPECT_LE(seen.size(), 3u);
    EXPECT_EQ(CCGetSlot((HWND)(LONG_PTR)0x7FFF0, 1), 0);  // no such window
}

TEST(Slots, MemoryHandlesKeptWhole)
{
    // Made-up handles, never freed: above 4 GB, above 4 GB with the low 32 bits
    // 0, one that fits in 32 bits. The first two exist only on 64-bit builds.
    const uint64_t values[] = {0x123456789A0ull, 0x100000000ull, 0x12340ull};
    HWND h = Plain(), noBlock = CCT_Parent();  // the parent has no extra word
    for (int index : {CC_SLOT_RECORD, CC_SLOT_PICTURE}) {
        for (uint64_t v : values) {
            if (v != (uint64_t)(uintptr_t)v) continue;
            HGLOBAL g = (HGLOBAL)(uintptr_t)v;
            SCOPED_TRACE(testing::Message() << "slot " << index << " handle " << std::hex << v);
            CCSetHandleSlot(h, index, g);
            EXPECT_EQ(CCGetHandleSlot(h, index), g);
            EXPECT_NE(CCGetSlot(h, index), 0);  // the numbered slot says there is one
            if (sizeof(void *) == 4) {
                EXPECT_EQ(CCGetSlot(h, index), (LONG)v);
            }
            CCSetHandleSlot(h, index, nullptr);
            EXPECT_EQ(CCGetHandleSlot(h, index), nullptr);
            EXPECT_EQ(CCGetSlot(h, index), 0);
            // A kind clearing the numbered slot clears the handle too.
            CCSetHandleSlot(h, index, g);
            CCSetSlot(h, index, 0);
            EXPECT_EQ(CCGetHandleSlot(h, index), nullptr);
            // Without a slot block nothing is kept.
            CCSetHandleSlot(noBlock, index, g);
            EXPECT_EQ(CCGetHandleSlot(noBlock, index), nullptr);
            EXPECT_EQ(CCGetSlot(noBlock, index), 0);
            CCSetHandleSlot(nullptr, index, g);
            EXPECT_EQ(CCGetHandleSlot(nullptr, index), nullptr);
        }
    }
    // The two handle slots are apart; other indexes keep no handle.
    CCSetHandleSlot(h, CC_SLOT_RECORD, (HGLOBAL)(uintptr_t)values[2]);
    CCSetHandleSlot(h, CC_SLOT_PICTURE, (HGLOBAL)(uintptr_t)(values[2] + 0x10));
    EXPECT_EQ(CCGetHandleSlot(h, CC_SLOT_RECORD), (HGLOBAL)(uintptr_t)values[2]);
    EXPECT_EQ(CCGetHandleSlot(h, CC_SLOT_PICTURE), (HGLOBAL)(uintptr_t)(values[2] + 0x10));
    CCSetHandleSlot(h, 5, (HGLOBAL)(uintptr_t)values[2]);
    EXPECT_EQ(CCGetSlot(h, 5), 0);
    EXPECT_EQ(CCGetHandleSlot(h, 5), nullptr);
    CCSetSlot(h, 5, 9);
    EXPECT_EQ(CCGetHandleSlot(h, 5), nullptr);
    CCSetHandleSlot(h, CC_SLOT_RECORD, nullptr);
    CCSetHandleSlot(h, CC_SLOT_PICTURE, nullptr);
    DestroyWindow(h);
}

// ---------------------------------------------------------------------------
// Option texts applied to a window

struct OptionCase {
    const char *text;
    int accepted;
    LONG slots[13];  // expected slots 0..12 after presetting every slot to 100 + i
};

static void Preset(HWND h)
{
    for (int i = 0; i <= 12; i++) CCSetSlot(h, i, 100 + i);
    CCSetSlot(h, 3, 0);
}

TEST(Options, AppliedToWindowSlots)
{
    const LONG K[13] = {100, 101, 102, 0, 104, 105, 106, 107, 108, 109, 110, 111, 112};
    struct {
        const char *text;
        int accepted;
        std::vector<std::pair<int, LONG>> changes;
    } cases[] = {
        {"/", 1, {}},
        {"/____A", 1, {{4, 10}}},
        {"/9F", 1, {{5, 9}, {6, 15}}},
        {"/__12", 1, {{7, 1}, {8, 2}}},
        {"/__12_2", 1, {{3, 2}, {9, 1}, {10, 2}}},
        {"/__12_3", 1, {{3, 3}, {11, 1}, {12, 2}}},
        {"/__12_A", 1, {{3, 10}, {7, 1}, {8, 2}}},
        {"/a", 1, {}},
        {"/9f", 1, {{5, 9}}},
        {"/FFFFFF", 1, {{3, 15}, {4, 15}, {5, 15}, {6, 15}, {7, 15}, {8, 15}}},
        {"/0000009", 1, {{3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}}},
        {"x/9F", 0, {}},
        {" /9F", 0, {}},
        {"", 0, {}},
        {"Label", 0, {}},
    };
    HWND h = Plain();
    for (auto &c : cases) {
        Preset(h);
        EXPECT_EQ(CCParseOptions(h, c.text), c.accepted) << c.text;
        LONG want[13];
        for (int i = 0; i <= 12; i++) want[i] = K[i];
        for (auto &ch : c.changes) want[ch.first] = ch.second;
        for (int i = 0; i <= 12; i++) EXPECT_EQ(CCT_Slot(h, i), want[i]) << c.text << " slot " << i;
    }
    DestroyWindow(h);
}

TEST(Options, VariantInSlotChoosesPair)
{
    HWND h = Plain();
    CCSetSlot(h, 3, 0x12);  // low 4 bits 2
    CCParseOptions(h, "/__34");
    EXPECT_EQ(CCT_Slot(h, 9), 3);
    EXPECT_EQ(CCT_Slot(h, 10), 4);
    EXPECT_EQ(CCT_Slot(h, 7), 0);
    CCSetSlot(h, 3, 3);
    CCParseOptions(h, "/__5");  // position 4 past the end reads '_'
    EXPECT_EQ(CCT_Slot(h, 11), 5);
    EXPECT_EQ(CCT_Slot(h, 12), 0);
    DestroyWindow(h);
}

TEST(Options, AnyLengthAndNullText)
{
    HWND h = Plain();
    Preset(h);
    EXPECT_EQ(CCParseOptions(h, nullptr), 0);
    EXPECT_EQ(CCParseOptions(nullptr, "/9"), 1);  // accepted, nothing to store
    for (size_t len : {2u, 7u, 8u, 509u, 510u, 600u, 70000u}) {
        std::string t(len, 'C');
        t[0] = '/';
        t[6] = '1';
        EXPECT_EQ(CCParseOptions(h, t.c_str()), 1);
        EXPECT_EQ(CCT_Slot(h, 5), 12) << len;
        if (len >= 7) {
            EXPECT_EQ(CCT_Slot(h, 3), 1) << len;
        }
    }
    DestroyWindow(h);
}

// ---------------------------------------------------------------------------
// Dispatch by the style's low word

// Dispatches at most 200 pending messages; the number of WM_PAINT that went to h.
static int PaintsPending(HWND h)
{
    int paints = 0;
    MSG m;
    for (int i = 0; i < 200 && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE); i++) {
        paints += m.message == WM_PAINT && m.hwnd == h;
        DispatchMessageA(&m);
    }
    return paints;
}

TEST(Dispatch, NoKindAnswersOneWithoutDefaultProcessing)
{
    for (DWORD kind : {0x0000u, 0x0003u, 0x1000u, 0x8000u, 0x0801u}) {
        SCOPED_TRACE(kind);
        HWND h = Plain(kind, WS_VISIBLE, "abc");
        ASSERT_TRUE(h);
        char buf[16] = "untouched";
        // The creation text never reached default processing, so nothing is stored.
        wchar_t wbuf[16] = L"x";
        EXPECT_EQ(InternalGetWindowText(h, wbuf, 16), 0);
        EXPECT_EQ(SendMessageA(h, WM_SETTEXT, 0, (LPARAM) "new"), 1);
        EXPECT_EQ(SendMessageA(h, WM_GETTEXT, sizeof buf, (LPARAM)buf), 1);
        EXPECT_STREQ(buf, "untouched");
        EXPECT_EQ(SendMessageA(h, WM_USER + 77, 1, 2), 1);
        EXPECT_EQ(SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)), 1);
        EXPECT_EQ(SendMessageA(h, WM_ERASEBKGND, 0, 0), 1);
        EXPECT_EQ(SendMessageA(h, WM_CLOSE, 0, 0), 1);
        EXPECT_TRUE(IsWindow(h));  // WM_CLOSE was not handed to default processing
        // Its paint requests are validated, so the window cannot spin on WM_PAINT.
        InvalidateRect(h, nullptr, FALSE);
        UpdateWindow(h);
        EXPECT_FALSE(GetUpdateRect(h, nullptr, FALSE));
        InvalidateRect(h, nullptr, TRUE);
        EXPECT_LE(PaintsPending(h), 1);
        EXPECT_FALSE(GetUpdateRect(h, nullptr, FALSE));
        EXPECT_EQ(Word0(h), 0);  // the frame itself keeps no slots
        EXPECT_TRUE(DestroyWindow(h));
    }
}

TEST(Dispatch, LowWordOneReachesButtonHandler)
{
    // High-word bits do not matter; the Button kind stores and returns its label.
    HWND h = CCT_Create(0x0001 | WS_TABSTOP, "Go", 10, 10, 60, 30, 9);
    ASSERT_TRUE(h);
    SendMessageA(h, WM_SETTEXT, 0, (LPARAM) "Label");
    char buf[16] = {};
    EXPECT_EQ(SendMessageA(h, WM_GETTEXT, sizeof buf, (LPARAM)buf), 5);
    EXPECT_STREQ(buf, "Label");
    DestroyWindow(h);
}

TEST(Dispatch, ClassAsRegistered)
{
    WNDCLASSA wc = {};
    ASSERT_TRUE(GetClassInfoA(hLibInstance, CC_CLASS_NAME, &wc));
    EXPECT_EQ(wc.style, 0x400Bu);
    EXPECT_EQ(wc.cbWndExtra, (int)sizeof(void *));  // the slot block's address
    EXPECT_EQ(wc.cbClsExtra, 0);
    EXPECT_EQ(wc.hbrBackground, (HBRUSH)6);
    EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(wc.lpfnWndProc, (WNDPROC)VEK_CC_WndFn);
}

// ---------------------------------------------------------------------------
// Notification and text read

TEST(Notify, CommandWithIdAndHandle)
{
    HWND h = Plain(0);
    SetWindowLongA(h, GWL_ID, 0xABCD);
    CCT_ClearLog();
    CCNotify(h);
    ASSERT_EQ(CCT_Commands().size(), 1u);
    EXPECT_EQ(CCT_Commands()[0], CCT_Cmd(0xABCD, h));
    CCNotify(nullptr);  // no parent: nothing happens
    EXPECT_EQ(CCT_Commands().size(), 1u);
    DestroyWindow(h);
}

TEST(Notify, ReadTextBounded)
{
    HWND parent = CCT_Parent();  // its text: "test parent"
    char buf[8];
    memset(buf, 'Z', sizeof buf);
    EXPECT_EQ(CCReadText(parent, buf, 1), 0);
    EXPECT_EQ(buf[0], '\0');
    EXPECT_EQ(buf[1], 'Z');
    EXPECT_EQ(CCReadText(parent, buf, 5), 4);
    EXPECT_STREQ(buf, "test");
    EXPECT_EQ(buf[5], 'Z');
    EXPECT_EQ(CCReadText(parent, buf, 0), 0);
    EXPECT_EQ(CCReadText(parent, nullptr, 5), 0);
}

// ---------------------------------------------------------------------------
// System path

// Keeps the process environment and c:\kerv_config.ini as they were.
class SysPath : public testing::Test {
protected:
    std::string root_, sys_, ini_;
    bool hadRoot_ = false, hadSys_ = false, hadIni_ = false;

    static bool GetEnv(const char *name, std::string *out)
    {
        char b[4096];
        DWORD n = GetEnvironmentVariableA(name, b, sizeof b);
        if (n == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) return false;
        *out = std::string(b, n < sizeof b ? n : 0);
        return true;
    }
    static bool ReadFileAll(const char *path, std::string *out)
    {
        HANDLE f = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                               nullptr);
        if (f == INVALID_HANDLE_VALUE) return false;
        char b[8192];
        DWORD got = 0;
        out->clear();
        while (ReadFile(f, b, sizeof b, &got, nullptr) && got) out->append(b, got);
        CloseHandle(f);
        return true;
    }
    void SetUp() override
    {
        hadRoot_ = GetEnv("CC_ROOT", &root_);
        hadSys_ = GetEnv("CC_SYSTEM", &sys_);
        hadIni_ = ReadFileAll(CC_INI_FILE, &ini_);
        SetEnvironmentVariableA("CC_ROOT", nullptr);
        SetEnvironmentVariableA("CC_SYSTEM", nullptr);
    }
    void TearDown() override
    {
        SetEnvironmentVariableA("CC_ROOT", hadRoot_ ? root_.c_str() : nullptr);
        SetEnvironmentVariableA("CC_SYSTEM", hadSys_ ? sys_.c_str() : nullptr);
        if (!hadIni_) {
            DeleteFileA(CC_INI_FILE);
            return;
        }
        HANDLE f = CreateFileA(CC_INI_FILE, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD put = 0;
        if (f != INVALID_HANDLE_VALUE) {
            WriteFile(f, ini_.data(), (DWORD)ini_.size(), &put, nullptr);
            CloseHandle(f);
        }
    }
    static std::string WinDir()
    {
        char b[MAX_PATH];
        UINT n = GetWindowsDirectoryA(b, sizeof b);
        return std::string(b, n);
    }
    static void SetIni(const char *value)
    {
        ASSERT_TRUE(WritePrivateProfileStringA("Config", "SystemPath", value, CC_INI_FILE));
    }
    static std::string IniValue()
    {
        char b[1024];
        GetPrivateProfileStringA("Config", "SystemPath", "<missing>", b, sizeof b, CC_INI_FILE);
        return b;
    }
    // Calls CCGetSystemPath on a buffer full of 'Z' and checks the NUL padding.
    static std::string SystemPath(int size = MAX_PATH)
    {
        std::vector<char> b(size + 8, 'Z');
        CCGetSystemPath(b.data(), size);
        std::string s(b.data());
        for (int i = (int)s.size(); i < size; i++) EXPECT_EQ(b[i], '\0') << "padding at " << i;
        for (int i = size; i < size + 8; i++) EXPECT_EQ(b[i], 'Z') << "written past the buffer at " << i;
        return s;
    }
};

TEST_F(SysPath, EnvironmentComposition)
{
    SetEnvironmentVariableA("CC_ROOT", "d:\\sys");
    SetEnvironmentVariableA("CC_SYSTEM", "studio1");
    char b[64];
    EXPECT_EQ(CCGetEnvPath("windows\\lib", b, sizeof b), 1);
    EXPECT_STREQ(b, "d:\\sys\\studio1\\windows\\lib");
    EXPECT_EQ(SystemPath(), "d:\\sys\\studio1\\windows\\lib");

    // "r\s\t" needs 5 characters and the NUL.
    SetEnvironmentVariableA("CC_ROOT", "r");
    SetEnvironmentVariableA("CC_SYSTEM", "s");
    memset(b, 'Z', sizeof b);
    EXPECT_EQ(CCGetEnvPath("t", b, 6), 1);
    EXPECT_STREQ(b, "r\\s\\t");
    memset(b, 'Z', sizeof b);
    EXPECT_EQ(CCGetEnvPath("t", b, 5), 0);
    EXPECT_EQ(b[0], 'Z');  // untouched on failure
    EXPECT_EQ(CCGetEnvPath("t", b, 0), 0);
    EXPECT_EQ(CCGetEnvPath("t", nullptr, 10), 0);
}

TEST_F(SysPath, EmptyOrMissingVariableFallsToFile)
{
    SetIni("c:\\from_file");
    char b[64];
    SetEnvironmentVariableA("CC_ROOT", "d:\\sys");
    SetEnvironmentVariableA("CC_SYSTEM", "");
    memset(b, 'Z', sizeof b);
    EXPECT_EQ(CCGetEnvPath("windows\\lib", b, sizeof b), 0);
    EXPECT_EQ(b[0], 'Z');
    EXPECT_EQ(SystemPath(), "c:\\from_file");
    SetEnvironmentVariableA("CC_SYSTEM", nullptr);
    EXPECT_EQ(SystemPath(), "c:\\from_file");
    SetEnvironmentVariableA("CC_SYSTEM", "studio1");
    SetEnvironmentVariableA("CC_ROOT", nullptr);
    EXPECT_EQ(SystemPath(), "c:\\from_file");
}

TEST_F(SysPath, EnvironmentTooLongForCallerFallsToFile)
{
    SetIni("c:\\from_file");
    std::string longRoot(250, 'r');
    SetEnvironmentVariableA("CC_ROOT", longRoot.c_str());
    SetEnvironmentVariableA("CC_SYSTEM", "sys");
    // 250 + 3 + 11 + 2 = 266 characters do not fit 260.
    EXPECT_EQ(SystemPath(), "c:\\from_file");
    std::string fits(243, 'r');  // 243 + 1 + 3 + 1 + 11 = 259 characters fit
    SetEnvironmentVariableA("CC_ROOT", fits.c_str());
    EXPECT_EQ(SystemPath(), fits + "\\sys\\windows\\lib");
    std::string huge(5000, 'h');
    SetEnvironmentVariableA("CC_ROOT", huge.c_str());
    EXPECT_EQ(SystemPath(), "c:\\from_file");
}

TEST_F(SysPath, MissingFileCreatedWithWindowsDirectory)
{
    DeleteFileA(CC_INI_FILE);
    EXPECT_EQ(SystemPath(), WinDir());
    std::string raw;
    ASSERT_TRUE(ReadFileAll(CC_INI_FILE, &raw));
    EXPECT_NE(raw.find("[Config]"), std::string::npos) << raw;
    EXPECT_NE(raw.find("SystemPath=" + WinDir()), std::string::npos) << raw;
    EXPECT_EQ(IniValue(), WinDir());
}

TEST_F(SysPath, ValuesFromTheFile)
{
    SetIni("NONE");
    EXPECT_EQ(SystemPath(), WinDir());
    EXPECT_EQ(IniValue(), WinDir());  // written back

    SetIni("none");  // only the exact upper-case word means "missing"
    EXPECT_EQ(SystemPath(), "none");
    EXPECT_EQ(IniValue(), "none");

    SetIni("");
    EXPECT_EQ(SystemPath(), "");
    EXPECT_EQ(IniValue(), "");

    SetIni("e:\\studio\\lib");
    EXPECT_EQ(SystemPath(), "e:\\studio\\lib");
}

TEST_F(SysPath, ValueLongerThanCallerBufferIsNotCut)
{
    std::string big(300, 'v');
    SetIni(big.c_str());
    EXPECT_EQ(SystemPath(), WinDir());
    EXPECT_EQ(IniValue(), big);  // nothing written back

    // Exactly size - 1 characters fit; size characters do not.
    SetIni("c:\\abcdef");  // 9 characters
    EXPECT_EQ(SystemPath(10), "c:\\abcdef");
    EXPECT_EQ(SystemPath(9), WinDir().size() < 9 ? WinDir() : "");
    EXPECT_EQ(IniValue(), "c:\\abcdef");
}

TEST_F(SysPath, WindowsDirectoryNotWrittenBackWhenItDoesNotFit)
{
    SetIni("NONE");
    ASSERT_GE(WinDir().size(), 5u);
    EXPECT_EQ(SystemPath(5), "");
    EXPECT_EQ(IniValue(), "NONE");
    std::vector<char> one(4, 'Z');
    CCGetSystemPath(one.data(), 1);
    EXPECT_EQ(one[0], '\0');
    EXPECT_EQ(one[1], 'Z');
    CCGetSystemPath(nullptr, 260);
    CCGetSystemPath(one.data(), 0);
    EXPECT_EQ(one[1], 'Z');
}

// ---------------------------------------------------------------------------
// Sibling libraries

static std::string FullPath(const std::string &rel)
{
    char b[MAX_PATH * 2];
    DWORD n = GetFullPathNameA(rel.c_str(), sizeof b, b, nullptr);
    return std::string(b, n < sizeof b ? n : 0);
}

static const char *kSibDir = "..\\sibroot\\sys\\windows\\lib";

// The line for kerv_cc42.dll, a library of the other word size in the folder.
static std::string ForeignLine(const std::string &dir)
{
    return "KERV_CC.DLL - skipped '" + dir + "\\kerv_cc42.dll': not a " + (sizeof(void *) == 8 ? "64" : "32") +
           "-bit library.\n";
}

// Lower-cased names in the order the directory lists them.
static std::vector<std::string> Listing(const std::string &dir)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE f = FindFirstFileA((dir + "\\KERV_CC*.DLL").c_str(), &fd);
    if (f == INVALID_HANDLE_VALUE) return names;
    do {
        CharLowerA(fd.cFileName);
        names.push_back(fd.cFileName);
    } while (FindNextFileA(f, &fd));
    FindClose(f);
    return names;
}

TEST(Siblings, NamingRulesOnDummyFolder)
{
    std::string dir = FullPath(kSibDir);
    ASSERT_NE(GetFileAttributesA(dir.c_str()), INVALID_FILE_ATTRIBUTES) << dir;
    SiblingLibraries[0] = nullptr;
    SiblingLibraries[42] = (HMODULE)1;  // cleared by the search
    {
        DebugCapture dbg;
        EXPECT_EQ(CCLoadSiblings(dir.c_str()), 6);
        // The library of the other word size is tried, skipped and named once.
        int foreign = 0;
        for (const std::string &l : s_debugLines) foreign += l == ForeignLine(dir);
        EXPECT_EQ(foreign, 1);
        EXPECT_EQ(s_debugLines.size(), 2u);
    }
    EXPECT_EQ(GetModuleHandleA((dir + "\\kerv_cc42.dll").c_str()), nullptr);
    auto mod = [&](const char *name) { return GetModuleHandleA((dir + "\\" + name).c_str()); };
    EXPECT_NE(SiblingLibraries[9], nullptr);
    EXPECT_EQ(SiblingLibraries[9], mod("kerv_cc09.dll"));
    EXPECT_EQ(SiblingLibraries[5], mod("kerv_cc5.dll"));
    EXPECT_NE(SiblingLibraries[10], nullptr);
    EXPECT_EQ(SiblingLibraries[10], mod("kerv_cc100.dll"));
    // Both files numbered 7 are loaded; the table keeps the later one.
    std::vector<std::string> order = Listing(dir);
    int pos7 = -1, pos07 = -1;
    for (size_t i = 0; i < order.size(); i++) {
        if (order[i] == "kerv_cc7.dll") pos7 = (int)i;
        if (order[i] == "kerv_cc07.dll") pos07 = (int)i;
    }
    ASSERT_TRUE(pos7 >= 0 && pos07 >= 0);
    ASSERT_NE(mod("kerv_cc7.dll"), nullptr);
    ASSERT_NE(mod("kerv_cc07.dll"), nullptr);
    EXPECT_EQ(SiblingLibraries[7], mod(pos7 > pos07 ? "kerv_cc7.dll" : "kerv_cc07.dll"));
    // Number 0, no number and the library's own name are skipped.
    EXPECT_EQ(mod("kerv_cc00.dll"), nullptr);
    EXPECT_EQ(mod("kerv_ccx.dll"), nullptr);
    EXPECT_EQ(mod("KERV_CC.DLL"), nullptr);
    EXPECT_EQ(SiblingLibraries[0], nullptr);
    for (int i = 1; i < 100; i++)
        if (i != 5 && i != 7 && i != 9 && i != 10) {
            EXPECT_EQ(SiblingLibraries[i], nullptr) << i;
        }
}

TEST(Siblings, EmptyOrMissingFolder)
{
    SiblingLibraries[9] = (HMODULE)1;
    EXPECT_EQ(CCLoadSiblings(FullPath(".\\no_such_folder").c_str()), 0);
    EXPECT_EQ(SiblingLibraries[9], nullptr);
    EXPECT_EQ(CCLoadSiblings(""), 0);  // pattern "\KERV_CC*.DLL" on the current drive
}

// Creates nested folders under base so that the last one's full path has exactly
// len characters; returns it ("" on failure).
static std::string FolderOfLength(const std::string &base, size_t len, char fill)
{
    std::string path = base;
    CreateDirectoryA(path.c_str(), nullptr);
    while (path.size() + 1 < len) {
        size_t part = len - path.size() - 1;
        if (part > 100 && len - path.size() - 1 - 100 >= 2) part = 100;
        path += "\\" + std::string(part, fill);
        if (!CreateDirectoryA(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return "";
    }
    return path.size() == len ? path : "";
}

static std::wstring Long(const std::string &path) { return L"\\\\?\\" + std::wstring(path.begin(), path.end()); }

static bool CopyLong(const std::string &from, const std::string &to)
{
    return CopyFileW(Long(from).c_str(), Long(to).c_str(), FALSE) != 0;
}

// Removes the files, then the folders from dir up to and including base.
static void RemoveLong(std::string dir, const std::string &base, const std::vector<std::string> &files)
{
    for (const std::string &f : files) DeleteFileW(Long(dir + "\\" + f).c_str());
    while (dir.size() >= base.size()) {
        RemoveDirectoryW(Long(dir).c_str());
        dir = dir.substr(0, dir.find_last_of('\\'));
    }
}

TEST(Siblings, PathsAtTheBufferLimit)
{
    std::string src = FullPath(std::string(kSibDir) + "\\kerv_cc5.dll");
    std::string base = FullPath(".\\longsib");
    // 246 characters: the pattern (with its NUL) fills 260 exactly.
    std::string fits = FolderOfLength(base, 246, 'f');
    std::string over = FolderOfLength(base, 247, 'o');
    ASSERT_FALSE(fits.empty());
    ASSERT_FALSE(over.empty());
    ASSERT_TRUE(CopyLong(src, fits + "\\kerv_cc6.dll"));       // full name of 259 characters
    ASSERT_TRUE(CopyLong(src, fits + "\\kerv_cc8_named.dll"));  // too long a full name: skipped
    ASSERT_TRUE(CopyLong(src, over + "\\kerv_cc6.dll"));

    {
        DebugCapture dbg;
        EXPECT_EQ(CCLoadSiblings(fits.c_str()), 1);
        EXPECT_TRUE(dbg.Saw("KERV_CC.DLL - load path acPathRaw: '" + fits + "\\KERV_CC*.DLL'\n"));
    }
    EXPECT_NE(SiblingLibraries[6], nullptr);
    EXPECT_EQ(SiblingLibraries[8], nullptr);
    HMODULE loaded = SiblingLibraries[6];

    // The pattern does not fit: no search at all, although a sibling is there.
    {
        DebugCapture dbg;
        EXPECT_EQ(CCLoadSiblings(over.c_str()), 0);
        EXPECT_FALSE(dbg.Saw("acPathRaw"));
        EXPECT_EQ(s_debugLines.size(), 1u);  // one line says why
    }
    EXPECT_EQ(SiblingLibraries[6], nullptr);
    std::string huge = over + "\\" + std::string(3000, 'h');
    EXPECT_EQ(CCLoadSiblings(huge.c_str()), 0);

    if (loaded) FreeLibrary(loaded);
    RemoveLong(fits, base, {"kerv_cc6.dll", "kerv_cc8_named.dll"});
    RemoveLong(over, base, {"kerv_cc6.dll"});
}

TEST(Siblings, AttachWhenRegistrationFails)
{
    // The class is already registered by this program: a fresh attach cannot
    // register it again, still loads the siblings and reports 0.
    char oldRoot[MAX_PATH] = "", oldSys[MAX_PATH] = "";
    DWORD hadRoot = GetEnvironmentVariableA("CC_ROOT", oldRoot, sizeof oldRoot);
    DWORD hadSys = GetEnvironmentVariableA("CC_SYSTEM", oldSys, sizeof oldSys);
    SetEnvironmentVariableA("CC_ROOT", FullPath("..\\sibroot").c_str());
    SetEnvironmentVariableA("CC_SYSTEM", "sys");
    HINSTANCE kept = hLibInstance;
    ASSERT_NE(kept, nullptr);

    SiblingLibraries[9] = nullptr;
    {
        DebugCapture dbg;
        EXPECT_EQ(CCLibAttach(kept), 0);  // already attached: nothing done
        ASSERT_EQ(s_debugLines.size(), 1u);
        EXPECT_EQ(s_debugLines[0], "KERV_CC.DLL - hLibInstance == NULL - failed.\n");
    }
    EXPECT_EQ(SiblingLibraries[9], nullptr);

    hLibInstance = nullptr;
    {
        DebugCapture dbg;
        EXPECT_EQ(CCLibAttach(kept), 0);
        std::string pattern = FullPath("..\\sibroot") + "\\sys\\windows\\lib\\KERV_CC*.DLL";
        std::vector<std::string> want = {"KERV_CC.DLL - loading other kerv_cc DLL's.\n",
                                         "KERV_CC.DLL - RELEASE version.\n",
                                         "KERV_CC.DLL - load path acPathRaw: '" + pattern + "'\n",
                                         ForeignLine(FullPath("..\\sibroot") + "\\sys\\windows\\lib")};
        EXPECT_EQ(s_debugLines, want);
    }
    EXPECT_EQ(hLibInstance, nullptr);
    EXPECT_NE(SiblingLibraries[9], nullptr);
    EXPECT_NE(SiblingLibraries[5], nullptr);
    hLibInstance = kept;

    SetEnvironmentVariableA("CC_ROOT", hadRoot ? oldRoot : nullptr);
    SetEnvironmentVariableA("CC_SYSTEM", hadSys ? oldSys : nullptr);
}
