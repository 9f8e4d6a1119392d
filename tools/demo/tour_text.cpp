// Text panels, ident plaque, Dest and Multi buttons on the demo panel: colours at
// start, then a tour that changes texts field by field (an option text picks the
// field, the next plain text fills it), reads each field back and clicks.
#include "demo.h"

namespace {

struct Text {
    int id;
    const char *text;
};

// Applied in order: an option text chooses colours and the field that the
// following plain texts address.
const Text kSetup[] = {
    {402, "/__CF"},                     // Static Text: blue panel, white text
    {404, "/__9F"},                     // Ident plaque: red, white text
    {501, "/E09F"},                     // Dest: cyan button, red strip with white text
    {502, "/A0B0_1"}, {502, "Cam 3"},   // Dest: green button; yellow strip text
    {502, "/_____0"},
    {602, "/6F__C"},                    // Multi: teal button, blue frames
    {602, "/__B0_1"}, {602, "Bus A"},   // yellow top strip
    {602, "/__E0_2"}, {602, "L"},       // cyan lower fields
    {602, "/__E0_3"}, {602, "R"},
    {602, "/_____0"},
};

// Sets a field of a Dest or Multi button: variant option, then the text.
void SetField(int id, const char *option, const char *text)
{
    Demo_SetText(id, option);
    Demo_SetText(id, text);
    Demo_ExpectText(id, text);
}

}  // namespace

void DemoSetup_text()
{
    for (const Text &t : kSetup) Demo_SetText(t.id, t.text);
    Demo_Enable(403, false);
}

void DemoTour_text()
{
    Demo_Step("click the Static Text panels and the ident plaque: nothing");
    Demo_Click(401);
    Demo_Click(402);
    Demo_Click(404);
    Demo_Expect({});

    Demo_Step("Static Text 401 takes a new text; 402 turns red with yellow text, its text stays");
    Demo_SetText(401, "Level -6");
    Demo_ExpectText(401, "Level -6");
    Demo_SetText(402, "/__9B");
    Demo_ExpectText(402, "Standby");

    Demo_Step("ident plaque 404: new second line");
    Demo_SetText(404, "ON AIR|Studio 1");
    Demo_ExpectText(404, "ON AIR|Studio 1");

    Demo_Step("Dest 501: strip text TX (variant 1), then a new button text (variant 0)");
    SetField(501, "/_____1", "TX");
    Demo_SetText(501, "/_____0");
    Demo_ExpectText(501, "Out 1");
    Demo_SetText(501, "Studio A");
    Demo_ExpectText(501, "Studio A");
    Demo_SetText(501, "/_____1");
    Demo_ExpectText(501, "TX");
    Demo_SetText(501, "/_____0");

    Demo_Step("click Dest 501");
    Demo_Click(501);
    Demo_Expect({501});

    Demo_Step("press Dest 502, drag out, release outside: nothing");
    Demo_MoveTo(502);
    Demo_Down();
    Demo_MoveBelow(502, 4);
    Demo_Up();
    Demo_Expect({});
    Demo_ExpectText(502, "Out 2");

    Demo_Step("Multi 601: top, left and right texts each in their own colours, then the button text");
    SetField(601, "/__E0_1", "Top");
    SetField(601, "/__A0_2", "Left");
    SetField(601, "/__9F_3", "Right");
    SetField(601, "/_____0", "Main");

    Demo_Step("Multi 601: each field reads back by its variant; variant 4 addresses none");
    Demo_SetText(601, "/_____1");
    Demo_ExpectText(601, "Top");
    Demo_SetText(601, "/_____2");
    Demo_ExpectText(601, "Left");
    Demo_SetText(601, "/_____3");
    Demo_ExpectText(601, "Right");
    Demo_SetText(601, "/_____4");
    Demo_ExpectText(601, "");
    Demo_SetText(601, "/_____0");
    Demo_ExpectText(601, "Main");

    Demo_Step("click Multi 601 and Multi 602");
    Demo_Click(601);
    Demo_Click(602);
    Demo_Expect({601, 602});
    Demo_MoveToPoint(2, 2);
}
