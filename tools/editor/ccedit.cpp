// Resource-editor harness: loads a control library the way a dialog resource
// editor does, lists its classes and kind table, writes a PNG contact sheet of
// the toolbox pictures and runs the style dialog on a style record.
//
//   ccedit LIBRARY [--sheet FILE.png] [--dump]
//          [--style ID STYLE TITLE [--set-text T] [--set-id T] [--set ITEM T] [--click ITEM]
//                                  [--show ITEM] [--shot FILE.png] [--press ok|cancel]...]
//
// LIBRARY is a file name (KERV_CC09.DLL, found as LoadLibrary finds it) or a path.
// --style builds a 128-byte style record (id, window style, title) and hands it
// to the library's style entry point; the record is printed afterwards. Without
// --press the dialog waits for a person; the other options drive it instead, in
// order, everything up to the next --press in one step, which works headless:
// --set-text and --set-id fill the text and id items, --set any item of a larger
// dialog, --click clicks a button, check box or radio button by its item id,
// --show prints an item's text and state, --shot saves a picture of the dialog.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>
#include "cccapture.h"
#include "ccdesign.h"
#include "ccpng.h"

static HMODULE s_lib;

// ---- debugger output of the library, echoed as it comes --------------------

static LONG CALLBACK EchoDebug(EXCEPTION_POINTERS *ep)
{
    const EXCEPTION_RECORD *r = ep->ExceptionRecord;
    if (r->ExceptionCode == DBG_PRINTEXCEPTION_C && r->NumberParameters >= 2 && r->ExceptionInformation[1]) {
        const char *text = (const char *)r->ExceptionInformation[1];
        size_t n = strnlen(text, 1024);
        while (n && (text[n - 1] == '\n' || text[n - 1] == '\r')) n--;
        printf("  debug: %.*s\n", (int)n, text);
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

// ---- editor callbacks ------------------------------------------------------

// Accepts a decimal or 0x-hexadecimal id from 1 to 65535; 0 rejects.
static DWORD CALLBACK VerifyId(LPSTR text)
{
    char *end = nullptr;
    unsigned long v = text ? strtoul(text, &end, 0) : 0;
    bool ok = text && end != text && *end == '\0' && v >= 1 && v <= 0xFFFF;
    printf("verify id '%s': %s\n", text ? text : "(null)", ok ? "accepted" : "rejected");
    return ok ? (DWORD)v : 0;
}

static UINT CALLBACK IdToString(WORD id, LPSTR buf, WORD size)
{
    if (buf && size) snprintf(buf, size, "%u", (unsigned)id);
    return 1;
}

static BOOL CALLBACK LoadRes(UINT type, LPSTR name)
{
    printf("load resource: type %u, name '%s'\n", type, name ? name : "(null)");
    return FALSE;
}

static BOOL CALLBACK EditResource(UINT type, LPSTR name)
{
    printf("edit resource: type %u, name '%s'\n", type, name ? name : "(null)");
    return FALSE;
}

// ---- records ---------------------------------------------------------------

// An address the library handed out must lie inside its own image.
template <typename F> static F InLibrary(CCEntryAddr addr)
{
    HMODULE owner = nullptr;
    if (!addr || !GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                         GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                     (LPCSTR)(uintptr_t)addr, &owner) ||
        owner != s_lib)
        return nullptr;
    return (F)(uintptr_t)addr;
}

static std::string Field(const char *p, size_t n) { return std::string(p, strnlen(p, n)); }

static void Dump(const void *p, size_t n)
{
    const uint8_t *b = (const uint8_t *)p;
    for (size_t i = 0; i < n; i += 16) {
        printf("  %04x:", (unsigned)i);
        for (size_t j = i; j < i + 16 && j < n; j++) printf(" %02X", b[j]);
        printf("\n");
    }
}

struct Kind {
    CCKindEntry entry;
    std::string desc;
};

struct ClassInfo {
    std::string name;
    CCInfoRecord info;
    std::vector<Kind> kinds;
    CCStyleFn style = nullptr;
    CCFlagsFn flags = nullptr;
};

// Copies a record out of its global block; false when it is missing or short.
static bool ReadBlock(HGLOBAL h, void *out, size_t size)
{
    if (!h || GlobalSize(h) < size) return false;
    void *p = GlobalLock(h);
    if (!p) return false;
    memcpy(out, p, size);
    GlobalUnlock(h);
    return true;
}

static bool ReadInfo(const CCClassEntry &ce, ClassInfo &ci, bool dump)
{
    ci.name = Field(ce.className, sizeof ce.className);
    ci.style = InLibrary<CCStyleFn>(ce.style);
    ci.flags = InLibrary<CCFlagsFn>(ce.flags);
    CCInfoFn info = InLibrary<CCInfoFn>(ce.info);
    if (!info) {
        printf("class '%s': info entry point 0x%08llx is not in the library\n", ci.name.c_str(),
               (unsigned long long)ce.info);
        return false;
    }
    HGLOBAL h = info();
    if (!ReadBlock(h, &ci.info, sizeof ci.info)) {
        printf("class '%s': no info record\n", ci.name.c_str());
        if (h) GlobalFree(h);
        return false;
    }
    if (dump) Dump(&ci.info, sizeof ci.info);
    GlobalFree(h);
    const CCInfoRecord &r = ci.info;
    printf("info record: version %u, %u kinds, class '%s', title '%s'\n", r.version, r.count,
           Field(r.className, sizeof r.className).c_str(), Field(r.title, sizeof r.title).c_str());
    printf("  #  width height  style       description            bitmap      cursor\n");
    unsigned count = r.count > CC_DESIGN_MAX_KINDS ? CC_DESIGN_MAX_KINDS : r.count;
    for (unsigned i = 0; i < count; i++) {
        const CCKindEntry &k = r.kind[i];
        Kind kind = {k, Field(k.description, sizeof k.description)};
        BITMAP bm = {};
        char size[24] = "invalid";
        if (GetObjectA((HBITMAP)(LONG_PTR)(LONG)k.bitmap, sizeof bm, &bm) == sizeof bm)
            snprintf(size, sizeof size, "%dx%d", (int)bm.bmWidth, (int)bm.bmHeight);
        printf("  %-2u %5u %6u  0x%08x  %-22s 0x%08x %-7s 0x%08x%s\n", i, k.width, k.height, (unsigned)k.style,
               kind.desc.c_str(), (unsigned)k.bitmap, size, (unsigned)k.cursor, k.type ? "  (type not 0)" : "");
        ci.kinds.push_back(kind);
    }
    return true;
}

// ---- contact sheet ---------------------------------------------------------

enum { CELL_W = 330, CELL_H = 86, ZOOM = 3, HEAD_H = 46, FOOT_H = 92, COLS = 2 };

static bool WriteSheet(const char *path, const char *libName, const std::vector<ClassInfo> &classes)
{
    size_t kinds = 0;
    for (const ClassInfo &c : classes) kinds += c.kinds.size();
    int rows = (int)((kinds + COLS - 1) / COLS);
    int W = CELL_W * COLS + 12, H = HEAD_H + rows * CELL_H + FOOT_H;

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HDC src = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    void *bits = nullptr;
    HBITMAP page = dc ? CCCapture_TopDownDib(dc, W, H, &bits) : nullptr;
    if (!dc || !src || !page || !bits) {
        if (page) DeleteObject(page);
        if (dc) DeleteDC(dc);
        if (src) DeleteDC(src);
        return false;
    }
    HGDIOBJ oldPage = SelectObject(dc, page);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    RECT all = {0, 0, W, H};
    FillRect(dc, &all, (HBRUSH)GetStockObject(WHITE_BRUSH));
    SetBkMode(dc, TRANSPARENT);
    HBRUSH frame = CreateSolidBrush(RGB(128, 128, 128));
    HBRUSH toolbox = CreateSolidBrush(RGB(192, 192, 192));

    char line[160];
    int y = 8;
    for (const ClassInfo &c : classes) {
        snprintf(line, sizeof line, "%s  -  class %s, version %u, %u kinds, title \"%s\"", libName, c.name.c_str(),
                 c.info.version, c.info.count, Field(c.info.title, sizeof c.info.title).c_str());
        TextOutA(dc, 8, y, line, (int)strlen(line));
        y += 16;
    }
    int n = 0;
    HCURSOR cursor = nullptr;
    for (const ClassInfo &c : classes) {
        for (const Kind &k : c.kinds) {
            int x0 = 6 + (n % COLS) * CELL_W, y0 = HEAD_H + (n / COLS) * CELL_H;
            n++;
            RECT box = {x0 + 4, y0 + 4, x0 + 8 + 24 * ZOOM, y0 + 8 + 24 * ZOOM};
            FrameRect(dc, &box, frame);
            HBITMAP bmp = (HBITMAP)(LONG_PTR)(LONG)k.entry.bitmap;
            BITMAP bm = {};
            if (GetObjectA(bmp, sizeof bm, &bm) == sizeof bm) {
                HGDIOBJ old = SelectObject(src, bmp);
                StretchBlt(dc, x0 + 6, y0 + 6, bm.bmWidth * ZOOM, bm.bmHeight * ZOOM, src, 0, 0, bm.bmWidth,
                           bm.bmHeight, SRCCOPY);
                RECT bg = {x0 + 90, y0 + 6, x0 + 90 + bm.bmWidth + 8, y0 + 6 + bm.bmHeight + 8};
                FillRect(dc, &bg, toolbox);
                BitBlt(dc, x0 + 94, y0 + 10, bm.bmWidth, bm.bmHeight, src, 0, 0, SRCCOPY);
                SelectObject(src, old);
            } else {
                TextOutA(dc, x0 + 10, y0 + 30, "no bitmap", 9);
            }
            if (!cursor && k.entry.cursor) cursor = (HCURSOR)(LONG_PTR)(LONG)k.entry.cursor;
            TextOutA(dc, x0 + 130, y0 + 10, k.desc.c_str(), (int)k.desc.size());
            snprintf(line, sizeof line, "%u x %u, style 0x%08X", k.entry.width, k.entry.height,
                     (unsigned)k.entry.style);
            TextOutA(dc, x0 + 130, y0 + 28, line, (int)strlen(line));
            snprintf(line, sizeof line, "picture %dx%d", (int)bm.bmWidth, (int)bm.bmHeight);
            TextOutA(dc, x0 + 130, y0 + 46, line, (int)strlen(line));
        }
    }
    int fy = HEAD_H + rows * CELL_H + 6;
    if (cursor) {
        ICONINFO ii = {};
        bool info = GetIconInfo(cursor, &ii);
        RECT box = {10, fy, 10 + 72, fy + 72};
        FillRect(dc, &box, toolbox);
        DrawIconEx(dc, 14, fy + 4, cursor, 64, 64, 0, nullptr, DI_NORMAL);
        snprintf(line, sizeof line, "drop cursor, shown twice its size; hot spot %lu,%lu",
                 info ? (unsigned long)ii.xHotspot : 0ul, info ? (unsigned long)ii.yHotspot : 0ul);
        TextOutA(dc, 96, fy + 28, line, (int)strlen(line));
        if (ii.hbmMask) DeleteObject(ii.hbmMask);
        if (ii.hbmColor) DeleteObject(ii.hbmColor);
    }
    GdiFlush();

    std::vector<uint8_t> rgb((size_t)W * H * 3);
    const uint8_t *px = (const uint8_t *)bits;
    for (size_t i = 0; i < (size_t)W * H; i++) {
        rgb[i * 3] = px[i * 4 + 2];
        rgb[i * 3 + 1] = px[i * 4 + 1];
        rgb[i * 3 + 2] = px[i * 4];
    }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldPage);
    DeleteObject(frame);
    DeleteObject(toolbox);
    DeleteObject(page);
    DeleteDC(src);
    DeleteDC(dc);
    bool ok = CCPng_WriteFile(path, W, H, rgb.data(), (size_t)W * 3);
    printf("contact sheet: %s (%d x %d) %s\n", path, W, H, ok ? "written" : "NOT written");
    return ok;
}

// ---- style dialog ------------------------------------------------------------

struct Step {
    enum Kind { SET, CLICK, SHOW, SHOT, PRESS } kind;
    int item;
    std::string text;
};
static std::vector<Step> s_steps;
static size_t s_next;
static DWORD s_lastStep;
static bool s_forced;

static BOOL CALLBACK FindModal(HWND hwnd, LPARAM lp)
{
    char cls[16];
    GetClassNameA(hwnd, cls, sizeof cls);
    if (strcmp(cls, "#32770") == 0 && IsWindowVisible(hwnd)) {
        *(HWND *)lp = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Runs the steps up to the next press each tick; a dialog left open long after
// the last step is ended so that a harness run cannot hang.
static void CALLBACK DriveDialog(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dlg = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindModal, (LPARAM)&dlg);
    if (!dlg) return;
    if (s_next >= s_steps.size()) {
        if (GetTickCount() - s_lastStep > 3000) {
            printf("dialog still open after the last step: ended\n");
            s_forced = true;
            EndDialog(dlg, 99);
        }
        return;
    }
    while (s_next < s_steps.size()) {
        const Step &s = s_steps[s_next++];
        s_lastStep = GetTickCount();
        if (s.kind == Step::SET) {
            SetDlgItemTextA(dlg, s.item, s.text.c_str());
            continue;
        }
        if (s.kind == Step::CLICK) {
            SendDlgItemMessageA(dlg, s.item, BM_CLICK, 0, 0);
            continue;
        }
        if (s.kind == Step::SHOT) {
            bool ok = CCCapture_ClientPng(dlg, s.text.c_str());
            printf("dialog picture: %s %s\n", s.text.c_str(), ok ? "written" : "NOT written");
            continue;
        }
        if (s.kind == Step::SHOW) {
            char text[300] = "";
            HWND item = GetDlgItem(dlg, s.item);
            GetWindowTextA(item, text, sizeof text);
            printf("item %d: '%s'%s%s\n", s.item, text, item && !IsWindowEnabled(item) ? " disabled" : "",
                   IsDlgButtonChecked(dlg, s.item) == BST_CHECKED ? " checked" : "");
            continue;
        }
        int id = s.item;
        printf("pressing %s\n", id == IDOK ? "OK" : "Cancel");
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dlg, id));
        break;
    }
}

static void PrintStyle(const char *when, const CCStyleRecord &r)
{
    printf("style record %s: x %u, y %u, width %u, height %u, id %u, style 0x%08x, class '%s', title '%s'\n", when,
           r.x, r.y, r.width, r.height, r.id, (unsigned)r.style, Field(r.className, sizeof r.className).c_str(),
           Field(r.title, sizeof r.title).c_str());
}

static int RunStyle(const ClassInfo &ci, unsigned id, uint32_t style, const char *title, bool dump)
{
    if (!ci.style) {
        printf("class '%s' has no style entry point in the library\n", ci.name.c_str());
        return 1;
    }
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(CCStyleRecord));
    CCStyleRecord *r = h ? (CCStyleRecord *)GlobalLock(h) : nullptr;
    if (!r) {
        if (h) GlobalFree(h);
        return 1;
    }
    r->width = 32, r->height = 20;
    for (const Kind &k : ci.kinds)
        if (k.entry.style == style) r->width = k.entry.width, r->height = k.entry.height;
    r->id = (uint16_t)id;
    r->style = style;
    strncpy(r->className, ci.name.c_str(), sizeof r->className - 1);
    strncpy(r->title, title, sizeof r->title - 1);
    PrintStyle("before", *r);
    GlobalUnlock(h);

    HWND owner = CreateWindowExA(0, "STATIC", "ccedit", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    UINT_PTR timer = s_steps.empty() ? 0 : SetTimer(nullptr, 0, 30, DriveDialog);
    s_lastStep = GetTickCount();
    BOOL result = ci.style(owner, h, VerifyId, IdToString);
    if (timer) KillTimer(nullptr, timer);
    if (owner) DestroyWindow(owner);
    printf("style entry returned %d%s\n", (int)result, s_forced ? " (dialog ended by the harness)" : "");

    CCStyleRecord after;
    if (ReadBlock(h, &after, sizeof after)) {
        PrintStyle("after", after);
        if (dump) Dump(&after, sizeof after);
    }
    GlobalFree(h);
    return 0;
}

// ---- main ------------------------------------------------------------------

static int Usage()
{
    fprintf(stderr,
            "usage: ccedit LIBRARY [--sheet FILE.png] [--dump]\n"
            "              [--style ID STYLE TITLE [--set-text T] [--set-id T] [--set ITEM T] [--click ITEM]\n"
            "                                      [--show ITEM] [--shot FILE.png] [--press ok|cancel]...]\n");
    return 2;
}

int main(int argc, char **argv)
{
    const char *libPath = nullptr, *sheet = nullptr, *title = nullptr;
    bool dump = false, style = false;
    unsigned id = 0;
    uint32_t styleBits = 0;
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        if (a == "--sheet" && i + 1 < argc) {
            sheet = argv[++i];
        } else if (a == "--dump") {
            dump = true;
        } else if (a == "--style" && i + 3 < argc) {
            style = true;
            id = (unsigned)strtoul(argv[++i], nullptr, 0);
            styleBits = (uint32_t)strtoul(argv[++i], nullptr, 0);
            title = argv[++i];
        } else if ((a == "--set-text" || a == "--set-id") && i + 1 < argc) {
            s_steps.push_back({Step::SET, a == "--set-text" ? CC_DLG_TEXT : CC_DLG_ID, argv[++i]});
        } else if (a == "--set" && i + 2 < argc) {
            int item = atoi(argv[++i]);
            s_steps.push_back({Step::SET, item, argv[++i]});
        } else if ((a == "--click" || a == "--show") && i + 1 < argc) {
            s_steps.push_back({a == "--click" ? Step::CLICK : Step::SHOW, atoi(argv[++i]), ""});
        } else if (a == "--shot" && i + 1 < argc) {
            s_steps.push_back({Step::SHOT, 0, argv[++i]});
        } else if (a == "--press" && i + 1 < argc && (!strcmp(argv[i + 1], "ok") || !strcmp(argv[i + 1], "cancel"))) {
            s_steps.push_back({Step::PRESS, !strcmp(argv[++i], "ok") ? IDOK : IDCANCEL, ""});
        } else if (a[0] != '-' && !libPath) {
            libPath = argv[i];
        } else {
            return Usage();
        }
    }
    if (!libPath) return Usage();
    setvbuf(stdout, nullptr, _IONBF, 0);
    AddVectoredExceptionHandler(1, EchoDebug);

    printf("loading %s\n", libPath);
    s_lib = LoadLibraryA(libPath);
    if (!s_lib) {
        printf("cannot load %s (error %lu)\n", libPath, GetLastError());
        return 2;
    }
    CCListClassesFn list = (CCListClassesFn)(uintptr_t)GetProcAddress(s_lib, "ListClasses");
    if (!list) {
        printf("%s exports no ListClasses\n", libPath);
        return 2;
    }
    char caller[] = "CCEDIT";
    HGLOBAL hList = list(caller, 0x0100, LoadRes, EditResource);
    SIZE_T listSize = hList ? GlobalSize(hList) : 0;
    const uint8_t *lp = listSize >= 2 ? (const uint8_t *)GlobalLock(hList) : nullptr;
    if (!lp) {
        printf("ListClasses gave no class list\n");
        return 1;
    }
    int16_t count;
    memcpy(&count, lp, 2);
    printf("class list: %d class(es), %lu bytes\n", count, (unsigned long)listSize);
    if (dump) Dump(lp, listSize > 512 ? 512 : listSize);
    std::vector<ClassInfo> classes;
    // Class entries are 32 bytes on 32-bit builds, 44 on 64-bit ones (pointer-wide entry points).
    for (int i = 0; i < count && 2 + sizeof(CCClassEntry) * (SIZE_T)(i + 1) <= listSize; i++) {
        CCClassEntry ce;
        memcpy(&ce, lp + 2 + sizeof ce * i, sizeof ce);
        printf("class %d: '%s', info 0x%08llx, style 0x%08llx, flags 0x%08llx\n", i,
               Field(ce.className, sizeof ce.className).c_str(), (unsigned long long)ce.info,
               (unsigned long long)ce.style, (unsigned long long)ce.flags);
        ClassInfo ci;
        if (ReadInfo(ce, ci, dump)) classes.push_back(ci);
    }
    GlobalUnlock(hList);
    GlobalFree(hList);

    for (const ClassInfo &ci : classes) {
        if (!ci.flags) continue;
        char text[64] = "unchanged";
        WORD r = ci.flags(ci.kinds.empty() ? 0 : ci.kinds[0].entry.style, text, sizeof text);
        printf("flags text of '%s': '%s' (result %u)\n", ci.name.c_str(), text, r);
    }
    int rc = 0;
    if (sheet) {
        const char *base = strrchr(libPath, '\\');
        const char *base2 = strrchr(libPath, '/');
        if (base2 > base) base = base2;
        if (!WriteSheet(sheet, base ? base + 1 : libPath, classes)) rc = 1;
    }
    if (style) {
        if (classes.empty()) return 1;
        rc |= RunStyle(classes[0], id, styleBits, title, dump);
    }
    return rc;
}
