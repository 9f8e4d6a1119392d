// Combo BMP button: a raised button with a picture beside its label. The
// picture is named by the second field of the text (label$name$flags): a
// bitmap resource of the application, else the BMP file NAME.BMP, read once,
// checked and kept with the window (slot 20), else the library's placeholder.
// Style bits 0x0030 place the picture (top, left, bottom, right), 0x0400
// stretches it over the face. The Repeat button draws its looks here too.
#include <string.h>
#include "dibscan.h"
#include "ccdraw.h"
#include "cccache.h"
#include "ccguards.h"
#include "ccsurface.h"
#include "ccslots.h"
#include "cctext.h"
#include "kerv_cc.h"
#include "picture.h"
#include "press.h"
#include "s09_frame.h"

#define COMBO_TEXT 256
#define COMBO_SLOT_BLOCK 20
#define COMBO_STYLE_STRETCH 0x0400
#define COMBO_PLACEHOLDER 99
#define COMBO_DISABLED_FACE 23
#define COMBO_DISABLED_TEXT 8
// Margin between the picture and the edge of the control.
#define COMBO_MARGIN 3

enum { POS_TOP, POS_LEFT, POS_BOTTOM, POS_RIGHT };

static int Position(HWND hwnd) { return (GetWindowLongA(hwnd, GWL_STYLE) >> 4) & 3; }

// ---------------------------------------------------------------------------
// The picture

struct FileGuard {
    HFILE f;
    ~FileGuard()
    {
        if (f != HFILE_ERROR) _lclose(f);
    }
};

static HGLOBAL KeptBlock(HWND hwnd) { return CCGetHandleSlot(hwnd, COMBO_SLOT_BLOCK); }

// Drops the kept file contents.
static void DropBlock(HWND hwnd)
{
    if (HGLOBAL h = KeptBlock(hwnd)) GlobalFree(h);
    CCSetHandleSlot(hwnd, COMBO_SLOT_BLOCK, nullptr);
}

// Reads the file of a picture name (".BMP" added unless the name has it) from
// its byte 14 on into a new block and keeps it in slot 20 when its contents
// check out. The name goes to the platform's file opening as it is.
static bool KeepFile(HWND hwnd, const char *name)
{
    char file[COMBO_TEXT + 8];
    CCCopyText(file, COMBO_TEXT, name);
    if (!strstr(file, ".BMP")) strcat(file, ".BMP");
    OFSTRUCT of;
    memset(&of, 0, sizeof of);
    FileGuard g = {OpenFile(file, &of, OF_READ)};
    if (g.f == HFILE_ERROR) return false;
    LONG len = _llseek(g.f, 0, FILE_END);
    if (len == HFILE_ERROR || len <= CCBMP_FILE_HEADER || len > CCBMP_MAX_FILE) return false;
    LONG n = len - CCBMP_FILE_HEADER;
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (SIZE_T)n);
    if (!h) return false;
    bool ok = false;
    {
        CCGlobalLock lock(h);
        ok = lock.p && _llseek(g.f, CCBMP_FILE_HEADER, FILE_BEGIN) == CCBMP_FILE_HEADER &&
             _hread(g.f, lock.p, n) == n &&
             CCBmp_Check((const unsigned char *)lock.p, (size_t)n, nullptr) == CCBMP_OK;
    }
    if (!ok) {
        GlobalFree(h);
        return false;
    }
    CCSetHandleSlot(hwnd, COMBO_SLOT_BLOCK, h);
    if (KeptBlock(hwnd) != h) {  // no slot block to keep it in
        GlobalFree(h);
        return false;
    }
    return true;
}

// A device bitmap made from the kept block; null (and the block dropped) when
// it does not check out or the bitmap cannot be made.
static HBITMAP FromBlock(HWND hwnd, HDC dc)
{
    HGLOBAL h = KeptBlock(hwnd);
    if (!h) return nullptr;
    HBITMAP bmp = nullptr;
    {
        CCGlobalLock lock(h);
        CCBmpLayout l;
        if (lock.p && CCBmp_Check((const unsigned char *)lock.p, GlobalSize(h), &l) == CCBMP_OK)
            bmp = CreateDIBitmap(dc, (const BITMAPINFOHEADER *)lock.p, CBM_INIT, lock.p + l.bitsOffset,
                                 (const BITMAPINFO *)lock.p, DIB_RGB_COLORS);
    }
    if (!bmp) DropBlock(hwnd);
    return bmp;
}

static bool Blank(const char *s)
{
    while (*s == ' ') s++;
    return *s == '\0';
}

// The picture a text names, selected into a DC: resource (cached), kept file
// (a bitmap made for this drawing), file, placeholder (cached). False only when
// even the placeholder cannot be had. Hand it back with CCCache_PutPicture.
static bool LoadPicture(HWND hwnd, HDC dc, const char *text, CCPicture *pic)
{
    char name[COMBO_TEXT];
    CCCopyField(text, 1, name, sizeof name, "");
    if (!Blank(name)) {
        HINSTANCE app = (HINSTANCE)GetWindowLongPtrA(hwnd, GWLP_HINSTANCE);
        if (CCCache_Picture(app, name, dc, pic)) return true;
        if (KeptBlock(hwnd) || KeepFile(hwnd, name)) {
            if (HBITMAP kept = FromBlock(hwnd, dc)) {
                BITMAP bm;
                memset(&bm, 0, sizeof bm);
                GetObjectA(kept, sizeof bm, &bm);
                memset(pic, 0, sizeof *pic);
                pic->w = bm.bmWidth;
                pic->h = bm.bmHeight;
                pic->own = kept;
                pic->dc = CreateCompatibleDC(dc);
                pic->prev = pic->dc ? SelectObject(pic->dc, kept) : nullptr;
                if (pic->prev) return true;
                if (pic->dc) DeleteDC(pic->dc);
                DeleteObject(kept);
            }
        }
    }
    return CCCache_Picture(hLibInstance, MAKEINTRESOURCEA(COMBO_PLACEHOLDER), dc, pic);
}

// Draws the picture for press offset d (0 or 2): stretched inside the edges,
// or unscaled at its place by position. *size = the picture's own size.
static void CCcombo_DrawBitmap(HWND hwnd, HDC dc, const char *text, int d, int W, int H, SIZE *size)
{
    size->cx = size->cy = 0;
    CCPicture pic;
    if (!LoadPicture(hwnd, dc, text, &pic)) return;
    int bw = pic.w, bh = pic.h;
    size->cx = bw;
    size->cy = bh;
    if (GetWindowLongA(hwnd, GWL_STYLE) & COMBO_STYLE_STRETCH) {
        int old = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, COMBO_MARGIN + d, COMBO_MARGIN + d, W - d - 2 * COMBO_MARGIN, H - d - 2 * COMBO_MARGIN, pic.dc,
                   0, 0, bw, bh, SRCCOPY);
        if (old) SetStretchBltMode(dc, old);
    } else {
        RECT rc = {0, 0, 0, 0};
        GetClientRect(hwnd, &rc);
        int cw = rc.right, ch = rc.bottom, x = 0, y = 0;
        switch (Position(hwnd)) {
        case POS_TOP: x = (cw - bw) / 2, y = COMBO_MARGIN; break;
        case POS_LEFT: x = COMBO_MARGIN, y = (ch - bh) / 2; break;
        case POS_BOTTOM: x = (cw - bw) / 2, y = ch - bh - COMBO_MARGIN; break;
        default: x = cw - bw - COMBO_MARGIN, y = (ch - bh) / 2; break;
        }
        BitBlt(dc, x + d, y + d, bw, bh, pic.dc, 0, 0, SRCCOPY);
    }
    CCCache_PutPicture(&pic);
}

// ---------------------------------------------------------------------------
// Looks

// The label's box beside a picture of size pic (none: the whole control).
static RECT LabelBox(HWND hwnd, int W, int H, SIZE pic)
{
    switch (Position(hwnd)) {
    case POS_TOP: return RECT{0, pic.cy, W, H - pic.cy};
    case POS_LEFT: return RECT{pic.cx, 0, W - pic.cx, H};
    case POS_BOTTOM: return RECT{0, 0, W, H - pic.cy};
    default: return RECT{0, 0, W - pic.cx, H};
    }
}

bool CCcombo_DrawFace(HWND hwnd, bool pressed, bool picture)
{
    CCSetSlot(hwnd, CCCOMBO_SLOT_DOWNLOOK, pressed ? 1 : 0);
    const LONG *s = CCSlotView(hwnd);
    int W = (int)s[0], H = (int)s[1];
    LONG face = s[5], ink = s[6];
    char text[COMBO_TEXT];
    CCReadText(hwnd, text, sizeof text);
    CCWindowImage img(hwnd, W, H, CC_COMPOSE_ONLY);
    if (!img.ok()) return false;
    int d = pressed ? 2 : 0;
    // A stretched picture covers the face: only the edges are drawn.
    bool stretch = picture && (GetWindowLongA(hwnd, GWL_STYLE) & COMBO_STYLE_STRETCH);
    CCDraw_Bevel(img.dc, stretch ? face + 256 : face, 0, 0, W, H, pressed ? 1 : 0);
    SIZE pic = {0, 0};
    if (picture) CCcombo_DrawBitmap(hwnd, img.dc, text, d, W, H, &pic);
    // The box is (left, top, width, height).
    RECT box = picture ? LabelBox(hwnd, W, H, pic) : RECT{0, 0, W, H};
    {
        CCDrawFont font(img.dc, nullptr, 0, 0);
        CCDraw_Text(img.dc, ink, face, box.right, box.bottom, box.left + d, box.top + d, CCGetJustify(hwnd), text);
    }
    return true;
}

// False when there is no window DC to draw on.
static bool DrawDisabled(HWND hwnd)
{
    int W = (int)CCGetSlot(hwnd, 0), H = (int)CCGetSlot(hwnd, 1);
    char text[COMBO_TEXT];
    CCReadText(hwnd, text, sizeof text);
    CCWindowDC win(hwnd);
    if (!win.dc) return false;
    CCDrawFont font(win.dc, nullptr, 0, 0);
    CCDraw_Bevel(win.dc, COMBO_DISABLED_FACE, 0, 0, W, H, 1);
    CCDraw_Text(win.dc, COMBO_DISABLED_TEXT, COMBO_DISABLED_FACE, W, H, 0, 0, CCGetJustify(hwnd), text);
    return true;
}

void CCcombo_DrawDisabled(HWND hwnd) { DrawDisabled(hwnd); }

static void CCcombo_Paint(HWND hwnd) { CCcombo_DrawFace(hwnd, false, true); }
static void CCcombo_DrawDown(HWND hwnd) { CCcombo_DrawFace(hwnd, true, true); }

static const CC09PressKind ComboPress = {
    CCcombo_Paint,
    CCcombo_DrawDown,
    CCcombo_DrawDisabled,
    true,  // pressed look drawn when a press is taken
    true,  // the end of a press brings the normal look back at once
    CC09_OFFSET_PRESS_BIT,
    CC09_OFFSET_ODD_DECIMAL,
};

// ---------------------------------------------------------------------------
// Texts

void CCcombo_SetText(HWND hwnd, const char *text, bool picture)
{
    if (CCParseOptions(hwnd, text)) {
        CCRepaintNow(hwnd, true, false);
        return;
    }
    char label[COMBO_TEXT];
    CCCopyField(text, 0, label, sizeof label, " ");  // no field at all: no label
    char old[COMBO_TEXT];
    int n = CCReadText(hwnd, old, sizeof old);
    char flags[2] = {n > 0 ? old[n - 1] : '\0', '\0'};
    char oldLabel[COMBO_TEXT], oldSecond[COMBO_TEXT];
    CCCopyField(old, 0, oldLabel, sizeof oldLabel, " ");
    CCCopyField(old, 1, oldSecond, sizeof oldSecond, " ");
    // Stored first, so that the look drawn below (or the next paint, when
    // nothing can be drawn now) shows the new text.
    char joined[3 * COMBO_TEXT];
    CCJoinFields(hwnd, joined, sizeof joined, oldLabel, label, oldSecond, flags);
    DefWindowProcA(hwnd, WM_SETTEXT, 0, (LPARAM)joined);

    LONG variant = CCGetSlot(hwnd, 3) & 0xF;
    if (variant != 0) {
        // A new picture name: the old file's contents must not stand for it.
        if (picture) DropBlock(hwnd);
        if (picture && variant == 1) InvalidateRect(hwnd, nullptr, FALSE);
        return;
    }
    // The look on screen, redrawn with the new label.
    bool drawn = IsWindowEnabled(hwnd)
                     ? CCcombo_DrawFace(hwnd, CCGetSlot(hwnd, CCCOMBO_SLOT_DOWNLOOK) == 1, picture)
                     : DrawDisabled(hwnd);
    if (!drawn) InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT CCcombo_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    switch (msg) {
    case WM_CREATE:
        CC09Press_Create(hwnd);
        CCSetSlot(hwnd, CCCOMBO_SLOT_DOWNLOOK, 0);
        return 0;
    case WM_SETTEXT:
        CCcombo_SetText(hwnd, CC09Text(lParam).s, true);
        return 1;
    case WM_ERASEBKGND:
        return 1;
    default:
        if (CC09Press_Message(hwnd, msg, wParam, lParam, &ComboPress, &result)) return result;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
