// Panel scripts: one action a line, controls named by id. Parsing only (no
// Win32), so that it also builds natively and can be fuzzed.
//
//   click 101 | press 101 | release 101
//   drag 301 to 75%        drag 301 by 0,-30
//   slide 701 702 703      (a held press across controls)
//   hold 901 1200ms        wait 500ms      (or 2s)
//   text 101 "Take|Next"   option 101 /9F
//   disable 104            enable 104
//   expect 101             expect 701 702 1702      expect nothing
//   expect-text 301 "75"   expect-pixel 101 5,5 #FF0000
//   key 101 space          key 101 tab tab         key 301 up pageup home
//   expect-name 101 "Take Next"                    expect-state 101 focusable focused
//
// Blank lines and lines starting with '#' are skipped. Strings are in double
// quotes; \" and \\ stand for a quote and a backslash.
#ifndef PANEL_SCRIPT_H
#define PANEL_SCRIPT_H

#include <string>
#include <vector>

enum PanelActionKind {
    PA_CLICK,
    PA_PRESS,
    PA_RELEASE,
    PA_DRAG_TO,
    PA_DRAG_BY,
    PA_SLIDE,
    PA_HOLD,
    PA_WAIT,
    PA_TEXT,
    PA_OPTION,
    PA_DISABLE,
    PA_ENABLE,
    PA_EXPECT,       // ids empty: expect nothing
    PA_EXPECT_TEXT,
    PA_EXPECT_PIXEL,
    PA_KEY,           // the control takes the focus, then each key is typed
    PA_EXPECT_NAME,   // the accessible name
    PA_EXPECT_STATE,  // the accessible state, exactly (PANEL_STATE_* bits)
};

// Keys of `key` lines: virtual-key codes, with this bit for Shift held.
#define PANEL_KEY_SHIFT 0x100
// States of `expect-state` lines: normal (none), pressed, unavailable,
// focusable, focused, invisible.
enum {
    PANEL_STATE_PRESSED = 1,
    PANEL_STATE_UNAVAILABLE = 2,
    PANEL_STATE_FOCUSABLE = 4,
    PANEL_STATE_FOCUSED = 8,
    PANEL_STATE_INVISIBLE = 16,
};

struct PanelAction {
    PanelActionKind kind;
    int line;              // 1-based line of the script
    std::vector<int> ids;  // controls (click ... slide, hold, text ...), or expected notifications
    std::string text;      // text, option, expected text
    int percent = 0;       // drag to
    int dx = 0, dy = 0;    // drag by
    int x = 0, y = 0;      // pixel in the control's client area
    unsigned rgb = 0;      // 0xRRGGBB
    int ms = 0;            // hold, wait
    std::vector<int> keys; // key: virtual-key codes (| PANEL_KEY_SHIFT)
    unsigned state = 0;    // expect-state
};

struct PanelScript {
    std::vector<PanelAction> actions;
    int errorLine = 0;   // line of the first error (0: none)
    std::string error;   // what is wrong there
};

// Parses a whole script; false with errorLine and error set at the first bad
// line. Control ids are 1 to 65535; notification ids 0 to 65535; durations at
// most ten minutes; texts at most 1000 characters; at most 100 keys a line.
bool PanelScript_Parse(const std::string &source, PanelScript *out);

// Name of an action as written in scripts.
const char *PanelScript_Name(PanelActionKind kind);

#endif
