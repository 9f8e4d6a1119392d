// Cached pens and brushes, fonts and pictures of one library.
#include <stddef.h>
#include <string.h>
#include "cccache.h"
#include "ccdraw.h"
#include "ccsurface.h"

namespace {

volatile LONG s_lock;

// Short sections only: look-ups, and the making or deleting of one object.
struct Lock {
    Lock()
    {
        while (InterlockedExchange(&s_lock, 1)) Sleep(0);
    }
    ~Lock() { InterlockedExchange(&s_lock, 0); }
    Lock(const Lock &) = delete;
    Lock &operator=(const Lock &) = delete;
};

DWORD s_tick;  // use counter for least-recently-used eviction (under the lock)

HPEN s_pens[16];
HBRUSH s_brushes[16];

struct FontEntry {
    LOGFONTA lf;
    HFONT font;
    LONG holds;
    DWORD used;
};
FontEntry s_fonts[CC_FONT_CACHE];

struct PictureEntry {
    HINSTANCE module;
    const void *data;  // the resource's bits and size: the key with the module
    DWORD size;
    HBITMAP bmp;
    HDC dc;
    HGDIOBJ prev;
    int w, h;
    LONG holds;
    DWORD used;
};
PictureEntry s_pictures[CC_PICTURE_CACHE];

// Makes the missing pens and brushes (under the lock).
void MakePalette()
{
    for (int i = 0; i < 16; i++) {
        if (!s_pens[i]) s_pens[i] = CCDraw_Pen(i);
        if (!s_brushes[i]) s_brushes[i] = CCDraw_Brush(i);
    }
}

bool SameFont(const LOGFONTA &a, const LOGFONTA &b)
{
    return memcmp(&a, &b, offsetof(LOGFONTA, lfFaceName)) == 0 &&
           strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}

// Free entry, else the least recently used one nobody holds; null when all are held.
template <typename Entry, typename Used>
Entry *Victim(Entry *entries, int n, Used inUse)
{
    Entry *best = nullptr;
    for (int i = 0; i < n; i++) {
        Entry *e = &entries[i];
        if (!inUse(*e)) return e;
        if (e->holds == 0 && (!best || e->used < best->used)) best = e;
    }
    return best;
}

void DropFont(FontEntry *e)
{
    if (e->font) DeleteObject(e->font);
    memset(e, 0, sizeof *e);
}

void DropPicture(PictureEntry *e)
{
    if (e->dc) {
        SelectObject(e->dc, e->prev);
        DeleteDC(e->dc);
    }
    if (e->bmp) DeleteObject(e->bmp);
    memset(e, 0, sizeof *e);
}

void FillPicture(CCPicture *pic, PictureEntry *e)
{
    e->holds++;
    e->used = ++s_tick;
    pic->dc = e->dc;
    pic->w = e->w;
    pic->h = e->h;
    pic->entry = e;
}

}  // namespace

void CCCache_Load(void)
{
    Lock lock;
    MakePalette();
}

void CCCache_Unload(void)
{
    {
        Lock lock;
        for (int i = 0; i < 16; i++) {
            if (s_pens[i]) DeleteObject(s_pens[i]);
            if (s_brushes[i]) DeleteObject(s_brushes[i]);
            s_pens[i] = nullptr;
            s_brushes[i] = nullptr;
        }
        for (FontEntry &e : s_fonts) DropFont(&e);
        for (PictureEntry &e : s_pictures) DropPicture(&e);
    }
    CCSurface_ReleaseAll();
}

void CCCache_ThreadDone(void) { CCSurface_ThreadDone(); }

HPEN CCCache_Pen(LONG colour)
{
    HPEN pen = s_pens[colour & 0xF];
    if (pen) return pen;
    Lock lock;
    MakePalette();
    return s_pens[colour & 0xF];
}

HBRUSH CCCache_Brush(LONG colour)
{
    HBRUSH brush = s_brushes[colour & 0xF];
    if (brush) return brush;
    Lock lock;
    MakePalette();
    return s_brushes[colour & 0xF];
}

HFONT CCCache_Font(const LOGFONTA *lf)
{
    if (!lf) return nullptr;
    Lock lock;
    for (FontEntry &e : s_fonts) {
        if (e.font && SameFont(e.lf, *lf)) {
            e.holds++;
            e.used = ++s_tick;
            return e.font;
        }
    }
    FontEntry *e = Victim(s_fonts, CC_FONT_CACHE, [](const FontEntry &f) { return f.font != nullptr; });
    if (!e) return CreateFontIndirectA(lf);  // every entry held: a font of its own
    DropFont(e);
    e->font = CreateFontIndirectA(lf);
    if (!e->font) return nullptr;
    e->lf = *lf;
    e->holds = 1;
    e->used = ++s_tick;
    return e->font;
}

void CCCache_PutFont(HFONT font)
{
    if (!font) return;
    {
        Lock lock;
        for (FontEntry &e : s_fonts) {
            if (e.font == font) {
                if (e.holds > 0) e.holds--;
                return;
            }
        }
    }
    DeleteObject(font);
}

bool CCCache_Picture(HINSTANCE module, const char *name, HDC ref, CCPicture *pic)
{
    memset(pic, 0, sizeof *pic);
    if (!name || (!IS_INTRESOURCE(name) && !name[0])) return false;
    HRSRC res = FindResourceA(module, name, (LPCSTR)RT_BITMAP);
    HGLOBAL block = res ? LoadResource(module, res) : nullptr;
    const void *data = block ? LockResource(block) : nullptr;
    DWORD size = res ? SizeofResource(module, res) : 0;
    if (data) {
        Lock lock;
        for (PictureEntry &e : s_pictures) {
            if (e.dc && e.module == module && e.data == data && e.size == size) {
                FillPicture(pic, &e);
                return true;
            }
        }
    }
    HBITMAP bmp = LoadBitmapA(module, name);
    if (!bmp) return false;
    BITMAP bm;
    HDC dc = nullptr;
    HGDIOBJ prev = nullptr;
    if (GetObjectA(bmp, sizeof bm, &bm) == (int)sizeof bm && (dc = CreateCompatibleDC(ref)) != nullptr)
        prev = SelectObject(dc, bmp);
    if (!prev) {
        if (dc) DeleteDC(dc);
        DeleteObject(bmp);
        return false;
    }
    if (data && (long long)bm.bmWidth * bm.bmHeight <= CC_PICTURE_MAX_AREA) {
        Lock lock;
        PictureEntry *e = Victim(s_pictures, CC_PICTURE_CACHE, [](const PictureEntry &p) { return p.dc != nullptr; });
        if (e) {
            DropPicture(e);
            *e = {module, data, size, bmp, dc, prev, (int)bm.bmWidth, (int)bm.bmHeight, 0, 0};
            FillPicture(pic, e);
            return true;
        }
    }
    // Not kept: loaded for this use alone.
    pic->dc = dc;
    pic->w = bm.bmWidth;
    pic->h = bm.bmHeight;
    pic->own = bmp;
    pic->prev = prev;
    return true;
}

void CCCache_PutPicture(CCPicture *pic)
{
    if (pic->entry) {
        Lock lock;
        PictureEntry *e = (PictureEntry *)pic->entry;
        if (e->holds > 0) e->holds--;
    } else if (pic->dc) {
        SelectObject(pic->dc, pic->prev);
        DeleteDC(pic->dc);
        DeleteObject(pic->own);
    }
    memset(pic, 0, sizeof *pic);
}

CCCacheCounts CCCache_Counts(void)
{
    Lock lock;
    CCCacheCounts c = {0, 0, 0};
    for (int i = 0; i < 16; i++) c.palette += (s_pens[i] != nullptr) + (s_brushes[i] != nullptr);
    for (const FontEntry &e : s_fonts) c.fonts += e.font != nullptr;
    for (const PictureEntry &e : s_pictures) c.pictures += e.dc != nullptr;
    return c;
}
