// What the standard library's kinds tell accessibility clients: role, name,
// press and value, one record per kind (ccaccess.h).
#include <oleacc.h>
#include "ccaccess.h"
#include "ccslots.h"
#include "fields.h"
#include "kinds.h"
#include "std_frame.h"

static LONG Button(HWND) { return ROLE_SYSTEM_PUSHBUTTON; }
static LONG Static(HWND) { return ROLE_SYSTEM_STATICTEXT; }
static LONG Slider(HWND) { return ROLE_SYSTEM_SLIDER; }

// The window text: the label (a Bitmap button's picture name; a fader's
// creation text, which it never shows but is the only text it is given).
static void Label(HWND hwnd, char *buf, size_t size)
{
    char text[256];
    CCReadText(hwnd, text, sizeof text);
    CCNameAppend(buf, size, 0, text, sizeof text);
}

// The press record's window while its press is in progress.
static bool Pressed(HWND hwnd) { return PressState == 1 && PressWindow == hwnd; }

static const CCAccessKind kButton = {Button, Label, Pressed, nullptr, nullptr};
static const CCAccessKind kText = {Static, Label, nullptr, nullptr, nullptr};
static const CCAccessKind kDest = {Button, CCdest_Name, Pressed, nullptr, nullptr};
static const CCAccessKind kMulti = {Button, CCmulti_Name, Pressed, nullptr, nullptr};
static const CCAccessKind kVFader = {Slider, Label, nullptr, CCvfade_Value, CCvfade_Key};
static const CCAccessKind kHFader = {Slider, Label, nullptr, CChfade_Value, CChfade_Key};

const CCAccessKind *CCstd_AccessFor(LONG style)
{
    switch (LOWORD(style)) {
    case 0x0001:  // Button
    case 0x0002:  // LED button
    case 0x0010:  // Browse
    case 0x0040:  // Bitmap button
    case 0x0080:  // Touch
    case 0x0100:  // Flat
        return &kButton;
    case 0x0004: return &kDest;
    case 0x0008:  // Static Text
    case 0x0020:  // Ident Text
        return &kText;
    case 0x0200: return &kMulti;
    case 0x0400: return &kVFader;
    case 0x0800: return &kHFader;
    default: return nullptr;
    }
}

HWND CCstd_PressOwner(void) { return PressState == 1 ? PressWindow : nullptr; }
