// The shipped KERV_CC.DLL loaded the way a panel application loads it: class
// registration, sibling libraries from the system path, the export, unloading.
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include <vector>
#include <oleacc.h>
#include "harness.h"

static std::string FullPath(const std::string &rel)
{
    char b[MAX_PATH * 2];
    DWORD n = GetFullPathNameA(rel.c_str(), sizeof b, b, nullptr);
    return std::string(b, n < sizeof b ? n : 0);
}

static std::string ProgramDir()
{
    char b[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, b, sizeof b);
    std::string s(b, n);
    return s.substr(0, s.find_last_of('\\'));
}

static std::vector<std::string> s_debugLines;

static LONG CALLBACK CatchDebugLine(EXCEPTION_POINTERS *ep)
{
    const EXCEPTION_RECORD *r = ep->ExceptionRecord;
    if (r->ExceptionCode == DBG_PRINTEXCEPTION_C && r->NumberParameters >= 2 && r->ExceptionInformation[1])
        s_debugLines.push_back((const char *)r->ExceptionInformation[1]);
    return EXCEPTION_CONTINUE_SEARCH;
}

// Names of the DLLs a loaded module imports from.
static std::vector<std::string> Imports(HMODULE mod)
{
    std::vector<std::string> names;
    BYTE *base = (BYTE *)mod;
    IMAGE_NT_HEADERS *nt = (IMAGE_NT_HEADERS *)(base + ((IMAGE_DOS_HEADER *)base)->e_lfanew);
    IMAGE_DATA_DIRECTORY dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!dir.VirtualAddress) return names;
    for (IMAGE_IMPORT_DESCRIPTOR *imp = (IMAGE_IMPORT_DESCRIPTOR *)(base + dir.VirtualAddress); imp->Name; imp++) {
        std::string n = (const char *)(base + imp->Name);
        CharLowerA(&n[0]);
        names.push_back(n);
    }
    return names;
}

TEST(Load, RegistersClassLoadsSiblingsAndUnloads)
{
    const std::string libDir = FullPath("..\\sibroot\\sys\\windows\\lib");
    ASSERT_NE(GetFileAttributesA(libDir.c_str()), INVALID_FILE_ATTRIBUTES) << libDir;
    SetEnvironmentVariableA("CC_ROOT", FullPath("..\\sibroot").c_str());
    SetEnvironmentVariableA("CC_SYSTEM", "sys");
    auto sibling = [&](const char *name) { return GetModuleHandleA((libDir + "\\" + name).c_str()); };

    WNDCLASSA wc = {};
    ASSERT_FALSE(GetClassInfoA(nullptr, "VEK_CC_Button", &wc));

    const std::string path = ProgramDir() + "\\KERV_CC.DLL";
    PVOID catcher = AddVectoredExceptionHandler(1, CatchDebugLine);
    HMODULE lib = LoadLibraryA(path.c_str());
    RemoveVectoredExceptionHandler(catcher);
    ASSERT_NE(lib, nullptr) << path;

    // The class, global to the process.
    ASSERT_TRUE(GetClassInfoA(nullptr, "VEK_CC_Button", &wc));
    EXPECT_EQ(wc.style, 0x400Bu);
    EXPECT_EQ(wc.cbWndExtra, (int)sizeof(void *));  // the slot block's address
    EXPECT_EQ(wc.hbrBackground, (HBRUSH)6);
    EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, IDC_ARROW));

    // The window procedure is exported under its plain name only.
    FARPROC proc = GetProcAddress(lib, "VEK_CC_WndFn");
    ASSERT_NE(proc, nullptr);
    EXPECT_EQ(GetProcAddress(lib, "VEK_CC_WndFn@16"), nullptr);
    EXPECT_EQ(GetProcAddress(lib, "_VEK_CC_WndFn@16"), nullptr);
    EXPECT_EQ((void *)wc.lpfnWndProc, (void *)proc);

    // Only system libraries are imported (runtimes linked in).
    for (const std::string &n : Imports(lib)) EXPECT_NE(n.rfind("lib", 0), 0u) << n;

    // Siblings from CC_ROOT\CC_SYSTEM\windows\lib, by the naming rules.
    EXPECT_NE(sibling("KERV_CC09.DLL"), nullptr);
    EXPECT_NE(sibling("kerv_cc5.dll"), nullptr);
    EXPECT_NE(sibling("kerv_cc100.dll"), nullptr);
    EXPECT_NE(sibling("KERV_CC7.DLL"), nullptr);
    EXPECT_NE(sibling("KERV_CC07.DLL"), nullptr);
    EXPECT_EQ(sibling("kerv_cc00.dll"), nullptr);
    EXPECT_EQ(sibling("kerv_ccx.dll"), nullptr);
    EXPECT_EQ(sibling("KERV_CC.DLL"), nullptr);
    // A library of the other word size is skipped with one line; the rest load.
    EXPECT_EQ(sibling("KERV_CC42.DLL"), nullptr);
    const std::string foreign = "KERV_CC.DLL - skipped '" + libDir + "\\kerv_cc42.dll': not a " +
                                (sizeof(void *) == 8 ? "64" : "32") + "-bit library.\n";
    int sawPath = 0, sawForeign = 0;
    for (const std::string &l : s_debugLines) {
        sawPath += l == "KERV_CC.DLL - load path acPathRaw: '" + libDir + "\\KERV_CC*.DLL'\n";
        sawForeign += l == foreign;
    }
    EXPECT_EQ(sawPath, 1);
    EXPECT_EQ(sawForeign, 1);

    // A window of the class whose style selects no kind answers 1.
    HWND w = CreateWindowExA(0, "VEK_CC_Button", "", WS_POPUP | 0x0003, 0, 0, 30, 20, nullptr, nullptr, nullptr,
                             nullptr);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(SendMessageA(w, WM_USER + 1, 0, 0), 1);
    EXPECT_EQ(CallWindowProcA((WNDPROC)(void *)proc, w, WM_GETTEXTLENGTH, 0, 0), 1);
    DestroyWindow(w);

    // Unloading unregisters the class; the siblings stay.
    EXPECT_TRUE(FreeLibrary(lib));
    EXPECT_EQ(GetModuleHandleA(path.c_str()), nullptr);
    EXPECT_FALSE(GetClassInfoA(nullptr, "VEK_CC_Button", &wc));
    EXPECT_NE(sibling("KERV_CC09.DLL"), nullptr);

    // A second load registers the class again.
    lib = LoadLibraryA(path.c_str());
    ASSERT_NE(lib, nullptr);
    EXPECT_TRUE(GetClassInfoA(nullptr, "VEK_CC_Button", &wc));
    FreeLibrary(lib);
    EXPECT_FALSE(GetClassInfoA(nullptr, "VEK_CC_Button", &wc));
}

// A client that still holds a control's accessible object when the panel
// unloads the library: the library stays until the process ends, and the
// object answers as one whose window is gone.
TEST(Load, HeldAccessibleObjectKeepsTheLibrary)
{
    const std::string path = ProgramDir() + "\\KERV_CC.DLL";
    ASSERT_EQ(GetModuleHandleA(path.c_str()), nullptr);  // the test above unloaded it
    HMODULE lib = LoadLibraryA(path.c_str());
    ASSERT_NE(lib, nullptr);
    HWND w = CreateWindowExA(0, "VEK_CC_Button", "Held", WS_POPUP | 1, 0, 0, 80, 30, nullptr, nullptr, nullptr,
                             nullptr);
    ASSERT_NE(w, nullptr);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible *acc = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(w, OBJID_CLIENT, __uuidof(IAccessible), (void **)&acc), S_OK);
    DestroyWindow(w);
    EXPECT_TRUE(FreeLibrary(lib));
    EXPECT_EQ(GetModuleHandleA(path.c_str()), lib);
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    EXPECT_EQ(acc->get_accName(self, &name), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->Release(), 0u);
    CoUninitialize();
}
