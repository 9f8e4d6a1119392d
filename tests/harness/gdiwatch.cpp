// GDI leak watch: the test program's imports of the object-making and -releasing
// calls are redirected to wrappers that keep the set of live handles.
#include <string.h>
#include <set>
#include "harness.h"

static std::set<HANDLE> *s_live;  // non-null while CCT_GdiLeaked runs

static void Made(HANDLE h)
{
    if (s_live && h) s_live->insert(h);
}
static void Gone(HANDLE h)
{
    if (s_live) s_live->erase(h);
}

#define MAKER(ret, name, params, args)                      \
    static ret(WINAPI *real_##name) params;                 \
    static ret WINAPI watch_##name params                   \
    {                                                       \
        ret made_ = real_##name args;                       \
        Made((HANDLE)made_);                                \
        return made_;                                       \
    }

MAKER(HPEN, CreatePen, (int s, int w, COLORREF c), (s, w, c))
MAKER(HPEN, CreatePenIndirect, (const LOGPEN *p), (p))
MAKER(HBRUSH, CreateSolidBrush, (COLORREF c), (c))
MAKER(HBRUSH, CreateBrushIndirect, (const LOGBRUSH *b), (b))
MAKER(HBRUSH, CreatePatternBrush, (HBITMAP b), (b))
MAKER(HBRUSH, CreateHatchBrush, (int i, COLORREF c), (i, c))
MAKER(HFONT, CreateFontIndirectA, (const LOGFONTA *f), (f))
MAKER(HRGN, CreateRectRgn, (int a, int b, int c, int d), (a, b, c, d))
MAKER(HDC, CreateCompatibleDC, (HDC d), (d))
MAKER(HBITMAP, CreateCompatibleBitmap, (HDC d, int w, int h), (d, w, h))
MAKER(HBITMAP, CreateBitmap, (int w, int h, UINT p, UINT b, const void *bits), (w, h, p, b, bits))
MAKER(HBITMAP, CreateDIBitmap, (HDC d, const BITMAPINFOHEADER *i, DWORD f, const void *b, const BITMAPINFO *bi, UINT u),
      (d, i, f, b, bi, u))
MAKER(HBITMAP, CreateDIBSection, (HDC d, const BITMAPINFO *i, UINT u, void **b, HANDLE s, DWORD o), (d, i, u, b, s, o))
MAKER(HDC, GetDC, (HWND w), (w))
MAKER(HDC, GetWindowDC, (HWND w), (w))

static HFONT(WINAPI *real_CreateFontA)(int, int, int, int, int, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD,
                                        LPCSTR);
static HFONT WINAPI watch_CreateFontA(int a, int b, int c, int d, int e, DWORD f, DWORD g, DWORD h, DWORD i, DWORD j,
                                      DWORD k, DWORD l, DWORD m, LPCSTR n)
{
    HFONT r = real_CreateFontA(a, b, c, d, e, f, g, h, i, j, k, l, m, n);
    Made(r);
    return r;
}

static BOOL(WINAPI *real_DeleteObject)(HGDIOBJ);
static BOOL WINAPI watch_DeleteObject(HGDIOBJ o)
{
    BOOL ok = real_DeleteObject(o);
    if (ok) Gone(o);
    return ok;
}
static BOOL(WINAPI *real_DeleteDC)(HDC);
static BOOL WINAPI watch_DeleteDC(HDC d)
{
    BOOL ok = real_DeleteDC(d);
    if (ok) Gone(d);
    return ok;
}
static int(WINAPI *real_ReleaseDC)(HWND, HDC);
static int WINAPI watch_ReleaseDC(HWND w, HDC d)
{
    int ok = real_ReleaseDC(w, d);
    if (ok) Gone(d);
    return ok;
}

void CCT_RedirectIn(HMODULE module, const char *name, void *hook, void **real)
{
    BYTE *base = (BYTE *)module;
    IMAGE_NT_HEADERS *nt = (IMAGE_NT_HEADERS *)(base + ((IMAGE_DOS_HEADER *)base)->e_lfanew);
    IMAGE_DATA_DIRECTORY dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!dir.VirtualAddress) return;
    for (IMAGE_IMPORT_DESCRIPTOR *imp = (IMAGE_IMPORT_DESCRIPTOR *)(base + dir.VirtualAddress); imp->Name; imp++) {
        if (!imp->OriginalFirstThunk) continue;
        IMAGE_THUNK_DATA *names = (IMAGE_THUNK_DATA *)(base + imp->OriginalFirstThunk);
        IMAGE_THUNK_DATA *slots = (IMAGE_THUNK_DATA *)(base + imp->FirstThunk);
        for (; names->u1.AddressOfData; names++, slots++) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            IMAGE_IMPORT_BY_NAME *by = (IMAGE_IMPORT_BY_NAME *)(base + names->u1.AddressOfData);
            if (strcmp((const char *)by->Name, name) != 0) continue;
            DWORD prot;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &prot);
            if ((void *)slots->u1.Function != hook) {
                *real = (void *)slots->u1.Function;
                slots->u1.Function = (DWORD_PTR)hook;
            }
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, prot, &prot);
        }
    }
}

static void Redirect(const char *name, void *hook, void **real)
{
    CCT_RedirectIn(GetModuleHandleA(nullptr), name, hook, real);
}

#define WATCH(name) Redirect(#name, (void *)watch_##name, (void **)&real_##name)

static void WatchOnce()
{
    static bool done;
    if (done) return;
    done = true;
    WATCH(CreatePen);
    WATCH(CreatePenIndirect);
    WATCH(CreateSolidBrush);
    WATCH(CreateBrushIndirect);
    WATCH(CreatePatternBrush);
    WATCH(CreateHatchBrush);
    WATCH(CreateFontIndirectA);
    WATCH(CreateFontA);
    WATCH(CreateRectRgn);
    WATCH(CreateCompatibleDC);
    WATCH(CreateCompatibleBitmap);
    WATCH(CreateBitmap);
    WATCH(CreateDIBitmap);
    WATCH(CreateDIBSection);
    WATCH(GetDC);
    WATCH(GetWindowDC);
    WATCH(DeleteObject);
    WATCH(DeleteDC);
    WATCH(ReleaseDC);
}

void (*CCT_CacheFlush)(void);

int CCT_GdiLeaked(const std::function<void()> &fn)
{
    WatchOnce();
    std::set<HANDLE> live;
    s_live = &live;
    fn();
    if (CCT_CacheFlush) CCT_CacheFlush();
    s_live = nullptr;
    return (int)live.size();
}
