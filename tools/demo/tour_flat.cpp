// Flat and Bitmap buttons on the demo panel: exact sizes and colours at start,
// then a tour of press and release reports, sliding presses across the Flat row,
// clicks on the framed pictures and the press report of the unframed one.
#include "demo.h"

namespace {

const int kFlatRelease = 1000;  // a Flat button reports its release as id + 1000

struct Size {
    int id, w, h;
};

// Pixel sizes: the template's dialog units only come close.
const Size kSizes[] = {
    {701, 60, 30}, {702, 60, 30}, {703, 60, 30}, {704, 60, 30},
    {801, 32, 32}, {802, 32, 32}, {803, 32, 32}, {804, 24, 24}, {805, 32, 32},
};

struct Colour {
    int id;
    const char *options;
};

// Yellow when pressed; normal faces dark grey (default), dark blue, dark green, purple.
const Colour kColours[] = {
    {701, "/B0"}, {702, "/B04F"}, {703, "/B02F"}, {704, "/B05F"},
    {804, "/_____1"},  // unframed picture that reports the press
};

HWND Item(int id) { return GetDlgItem(Demo_Panel(), id); }

// Resizes a control (keeping its place) and repaints it over an erased background.
void SizeTo(int id, int w, int h)
{
    HWND hwnd = Demo_Item(id);
    if (!hwnd) return;
    SetWindowPos(hwnd, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd, nullptr, TRUE);
}

// The control's rectangle in the panel's client coordinates.
RECT PanelRect(int id)
{
    RECT r = {0, 0, 0, 0};
    if (HWND hwnd = Demo_Item(id)) {
        GetWindowRect(hwnd, &r);
        MapWindowPoints(nullptr, Demo_Panel(), (POINT *)&r, 2);
    }
    return r;
}

}  // namespace

void DemoSetup_flat()
{
    for (const Colour &c : kColours) Demo_SetText(c.id, c.options);
    for (const Size &s : kSizes) SizeTo(s.id, s.w, s.h);
    Demo_Enable(805, false);
}

void DemoTour_flat()
{
    Demo_Step("click Flat 701: press, then release (id + 1000)");
    Demo_Click(701);
    Demo_ExpectFrom({701, 701 + kFlatRelease}, {Item(701), Item(701)});

    Demo_Step("press Flat 702, drag out, release outside: only the press");
    Demo_MoveTo(702);
    Demo_Down();
    Demo_MoveBelow(702, 6);
    Demo_Up();
    Demo_Expect({702});

    Demo_Step("press Flat 701, slide 1 pixel into 702: no press there");
    Demo_MoveTo(701);
    Demo_Down();
    RECT r = PanelRect(702);
    Demo_MoveToPoint(r.left + 1, (r.top + r.bottom) / 2);
    Demo_Expect({701});
    Demo_Step("further into 702: it takes the press; release there");
    Demo_MoveTo(702);
    Demo_Up();
    Demo_ExpectFrom({702, 702 + kFlatRelease}, {Item(702), Item(702)});

    Demo_Step("slide: press Flat 701, across 702 and 703, release on 704");
    Demo_MoveTo(701);
    Demo_Down();
    for (int id = 702; id <= 704; id++) Demo_MoveTo(id);
    Demo_Up();
    Demo_ExpectFrom({701, 702, 703, 704, 704 + kFlatRelease},
                    {Item(701), Item(702), Item(703), Item(704), Item(704)});

    Demo_Step("click each framed Bitmap button: one report on release");
    for (int id = 801; id <= 803; id++) {
        Demo_MoveTo(id);
        Demo_Down();
        Demo_Expect({});
        Demo_Up();
        Demo_Expect({id});
    }

    Demo_Step("press Bitmap 802, drag out, release outside: nothing");
    Demo_MoveTo(802);
    Demo_Down();
    Demo_MoveBelow(802, 6);
    Demo_Up();
    Demo_Expect({});

    Demo_Step("Bitmap 803 shows another picture by name, then its own again");
    Demo_SetText(803, "STOP");
    Demo_ExpectText(803, "STOP");
    Demo_SetText(803, "REC");
    Demo_ExpectText(803, "REC");

    Demo_Step("press the unframed Bitmap 804: reports at once");
    Demo_MoveTo(804);
    Demo_Down();
    Demo_Expect({804});
    Demo_Step("release Bitmap 804: nothing");
    Demo_Up();
    Demo_Expect({});

    Demo_Step("click the disabled Bitmap 805: nothing");
    Demo_Click(805);
    Demo_Expect({});
    Demo_MoveToPoint(2, 2);
}
