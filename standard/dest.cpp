// Dest button: a flat strip text over a raised button text, one third and two
// thirds of the height.
#include "kinds.h"
#include "fields.h"

static void CCdest_DrawDown(HWND hwnd);

static const CCFieldKind DestKind = {
    "Kerv_cc: CCdest_Msg: WM_CREATE",
    0x0004,
    2,
    CCdest_Geometry,
    {5, 7, 0, 0},
    {6, 8, 0, 0},
    false,  // disabled look draws no frame
    false,  // slot 65 set only with a DC
    {
        {{0, CC_FRAME_OUTLINE_OR_8}, {}},  // button text
        {{0, CC_FRAME_OUTLINE_OR_8}, {}},  // strip text
        {},
        {},
        {{0, CC_FRAME_OUTLINE_OR_8}, {}},  // no text addressed
    },
    {CCdest_DrawDown, nullptr, 0},
};

void CCdest_Geometry(LONG W, LONG H, CCFieldGeometry *g)
{
    int w = (int)W, t = (int)(H / 3);
    g->area[0] = {0, t, w, 2 * t};
    g->area[1] = {0, 0, w, t};
    g->text[0] = {0, t, w, 2 * t};
    g->text[1] = {0, 0, w, t};
    g->frame[0] = {false, 0, 0, w, t};
    g->frames = 1;
}

static void CCdest_DrawDown(HWND hwnd) { CCfields_DrawDown(&DestKind, hwnd); }

LRESULT CCdest_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return CCfields_Msg(&DestKind, hwnd, msg, wParam, lParam);
}

// Read strip, then button.
void CCdest_Name(HWND hwnd, char *buf, size_t size)
{
    static const int order[] = {1, 0};
    CCfields_Name(&DestKind, hwnd, order, sizeof order / sizeof order[0], buf, size);
}
