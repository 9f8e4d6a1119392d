// KERV_CC09.DLL as a dialog resource editor sees it: the class list, the info
// record with its eight kinds, and the style dialog "VEK_CC09_STYLE" driven by
// a timer: items per kind, enabling rules, the composed title and style bits,
// the version text read from the library in the system path.
#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>
#include <functional>
#include <string>
#include <vector>
#include "ccdesign.h"
#include "dialog.h"
#include "harness.h"

// ---- the library, its installation and its entry points -------------------

static std::string FullPath(const std::string &rel)
{
    char b[MAX_PATH * 2];
    DWORD n = GetFullPathNameA(rel.c_str(), sizeof b, b, nullptr);
    return std::string(b, n < sizeof b ? n : 0);
}

// The system path the dialog reads its version from: <root>\<system>\windows\lib.
static void UseSystem(const std::string &root, const char *system)
{
    SetEnvironmentVariableA("CC_ROOT", root.c_str());
    SetEnvironmentVariableA("CC_SYSTEM", system);
}
static void UseDemoInstallation() { UseSystem(FullPath("..\\demo\\install"), "studio"); }

static HMODULE Lib()
{
    static HMODULE lib = (UseDemoInstallation(), LoadLibraryA("KERV_CC09.DLL"));
    return lib;
}

static FARPROC Export(const char *name) { return GetProcAddress(Lib(), name); }
template <typename T> static T As(FARPROC p) { return (T)(uintptr_t)p; }

static std::vector<std::pair<UINT, std::string>> s_edits;
static BOOL s_editResult;
static BOOL CALLBACK EditorLoad(UINT, LPSTR) { return FALSE; }
static BOOL CALLBACK EditorEdit(UINT type, LPSTR name)
{
    s_edits.push_back({type, name ? name : "(null)"});
    return s_editResult;
}

struct Entries {
    CCInfoFn info = nullptr;
    CCStyleFn style = nullptr;
    CCFlagsFn flags = nullptr;
};

static Entries EntriesFromList(CCEditResFn edit = EditorEdit)
{
    Entries e;
    CCListClassesFn list = As<CCListClassesFn>(Export("ListClasses"));
    HGLOBAL h = list ? list((LPSTR) "EDITOR", 0x0300, EditorLoad, edit) : nullptr;
    if (!h) return e;
    CCClassList *cl = (CCClassList *)GlobalLock(h);
    e.info = (CCInfoFn)(uintptr_t)cl->entry[0].info;
    e.style = (CCStyleFn)(uintptr_t)cl->entry[0].style;
    e.flags = (CCFlagsFn)(uintptr_t)cl->entry[0].flags;
    GlobalUnlock(h);
    GlobalFree(h);
    return e;
}

// ---- debugger output captured in the process ------------------------------

static std::vector<std::string> s_debug;

static LONG CALLBACK DebugCatcher(EXCEPTION_POINTERS *ep)
{
    const EXCEPTION_RECORD *r = ep->ExceptionRecord;
    if (r->ExceptionCode == DBG_PRINTEXCEPTION_C && r->NumberParameters >= 2)
        s_debug.push_back((const char *)r->ExceptionInformation[1]);
    return EXCEPTION_CONTINUE_SEARCH;
}

static void CaptureDebug()
{
    static PVOID handler = AddVectoredExceptionHandler(1, DebugCatcher);
    (void)handler;
    s_debug.clear();
}

static int CountDebug(const std::string &line)
{
    int n = 0;
    for (const std::string &s : s_debug) n += s == line;
    return n;
}

static std::string AddrText(const void *p) { return CCT_AddrText(p); }

// ---- class list, info record, flags --------------------------------------

TEST(Design09Records, ClassListKeepsTheCallbacksAndIsMovable)
{
    ASSERT_TRUE(Lib());
    for (const char *name : {"ListClasses", "VEK_CC_Info", "VEK_CC_Style", "VEK_CC_Flags", "VEK_CC_DlgFn"})
        EXPECT_TRUE(Export(name)) << name;
    CaptureDebug();
    HGLOBAL h = As<CCListClassesFn>(Export("ListClasses"))((LPSTR) "EDITOR", 0x0300, EditorLoad, EditorEdit);
    ASSERT_TRUE(h);
    const uint8_t *b = (const uint8_t *)GlobalLock(h);
    ASSERT_TRUE(b);
    EXPECT_NE((const void *)b, (const void *)h);  // a movable block
    EXPECT_EQ(b[0], 1);
    const CCTClassListLayout &L = CCT_ClassList();
    EXPECT_EQ(GlobalSize(h), L.size);
    const char *exports[3] = {"VEK_CC_Info", "VEK_CC_Style", "VEK_CC_Flags"};
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(CCT_ClassListAddr(b, i), (uint64_t)(uintptr_t)Export(exports[i])) << exports[i];
        if (L.addrSize == 8) {
            EXPECT_GT(CCT_ClassListAddr(b, i), 0xFFFFFFFFull) << exports[i];
        }
    }
    char name[20] = "VEK_CC09_Button";
    EXPECT_EQ(memcmp(b + L.nameAt, name, 20), 0);
    ASSERT_EQ(s_debug.size(), 2u);
    EXPECT_EQ(s_debug[0].rfind("Kerv_cc09: ListClasses (DllExported): entry - CallingClass: ", 0), 0u);
    EXPECT_EQ(s_debug[1].rfind("Kerv_cc09: ListClasses (DllExported): exit  - hClassList: " + AddrText(h), 0), 0u);
    GlobalUnlock(h);
    GlobalFree(h);

    Entries e = EntriesFromList();
    ASSERT_TRUE(e.flags);
    CaptureDebug();
    char buf[4] = {'x', 'y', 0, 0};
    EXPECT_EQ(e.flags(0x40000001, buf, 4), 0);
    EXPECT_EQ(buf[0], 0);
    ASSERT_EQ(s_debug.size(), 2u);
    EXPECT_EQ(s_debug[1], "Kerv_cc09: VEK_CC_Flags: exit\n");
}

struct KindRow {
    int w, h;
    const char *desc;
};
static const KindRow kKinds[8] = {
    {32, 20, "VEK Font Button"},    {32, 40, "VEK Combo BMP Button"}, {50, 16, "VEK LED Display"},
    {34, 34, "VEK Dual LED Button"}, {40, 16, "VEK Font Button 95"},   {50, 18, "VEK Font Display"},
    {40, 20, "VEK Chunky Font Btn"}, {32, 20, "VEK Repeat Button"},
};

TEST(Design09Records, InfoRecordBytesKindsPicturesAndCursor)
{
    Entries e = EntriesFromList();
    ASSERT_TRUE(e.info);
    CaptureDebug();
    HGLOBAL h = e.info();
    ASSERT_TRUE(h);
    EXPECT_EQ(GlobalFlags(h) & GMEM_LOCKCOUNT, 0u);
    ASSERT_GE(GlobalSize(h), 768u);
    std::vector<uint8_t> b(768);
    memcpy(b.data(), GlobalLock(h), 768);
    GlobalUnlock(h);
    GlobalFree(h);
    ASSERT_EQ(s_debug.size(), 2u);
    EXPECT_EQ(s_debug[0], "Kerv_cc09: VEK_CC_Info - entry\n");
    EXPECT_EQ(s_debug[1], "Kerv_cc09: VEK_CC_Info - exit (hCtlInfo: " + AddrText(h) + ")\n");

    const uint8_t head[24] = {0x7A, 0x00, 0x08, 0x00, 'V', 'E', 'K', '_', 'C', 'C', '0', '9',
                              '_', 'B', 'u', 't', 't', 'o', 'n'};
    EXPECT_EQ(memcmp(b.data(), head, sizeof head), 0);
    char title[94] = "Label$AuxText$2";
    EXPECT_EQ(memcmp(b.data() + 24, title, 94), 0);
    const CCInfoRecord *info = (const CCInfoRecord *)b.data();
    std::vector<std::vector<uint8_t>> pictures;
    for (int i = 0; i < 8; i++) {
        const CCKindEntry &k = info->kind[i];
        const char *at = kKinds[i].desc;
        EXPECT_EQ(k.type, 0) << at;
        EXPECT_EQ(k.width, kKinds[i].w) << at;
        EXPECT_EQ(k.height, kKinds[i].h) << at;
        EXPECT_EQ(k.style, 0x40000000u + i + 1) << at;
        char desc[22] = {};
        strcpy(desc, kKinds[i].desc);
        EXPECT_EQ(memcmp(k.description, desc, 22), 0) << at;
        // Each kind its own 24 x 24 picture; one drop cursor for all.
        HBITMAP bmp = (HBITMAP)(LONG_PTR)(LONG)k.bitmap;
        BITMAP bm = {};
        ASSERT_EQ(GetObjectA(bmp, sizeof bm, &bm), (int)sizeof bm) << at;
        EXPECT_EQ(bm.bmWidth, 24) << at;
        EXPECT_EQ(bm.bmHeight, 24) << at;
        std::vector<uint8_t> px(24 * 24 * 4);
        BITMAPINFO bi = {};
        bi.bmiHeader = {sizeof bi.bmiHeader, 24, -24, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        HDC dc = GetDC(nullptr);
        EXPECT_EQ(GetDIBits(dc, bmp, 0, 24, px.data(), &bi, DIB_RGB_COLORS), 24) << at;
        ReleaseDC(nullptr, dc);
        for (const auto &other : pictures) EXPECT_NE(px, other) << at;
        pictures.push_back(px);
        ICONINFO ii = {};
        ASSERT_TRUE(GetIconInfo((HCURSOR)(LONG_PTR)(LONG)k.cursor, &ii)) << at;
        EXPECT_FALSE(ii.fIcon) << at;
        if (ii.hbmMask) DeleteObject(ii.hbmMask);
        if (ii.hbmColor) DeleteObject(ii.hbmColor);
        EXPECT_EQ(k.cursor, info->kind[0].cursor);
    }
    for (int i = 8 * 40 + 128; i < 768; i++) ASSERT_EQ(b[i], 0) << "byte " << i;
}

// ---- the style dialog, driven by a timer ---------------------------------

#define DLG_TITLE "VEK Custom Control Style Library 9"

static void Click(HWND dlg, int id) { SendDlgItemMessageA(dlg, id, BM_CLICK, 0, 0); }
static bool On(HWND dlg, int id) { return IsDlgButtonChecked(dlg, id) == BST_CHECKED; }
static bool Enabled(HWND dlg, int id) { return IsWindowEnabled(GetDlgItem(dlg, id)) != 0; }
static std::vector<std::string> s_verified;
static std::vector<DWORD> s_verifyResults;
static DWORD CALLBACK Verify(LPSTR text)
{
    s_verified.push_back(text);
    size_t i = s_verified.size() - 1;
    return s_verifyResults.empty() ? 0 : s_verifyResults[i < s_verifyResults.size() ? i : s_verifyResults.size() - 1];
}
static UINT CALLBACK IdToStr(WORD id, LPSTR buf, WORD size)
{
    snprintf(buf, size, "ID_%u", (unsigned)id);
    return 1;
}

// A style record of 128 bytes plus a guard of 32.
static HGLOBAL NewStyle(uint32_t style, const char *title)
{
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 160);
    uint8_t *b = (uint8_t *)GlobalLock(h);
    memset(b, 0xEE, 160);
    CCStyleRecord *r = (CCStyleRecord *)b;
    memset(r, 0, sizeof *r);
    r->width = 32, r->height = 20, r->id = 77;
    r->style = style;
    strcpy(r->className, "VEK_CC09_Button");
    memcpy(r->title, title, strnlen(title, sizeof r->title));
    GlobalUnlock(h);
    return h;
}

static CCStyleRecord Record(HGLOBAL h)
{
    CCStyleRecord r;
    memcpy(&r, GlobalLock(h), sizeof r);
    GlobalUnlock(h);
    return r;
}

static std::string Title(HGLOBAL h)
{
    CCStyleRecord r = Record(h);
    return std::string(r.title, strnlen(r.title, sizeof r.title));
}

typedef CCTDialogRun DialogRun;

static DialogRun RunStyle(HGLOBAL style, std::vector<std::function<void(HWND)>> steps,
                          CCVerifyIdFn verify = Verify, CCEditResFn edit = EditorEdit)
{
    Entries e = EntriesFromList(edit);
    s_verified.clear();
    s_verifyResults = {42};
    return CCT_DriveDialog(DLG_TITLE, std::move(steps), [&]() -> INT_PTR { return e.style ? e.style(CCT_Parent(), style, verify, IdToStr) : -7; });
}

// Opens a record and presses OK after fill; returns the record afterwards.
static CCStyleRecord SaveWith(uint32_t style, const char *title, std::function<void(HWND)> fill)
{
    HGLOBAL h = NewStyle(style, title);
    RunStyle(h, {[&](HWND d) {
        fill(d);
        CCT_DlgPress(d, IDOK);
    }});
    CCStyleRecord r = Record(h);
    GlobalFree(h);
    return r;
}

TEST(Style09Dialog, RoundTripOfNotificationsJustificationAndFields)
{
    UseDemoInstallation();
    HGLOBAL h = NewStyle(0x40000001, "Go$Aux$2");
    std::string label, aux, id, version, caption;
    bool release = false, press = true, centre = false;
    DialogRun run = RunStyle(h, {[&](HWND d) {
        label = CCT_DlgItem(d, CC_DLG_TEXT), aux = CCT_DlgItem(d, CC09_DLG_AUX), id = CCT_DlgItem(d, CC_DLG_ID);
        version = CCT_DlgItem(d, CC09_DLG_VERSION), caption = CCT_DlgItem(d, CC09_DLG_AUX_CAPTION);
        release = On(d, CC09_DLG_RELEASE), press = On(d, CC09_DLG_PRESS), centre = On(d, CC09_DLG_CENTRE);
        Click(d, CC09_DLG_RELEASE);
        Click(d, CC09_DLG_PRESS);
        Click(d, CC09_DLG_RIGHT);
        CCT_DlgPress(d, IDOK);
    }});
    EXPECT_EQ(run.result, 1);
    EXPECT_FALSE(run.forced);
    EXPECT_EQ(label, "Go");
    EXPECT_EQ(aux, "Aux");
    EXPECT_EQ(id, "ID_77");
    EXPECT_EQ(version, "V1.22");
    EXPECT_EQ(caption, "Font,Pitch");
    EXPECT_TRUE(release && !press && centre);
    CCStyleRecord r = Record(h);
    EXPECT_EQ(Title(h), "Go$Aux$5");
    EXPECT_EQ(r.id, 42);
    EXPECT_STREQ(r.className, "VEK_CC09_CLASS");

    bool right = false, left = true;
    release = true, press = false;
    run = RunStyle(h, {[&](HWND d) {
        press = On(d, CC09_DLG_PRESS), release = On(d, CC09_DLG_RELEASE);
        right = On(d, CC09_DLG_RIGHT), left = On(d, CC09_DLG_LEFT);
        SetDlgItemTextA(d, CC_DLG_TEXT, "A$B");
        SetDlgItemTextA(d, CC09_DLG_AUX, "");
        Click(d, CC09_DLG_LEFT);
        CCT_DlgPress(d, IDCANCEL);
    }});
    EXPECT_TRUE(press && right && !release && !left);
    EXPECT_EQ(run.result, 0);  // Cancel
    EXPECT_EQ(Title(h), "Go$Aux$5");
    GlobalFree(h);

    // A '$' ends a field; empty fields become one blank; left is 8.
    r = SaveWith(0x40000001, "Go$Aux$2", [](HWND d) {
        SetDlgItemTextA(d, CC_DLG_TEXT, "A$B");
        SetDlgItemTextA(d, CC09_DLG_AUX, "");
        Click(d, CC09_DLG_LEFT);
    });
    EXPECT_STREQ(r.title, "A$ $a");
    r = SaveWith(0x40000001, "Go$Aux$2", [](HWND d) { SetDlgItemTextA(d, CC_DLG_TEXT, "$$$"); });
    EXPECT_STREQ(r.title, " $Aux$2");
}

TEST(Style09Dialog, TitlesWithoutFieldsAndTheEditorsPlaceholder)
{
    struct Case {
        const char *title, *label, *aux;
        bool release;
    } cases[] = {
        {"UserDefined", "Label", "AuxText", true},
        {"UserDefinedX", "UserDefinedX", "", false},
        {"$$$", "$$$", " ", true},
        {"", "", " ", true},
        {"Solo", "Solo", "", false},
        {"Go$Aux$ 3", "Go", "Aux", true},
    };
    for (const Case &c : cases) {
        HGLOBAL h = NewStyle(0x40000001, c.title);
        std::string label, aux;
        bool release = false;
        RunStyle(h, {[&](HWND d) {
            label = CCT_DlgItem(d, CC_DLG_TEXT), aux = CCT_DlgItem(d, CC09_DLG_AUX), release = On(d, CC09_DLG_RELEASE);
            CCT_DlgPress(d, IDCANCEL);
        }});
        EXPECT_EQ(label, c.label) << c.title;
        EXPECT_EQ(aux, c.aux) << c.title;
        EXPECT_EQ(release, c.release) << c.title;
        GlobalFree(h);
    }
}

TEST(Style09Dialog, StyleBitsFromTheItems)
{
    struct Case {
        uint32_t style;
        std::vector<int> clicks;
        uint32_t expect;  // low word after OK
    } cases[] = {
        {0x02, {CC09_DLG_BMP_RIGHT, CC09_DLG_STRETCH}, 0x0472},  // border off: no border item checked
        {0x02 | 0x20, {}, 0x0062},                             // bottom kept
        {0x02 | 0x10 | 0x400, {CC09_DLG_STRETCH}, 0x0052},     // left kept, stretch off
        {0x06, {}, 0x0006},                                    // border on, lowered
        {0x06 | 0x80, {}, 0x0086},                             // raised kept
        {0x06, {CC09_DLG_RAISED}, 0x0086},
        {0x06, {CC09_DLG_BORDER}, 0x0046},                     // border off
        {0x06 | 0x40, {}, 0x0046},
        {0x01, {CC09_DLG_BROWSE}, 0x0141},
        {0x01 | 0x100, {CC09_DLG_BROWSE}, 0x0041},
        {0x01, {CC09_DLG_LOST_FOCUS}, 0x0241},                 // with release
        {0x01 | 0x200, {CC09_DLG_RELEASE}, 0x0041},            // lost focus needs release
        {0x08 | 0x800, {}, 0x0848},                            // bit 11 untouched
    };
    for (const Case &c : cases) {
        CCStyleRecord r = SaveWith(0x40000000 | c.style, "Go$Aux$2", [&](HWND d) {
            for (int id : c.clicks) Click(d, id);
        });
        EXPECT_EQ(r.style, 0x40000000u | c.expect) << std::hex << c.style;
    }
}

TEST(Style09Dialog, ItemsAndEnablingPerKind)
{
    static const char *const caption[16] = {"Aux Text",   "Font,Pitch", "Bitmap",     "Pitch",
                                            "FontSw",     "Font,Pitch", "Font,Pitch", "Font,Pitch",
                                            "Rate (ms)",  "Aux Text",   "Aux Text",   "Aux Text",
                                            "Aux Text",   "Aux Text",   "Aux Text",   "Aux Text"};
    for (uint32_t kind : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 15u}) {
        HGLOBAL h = NewStyle(0x40000000 | kind, "Go$Aux$2");
        std::string cap;
        bool edit = false, border = false, raised = false, browse = false, groupShown = false;
        int height = 0;
        RunStyle(h, {[&](HWND d) {
            cap = CCT_DlgItem(d, CC09_DLG_AUX_CAPTION);
            edit = Enabled(d, CC09_DLG_EDIT_BITMAP), border = Enabled(d, CC09_DLG_BORDER);
            raised = Enabled(d, CC09_DLG_RAISED) && Enabled(d, CC09_DLG_LOWERED);
            browse = Enabled(d, CC09_DLG_BROWSE);
            RECT wr, cr, item;
            GetWindowRect(d, &wr);
            height = wr.bottom - wr.top;
            GetClientRect(d, &cr);
            groupShown = true;
            for (int id : {CC09_DLG_BMP_TOP, CC09_DLG_BMP_LEFT, CC09_DLG_BMP_BOTTOM, CC09_DLG_BMP_RIGHT,
                           CC09_DLG_STRETCH}) {
                GetWindowRect(GetDlgItem(d, id), &item);
                MapWindowPoints(nullptr, d, (POINT *)&item, 2);
                groupShown &= item.bottom <= cr.bottom;
            }
            CCT_DlgPress(d, IDCANCEL);
        }});
        EXPECT_EQ(cap, caption[kind]) << kind;
        EXPECT_EQ(edit, kind == 2) << kind;
        EXPECT_EQ(border, kind == 6) << kind;
        EXPECT_EQ(raised, kind == 6) << kind;  // border on: no bit 6
        EXPECT_EQ(browse, kind != 8) << kind;
        EXPECT_EQ(groupShown, kind == 2) << kind;
        EXPECT_EQ(height == 400, kind == 2) << kind << ": " << height;
        GlobalFree(h);
    }
}

TEST(Style09Dialog, ReleaseLostFocusBrowseAndBorderRules)
{
    HGLOBAL h = NewStyle(0x40000006 | 0x200, "Go$Aux$3");
    std::vector<bool> seen;
    RunStyle(h, {[&](HWND d) {
        auto note = [&](std::initializer_list<bool> v) { seen.insert(seen.end(), v); };
        note({On(d, CC09_DLG_LOST_FOCUS), Enabled(d, CC09_DLG_LOST_FOCUS)});  // 1 1
        Click(d, CC09_DLG_RELEASE);
        note({Enabled(d, CC09_DLG_LOST_FOCUS)});  // 0
        Click(d, CC09_DLG_RELEASE);
        note({Enabled(d, CC09_DLG_LOST_FOCUS)});  // 1
        Click(d, CC09_DLG_BROWSE);
        note({On(d, CC09_DLG_PRESS), Enabled(d, CC09_DLG_PRESS), On(d, CC09_DLG_RELEASE),
              Enabled(d, CC09_DLG_RELEASE), On(d, CC09_DLG_LOST_FOCUS), Enabled(d, CC09_DLG_LOST_FOCUS)});  // 1 0 0 0 0 0
        Click(d, CC09_DLG_BROWSE);
        note({Enabled(d, CC09_DLG_PRESS), Enabled(d, CC09_DLG_RELEASE), Enabled(d, CC09_DLG_LOST_FOCUS)});  // 1 1 0
        Click(d, CC09_DLG_BORDER);
        note({Enabled(d, CC09_DLG_RAISED), Enabled(d, CC09_DLG_LOWERED)});  // 0 0
        Click(d, CC09_DLG_BORDER);
        note({Enabled(d, CC09_DLG_RAISED), On(d, CC09_DLG_LOWERED)});  // 1 1
        CCT_DlgPress(d, IDCANCEL);
    }});
    EXPECT_EQ(seen, (std::vector<bool>{1, 1, 0, 1, 1, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 1, 1}));
    GlobalFree(h);

    // A browse button opens with Press and Release disabled.
    h = NewStyle(0x40000001 | 0x100, "Go$Aux$1");
    bool browse = false, press = true, release = true;
    RunStyle(h, {[&](HWND d) {
        browse = On(d, CC09_DLG_BROWSE), press = Enabled(d, CC09_DLG_PRESS), release = Enabled(d, CC09_DLG_RELEASE);
        CCT_DlgPress(d, IDCANCEL);
    }});
    EXPECT_TRUE(browse && !press && !release);
    GlobalFree(h);
}

TEST(Style09Dialog, EditBitmapCallsTheEditorAndMayEndTheDialog)
{
    HGLOBAL h = NewStyle(0x40000002, "Go$pic.bmp$2");
    s_edits.clear();
    s_editResult = FALSE;
    bool open = false;
    DialogRun run = RunStyle(h, {[&](HWND d) { CCT_DlgPress(d, CC09_DLG_EDIT_BITMAP); },
                                 [&](HWND d) {
                                     open = true;
                                     SetDlgItemTextA(d, CC09_DLG_AUX, "other.bmp");
                                     s_editResult = TRUE;
                                     CCT_DlgPress(d, CC09_DLG_EDIT_BITMAP);
                                 }});
    EXPECT_TRUE(open);
    EXPECT_FALSE(run.forced);
    EXPECT_EQ(run.result, 0);  // as Cancel
    EXPECT_EQ(s_edits, (std::vector<std::pair<UINT, std::string>>{{2, "pic.bmp"}, {2, "other.bmp"}}));
    EXPECT_EQ(Title(h), "Go$pic.bmp$2");
    EXPECT_EQ(GlobalFlags(h) & GMEM_LOCKCOUNT, 0u);

    // Without an edit callback the button does nothing.
    s_edits.clear();
    run = RunStyle(h, {[](HWND d) { CCT_DlgPress(d, CC09_DLG_EDIT_BITMAP); }, [](HWND d) { CCT_DlgPress(d, IDOK); }}, Verify,
                   nullptr);
    EXPECT_EQ(run.result, 1);
    EXPECT_TRUE(s_edits.empty());
    GlobalFree(h);
}

TEST(Style09Dialog, VersionTextFromTheLibraryInTheSystemPath)
{
    // Folders whose kerv_cc09.DLL has no version block, another string table, or is missing.
    const std::string root = FullPath("design09_sys");
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    struct Sys {
        const char *name;
        std::string from;
    } systems[] = {{"noversion", FullPath("KERV_CC.DLL")}, {"othertable", self}, {"missing", ""}};
    for (const Sys &s : systems) {
        std::string dir = root;
        for (std::string part : {std::string(s.name), std::string("windows"), std::string("lib")}) {
            CreateDirectoryA(dir.c_str(), nullptr);
            dir += "\\" + part;
        }
        CreateDirectoryA(dir.c_str(), nullptr);
        if (!s.from.empty()) {
            ASSERT_TRUE(CopyFileA(s.from.c_str(), (dir + "\\kerv_cc09.DLL").c_str(), FALSE));
        }
    }
    // Last, a system path that fits its buffer, but not with the file name after it.
    ASSERT_LT(root.size(), 200u);
    const std::string longRoot = root + "\\" + std::string(231 - root.size() - 1, 'r');
    const std::pair<std::string, const char *> places[] = {
        {root, "noversion"}, {root, "othertable"}, {root, "missing"}, {root, "absent"}, {longRoot, "studio"}};
    for (const auto &place : places) {
        UseSystem(place.first, place.second);
        HGLOBAL h = NewStyle(0x40000001, "Go$Aux$2");
        std::string version = "?";
        DialogRun run = RunStyle(h, {[&](HWND d) {
            version = CCT_DlgItem(d, CC09_DLG_VERSION);
            CCT_DlgPress(d, IDOK);
        }});
        EXPECT_EQ(run.result, 1) << place.second;
        EXPECT_EQ(version, "") << place.second;
        GlobalFree(h);
    }
    UseDemoInstallation();
}

TEST(Style09DialogBadInput, LongTextsAreBoundedAndTheTailNeverCut)
{
    const std::string L4k(4000, 'L'), X4k(4000, 'X');
    struct Case {
        std::string label, aux, expect;
    } cases[] = {
        {L4k, X4k, std::string(89, 'L') + "$X$2"},
        {std::string(30, 'L'), std::string(300, 'X'), std::string(30, 'L') + "$" + std::string(60, 'X') + "$2"},
        {std::string(45, 'L'), std::string(45, 'X'), std::string(45, 'L') + "$" + std::string(45, 'X') + "$2"},
    };
    for (const Case &c : cases) {
        CCStyleRecord r = SaveWith(0x40000001, "Go$Aux$2", [&](HWND d) {
            SetDlgItemTextA(d, CC_DLG_TEXT, c.label.c_str());
            SetDlgItemTextA(d, CC09_DLG_AUX, c.aux.c_str());
        });
        EXPECT_EQ(std::string(r.title, strnlen(r.title, 94)), c.expect);
        EXPECT_EQ(r.title[93], 0);
    }
    // The items take no more than a title holds.
    std::string typed;
    SaveWith(0x40000001, "Go$Aux$2", [&](HWND d) {
        SetDlgItemTextA(d, CC_DLG_TEXT, "");
        SetFocus(GetDlgItem(d, CC_DLG_TEXT));
        for (int i = 0; i < 100; i++) SendDlgItemMessageA(d, CC_DLG_TEXT, WM_CHAR, 'k', 0);
        typed = CCT_DlgItem(d, CC_DLG_TEXT);
    });
    EXPECT_EQ(typed, std::string(93, 'k'));
}

TEST(Style09DialogBadInput, TitleOfTheRecordReadTo93Characters)
{
    for (size_t n : {93u, 94u}) {
        HGLOBAL h = NewStyle(0x40000001, "");
        CCStyleRecord *r = (CCStyleRecord *)GlobalLock(h);
        memset(r->title, 'T', n);  // 94: no terminator in the field
        GlobalUnlock(h);
        std::string label;
        RunStyle(h, {[&](HWND d) {
            label = CCT_DlgItem(d, CC_DLG_TEXT);
            CCT_DlgPress(d, IDCANCEL);
        }});
        EXPECT_EQ(label, std::string(93, 'T'));
        GlobalFree(h);
    }
}

TEST(Style09DialogBadInput, RejectedIdKeepsTheDialogOpen)
{
    HGLOBAL h = NewStyle(0x40000001, "Go$Aux$2");
    CaptureDebug();
    bool open = false;
    DialogRun run = RunStyle(h, {[](HWND d) {
                                     s_verifyResults = {0, 9};
                                     SetDlgItemTextA(d, CC_DLG_ID, std::string(300, '0').c_str());
                                     CCT_DlgPress(d, IDOK);
                                 },
                                 [&](HWND d) {
                                     open = IsWindowVisible(d) != 0;
                                     SetDlgItemTextA(d, CC_DLG_ID, "9");
                                     CCT_DlgPress(d, IDOK);
                                 }});
    EXPECT_TRUE(open);
    EXPECT_EQ(run.result, 1);
    ASSERT_EQ(s_verified.size(), 2u);
    EXPECT_EQ(s_verified[0], std::string(255, '0'));
    EXPECT_EQ(CountDebug("Kerv_cc09: VEK_CC_DlgFn: ZERO value for button ID is not allowed.\n"), 1);
    EXPECT_EQ(Record(h).id, 9);
    EXPECT_EQ(GlobalFlags(h) & GMEM_LOCKCOUNT, 0u);
    GlobalFree(h);
}

static LRESULT CALLBACK RefuseWindows(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Style09DialogBadInput, NoDialogOrNoRecordReportsZero)
{
    HGLOBAL h = NewStyle(0x40000001, "Go$Aux$2");
    CaptureDebug();
    HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseWindows, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(hook);
    DialogRun run = RunStyle(h, {});
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(CountDebug("Kerv_cc09: VEK_CC_Style: exit - DialogBox() call failed. dialogReturnValue = -1\n"), 1);
    GlobalFree(h);

    run = RunStyle(nullptr, {[](HWND d) { CCT_DlgPress(d, IDOK); }});
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.ran, 0u);
}
