// Off-screen label swap shared by the kinds that change a label without
// redrawing their face.
#ifndef LABEL_H
#define LABEL_H

#include <windows.h>

// One CCDraw_Text call: text in textColour on bkColour in the box (x, y, w, h).
struct CCLabelDraw {
    const char *text;
    LONG textColour, bkColour;
    int x, y, w, h;
};

// Copies the window's current W x H image into a memory bitmap, draws each entry
// of `draws` in order on it (the old label painted out first, then the new one),
// calls `extra` (may be null) on the memory DC, and copies the image back once.
// The image is composed on the thread's off-screen surface (ccsurface.h); where
// no surface of that size can be had, the same drawing goes straight onto the
// window.
void CCLabel_Swap(HWND hwnd, int W, int H, const CCLabelDraw *draws, int count,
                  void (*extra)(HWND hwnd, HDC mem, void *ctx) = nullptr, void *ctx = nullptr);

#endif
