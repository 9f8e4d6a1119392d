// KERV_CC.DLL as a dialog resource editor sees it: the class list, the info
// record with its kind table, the flags entry and the style dialog, driven by a
// timer that fills the dialog's items and presses its buttons.
#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>
#include <functional>
#include <string>
#include <vector>
#include "ccdesign.h"
#include "dialog.h"
#include "harness.h"

// ---- the library and its entry points ------------------------------------

static HMODULE Lib()
{
    static HMODULE lib = LoadLibraryA("KERV_CC.DLL");
    return lib;
}

static FARPROC Export(const char *name) { return GetProcAddress(Lib(), name); }
template <typename T> static T As(FARPROC p) { return (T)(uintptr_t)p; }

static BOOL CALLBACK EditorLoad(UINT, LPSTR) { return FALSE; }
static BOOL CALLBACK EditorEdit(UINT, LPSTR) { return FALSE; }

// Entry points the editor reaches through the class list record.
struct Entries {
    CCInfoFn info = nullptr;
    CCStyleFn style = nullptr;
    CCFlagsFn flags = nullptr;
};

static Entries EntriesFromList()
{
    Entries e;
    CCListClassesFn list = As<CCListClassesFn>(Export("ListClasses"));
    if (!list) return e;
    HGLOBAL h = list((LPSTR) "EDITOR", 0x0300, EditorLoad, EditorEdit);
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

static std::string Fmt(const char *fmt, ...) __attribute__((format(printf, 1, 2)));
static std::string Fmt(const char *fmt, ...)
{
    char buf[600];
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(buf, sizeof buf, fmt, ap);
    va_end(ap);
    return buf;
}

static int CountDebug(const std::string &line)
{
    int n = 0;
    for (const std::string &s : s_debug) n += s == line;
    return n;
}

// Addresses as the debugger lines print them (alive until the statement ends).
#define A(p) CCT_AddrText(p).c_str()
#define AF(f) CCT_FnText(f).c_str()
template <typename F> static uint64_t Whole(F f) { return (uint64_t)(uintptr_t)f; }

// Locks still held on a movable block.
static unsigned Locks(HGLOBAL h) { return GlobalFlags(h) & GMEM_LOCKCOUNT; }

// ---- class list, info record, flags --------------------------------------

TEST(DesignExports, AllEntryPointsByUndecoratedName)
{
    ASSERT_TRUE(Lib());
    for (const char *name : {"ListClasses", "VEK_CC_Info", "VEK_CC_Style", "VEK_CC_Flags", "VEK_CC_DlgFn",
                             "VEK_CC_WndFn"})
        EXPECT_TRUE(Export(name)) << name;
}

TEST(DesignExports, ClassListRecord)
{
    CCListClassesFn list = As<CCListClassesFn>(Export("ListClasses"));
    ASSERT_TRUE(list);
    CaptureDebug();
    char caller[] = "EDITOR";
    // Only the low 16 bits of the version are taken.
    typedef HGLOBAL(CALLBACK * WideList)(LPSTR, DWORD, CCLoadResFn, CCEditResFn);
    HGLOBAL h = As<WideList>(Export("ListClasses"))(caller, 0xFFFF0300, EditorLoad, EditorEdit);
    ASSERT_TRUE(h);
    // 34 bytes with 4-byte entry addresses; 46 with 8-byte ones on 64-bit builds.
    const CCTClassListLayout &L = CCT_ClassList();
    ASSERT_EQ(GlobalSize(h), L.size);
    const uint8_t *b = (const uint8_t *)GlobalLock(h);
    ASSERT_TRUE(b);
    EXPECT_EQ((const void *)b, (const void *)h);  // a fixed block
    EXPECT_EQ(b[0], 1);
    EXPECT_EQ(b[1], 0);
    const char *exports[3] = {"VEK_CC_Info", "VEK_CC_Style", "VEK_CC_Flags"};
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(CCT_ClassListAddr(b, i), Whole(Export(exports[i]))) << exports[i];
        // Loaded above 4 GB on 64-bit builds: a cut address would show here.
        if (L.addrSize == 8) {
            EXPECT_GT(CCT_ClassListAddr(b, i), 0xFFFFFFFFull) << exports[i];
        }
    }
    char name[20] = "VEK_CC_Button";
    EXPECT_EQ(memcmp(b + L.nameAt, name, 20), 0);
    ASSERT_EQ(s_debug.size(), 2u);
    EXPECT_EQ(s_debug[0], Fmt("Kerv_cc: ListClasses (DllExported): entry - CallingClass: %s, Vers: 0x00000300, "
                              "Ld: %s, Edit: %s\n",
                              A(caller), AF(EditorLoad), AF(EditorEdit)));
    EXPECT_EQ(s_debug[1], Fmt("Kerv_cc: ListClasses (DllExported): exit  - hClassList: %s, I: %s, S: %s, "
                              "F: %s, Cls: 'VEK_CC_Button'\n",
                              A(h), AF(Export(exports[0])), AF(Export(exports[1])), AF(Export(exports[2]))));
    GlobalUnlock(h);
    GlobalFree(h);
}

struct KindRow {
    int w, h;
    uint32_t style;
    const char *desc;
};
static const KindRow kKinds[12] = {
    {32, 20, 0x40000001, "VEK Button"},         {32, 20, 0x40000002, "VEK LED Button"},
    {32, 30, 0x40000004, "VEK Dest Button"},    {32, 10, 0x40000008, "VEK Static Text"},
    {32, 20, 0x40000010, "VEK Browse Button"},  {140, 60, 0x40000020, "VEK Ident Text"},
    {32, 20, 0x40000040, "VEK Bitmap Button"},  {32, 20, 0x40000080, "VEK Touch Button"},
    {32, 10, 0x40000100, "VEK Flat Button"},    {32, 32, 0x40000200, "VEK Multi Button"},
    {24, 96, 0x40000400, "VEK Vertical Fader"}, {96, 24, 0x40000800, "VEK Horizontal Fader"},
};

// 24-bit pixels of a bitmap handle.
static std::vector<uint8_t> Pixels(HBITMAP bmp, int w, int h)
{
    std::vector<uint8_t> px((size_t)w * h * 4);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    HDC dc = GetDC(nullptr);
    int lines = GetDIBits(dc, bmp, 0, h, px.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (lines != h) px.clear();
    return px;
}

TEST(DesignInfo, RecordBytesAndKindTable)
{
    Entries e = EntriesFromList();
    ASSERT_TRUE(e.info);
    CaptureDebug();
    HGLOBAL h = e.info();
    ASSERT_TRUE(h);
    ASSERT_GE(GlobalSize(h), 768u);
    EXPECT_EQ(Locks(h), 0u);  // handed over unlocked
    const uint8_t *b = (const uint8_t *)GlobalLock(h);
    ASSERT_TRUE(b);

    const uint8_t head[24] = {0xB1, 0x00, 0x0C, 0x00, 'V', 'E', 'K', '_', 'C', 'C', '_', 'B', 'u', 't', 't', 'o', 'n'};
    EXPECT_EQ(memcmp(b, head, sizeof head), 0);
    char title[94] = "VEK CC Button";
    EXPECT_EQ(memcmp(b + 24, title, sizeof title), 0);
    for (int i = 118; i < 128; i++) EXPECT_EQ(b[i], 0) << "reserved byte " << i;
    const uint8_t first[10] = {0x00, 0x00, 0x20, 0x00, 0x14, 0x00, 0x01, 0x00, 0x00, 0x40};
    EXPECT_EQ(memcmp(b + 128, first, sizeof first), 0);

    const CCInfoRecord *info = (const CCInfoRecord *)b;
    for (int i = 0; i < 12; i++) {
        const CCKindEntry &k = info->kind[i];
        SCOPED_TRACE(kKinds[i].desc);
        EXPECT_EQ(k.type, 0);
        EXPECT_EQ(k.width, kKinds[i].w);
        EXPECT_EQ(k.height, kKinds[i].h);
        EXPECT_EQ(k.style, kKinds[i].style);
        char desc[22] = {};
        strcpy(desc, kKinds[i].desc);
        EXPECT_EQ(memcmp(k.description, desc, 22), 0);
    }
    for (int i = 12; i < 16; i++) {
        const uint8_t *entry = b + 128 + 40 * i;
        for (int j = 0; j < 40; j++) ASSERT_EQ(entry[j], 0) << "entry " << i << " byte " << j;
    }
    ASSERT_EQ(s_debug.size(), 2u);
    EXPECT_EQ(s_debug[0], "Kerv_cc: VEK_CC_Info - entry\n");
    EXPECT_EQ(s_debug[1], Fmt("Kerv_cc: VEK_CC_Info - about to exit (hCtlInfo:%s, lpCtlInfo:%s)\n", A(h), A(b)));
    GlobalUnlock(h);
    GlobalFree(h);
}

TEST(DesignInfo, EveryKindHasItsOwnToolboxPictureAndTheDropCursor)
{
    Entries e = EntriesFromList();
    ASSERT_TRUE(e.info);
    HGLOBAL h = e.info();
    ASSERT_TRUE(h);
    CCInfoRecord info;
    memcpy(&info, GlobalLock(h), sizeof info);
    GlobalUnlock(h);
    GlobalFree(h);

    std::vector<std::vector<uint8_t>> pictures;
    for (int i = 0; i < 12; i++) {
        SCOPED_TRACE(kKinds[i].desc);
        HBITMAP bmp = (HBITMAP)(LONG_PTR)(LONG)info.kind[i].bitmap;
        BITMAP bm = {};
        ASSERT_EQ(GetObjectA(bmp, sizeof bm, &bm), (int)sizeof bm);
        EXPECT_EQ(bm.bmWidth, 24);
        EXPECT_EQ(bm.bmHeight, 24);
        std::vector<uint8_t> px = Pixels(bmp, 24, 24);
        ASSERT_FALSE(px.empty());
        // A drawn picture: several colours, light grey toolbox background in a corner.
        int distinct = 0;
        for (size_t p = 4; p < px.size(); p += 4) distinct += memcmp(&px[p], &px[p - 4], 3) != 0;
        EXPECT_GT(distinct, 20);
        for (const auto &other : pictures) EXPECT_NE(px, other);
        pictures.push_back(px);

        HCURSOR cur = (HCURSOR)(LONG_PTR)(LONG)info.kind[i].cursor;
        ICONINFO ii = {};
        ASSERT_TRUE(GetIconInfo(cur, &ii));
        EXPECT_FALSE(ii.fIcon);
        EXPECT_EQ(ii.xHotspot, 7u);
        EXPECT_EQ(ii.yHotspot, 7u);
        if (ii.hbmMask) DeleteObject(ii.hbmMask);
        if (ii.hbmColor) DeleteObject(ii.hbmColor);
        EXPECT_EQ(info.kind[i].cursor, info.kind[0].cursor);
    }
}

TEST(DesignFlags, EmptyTextOnlyIntoARoomyBuffer)
{
    Entries e = EntriesFromList();
    ASSERT_TRUE(e.flags);
    CaptureDebug();
    char buf[4] = {'x', 'y', 'z', 0};
    EXPECT_EQ(e.flags(0x12345678, buf, 4), 0);
    EXPECT_EQ(buf[0], 0);
    EXPECT_EQ(buf[1], 'y');
    ASSERT_EQ(s_debug.size(), 2u);
    EXPECT_EQ(s_debug[0], Fmt("Kerv_cc: VEK_CC_Flags: entry - wFlags:0x12345678, lpszString:%s, "
                              "wMaxString:0x00000004\n",
                              A(buf)));
    EXPECT_EQ(s_debug[1], "Kerv_cc: VEK_CC_Flags: exit\n");

    char one[2] = {'a', 'b'};
    EXPECT_EQ(e.flags(0, one, 1), 0);
    EXPECT_EQ(one[0], 0);
    EXPECT_EQ(one[1], 'b');
    char none[2] = {'a', 'b'};
    EXPECT_EQ(e.flags(0, none, 0), 0);
    EXPECT_EQ(none[0], 'a');
    EXPECT_EQ(e.flags(0, nullptr, 100), 0);
    EXPECT_EQ(e.flags(0, nullptr, 0), 0);
}

// ---- the style dialog, driven by a timer ---------------------------------

#define DLG_TITLE "VEK Custom Control Style"

// Editor callbacks with a script of results.
static std::vector<std::string> s_verified;
static std::vector<DWORD> s_verifyResults;
static DWORD CALLBACK Verify(LPSTR text)
{
    s_verified.push_back(text);
    size_t i = s_verified.size() - 1;
    return s_verifyResults.empty() ? 0 : s_verifyResults[i < s_verifyResults.size() ? i : s_verifyResults.size() - 1];
}
static std::vector<std::pair<int, int>> s_idToStrCalls;
static UINT CALLBACK IdToStr(WORD id, LPSTR buf, WORD size)
{
    s_idToStrCalls.push_back({id, size});
    snprintf(buf, size, "ID_%u", (unsigned)id);
    return 1;
}
static UINT CALLBACK IdToStrFillsAll(WORD, LPSTR buf, WORD size)
{
    memset(buf, 'N', size);
    return 1;
}

// A style record in a block of the given size; bytes past 128 are a guard.
static HGLOBAL NewStyle(size_t size = 160, UINT flags = GMEM_MOVEABLE)
{
    HGLOBAL h = GlobalAlloc(flags, size);
    uint8_t *b = (uint8_t *)GlobalLock(h);
    memset(b, 0xEE, size);
    if (size >= sizeof(CCStyleRecord)) {
        CCStyleRecord *r = (CCStyleRecord *)b;
        memset(r, 0, sizeof *r);
        r->x = 1, r->y = 2, r->width = 32, r->height = 20;
        r->id = 77;
        r->style = 0x40000001;
        strcpy(r->className, "VEK_CC_Button");
        strcpy(r->title, "Hello");
    }
    GlobalUnlock(h);
    return h;
}

static std::vector<uint8_t> Bytes(HGLOBAL h)
{
    size_t n = GlobalSize(h);
    std::vector<uint8_t> v(n);
    if (n) {
        memcpy(v.data(), GlobalLock(h), n);
        GlobalUnlock(h);
    }
    return v;
}

static CCStyleRecord Record(HGLOBAL h)
{
    CCStyleRecord r;
    memcpy(&r, Bytes(h).data(), sizeof r);
    return r;
}

typedef CCTDialogRun DialogRun;

static DialogRun RunStyle(HGLOBAL style, CCVerifyIdFn verify, CCIdToStrFn idToStr,
                          std::vector<std::function<void(HWND)>> steps, HWND parent = CCT_Parent())
{
    Entries e = EntriesFromList();
    s_verified.clear();
    s_idToStrCalls.clear();
    return CCT_DriveDialog(DLG_TITLE, std::move(steps), [&]() -> INT_PTR { return e.style ? e.style(parent, style, verify, idToStr) : -7; });
}

static void ExpectClassField(const CCStyleRecord &r)
{
    char cls[20] = "VEK_CC_CLASS";
    EXPECT_EQ(memcmp(r.className, cls, 20), 0);
}

TEST(StyleDialog, OkWithVerifyCallbackWritesIdAndText)
{
    HGLOBAL h = NewStyle();
    std::vector<uint8_t> before = Bytes(h);
    s_verifyResults = {0xABCD002A};
    std::string shownText, shownId, caption;
    bool itemsOk = false;
    uint64_t hi = 0, lo = 0;
    HANDLE recordProp = nullptr;
    CaptureDebug();
    HWND parent = CCT_Parent();
    DialogRun run = RunStyle(h, Verify, IdToStr, {[&](HWND d) {
        char buf[64];
        GetWindowTextA(d, buf, sizeof buf);
        caption = buf;
        char c1[16] = {}, c2[16] = {};
        GetClassNameA(GetDlgItem(d, CC_DLG_TEXT), c1, sizeof c1);
        GetClassNameA(GetDlgItem(d, CC_DLG_ID), c2, sizeof c2);
        itemsOk = lstrcmpiA(c1, "Edit") == 0 && lstrcmpiA(c2, "Edit") == 0 && CCT_DlgItem(d, IDOK) == "OK" &&
                  CCT_DlgItem(d, IDCANCEL) == "Cancel";
        shownText = CCT_DlgItem(d, CC_DLG_TEXT);
        shownId = CCT_DlgItem(d, CC_DLG_ID);
        recordProp = GetPropA(d, MAKEINTATOM(CC_PROP_RECORD));
        hi = (uint64_t)(uintptr_t)GetPropA(d, CC_PROP_VERIFY_HI);
        lo = (uint64_t)(uintptr_t)GetPropA(d, CC_PROP_VERIFY_LO);
        SetDlgItemTextA(d, CC_DLG_TEXT, "New text");
        SetDlgItemTextA(d, CC_DLG_ID, "42");
        CCT_DlgPress(d, IDOK);
    }}, parent);
    EXPECT_EQ(run.result, 1);
    EXPECT_FALSE(run.forced);
    EXPECT_EQ(caption, DLG_TITLE);
    EXPECT_TRUE(itemsOk);
    EXPECT_EQ(shownText, "Hello");
    EXPECT_EQ(shownId, "ID_77");
    ASSERT_EQ(s_idToStrCalls.size(), 1u);
    EXPECT_EQ(s_idToStrCalls[0], std::make_pair(77, 514));
    EXPECT_EQ(recordProp, h);
    // The verify callback's address whole in the two properties (the test
    // program lies above 4 GB on 64-bit builds, and the callback was called).
    if (sizeof(void *) == 8) {
        EXPECT_GT(Whole(Verify), 0xFFFFFFFFull);
    }
    EXPECT_EQ(hi, Whole(Verify) >> 16);
    EXPECT_EQ(lo, Whole(Verify) & 0xFFFF);
    ASSERT_EQ(s_verified.size(), 1u);
    EXPECT_EQ(s_verified[0], "42");

    std::vector<uint8_t> after = Bytes(h);
    CCStyleRecord r = Record(h);
    EXPECT_EQ(r.id, 0x2A);  // low 16 bits of the verify result
    EXPECT_EQ(memcmp(after.data(), before.data(), 8), 0);           // x, y, width, height
    EXPECT_EQ(memcmp(after.data() + 10, before.data() + 10, 4), 0);  // style
    ExpectClassField(r);
    char title[94] = "New text";
    EXPECT_EQ(memcmp(r.title, title, 94), 0);
    EXPECT_EQ(memcmp(after.data() + 128, before.data() + 128, 32), 0);

    EXPECT_EQ(CountDebug(Fmt("Kerv_cc: VEK_CC_Style: entry - hWnd:%d, hCtlStyle:%s, lpfnVerifyId:%s, "
                             "lpfnGetIdStr:%s\n",
                             (int)(INT_PTR)parent, A(h), AF(Verify), AF(IdToStr))),
              1);
    EXPECT_EQ(CountDebug(Fmt("Kerv_cc: VEK_CC_Style: exit - hNewCtlStyle:%s\n", A(h))), 1);
    GlobalFree(h);
}

TEST(StyleDialog, RejectedIdKeepsTheDialogOpenUntilAcceptable)
{
    HGLOBAL h = NewStyle();
    s_verifyResults = {0, 7};
    bool stillOpen = false;
    CaptureDebug();
    DialogRun run = RunStyle(h, Verify, IdToStr,
                             {[](HWND d) {
                                  SetDlgItemTextA(d, CC_DLG_TEXT, "Changed");
                                  SetDlgItemTextA(d, CC_DLG_ID, "0");
                                  CCT_DlgPress(d, IDOK);
                              },
                              [&](HWND d) {
                                  stillOpen = IsWindowVisible(d) != 0;
                                  SetDlgItemTextA(d, CC_DLG_ID, "7");
                                  CCT_DlgPress(d, IDOK);
                              }});
    EXPECT_EQ(run.ran, 2u);
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(run.forced);
    EXPECT_EQ(run.result, 1);
    EXPECT_EQ(s_verified, (std::vector<std::string>{"0", "7"}));
    EXPECT_EQ(CountDebug("Kerv_cc: VEK_CC_DlgFn: ZERO value for button ID is not allowed.\n"), 1);
    EXPECT_EQ(Locks(h), 0u);
    CCStyleRecord r = Record(h);
    EXPECT_EQ(r.id, 7);
    EXPECT_STREQ(r.title, "Changed");
    GlobalFree(h);
}

TEST(StyleDialog, CancelLeavesAllButTheClassFieldAndStillReportsOne)
{
    HGLOBAL h = NewStyle();
    std::vector<uint8_t> expect = Bytes(h);
    memset(expect.data() + 14, 0, 20);
    memcpy(expect.data() + 14, "VEK_CC_CLASS", 12);
    s_verifyResults = {5};
    DialogRun run = RunStyle(h, Verify, IdToStr, {[](HWND d) {
        SetDlgItemTextA(d, CC_DLG_TEXT, "Edited");
        SetDlgItemTextA(d, CC_DLG_ID, "5");
        CCT_DlgPress(d, IDCANCEL);
    }});
    EXPECT_EQ(run.result, 1);
    EXPECT_FALSE(run.forced);
    EXPECT_TRUE(s_verified.empty());
    EXPECT_EQ(Locks(h), 0u);
    EXPECT_EQ(Bytes(h), expect);
    GlobalFree(h);
}

TEST(StyleDialog, IdTextCutTo19AndTitleTo93WithinTheRecord)
{
    HGLOBAL h = NewStyle();
    std::vector<uint8_t> before = Bytes(h);
    s_verifyResults = {9};
    std::string longId(30, '1'), longTitle(150, 'T');
    RunStyle(h, Verify, nullptr, {[&](HWND d) {
        SetDlgItemTextA(d, CC_DLG_TEXT, longTitle.c_str());
        SetDlgItemTextA(d, CC_DLG_ID, longId.c_str());
        CCT_DlgPress(d, IDOK);
    }});
    ASSERT_EQ(s_verified.size(), 1u);
    EXPECT_EQ(s_verified[0], std::string(19, '1'));
    std::vector<uint8_t> after = Bytes(h);
    CCStyleRecord r = Record(h);
    EXPECT_EQ(std::string(r.title), std::string(93, 'T'));
    EXPECT_EQ(r.title[93], 0);
    EXPECT_EQ(memcmp(after.data() + 128, before.data() + 128, 32), 0);  // nothing past the record
    GlobalFree(h);
}

TEST(StyleDialog, WithoutCallbacksTheIdStaysAndTheTextIsSaved)
{
    HGLOBAL h = NewStyle();
    std::string shownId = "?";
    DialogRun run = RunStyle(h, nullptr, nullptr, {[&](HWND d) {
        shownId = CCT_DlgItem(d, CC_DLG_ID);
        SetDlgItemTextA(d, CC_DLG_ID, "123");
        SetDlgItemTextA(d, CC_DLG_TEXT, "Plain");
        CCT_DlgPress(d, IDOK);
    }});
    EXPECT_EQ(run.result, 1);
    EXPECT_EQ(shownId, "");
    CCStyleRecord r = Record(h);
    EXPECT_EQ(r.id, 77);
    EXPECT_STREQ(r.title, "Plain");
    GlobalFree(h);
}

// Executable memory at a high address holding a jump to target, or null. The
// address has bit 31 and bit 15 set (each half of a 32-bit split has its top bit
// set); on 64-bit builds it also lies above 4 GB.
static void *HighThunk(void *target)
{
#ifdef _WIN64
    const uintptr_t tries[] = {0x7FF090000000ull, 0x7FE0A0000000ull, 0x6000B0000000ull, 0x1A0000000ull};
    const uintptr_t low = 0x100000000ull;
#else
    const uintptr_t tries[] = {0x90000000u, 0xA0000000u, 0x80010000u, 0xB0000000u};
    const uintptr_t low = 0x80000000u;
#endif
    for (uintptr_t at : tries) {
        uint8_t *p = (uint8_t *)VirtualAlloc((void *)at, 0x10000, MEM_RESERVE | MEM_COMMIT, PAGE_EXECUTE_READWRITE);
        if (!p) continue;
        if ((uintptr_t)p < low || !((uintptr_t)p & 0x80000000u)) {
            VirtualFree(p, 0, MEM_RELEASE);
            continue;
        }
        uint64_t t = (uintptr_t)target;
#ifdef _WIN64
        uint8_t code[12] = {0x48, 0xB8};  // mov rax, target; jmp rax
        memcpy(code + 2, &t, 8);
        code[10] = 0xFF, code[11] = 0xE0;
#else
        uint8_t code[7] = {0xB8};  // mov eax, target; jmp eax
        memcpy(code + 1, &t, 4);
        code[5] = 0xFF, code[6] = 0xE0;
#endif
        memcpy(p + 0x8ABC, code, sizeof code);
        FlushInstructionCache(GetCurrentProcess(), p, 0x10000);
        return p + 0x8ABC;
    }
    return nullptr;
}

TEST(StyleDialog, VerifyCallbackAtAHighAddressIsRebuiltExactly)
{
    void *thunk = HighThunk((void *)Verify);
    if (!thunk) GTEST_SKIP() << "no executable memory above 0x80000000";
    ASSERT_GE((uintptr_t)thunk, 0x80000000u);
    if (sizeof(void *) == 8) {
        ASSERT_GT((uint64_t)(uintptr_t)thunk, 0xFFFFFFFFull);
    }
    ASSERT_GE((uintptr_t)thunk & 0xFFFF, 0x8000u) << "low half must have its top bit set";
    HGLOBAL h = NewStyle();
    s_verifyResults = {300};
    RunStyle(h, (CCVerifyIdFn)thunk, nullptr, {[](HWND d) {
        SetDlgItemTextA(d, CC_DLG_ID, "300");
        CCT_DlgPress(d, IDOK);
    }});
    EXPECT_EQ(s_verified, std::vector<std::string>{"300"});
    EXPECT_EQ(Record(h).id, 300);
    GlobalFree(h);
}

TEST(StyleDialogBadInput, NullRecordShowsNoDialogAndReportsZero)
{
    CaptureDebug();
    DialogRun run = RunStyle(nullptr, Verify, IdToStr, {[](HWND d) { CCT_DlgPress(d, IDCANCEL); }});
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.ran, 0u);
    EXPECT_TRUE(s_idToStrCalls.empty());
    EXPECT_EQ(CountDebug("Kerv_cc: VEK_CC_Style: exit - hNewCtlStyle:0x00000000\n"), 1);
}

TEST(StyleDialogBadInput, TooSmallOrDeadRecordIsNeverTouched)
{
    HGLOBAL small = NewStyle(64);
    std::vector<uint8_t> before = Bytes(small);
    DialogRun run = RunStyle(small, Verify, IdToStr, {[](HWND d) { CCT_DlgPress(d, IDOK); }});
    EXPECT_EQ(run.ran, 0u);
    EXPECT_TRUE(s_idToStrCalls.empty());
    EXPECT_EQ(Bytes(small), before);
    GlobalFree(small);

    HGLOBAL dead = NewStyle();
    GlobalFree(dead);
    run = RunStyle(dead, Verify, IdToStr, {[](HWND d) { CCT_DlgPress(d, IDOK); }});
    EXPECT_EQ(run.ran, 0u);
    EXPECT_TRUE(s_idToStrCalls.empty());

    // Values that were never a block of this process.
    for (uintptr_t bogus : {(uintptr_t)0x1234, (uintptr_t)0xFFFFFFF0, (uintptr_t)&run}) {
        run = RunStyle((HGLOBAL)bogus, Verify, IdToStr, {[](HWND d) { CCT_DlgPress(d, IDOK); }});
        EXPECT_EQ(run.ran, 0u) << std::hex << bogus;
        EXPECT_TRUE(s_idToStrCalls.empty());
    }
}

TEST(StyleDialogBadInput, RecordLostWhileOpenKeepsOkOpenAndCancelWorks)
{
    HGLOBAL h = NewStyle(128, GMEM_MOVEABLE | GMEM_DISCARDABLE);
    bool discarded = false, stillOpen = false;
    s_verifyResults = {5};
    DialogRun run = RunStyle(h, Verify, nullptr,
                             {[&](HWND d) {
                                  discarded = GlobalReAlloc(h, 0, GMEM_MOVEABLE) != nullptr && !GlobalLock(h);
                                  CCT_DlgPress(d, IDOK);
                              },
                              [&](HWND d) {
                                  stillOpen = true;
                                  CCT_DlgPress(d, IDCANCEL);
                              }});
    if (!discarded) GTEST_SKIP() << "blocks cannot be discarded here";
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(run.forced);
    EXPECT_TRUE(s_verified.empty());
    GlobalFree(h);
}

TEST(StyleDialogBadInput, VerifyRejectingForeverStillCancels)
{
    HGLOBAL h = NewStyle();
    s_verifyResults = {0};
    auto ok = [](HWND d) { CCT_DlgPress(d, IDOK); };
    DialogRun run = RunStyle(h, Verify, IdToStr, {ok, ok, ok, [](HWND d) { CCT_DlgPress(d, IDCANCEL); }});
    EXPECT_EQ(run.ran, 4u);
    EXPECT_FALSE(run.forced);
    EXPECT_EQ(run.result, 1);
    EXPECT_EQ(s_verified.size(), 3u);
    EXPECT_EQ(Locks(h), 0u);
    EXPECT_EQ(Record(h).id, 77);
    GlobalFree(h);
}

TEST(StyleDialogBadInput, UnterminatedTextsFromTheEditorAreBounded)
{
    HGLOBAL h = NewStyle();
    CCStyleRecord *r = (CCStyleRecord *)GlobalLock(h);
    memset(r->title, 'T', sizeof r->title);  // no terminator in the field
    GlobalUnlock(h);
    std::string shownText, shownId;
    DialogRun run = RunStyle(h, nullptr, IdToStrFillsAll, {[&](HWND d) {
        shownText = CCT_DlgItem(d, CC_DLG_TEXT);
        shownId = CCT_DlgItem(d, CC_DLG_ID);
        CCT_DlgPress(d, IDCANCEL);
    }});
    EXPECT_FALSE(run.forced);
    EXPECT_EQ(shownText, std::string(94, 'T'));
    EXPECT_EQ(shownId, std::string(514, 'N'));
    GlobalFree(h);
}

// Refuses the creation of every window while installed.
static LRESULT CALLBACK RefuseWindows(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(StyleDialogBadInput, DialogThatCannotBeCreatedReportsZero)
{
    HGLOBAL h = NewStyle();
    HWND parent = CCT_Parent();
    CaptureDebug();
    HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseWindows, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(hook);
    DialogRun run = RunStyle(h, Verify, IdToStr, {}, parent);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(run.result, 0);
    bool failed = false;
    for (const std::string &s : s_debug)
        failed |= s.rfind("Kerv_cc: VEK_CC_Style: FAILED to create DialogBox: GetLastError: 0", 0) == 0;
    EXPECT_TRUE(failed);
    GlobalFree(h);
}
