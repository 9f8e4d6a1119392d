// Push buttons on the demo panel: colours at start, then a tour of clicks,
// drags, the roll-on across the Browse row, colour and label changes, and
// disabling.
#include "demo.h"

namespace {

struct Colour {
    int id;
    const char *options;
};

const Colour kColours[] = {
    {101, "/A0"}, {102, "/9F"}, {104, "/CF"}, {105, "/B0"},                 // Button row
    {111, "/E0"}, {112, "/D0"}, {113, "/6F"}, {114, "/3F"}, {115, "/5F"},  // Browse row
    {121, "/2F"}, {122, "/1F"}, {123, "/8C"}, {124, "/F4"}, {125, "/9B"},  // Touch row
    {131, "/4F"}, {132, "/D0"}, {133, "/B4"},                              // wide row
};

}  // namespace

void DemoSetup_buttons()
{
    for (const Colour &c : kColours) Demo_SetText(c.id, c.options);
}

void DemoTour_buttons()
{
    Demo_Step("click Button 101");
    Demo_Click(101);
    Demo_Expect({101});

    Demo_Step("press Button 102, drag out, release outside: nothing");
    Demo_MoveTo(102);
    Demo_Down();
    Demo_MoveBelow(102, 4);
    Demo_Up();
    Demo_Expect({});

    Demo_Step("press Button 103, drag out and back in, release: one click");
    Demo_MoveTo(103);
    Demo_Down();
    Demo_MoveBelow(103, 4);
    Demo_MoveTo(103);
    Demo_Up();
    Demo_Expect({103});

    Demo_Step("double click Button 105: one notification per release");
    Demo_DoubleClick(105);
    Demo_Expect({105, 105});

    Demo_Step("press Touch 121: notifies at once");
    Demo_MoveTo(121);
    Demo_Down();
    Demo_Expect({121});
    Demo_Step("release Touch 121: nothing");
    Demo_Up();
    Demo_Expect({});

    Demo_Step("Touch 123: leave and come back with the button held, release: one notification");
    Demo_MoveTo(123);
    Demo_Down();
    Demo_MoveBelow(123, 4);
    Demo_MoveTo(123);
    Demo_Up();
    Demo_Expect({123});

    Demo_Step("double click Touch 122: one notification per press");
    Demo_DoubleClick(122);
    Demo_Expect({122, 122});

    Demo_Step("roll-on: press Browse 111, slide across 112 to 115, release");
    Demo_MoveTo(111);
    Demo_Down();
    for (int id = 112; id <= 115; id++) Demo_MoveTo(id);
    Demo_Up();
    Demo_Expect({111, 112, 113, 114, 115});

    Demo_Step("press Button 104, slide onto Browse 114, release there: only the Browse button");
    Demo_MoveTo(104);
    Demo_Down();
    Demo_MoveTo(114);
    Demo_Up();
    Demo_Expect({114});

    Demo_Step("press Touch 132, slide onto Button 131, release there: both report");
    Demo_MoveTo(132);
    Demo_Down();
    Demo_MoveTo(131);
    Demo_Up();
    Demo_Expect({132, 131});

    Demo_Step("press Touch 124, slide up across Browse 114 onto Button 104, release: all three report");
    Demo_MoveTo(124);
    Demo_Down();
    Demo_MoveTo(104);
    Demo_Up();
    Demo_Expect({124, 114, 104});

    Demo_Step("colours: face of 103 cyan, then its label blue; the label stays");
    Demo_SetText(103, "/E");
    Demo_SetText(103, "/_C");
    Demo_ExpectText(103, "Cue|Next");

    Demo_Step("labels: 101 becomes two lines");
    Demo_SetText(101, "Play|Again");
    Demo_ExpectText(101, "Play|Again");

    Demo_Step("label of Button 102 changed while it is held, then released");
    Demo_MoveTo(102);
    Demo_Down();
    Demo_SetText(102, "Stop|Now");
    Demo_Up();
    Demo_Expect({102});
    Demo_ExpectText(102, "Stop|Now");

    Demo_Step("disable Browse 114: a click gives nothing; enabled again it reports");
    Demo_Enable(114, false);
    Demo_Click(114);
    Demo_Expect({});
    Demo_Enable(114, true);
    Demo_Click(114);
    Demo_Expect({114});

    Demo_Step("disable Button 104 and Touch 125 (left disabled for the screenshot)");
    Demo_Enable(104, false);
    Demo_Enable(125, false);
    Demo_Click(125);
    Demo_Expect({});
    Demo_MoveToPoint(2, 2);
}
