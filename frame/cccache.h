// GDI objects a library keeps between paints instead of making them at every
// drawing: the pens and brushes of the 16 colours, fonts by description and
// bitmap resources by module. The off-screen surface is in ccsurface.h.
//
// Rules:
// - Everything here belongs to the cache: callers select it and select the
//   previous object back, and never delete it.
// - Pens and brushes: all 32 made together on first need (or by CCCache_Load)
//   and kept until the library unloads. Solid, one pixel wide, in the colour's
//   COLORREF (low 4 bits of the index), exactly as CCDraw_Pen / CCDraw_Brush.
// - Fonts: at most CC_FONT_CACHE, keyed by the whole LOGFONTA (face compared up
//   to its end). A font is held from CCCache_Font to CCCache_PutFont; when the
//   cache is full the least recently used font that nobody holds is deleted to
//   make room, and if every entry is held the caller gets a font of its own,
//   deleted by CCCache_PutFont.
// - Pictures: at most CC_PICTURE_CACHE bitmap resources, each kept selected into
//   a memory DC of its own so that a copy needs neither a load nor a selection.
//   Keyed by the module and the resource's data (found by name), so a module
//   loaded again at the same address with other pictures is not confused with the
//   old one. Pictures larger than CC_PICTURE_MAX_AREA pixels, and pictures whose
//   resource cannot be found by name, are loaded for that use alone. Held and
//   evicted like the fonts.
// - Each library's entry calls CCCache_Unload on DLL_PROCESS_DETACH (every cached
//   object and every thread's surface deleted) and CCCache_ThreadDone on
//   DLL_THREAD_DETACH (the thread's surface deleted).
// - Safe to call from several threads; each thread paints on its own surface.
#ifndef CCCACHE_H
#define CCCACHE_H

#include <windows.h>

#define CC_FONT_CACHE 8
#define CC_PICTURE_CACHE 8
#define CC_PICTURE_MAX_AREA (512 * 512)

// Makes the pens and brushes now (a library's attach), so that no drawing makes any.
void CCCache_Load(void);
// Deletes everything cached, the surfaces included. The cache can be used again after.
void CCCache_Unload(void);
// Deletes the calling thread's surface.
void CCCache_ThreadDone(void);

// Pen and brush of a colour index (low 4 bits); null if it could not be made.
HPEN CCCache_Pen(LONG colour);
HBRUSH CCCache_Brush(LONG colour);

// Font for the description; null when it cannot be made. Hand it back.
HFONT CCCache_Font(const LOGFONTA *lf);
void CCCache_PutFont(HFONT font);

// A bitmap resource of `module` named `name`, selected into `dc`, w x h pixels.
struct CCPicture {
    HDC dc;
    int w, h;
    void *entry;  // the cache's entry, or null for a picture loaded for this use alone
    HBITMAP own;  // that picture
    HGDIOBJ prev;
};
// True when the picture could be had (then hand it back); ref: a DC of the screen.
bool CCCache_Picture(HINSTANCE module, const char *name, HDC ref, CCPicture *pic);
void CCCache_PutPicture(CCPicture *pic);

// Counts of what is cached now, for tests.
struct CCCacheCounts {
    int palette;   // pens and brushes
    int fonts;
    int pictures;  // each holds a bitmap and a DC
};
CCCacheCounts CCCache_Counts(void);

// Selects a cached font for the guard's lifetime; font is null when none could
// be had (the DC's font is then left as it is).
struct CCCachedFont {
    HDC dc;
    HFONT font;
    HGDIOBJ prev;
    CCCachedFont(HDC d, const LOGFONTA *lf)
        : dc(d), font(CCCache_Font(lf)), prev(d && font ? SelectObject(d, font) : nullptr) {}
    ~CCCachedFont()
    {
        if (prev) SelectObject(dc, prev);
        if (font) CCCache_PutFont(font);
    }
    CCCachedFont(const CCCachedFont &) = delete;
    CCCachedFont &operator=(const CCCachedFont &) = delete;
};

// A picture held for the guard's lifetime; ok() when it could be had.
struct CCCachedPicture {
    CCPicture pic{};
    bool had;
    CCCachedPicture(HINSTANCE module, const char *name, HDC ref) : had(CCCache_Picture(module, name, ref, &pic)) {}
    ~CCCachedPicture()
    {
        if (had) CCCache_PutPicture(&pic);
    }
    bool ok() const { return had; }
    CCCachedPicture(const CCCachedPicture &) = delete;
    CCCachedPicture &operator=(const CCCachedPicture &) = delete;
};

#endif
