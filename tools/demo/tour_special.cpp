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
}
