// Why a dialog could not be created, found after the fact: no graphics driver
// (no window at all can be made), a class the template names that is not
// registered, a control that refuses its creation, or else the dialog's own
// window.
#ifndef PANEL_DIALOG_FAULT_H
#define PANEL_DIALOG_FAULT_H

#include <windows.h>

#include <string>

struct DialogFault {
    int status;        // the panel runner's exit status for it: 2 bad input or no display, 3 no driver
    std::string text;  // one line, the cause and what to do
};

// The fault when Wine can make no window at all (status 0 when it can).
DialogFault DialogFault_NoDriver(bool interactive);

// module and name: the template CreateDialogParam was given; error: its last
// error; interactive: the run wanted a display.
DialogFault DialogFault_Find(HMODULE module, LPCSTR name, DWORD error, bool interactive);

#endif
