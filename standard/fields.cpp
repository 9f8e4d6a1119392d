// Text-field buttons: the block of texts, the three looks, the per-field label
// swap and the press handling, driven by a kind table.
#include <string.h>
#include "fields.h"
#include "common.h"
#include "ccguards.h"
#include "ccslots.h"
#include "ccsurface.h"
#include "ccdraw.h"
#include "label.h"
#include "std_frame.h"

#define CC_FIELD_DRAW 255  // drawing copy: at most 254 characters

enum {
    SLOT_W = 0,
    SLOT_H = 1,
    SLOT_ENABLED = 2,
    SLOT_VARIANT = 3,
    SLOT_FRAME = 4,
    SLOT_FACE = 5,
    SLOT_INK = 6,
    SLOT_BLOCK = 13,
    SLOT_PRESSED = 65,
};

static LONG Slot(HWND hwnd, int i) { return CCGetSlot(hwnd, i); }
static HGLOBAL Block(HWND hwnd) { return CCGetHandleSlot(hwnd, SLOT_BLOCK); }

// Geometry from the size in the slots (s: the window's CCSlotView).
static void Geometry(const CCFieldKind *k, const LONG *s, CCFieldGeometry *g)
{
    memset(g, 0, sizeof *g);
    k->geometry(s[SLOT_W], s[SLOT_H], g);
}

// ---- the block ----

// Copies the field of `variant` (at most size-1 characters); -1 when the variant
// addresses no field or there is no block.
static int GetString(const CCFieldKind *k, HGLOBAL block, int variant, char *buf, size_t size)
{
    if (variant < 0 || variant >= k->fields || !buf || size == 0) return -1;
    CCGlobalLock lock(block);
    if (!lock.p) return -1;
    if (size > CC_FIELD_SIZE) size = CC_FIELD_SIZE;
    return (int)CCCopyText(buf, size, lock.p + CC_FIELD_SIZE * variant);
}

// Stores text in the field of `variant`, cut to 255 characters.
static void PutString(const CCFieldKind *k, HWND hwnd, int variant, const char *text)
{
    if (variant < 0 || variant >= k->fields) return;
    CCGlobalLock lock(Block(hwnd));
    if (lock.p) CCCopyText(lock.p + CC_FIELD_SIZE * variant, CC_FIELD_SIZE, text);
}

// A fresh block, or the window's existing one cleared: button text = the window
// text (read with default processing), the others empty. A handle too small for
// the fields (left by another kind) is not written into.
static void InitBlock(HWND hwnd)
{
    HGLOBAL h = Block(hwnd);
    if (h && GlobalSize(h) < CC_FIELD_BLOCK) h = nullptr;
    if (!h) {
        h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, CC_FIELD_BLOCK);
        if (!h) {
            CCSetHandleSlot(hwnd, SLOT_BLOCK, nullptr);  // never keep a block too small for the texts
            return;
        }
        CCSetHandleSlot(hwnd, SLOT_BLOCK, h);
        if (Block(hwnd) != h) {  // no slot block to keep the handle in
            GlobalFree(h);
            return;
        }
    }
    CCGlobalLock lock(h);
    if (!lock.p) return;
    memset(lock.p, 0, CC_FIELD_BLOCK);
    CCReadText(hwnd, lock.p, CC_FIELD_SIZE);
}

void CCfields_Name(const CCFieldKind *k, HWND hwnd, const int *order, int count, char *buf, size_t size)
{
    size_t len = CCNameAppend(buf, size, 0, "", 0);
    HGLOBAL block = Block(hwnd);
    for (int i = 0; i < count; i++) {
        char text[CC_FIELD_SIZE];
        if (GetString(k, block, order[i], text, sizeof text) > 0) len = CCNameAppend(buf, size, len, text, sizeof text);
    }
}

static void FreeBlock(HWND hwnd)
{
    HGLOBAL h = Block(hwnd);
    if (!h) return;
    CCSetHandleSlot(hwnd, SLOT_BLOCK, nullptr);
    GlobalFree(h);
}

// ---- looks ----

static void DrawFrame(HDC dc, const CCFieldFrame &f, LONG colour)
{
    if (f.line) CCDraw_Line(dc, f.x, f.y, f.x + f.w, f.y + f.h, colour);
    else CCDraw_Outline(dc, f.x, f.y, f.w, f.h, colour);
}

// Text of field i in its box shifted by d, when it is not empty.
static void DrawField(const CCFieldKind *k, HGLOBAL block, HDC dc, const CCFieldGeometry &g, int i, LONG ink,
                      LONG bk, int d)
{
    char text[CC_FIELD_DRAW];
    if (GetString(k, block, i, text, sizeof text) <= 0) return;
    const CCFieldRect &b = g.text[i];
    CCDraw_Text(dc, ink, bk, b.w, b.h, b.x + d, b.y + d, text);
}

// Normal look (slot colours) or disabled look (greys): button, flat areas, texts, frames.
// The slots are read through one view (a look reads up to twenty of them).
static void DrawLook(const CCFieldKind *k, HWND hwnd, HDC dc, bool disabled)
{
    const LONG *s = CCSlotView(hwnd);
    HGLOBAL block = Block(hwnd);
    CCFieldGeometry g;
    Geometry(k, s, &g);
    const CCFieldRect &b = g.area[0];
    CCDraw_Bevel(dc, disabled ? 7 : s[SLOT_FACE], b.x, b.y, b.w, b.h, disabled ? 1 : 0);
    for (int i = 1; i < k->fields; i++) {
        const CCFieldRect &a = g.area[i];
        CCDraw_Box(dc, disabled ? 7 : s[k->areaSlot[i]], a.x, a.y, a.w, a.h);
    }
    for (int i = 0; i < k->fields; i++) {
        if (disabled) DrawField(k, block, dc, g, i, 8, 7, 0);
        else DrawField(k, block, dc, g, i, s[k->textSlot[i]], s[k->areaSlot[i]], 0);
    }
    if (disabled && !k->disabledFrames) return;
    LONG frame = disabled ? 7 : s[SLOT_FRAME];
    for (int i = 0; i < g.frames; i++) DrawFrame(dc, g.frame[i], frame);
}

static void Paint(const CCFieldKind *k, HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = CCBeginPaint(hwnd, &ps);
    CCSetSlot(hwnd, SLOT_PRESSED, 0);
    if (dc) DrawLook(k, hwnd, dc, false);
    CCEndPaint(hwnd, &ps);
}

static void DrawDisabled(const CCFieldKind *k, HWND hwnd)
{
    CCWindowDC wdc(hwnd);
    if (wdc.dc) DrawLook(k, hwnd, wdc.dc, true);
}

void CCfields_DrawDown(const CCFieldKind *k, HWND hwnd)
{
    if (k->flagBeforeDC) CCSetSlot(hwnd, SLOT_PRESSED, 1);
    CCWindowDC wdc(hwnd);
    if (!wdc.dc) return;
    CCSetSlot(hwnd, SLOT_PRESSED, 1);
    const LONG *s = CCSlotView(hwnd);
    CCFieldGeometry g;
    Geometry(k, s, &g);
    const CCFieldRect &b = g.area[0];
    LONG face = s[SLOT_FACE];
    CCDraw_Bevel(wdc.dc, face, b.x, b.y, b.w, b.h, 1);
    DrawField(k, Block(hwnd), wdc.dc, g, 0, s[SLOT_INK], face, 2);
}

// ---- text change ----

struct FrameRedraw {
    const CCFrameRedraw *row;
    const CCFieldGeometry *g;
    LONG outline;
    bool enabled;
};

static void RedrawFrames(HWND, HDC mem, void *ctx)
{
    const FrameRedraw *r = (const FrameRedraw *)ctx;
    for (int i = 0; i < 2; i++) {
        const CCFrameRedraw &e = r->row[i];
        if (e.colour == CC_FRAME_NONE || e.frame < 0 || e.frame >= r->g->frames) continue;
        LONG c = e.colour == CC_FRAME_GREY ? 7
                 : (e.colour == CC_FRAME_OUTLINE_OR_8 && !r->enabled) ? 8
                                                                     : r->outline;
        DrawFrame(mem, r->g->frame[e.frame], c);
    }
}

// Option texts set colours and the variant; any other text replaces the field of
// the current variant: off-screen, the old text is painted out in its area colour,
// the new one drawn, the kind's frames redrawn, and the image copied back once.
static LRESULT SetText(const CCFieldKind *k, HWND hwnd, const char *text)
{
    bool pressed = Slot(hwnd, SLOT_PRESSED) != 0;
    if (CCParseOptions(hwnd, text)) {
        InvalidateRect(hwnd, nullptr, FALSE);
        return 1;
    }
    CCFieldGeometry g;
    Geometry(k, CCSlotView(hwnd), &g);
    int variant = (int)(Slot(hwnd, SLOT_VARIANT) & 0xF);
    bool enabled = IsWindowEnabled(hwnd) != 0;
    char old[CC_FIELD_DRAW], fresh[CC_FIELD_DRAW];
    CCLabelDraw draws[2];
    int count = 0;
    if (variant < k->fields) {
        const CCFieldRect &b = g.text[variant];
        LONG area = Slot(hwnd, k->areaSlot[variant]);
        LONG c = enabled ? area : 7;
        // The old text is painted out where it stands: the pressed look draws the
        // button text (field 0) two pixels right and down.
        int out = (pressed && enabled && variant == 0) ? 2 : 0;
        if (GetString(k, Block(hwnd), variant, old, sizeof old) > 0)
            draws[count++] = {old, c, c, b.x + out, b.y + out, b.w, b.h};
        if (CCCopyText(fresh, sizeof fresh, text) > 0) {
            int d = pressed ? 2 : 0;
            LONG ink = enabled ? Slot(hwnd, k->textSlot[variant]) : 8, bk = enabled ? area : 7;
            draws[count++] = {fresh, ink, bk, b.x + d, b.y + d, b.w, b.h};
        }
    }
    FrameRedraw frames = {k->afterText[variant < k->fields ? variant : CC_FIELD_MAX], &g, Slot(hwnd, SLOT_FRAME),
                          enabled};
    CCLabel_Swap(hwnd, Slot(hwnd, SLOT_W), Slot(hwnd, SLOT_H), draws, count, RedrawFrames, &frames);
    PutString(k, hwnd, variant, text);
    DefWindowProcA(hwnd, WM_SETTEXT, 0, (LPARAM)text);
    return 1;
}

// The field of the current variant; a variant without a field (or a missing
// block) writes nothing and answers the length of what the buffer already holds.
static LRESULT GetText(const CCFieldKind *k, HWND hwnd, WPARAM size, char *buf)
{
    if (!buf || size == 0) return 0;
    int n = GetString(k, Block(hwnd), (int)(Slot(hwnd, SLOT_VARIANT) & 0xF), buf, size);
    if (n >= 0) return n;
    for (WPARAM i = 0; i < size; i++)
        if (!buf[i]) return (LRESULT)i;
    return 0;
}

static void Create(const CCFieldKind *k, HWND hwnd, UINT msg, LPARAM lParam)
{
    LONG w, h;
    CCCreationSize(hwnd, msg, lParam, &w, &h);
    CCSetSlot(hwnd, SLOT_W, w);
    CCSetSlot(hwnd, SLOT_H, h);
    CCSetSlot(hwnd, SLOT_ENABLED, 1);
    for (int i = 0; i < k->fields; i++) {
        CCSetSlot(hwnd, k->areaSlot[i], 8);
        CCSetSlot(hwnd, k->textSlot[i], 0);
    }
    CCSetSlot(hwnd, SLOT_FRAME, 0);
    CCSetSlot(hwnd, SLOT_VARIANT, 0);
    CCSetSlot(hwnd, SLOT_PRESSED, 0);
    InitBlock(hwnd);
}

LRESULT CCfields_Msg(const CCFieldKind *k, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CCTrace(msg, k->trace);
    switch (msg) {
    case WM_CREATE:
    case WM_STYLECHANGING:
    case WM_STYLECHANGED:
        Create(k, hwnd, msg, lParam);
        // Turning into another kind: the block goes, that kind keeps its own.
        if (msg == WM_STYLECHANGING && wParam == (WPARAM)GWL_STYLE && lParam &&
            LOWORD(((const STYLESTRUCT *)lParam)->styleNew) != k->style)
            FreeBlock(hwnd);
        return 0;
    case WM_SIZE:
        CCStoreSize(hwnd, lParam);
        return 0;
    case WM_ENABLE:
        CCSetSlot(hwnd, SLOT_ENABLED, wParam ? 1 : 0);
        if (!wParam) DrawDisabled(k, hwnd);
        CCRepaint(hwnd);
        return 0;
    case WM_SETTEXT:
        return SetText(k, hwnd, lParam ? (const char *)lParam : "");
    case WM_GETTEXT:
        return GetText(k, hwnd, wParam, (char *)lParam);
    case WM_PAINT:
        if (IsWindowEnabled(hwnd)) {
            Paint(k, hwnd);
        } else {
            PAINTSTRUCT ps;
            CCBeginPaint(hwnd, &ps);
            DrawDisabled(k, hwnd);
            CCEndPaint(hwnd, &ps);
        }
        return 0;
    case WM_CLOSE:
        FreeBlock(hwnd);
        return 0;
    case WM_NCDESTROY:
        FreeBlock(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        CCPress_Begin(hwnd);
        CCfields_DrawDown(k, hwnd);
        return 0;
    case WM_MOUSEMOVE:
        CCPress_Track(hwnd, wParam, lParam, &k->press);
        return 0;
    case WM_LBUTTONUP:
        CCPress_End();
        CCNotify(hwnd);
        CCRepaintNow(hwnd);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
