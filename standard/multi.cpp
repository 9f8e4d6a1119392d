// Multi button: top strip, raised button and two lower fields, each with its
// own text and colours, in quarters of the height.
#include "kinds.h"
#include "fields.h"

static void CCmulti_DrawDown(HWND hwnd);

static const CCFieldKind MultiKind = {
    "Kerv_cc: CCmulti_Msg: WM_CREATE",
    0x0200,
    4,
    CCmulti_Geometry,
    {5, 7, 9, 11},
    {6, 8, 10, 12},
    true,  // disabled look draws the frames in dark grey
    true,  // slot 65 set before the DC is asked for
    {
        {},                                                  // button text
        {{0, CC_FRAME_OUTLINE}, {}},                         // top text: top frame
        {{1, CC_FRAME_OUTLINE}, {2, CC_FRAME_GREY}},         // left text: bottom frame, divider
        {{1, CC_FRAME_OUTLINE}, {2, CC_FRAME_GREY}},         // right text: bottom frame, divider
        {},                                                  // no text addressed
    },
    {CCmulti_DrawDown, nullptr, 0},
};

void CCmulti_Geometry(LONG W, LONG H, CCFieldGeometry *g)
{
    int w = (int)W, h = (int)H, q = h / 4, a = w / 12, L = 7 * a, R = 5 * a;
    g->area[0] = {0, q, w, 2 * q};
    g->area[1] = {0, 0, w, q};
    g->area[2] = {0, 3 * q, L, q};
    g->area[3] = {L, 3 * q, R + 4, q};
    // The lower text boxes are R wide on the left and L wide on the right.
    g->text[0] = {0, q, w, 2 * q};
    g->text[1] = {0, 0, w, q};
    g->text[2] = {2, 3 * q, R, q};
    g->text[3] = {R + 8, 3 * q, L, q};
    g->frame[0] = {false, 0, 0, w, q};
    g->frame[1] = {false, 0, 3 * q, w, q};
    g->frame[2] = {true, L, 3 * q, 0, h - 3 * q};
    g->frames = 3;
}

static void CCmulti_DrawDown(HWND hwnd) { CCfields_DrawDown(&MultiKind, hwnd); }

LRESULT CCmulti_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return CCfields_Msg(&MultiKind, hwnd, msg, wParam, lParam);
}

// Read top strip, button, lower left, lower right.
void CCmulti_Name(HWND hwnd, char *buf, size_t size)
{
    static const int order[] = {1, 0, 2, 3};
    CCfields_Name(&MultiKind, hwnd, order, sizeof order / sizeof order[0], buf, size);
}
