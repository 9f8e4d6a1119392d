// Off-screen label swap.
#include "label.h"
#include "ccdraw.h"
#include "ccguards.h"

void CCLabel_Swap(HWND hwnd, int W, int H, const CCLabelDraw *draws, int count,
                  void (*extra)(HWND, HDC, void *), void *ctx)
{
    CCWindowDC win(hwnd);
    if (!win.dc) return;
    CCMemImage mem(win.dc, W, H);
    if (!mem.ok() && (W <= 0 || H <= 0)) return;
    // Without a memory image of this size the same drawing goes straight on.
    HDC dc = mem.ok() ? mem.dc : win.dc;
    if (mem.ok()) BitBlt(mem.dc, 0, 0, W, H, win.dc, 0, 0, SRCCOPY);
    for (int i = 0; i < count; i++) {
        const CCLabelDraw &d = draws[i];
        CCDraw_Text(dc, d.textColour, d.bkColour, d.w, d.h, d.x, d.y, d.text ? d.text : "");
    }
    if (extra) extra(hwnd, dc, ctx);
    if (mem.ok()) BitBlt(win.dc, 0, 0, W, H, mem.dc, 0, 0, SRCCOPY);
}
