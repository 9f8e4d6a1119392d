// LED buttons and faders on the demo panel: lamps and faces at start, then
// clicks and drags out of LED buttons, lamp and label changes, and scripted
// fader drags whose numbers are read back as text.
#include <string>

#include "demo.h"

namespace {

struct Setting {
    int id;
    const char *text;
};

// Applied in this order: a fader's variant decides what a following number sets.
const Setting kSettings[] = {
    {201, "/____A"}, {202, "/____9"}, {203, "/____B"}, {204, "/____C"},  // lamps; 205 stays dark
    {211, "/9F__B"}, {213, "/____A"},                                    // red face, white label
    {301, "75"},
    // 100..200 holding 150, blue filled part: the filled colour comes with variant 2.
    {302, "/__C__2"}, {302, "/_____1"}, {302, "100"}, {302, "/_____2"}, {302, "200"},
    {302, "/_____0"}, {302, "150"},
    {303, "30"},
    {311, "50"},
    {312, "/9___C"}, {312, "70"},  // red knob line, blue frame
    {313, "60"},
};

// A control's client area on the panel: origin in panel client coordinates, size.
struct Place {
    int x, y, w, h;
};

Place PlaceOf(int id)
{
    Place p = {0, 0, 1, 1};
    HWND h = Demo_Item(id);
    if (!h) return p;
    RECT rc;
    GetClientRect(h, &rc);
    POINT o = {0, 0};
    MapWindowPoints(h, Demo_Panel(), &o, 1);
    return {o.x, o.y, rc.right > 0 ? rc.right : 1, rc.bottom > 0 ? rc.bottom : 1};
}

// Pointer to a point in the control's client coordinates. A move of at most
// 11 pixels arrives as one mouse event, so a drag of such moves gives one
// notification per move.
void PointAt(const Place &p, int x, int y) { Demo_MoveToPoint(p.x + x, p.y + y); }

// Five moves along the horizontal fader from x0 to x1 at height y.
void SlideAcross(const Place &p, int x0, int x1, int y)
{
    for (int i = 1; i <= 5; i++) PointAt(p, x0 + (x1 - x0) * i / 5, y);
}

// The number a fader shows with the pointer at pixel c of its n pixels: the
// maximum at the top of a vertical fader, at the right of a horizontal one.
std::string Upward(int lo, int hi, int n, int c) { return std::to_string(lo + (hi - lo) * (n - c) / n); }
std::string Rightward(int lo, int hi, int n, int c) { return std::to_string(hi - (hi - lo) * (n - c) / n); }

void TourLeds()
{
    Demo_Step("click LED Go 201");
    Demo_Click(201);
    Demo_Expect({201});

    Demo_Step("press LED Stop 202, drag out, release outside: nothing");
    Demo_MoveTo(202);
    Demo_Down();
    Demo_MoveBelow(202, 4);
    Demo_Up();
    Demo_Expect({});
    Demo_Step("press LED Stop 202 and release: one click");
    Demo_Click(202);
    Demo_Expect({202});

    Demo_Step("press LED Wait 203, drag out and back in, release: one click");
    Demo_MoveTo(203);
    Demo_Down();
    Demo_MoveBelow(203, 4);
    Demo_MoveTo(203);
    Demo_Up();
    Demo_Expect({203});

    Demo_Step("the application lights the lamp of On|Air 212 red; the label stays");
    Demo_SetText(212, "/____9");
    Demo_ExpectText(212, "On|Air");
    Demo_Click(212);
    Demo_Expect({212});

    Demo_Step("label of Alarm 211 changed while it is held, then released");
    Demo_MoveTo(211);
    Demo_Down();
    Demo_SetText(211, "Alarm|Reset");
    Demo_Up();
    Demo_Expect({211});
    Demo_ExpectText(211, "Alarm|Reset");

    Demo_Step("disabled LED Spare 213: a click gives nothing");
    Demo_Click(213);
    Demo_Expect({});
}

void TourVertical()
{
    const Place v = PlaceOf(301);
    const int x = v.w / 2, y = v.h / 2;
    Demo_Step("vertical fader 301 holds 75");
    Demo_ExpectText(301, "75");

    Demo_Step("press 301 in the middle: one notification, the value follows");
    PointAt(v, x, y);
    Demo_Down();
    Demo_Expect({301});
    Demo_ExpectText(301, Upward(1, 100, v.h, y).c_str());

    Demo_Step("drag 301 up twice: one notification per move");
    PointAt(v, x, y - 8);
    PointAt(v, x, y - 16);
    Demo_Expect({301, 301});
    const std::string held = Upward(1, 100, v.h, y - 16);
    Demo_ExpectText(301, held.c_str());

    Demo_Step("move across 301 only: nothing");
    PointAt(v, x + 3, y - 16);
    Demo_Expect({});

    Demo_Step("drag 301 out to the left, back in and down: the drag does not resume");
    PointAt(v, -6, y - 16);
    PointAt(v, x, y - 16);
    PointAt(v, x, y - 8);
    Demo_Expect({});
    Demo_ExpectText(301, held.c_str());

    Demo_Step("release over 301: one notification, the value stays");
    Demo_Up();
    Demo_Expect({301});
    Demo_ExpectText(301, held.c_str());

    const Place r = PlaceOf(302);
    Demo_Step("fader 302 ranges 100..200 and holds 150");
    Demo_ExpectText(302, "150");
    Demo_SetText(302, "/_____1");
    Demo_ExpectText(302, "100");
    Demo_SetText(302, "/_____2");
    Demo_ExpectText(302, "200");
    Demo_SetText(302, "/_____0");
    Demo_Expect({});

    Demo_Step("click 302 near its top without moving: press and release notify");
    PointAt(r, r.w / 2, r.h / 4);
    Demo_Down();
    Demo_Up();
    Demo_Expect({302, 302});
    Demo_ExpectText(302, Upward(100, 200, r.h, r.h / 4).c_str());
}

void TourHorizontal()
{
    const Place h = PlaceOf(311);
    const int y = h.h / 2;
    Demo_Step("horizontal fader 311 holds 50");
    Demo_ExpectText(311, "50");

    Demo_Step("press 311 at its left end");
    PointAt(h, 2, y);
    Demo_Down();
    Demo_Expect({311});
    Demo_ExpectText(311, Rightward(1, 100, h.w, 2).c_str());

    Demo_Step("drag 311 to the middle in five moves: five notifications");
    SlideAcross(h, 2, h.w / 2, y);
    Demo_Expect({311, 311, 311, 311, 311});
    Demo_ExpectText(311, Rightward(1, 100, h.w, h.w / 2).c_str());

    Demo_Step("drag 311 on to its right end in five moves");
    SlideAcross(h, h.w / 2, h.w - 1, y);
    Demo_Expect({311, 311, 311, 311, 311});
    const std::string end = Rightward(1, 100, h.w, h.w - 1);
    Demo_ExpectText(311, end.c_str());

    Demo_Step("release 311: one notification");
    Demo_Up();
    Demo_Expect({311});
    Demo_ExpectText(311, end.c_str());

    Demo_Step("disabled faders 303 and 313: clicks give nothing");
    Demo_Click(303);
    Demo_Click(313);
    Demo_Expect({});
    Demo_ExpectText(303, "30");
    Demo_ExpectText(313, "60");
    Demo_MoveToPoint(2, 2);
}

}  // namespace

void DemoSetup_led()
{
    for (const Setting &s : kSettings) Demo_SetText(s.id, s.text);
}

void DemoTour_led()
{
    TourLeds();
    TourVertical();
    TourHorizontal();
}
