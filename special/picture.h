// Looks and label changes of the plain raised buttons of the special library:
// the Combo BMP button (kind 2, a picture beside its label) and the Repeat
// button (kind 8, the same button without a picture).
#ifndef S09_PICTURE_H
#define S09_PICTURE_H

#include <windows.h>

// Slot that tells whether the pressed look (1) or the normal look (0) was drawn last.
#define CCCOMBO_SLOT_DOWNLOOK 65

// Normal (pressed false) or pressed look, composed off screen: body, picture
// (when asked), label in the stock variable-pitch font. False when nothing
// could be drawn (no window DC or no memory image).
bool CCcombo_DrawFace(HWND hwnd, bool pressed, bool picture);
// Disabled look, straight on the window DC: grey body, grey label, no picture.
void CCcombo_DrawDisabled(HWND hwnd);
// WM_SETTEXT: an option text sets slots and repaints; any other text replaces
// the field the variant shows (flags character kept). A new label redraws the
// look on screen; for the Combo BMP button (picture true) a new picture name
// drops the kept file contents.
void CCcombo_SetText(HWND hwnd, const char *text, bool picture);

#endif
