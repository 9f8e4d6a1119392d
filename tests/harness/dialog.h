// A modal dialog driven the way a person would, for the design-time tests:
// a timer runs one step a tick on the visible dialog of a given title.
#ifndef CCT_DIALOG_H
#define CCT_DIALOG_H

#include <windows.h>
#include <stdint.h>
#include <functional>
#include <string>
#include <vector>

struct CCTDialogRun {
    INT_PTR result;  // what `open` returned
    bool forced;     // still up long after the last step: ended with 99
    size_t ran;      // steps run
};

// Runs `open` (which shows the modal dialog) with the steps applied to the
// dialog titled `title`, one per 15 ms tick; a dialog still up 25 ticks after
// the last step is ended with 99 so that a fault cannot hang the suite.
CCTDialogRun CCT_DriveDialog(const char *title, std::vector<std::function<void(HWND)>> steps,
                             const std::function<INT_PTR()> &open);

// A button press as the dialog sees it (WM_COMMAND with BN_CLICKED).
void CCT_DlgPress(HWND dlg, int id);
// The text of a dialog item.
std::string CCT_DlgItem(HWND dlg, int id);

// The class list as this build lays it out: entry addresses pointer-wide (4
// bytes on 32-bit builds, 8 on 64-bit ones) at offset 2, the 20-byte class name
// after the three of them.
struct CCTClassListLayout {
    size_t addrSize, nameAt, size;
};
const CCTClassListLayout &CCT_ClassList();
// Entry address i of the class list (0 info, 1 style, 2 flags), whole.
uint64_t CCT_ClassListAddr(const uint8_t *list, int i);
// An address as the libraries' debugger lines print it: "0x%.8x" of 32 bits on
// 32-bit builds, the whole value with at least 8 digits on 64-bit builds.
std::string CCT_AddrText(const void *p);
template <typename F> std::string CCT_FnText(F f) { return CCT_AddrText((const void *)(uintptr_t)f); }

#endif
