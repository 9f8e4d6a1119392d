// The special library as an installation brings it: KERV_CC.DLL loaded from the
// demo installation's system path loads KERV_CC09.DLL as sibling 9, whose class
// stays registered after KERV_CC.DLL is freed; and KERV_CC09.DLL loaded alone.
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include "harness.h"
#include "kerv_cc.h"

static std::string FullPath(const std::string &rel)
{
    char b[MAX_PATH * 2];
    DWORD n = GetFullPathNameA(rel.c_str(), sizeof b, b, nullptr);
    return std::string(b, n < sizeof b ? n : 0);
}

static bool Registered(const char *cls)
{
    WNDCLASSA wc;
    return GetClassInfoA(nullptr, cls, &wc) != 0;
}

TEST(Installation, SiblingNineLoadedWithTheStandardLibraryAndKeptAfterIt)
{
    const std::string root = FullPath("..\\demo\\install");
    const std::string lib = root + "\\studio\\windows\\lib";
    ASSERT_NE(GetFileAttributesA((lib + "\\KERV_CC09.DLL").c_str()), INVALID_FILE_ATTRIBUTES) << lib;
    SetEnvironmentVariableA("CC_ROOT", root.c_str());
    SetEnvironmentVariableA("CC_SYSTEM", "studio");
    ASSERT_FALSE(Registered(KERV_CC09_CLASS));

    HMODULE std = LoadLibraryA((lib + "\\KERV_CC.DLL").c_str());
    ASSERT_TRUE(std);
    HMODULE s09 = GetModuleHandleA((lib + "\\kerv_cc09.dll").c_str());
    ASSERT_TRUE(s09) << "sibling 9 not loaded";
    EXPECT_TRUE(Registered(KERV_CC_CLASS));
    EXPECT_TRUE(Registered(KERV_CC09_CLASS));
    EXPECT_TRUE(GetProcAddress(s09, "VEK_CC_WndFn"));

    HWND w = CCT_Create(3, "Go$Aux$6", 10, 10, 50, 16, 901, nullptr, KERV_CC09_CLASS);
    ASSERT_TRUE(w);
    EXPECT_EQ(CCT_Text(w), "Go");

    // The standard library goes; the sibling, its class and its windows stay.
    EXPECT_TRUE(FreeLibrary(std));
    EXPECT_FALSE(Registered(KERV_CC_CLASS));
    EXPECT_EQ(GetModuleHandleA((lib + "\\kerv_cc09.dll").c_str()), s09);
    EXPECT_TRUE(Registered(KERV_CC09_CLASS));
    EXPECT_EQ(CCT_Text(w), "Go");
    DestroyWindow(w);
    HWND again = CCT_Create(1, "New$Aux$2", 10, 10, 50, 16, 902, nullptr, KERV_CC09_CLASS);
    EXPECT_TRUE(again);
    DestroyWindow(again);

    // Loaded again directly (as an editor would), it is the same module; its
    // class is registered once.
    HMODULE direct = LoadLibraryA((lib + "\\KERV_CC09.DLL").c_str());
    EXPECT_EQ(direct, s09);
    FreeLibrary(direct);
    EXPECT_TRUE(Registered(KERV_CC09_CLASS));
}
