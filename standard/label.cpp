// Off-screen label swap.
#include "label.h"
#include "ccdraw.h"

void CCLabel_Swap(HWND hwnd, int W, int H, const CCLabelDraw *draws, int count,
                  void (*extra)(HWND, HDC, void *), void *ctx)
{
    HDC dc = GetDC(hwnd);
    if (!dc) return;
    HDC mem = CreateCompatibleDC(dc);
    HBITMAP bmp = (W > 0 && H > 0) ? CreateCompatibleBitmap(dc, W, H) : nullptr;
    HGDIOBJ old = (mem && bmp) ? SelectObject(mem, bmp) : nullptr;
    if (old) {
        BitBlt(mem, 0, 0, W, H, dc, 0, 0, SRCCOPY);
        for (int i = 0; i < count; i++) {
            const CCLabelDraw &d = draws[i];
            CCDraw_Text(mem, d.textColour, d.bkColour, d.w, d.h, d.x, d.y, d.text ? d.text : "");
        }
        if (extra) extra(hwnd, mem, ctx);
        BitBlt(dc, 0, 0, W, H, mem, 0, 0, SRCCOPY);
        SelectObject(mem, old);
    }
    if (bmp) DeleteObject(bmp);
    if (mem) DeleteDC(mem);
    ReleaseDC(hwnd, dc);
}
