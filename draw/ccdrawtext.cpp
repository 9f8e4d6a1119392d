// Labels: offsets, justified multi-line text ('|' breaks lines) and fonts.
#include <string.h>
#include "ccdraw.h"
#include "cccache.h"
#include "cctext.h"

#define CC_TEXT_WORK 256

static bool Extent(HDC hdc, const char *text, SIZE *size)
{
    size->cx = size->cy = 0;
    return GetTextExtentPoint32A(hdc, text, (int)strlen(text), size) != 0;
}

// Vertical offset from a measured height; an extent that could not be measured gives 0.
static int OffsetY(bool measured, const SIZE &sz, int h)
{
    return measured && h > sz.cy ? (h - sz.cy) / 2 : 0;
}

int CCDraw_TextOffsetY(HDC hdc, const char *text, int h)
{
    SIZE sz;
    if (!text) return 0;
    bool measured = Extent(hdc, text, &sz);
    return OffsetY(measured, sz, h);
}

static int CountBars(const char *s, size_t n)
{
    int bars = 0;
    for (size_t i = 0; i < n && s[i]; i++)
        if (s[i] == '|') bars++;
    return bars;
}

static void PutText(HDC hdc, LONG textColour, LONG bkColour, int x, int y, const char *s)
{
    CCDraw_SetBkColour(hdc, bkColour);
    CCDraw_SetTextColour(hdc, textColour);
    TextOutA(hdc, x, y, s, (int)strlen(s));
}

#ifndef CC_VARIANT_09
// Horizontal offset from a measured width (0 when it could not be measured).
static int OffsetX(const SIZE &sz, int w) { return w > sz.cx ? (w - sz.cx) / 2 : 0; }

int CCDraw_TextOffsetX(HDC hdc, const char *text, int w)
{
    SIZE sz;
    if (!text) return 0;
    Extent(hdc, text, &sz);
    return OffsetX(sz, w);
}

void CCDraw_Text(HDC hdc, LONG textColour, LONG bkColour, int w, int h, int x, int y, const char *text)
{
    if (!text) text = "";
    char work[CC_TEXT_WORK];
    CCCopyText(work, sizeof work, text);
    // Lines are counted over the whole text; those cut off the work copy stay empty.
    int n = CountBars(text, strlen(text));
    if (n == 0) {
        // One measurement gives both offsets (the same figures as
        // CCDraw_TextOffsetX and CCDraw_TextOffsetY, each measuring on its own).
        SIZE sz;
        bool measured = Extent(hdc, work, &sz);
        PutText(hdc, textColour, bkColour, x + OffsetX(sz, w), y + OffsetY(measured, sz, h), work);
        return;
    }
    TEXTMETRICA tm;
    if (!GetTextMetricsA(hdc, &tm)) return;
    int top = (h - (n + 1) * (int)tm.tmHeight) / 2;
    char *cursor = work;
    for (int i = 0; i <= n; i++) {
        char *line = CCNextLine(&cursor);
        if (!line) line = cursor;  // no token left: an empty line
        int dx = CCDraw_TextOffsetX(hdc, line, w);
        PutText(hdc, textColour, bkColour, x + dx, y + i * (int)tm.tmHeight + top, line);
    }
}
#else
// Justified horizontal offset from a measured width.
static int OffsetX(const SIZE &sz, int w, int justify)
{
    if (w <= sz.cx) return 0;
    int dx;
    if (justify == 1) dx = w - sz.cx - 4;
    else if (justify == 2) dx = 4;
    else dx = (w - sz.cx) / 2;
    // A narrow right-justified label would start left of the box: draw it at 0.
    return dx < 0 ? 0 : dx;
}

int CCDraw_TextOffsetX(HDC hdc, const char *text, int w, int justify)
{
    SIZE sz;
    if (!text || !Extent(hdc, text, &sz)) return 0;
    return OffsetX(sz, w, justify);
}

void CCDraw_Text(HDC hdc, LONG textColour, LONG bkColour, int w, int h, int x, int y, int justify,
                 const char *text)
{
    char work[CC_TEXT_WORK];
    CCCopyText(work, sizeof work, text);
    // The label is the first '$' field of the work copy, cut off in place, so the
    // library-wide field buffer of the callers is left alone.
    char *label = work;
    while (*label == '$') label++;
    if (*label) {
        char *end = strchr(label, '$');
        if (end) *end = '\0';
    } else {
        label = work;  // no field at all: the text is taken whole
    }
    if (strcmp(label, " ") == 0) return;
    int n = CountBars(label, strlen(label));
    if (n == 0) {
        // One measurement gives both offsets (unmeasured: both 0, as each offset
        // routine gives on its own).
        SIZE sz;
        bool measured = Extent(hdc, label, &sz);
        unsigned dx = (unsigned short)(measured ? OffsetX(sz, w, justify) : 0);
        unsigned dy = (unsigned short)OffsetY(measured, sz, h);
        PutText(hdc, textColour, bkColour, x + (int)dx, y + (int)dy, label);
        return;
    }
    TEXTMETRICA tm;
    if (!GetTextMetricsA(hdc, &tm)) return;
    int top = (h - (n + 1) * (int)tm.tmHeight) / 2;
    if (top < 0) top = 0;
    char *cursor = label;
    for (int i = 0; i <= n; i++) {
        char *line = CCNextLine(&cursor);
        if (!line) line = cursor;
        unsigned dx = (unsigned short)CCDraw_TextOffsetX(hdc, line, w, justify);
        unsigned dy = (unsigned short)(i * (int)tm.tmHeight + top);
        PutText(hdc, textColour, bkColour, x + (int)dx, y + (int)dy, line);
    }
}

HFONT CCDraw_SelectFont(HDC hdc, const char *face, int points, BYTE pitchFamily)
{
    LOGFONTA lf;
    memset(&lf, 0, sizeof lf);
    lf.lfHeight = -MulDiv(points, GetDeviceCaps(hdc, LOGPIXELSY), 72);
    lf.lfWeight = (face && strcmp(face, "Dot-Matrix") == 0) ? 700 : 399;
    lf.lfOutPrecision = OUT_RASTER_PRECIS;
    lf.lfQuality = PROOF_QUALITY;
    lf.lfPitchAndFamily = pitchFamily;
    CCCopyText(lf.lfFaceName, sizeof lf.lfFaceName, face ? face : "");
    HFONT font = CCCache_Font(&lf);
    if (!font) OutputDebugStringA("cc09: CCDraw_SelectFont: hFont = NULL.");
    return font;
}

void CCDraw_ReleaseFont(HDC hdc, HFONT font, HGDIOBJ prev)
{
    if (prev) SelectObject(hdc, prev);
    if (font) CCCache_PutFont(font);
}
#endif
