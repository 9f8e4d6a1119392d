// Off-screen label swap.
#include "label.h"
#include "ccdraw.h"
#include "ccguards.h"
#include "ccsurface.h"

void CCLabel_Swap(HWND hwnd, int W, int H, const CCLabelDraw *draws, int count,
                  void (*extra)(HWND, HDC, void *), void *ctx)
{
    // Without a surface of this size the same drawing goes straight on.
    CCWindowImage img(hwnd, W, H);
    if (!img.ok()) return;
    HDC dc = img.dc;
    for (int i = 0; i < count; i++) {
        const CCLabelDraw &d = draws[i];
        CCDraw_Text(dc, d.textColour, d.bkColour, d.w, d.h, d.x, d.y, d.text ? d.text : "");
    }
    if (extra) extra(hwnd, dc, ctx);
}
