// The twenty control kinds of both libraries, for tests that walk all of them
// through the shipped DLLs (storm, soak).
#ifndef ALLKINDS_H
#define ALLKINDS_H

#include <windows.h>

struct CCTKind {
    const char *name;   // short name, used in test names
    const char *cls;    // window class
    DWORD style;        // kind bits of the window style
    bool special;       // KERV_CC09: '$' fields, texts cut to 59, id + 1000 notifications
    const char *text;   // a typical creation text
};

static const CCTKind CCT_KINDS[20] = {
    {"Button", "VEK_CC_Button", 0x0001, false, "Play"},
    {"Led", "VEK_CC_Button", 0x0002, false, "On|Air"},
    {"Dest", "VEK_CC_Button", 0x0004, false, "Studio"},
    {"Static", "VEK_CC_Button", 0x0008, false, "Text"},
    {"Browse", "VEK_CC_Button", 0x0010, false, "Browse"},
    {"Ident", "VEK_CC_Button", 0x0020, false, "Ident|Two"},
    {"Bitmap", "VEK_CC_Button", 0x0040, false, "NOBITMAP"},
    {"Touch", "VEK_CC_Button", 0x0080, false, "Touch"},
    {"Flat", "VEK_CC_Button", 0x0100, false, "Flat"},
    {"Multi", "VEK_CC_Button", 0x0200, false, "Multi"},
    {"VFader", "VEK_CC_Button", 0x0400, false, "50"},
    {"HFader", "VEK_CC_Button", 0x0800, false, "50"},
    {"Font", "VEK_CC09_Button", 1, true, "Label$Arial$3"},
    {"Combo", "VEK_CC09_Button", 2, true, "Pic$nofile.bmp$3"},
    {"LedDisplay", "VEK_CC09_Button", 3, true, "00:00$20$3"},
    {"DualLed", "VEK_CC09_Button", 4, true, "Dual$Aux$3"},
    {"Font95", "VEK_CC09_Button", 5, true, "Label$Aux$3"},
    {"FontDisplay", "VEK_CC09_Button", 6, true, "12:00$Arial,20$3"},
    {"Chunky", "VEK_CC09_Button", 7, true, "Label$Aux$3"},
    {"Repeat", "VEK_CC09_Button", 8, true, "Rep$100$3"},
};

// Loads both shipped libraries from the program's folder without a sibling
// search (KERV_CC09 directly); true when both classes are registered.
bool CCT_LoadBoth();

#endif
