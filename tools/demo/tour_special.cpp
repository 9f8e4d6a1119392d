// Special library on the demo panel: the frame at work for every kind. A right
// click on a control reaches the panel in the panel's coordinates; WM_GETTEXT
// answers the visible field, CC_GETRAWTEXT the whole text; texts are cut to 59.
#include "demo.h"

static void DemoTour_fontButtons();
static void DemoTour_pictureAndRepeat();
static void DemoTour_dualLed();
static void DemoTour_fontDisplays();

// Level shown by LED display 917, stepped by Repeat buttons 915 (down) and 916 (up).
static int s_level = 50;

static void ShowLevel()
{
    char text[16];
    wsprintfA(text, "%d", s_level);
    Demo_SetText(917, text);
}

static void LevelDown(HWND) { s_level--, ShowLevel(); }
static void LevelUp(HWND) { s_level++, ShowLevel(); }

void DemoSetup_special()
{
    Demo_React(915, LevelDown);
    Demo_React(916, LevelUp);
}

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
    Demo_ExpectRawText(906, "01234567890123456789012345678901234567890123456789012345678$Arial,12$8");
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

    DemoTour_fontButtons();
    DemoTour_pictureAndRepeat();
    DemoTour_dualLed();
    DemoTour_fontDisplays();
}

// Font buttons: Font (901, release only), Font 95 (905, flags 3: press, and
// release as id + 1000), Chunky (907, release only). A label change keeps the
// font and the flags of the old text.
static void DemoTour_fontButtons()
{
    Demo_Step("click the Font, Font 95 and Chunky font buttons");
    Demo_Click(901);
    Demo_Click(905);
    Demo_Click(907);
    HWND f95 = Demo_Item(905);
    Demo_ExpectFrom({901, 905, 1905, 907}, {Demo_Item(901), f95, f95, Demo_Item(907)});

    Demo_Step("Chunky 907 pressed and dragged out: the press ends with its release");
    Demo_MoveTo(907);
    Demo_Down();
    Demo_MoveBelow(907, 12);
    Demo_Up();
    Demo_Expect({907});

    Demo_Step("font button labels change; aux field and flags stay");
    Demo_SetText(901, "Cut");
    Demo_ExpectRawText(901, "Cut$Arial,10$2");
    Demo_SetText(905, "Skip");
    Demo_ExpectText(905, "Skip");
    Demo_SetText(907, "/_9__C");  // red label, blue frame
    Demo_SetText(907, "Cue 2");
    Demo_ExpectRawText(907, "Cue 2$Arial,10$2");
    Demo_Click(901);
    Demo_Expect({901});

    Demo_Step("a row of font buttons in Arial, Courier New, Times New Roman, Tahoma, Dot-Matrix and Arial 14");
    const int row[] = {920, 921, 922, 923, 924, 925};
    for (int id : row) Demo_Click(id);
    Demo_Expect({920, 921, 922, 923, 924, 925});
    Demo_ExpectRawText(924, "DOT$Dot-Matrix,12$2");
}

// Combo BMP buttons (910-914) show pictures from the files beside the program;
// Repeat buttons (915, 916: press and every repeat reported) step the level of
// LED display 917 while held.
static void DemoTour_pictureAndRepeat()
{
    Demo_Step("click Combo BMP 910 (flags 3): press 910, release 1910");
    Demo_Click(910);
    Demo_ExpectFrom({910, 1910}, {Demo_Item(910), Demo_Item(910)});

    Demo_Step("Combo BMP 911 takes the camera picture (variant 1), then a new label");
    Demo_SetText(911, "/_____1");
    Demo_SetText(911, "CAM");
    Demo_ExpectRawText(911, "Mic$CAM$2");
    Demo_SetText(911, "/_____0");
    Demo_SetText(911, "Cam 3");
    Demo_ExpectRawText(911, "Cam 3$CAM$2");
    Demo_Pause(50);
    Demo_Expect({});

    Demo_Step("Repeat Up 916 held about 1.2 s: the press, then a step every 100 ms after 500 ms");
    Demo_MoveTo(916);
    Demo_Down();
    Demo_Pause(1200);
    Demo_Up();
    Demo_Pause(300);
    Demo_ExpectCount(916, 4, 12);
    char level[16];
    wsprintfA(level, "%d", s_level);
    Demo_ExpectText(917, level);

    Demo_Step("click Repeat Down 915: one step down");
    Demo_Click(915);
    Demo_Pause(300);
    Demo_Expect({915});
    wsprintfA(level, "%d", s_level);
    Demo_ExpectText(917, level);
}

// Dual LED buttons: 904 (release only, variable-pitch label) and 941 (flags 3,
// label in the system font). Option texts switch the lamps: character 3 the
// band, 4 the right lamp, 5 the left lamp.
static void DemoTour_dualLed()
{
    Demo_Step("Dual LED 904: band red, right lamp bright green, left lamp blue (/__9AC); text unchanged");
    Demo_SetText(904, "/__9AC");
    Demo_ExpectRawText(904, "Mic$ $2");
    Demo_Pause(50);

    Demo_Step("Dual LED 941: right lamp bright green, left lamp off in grey (/___A7)");
    Demo_SetText(941, "/___A7");
    Demo_Pause(50);

    Demo_Step("click Dual LED 904 (flags 2: release) and 941 (flags 3: press, release + 1000)");
    Demo_Click(904);
    Demo_Click(941);
    HWND cue = Demo_Item(941);
    Demo_ExpectFrom({904, 941, 1941}, {Demo_Item(904), cue, cue});

    Demo_Step("Dual LED labels change; lamps, font field and flags stay");
    Demo_SetText(904, "Talk");
    Demo_ExpectRawText(904, "Talk$ $2");
    Demo_SetText(941, "Live");
    Demo_ExpectRawText(941, "Live$L$3");
    Demo_Expect({});
}

// Font displays with each edge: 906 sunken, 942 raised, 943 hidden (flags 3).
// The option letters O / N hide and show the edge, R / L raise and sink it.
static void DemoTour_fontDisplays()
{
    Demo_Step("Font display 906: edge hidden (/O), shown again (/N), raised (/R), sunk (/L)");
    const char *letters[] = {"/O", "/N", "/R", "/L"};
    for (const char *l : letters) {
        Demo_SetText(906, l);
        Demo_Pause(50);
    }
    Demo_ExpectRawText(906, "Studio 2$Arial,12$8");

    Demo_Step("Font display 942 in white on red (/__9F) with a new label");
    Demo_SetText(942, "/__9F");
    Demo_SetText(942, "On air");
    Demo_ExpectRawText(942, "On air$Arial,10$0");
    Demo_Pause(50);

    Demo_Step("click Font display 943 (flags 3): press 943, release 1943; its look stays");
    Demo_Click(943);
    HWND plain = Demo_Item(943);
    Demo_ExpectFrom({943, 1943}, {plain, plain});
}
