// Drawing toolkit: 16-colour index, bevels, lamps, boxes, lines and labels.
// Compiled into each library; CC_VARIANT_09 selects the special library's copy.
#ifndef CCDRAW_H
#define CCDRAW_H

#include <windows.h>

// COLORREF of a colour index (low 4 bits used).
COLORREF CCDraw_ColourRef(LONG colour);
HBRUSH CCDraw_Brush(LONG colour);
HPEN CCDraw_Pen(LONG colour);
void CCDraw_SetBkColour(HDC hdc, LONG colour);
void CCDraw_SetTextColour(HDC hdc, LONG colour);
void CCDraw_Bevel(HDC hdc, LONG colour, int x, int y, int w, int h, int pressed);
void CCDraw_Lamp(HDC hdc, LONG colour, int x, int y);
int CCDraw_TextOffsetY(HDC hdc, const char *text, int h);

#ifndef CC_VARIANT_09
void CCDraw_Line(HDC hdc, int x1, int y1, int x2, int y2, LONG colour);
void CCDraw_Box(HDC hdc, LONG colour, int x, int y, int w, int h);
void CCDraw_Outline(HDC hdc, int x, int y, int w, int h, LONG colour);
int CCDraw_TextOffsetX(HDC hdc, const char *text, int w);
void CCDraw_Text(HDC hdc, LONG textColour, LONG bkColour, int w, int h, int x, int y, const char *text);
#else
void CCDraw_FrameBevel(HWND hwnd, HDC hdc, LONG colour, int x, int y, int w, int h, int pressed);
void CCDraw_ThinBevel(HDC hdc, LONG colour, int x, int y, int w, int h, int pressed);
int CCDraw_TextOffsetX(HDC hdc, const char *text, int w, int justify);
void CCDraw_Text(HDC hdc, LONG textColour, LONG bkColour, int w, int h, int x, int y, int justify,
                 const char *text);
// Font for a face, point size and pitch-and-family byte from the font cache (not
// selected); null on failure. Hand it back with CCDraw_ReleaseFont.
HFONT CCDraw_SelectFont(HDC hdc, const char *face, int points, BYTE pitchFamily);
// Selects prev back and hands the font back to the cache.
void CCDraw_ReleaseFont(HDC hdc, HFONT font, HGDIOBJ prev);

// A font selected for the guard's lifetime: the cache font of a face, size and
// pitch-and-family byte, or with a null face the stock variable-pitch font.
struct CCDrawFont {
    HDC dc;
    HFONT font;
    HGDIOBJ prev;
    CCDrawFont(HDC d, const char *face, int points, BYTE pitchFamily)
        : dc(d), font(face ? CCDraw_SelectFont(d, face, points, pitchFamily) : nullptr),
          prev(font ? SelectObject(d, font) : face ? nullptr : SelectObject(d, GetStockObject(ANSI_VAR_FONT)))
    {
    }
    ~CCDrawFont()
    {
        if (font) CCDraw_ReleaseFont(dc, font, prev);
        else if (prev) SelectObject(dc, prev);
    }
    CCDrawFont(const CCDrawFont &) = delete;
    CCDrawFont &operator=(const CCDrawFont &) = delete;
};
#endif

#endif
