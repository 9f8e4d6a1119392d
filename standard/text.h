// Static Text and Ident Text: the plaque geometry and the scaled font of the
// Ident Text, computable apart from any window.
#ifndef TEXT_H
#define TEXT_H

#include <windows.h>

// Font description shared by every Ident Text of the library; each paint writes
// its height and, when the measured text is not empty, its width.
extern LOGFONTA IdentFont;

// Bands and text area of a W x H plaque.
struct CCIdGeometry {
    int bx, by;      // side band width, top/bottom band height
    int left, top;   // text area origin
    int aw, ah;      // text area size (negative when the plaque is too small)
};
CCIdGeometry CCid_Geometry(LONG W, LONG H);

// 1 + the '|' characters from the second character on.
int CCid_LineCount(const char *text);
// Splits work in place at '|' (runs are one separator, leading ones skipped) into
// exactly n lines; lines for which no token is left are empty.
void CCid_SplitLines(char *work, const char **lines, int n);
// Font width scaled to fill aw with a text mw wide (single precision, truncated);
// previous when mw is 0.
LONG CCid_FontWidth(int aw, int mw, LONG previous);
// Characters of an Ident Text are drawn at most this many pixels high and wide:
// a font scaled to a wall-sized plaque takes seconds to draw and may fail.
#define CC_ID_FONT_MAX 2048
// The font a paint creates from IdentFont: its height and width scaled down
// together (truncated) where either is larger than CC_ID_FONT_MAX.
LOGFONTA CCid_DrawnFont(const LOGFONTA &lf);
// Horizontal reference of the centred lines.
int CCid_RefX(int aw, int left);
// Plaque of a W x H Ident Text in face colour: bands, lines and face.
void CCid_DrawPlaque(HDC dc, int W, int H, LONG face);

#endif
