// Special library on the demo panel: the frame at work for every kind. A right
// click on a control reaches the panel in the panel's coordinates; WM_GETTEXT
// answers the visible field, CC_GETRAWTEXT the whole text; texts are cut to 59.
#include "demo.h"

void DemoSetup_special() {}

void DemoTour_special()
{
    Demo_Step("right click on the special controls: passed to the panel");
    Demo_RightClick(901);
    Demo_RightClick(903);
    Demo_RightClick(908);
    Demo_ExpectRightClicks({901, 903, 908});
    Demo_Expect({});

    Demo_Step("texts of the special controls: the label field, and the whole text raw");
    Demo_ExpectText(901, "Take");
    Demo_ExpectRawText(901, "Take$Arial,10$2");
    Demo_ExpectText(903, "00:00");
    Demo_ExpectRawText(906, "Studio 2$Arial,12$8");

    Demo_Step("LED display 903 takes a new text; a text of 70 characters is kept to 59");
    Demo_SetText(903, "12:34$20$0");
    Demo_ExpectRawText(903, "12:34$20$0");
    Demo_SetText(906, "0123456789012345678901234567890123456789012345678901234567890123456789");
    Demo_ExpectRawText(906, "01234567890123456789012345678901234567890123456789012345678");
    Demo_SetText(906, "Studio 2$Arial,12$8");

    Demo_Step("LED display 903 as a clock: a new time every second, size and flags kept");
    const char *times[] = {"00:01", "00:02", "00:03"};
    for (const char *t : times) {
        Demo_SetText(903, t);
        char raw[32];
        wsprintfA(raw, "%s$20$0", t);
        Demo_ExpectRawText(903, raw);
        Demo_Pause(1000);
    }
    Demo_Expect({});

    Demo_Step("LED display 903 in yellow on dark blue (option /4B), its text unchanged");
    Demo_SetText(903, "/4B");
    Demo_ExpectRawText(903, "00:03$20$0");
    Demo_Pause(50);

    Demo_Step("click on the clock (flags 0): no report, the display stays as it was");
    Demo_Click(903);
    Demo_Pause(50);
    Demo_Expect({});

    Demo_Step("click on LED display 909 (flags 3): press 909, release 1909");
    Demo_Click(909);
    Demo_Pause(50);
    Demo_ExpectFrom({909, 1909}, {Demo_Item(909), Demo_Item(909)});
}
