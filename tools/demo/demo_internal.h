// Demo panel internals shared by main.cpp and panel.cpp.
#ifndef DEMO_INTERNAL_H
#define DEMO_INTERNAL_H

#include <windows.h>
#include <string>

// Records and logs one WM_COMMAND received by the panel.
void Demo_Notified(WPARAM wParam, LPARAM lParam);
// Records and logs one right click that reached the panel.
void Demo_RightClicked(WPARAM wParam, LPARAM lParam);
// The control's label as it reports it (WM_GETTEXT), at most 255 characters.
std::string Demo_Label(HWND ctl);
// Name of a control's kind ("Button", "Repeat"), "inert" for a window of a
// kit class with no kind, null for any other window.
const char *Demo_KindName(HWND ctl);
// What a notification from ctl with this id means, as a panel author reads
// it ("clicked", "pressed", "released", "moved to 40").
std::string Demo_Meaning(HWND ctl, int id);
// Checked steps and those that got other notifications than expected.
int Demo_Checks();
int Demo_Mismatches();

#endif
