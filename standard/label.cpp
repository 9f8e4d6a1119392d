// Off-screen label swap.
#include "label.h"
#include "ccdraw.h"
#include "ccguards.h"
#include "ccsurface.h"

void CCLabel_Swap(HWND hwnd, int W, int H, const CCLabelDraw *draws, int count,
                  void (*extra)(HWND, HDC, void *), void *ctx)
{
    CCWindowDC win(hwnd);
    if (!win.dc) return;
    CCSurface mem(win.dc, W, H);
    if (!mem.ok()) return;
    BitBlt(mem.dc, 0, 0, W, H, win.dc, 0, 0, SRCCOPY);
    for (int i = 0; i < count; i++) {
        const CCLabelDraw &d = draws[i];
        CCDraw_Text(mem.dc, d.textColour, d.bkColour, d.w, d.h, d.x, d.y, d.text ? d.text : "");
    }
    if (extra) extra(hwnd, mem.dc, ctx);
    BitBlt(win.dc, 0, 0, W, H, mem.dc, 0, 0, SRCCOPY);
}
