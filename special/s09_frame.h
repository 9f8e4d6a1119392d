// Special library: its class, the eight kind handlers and the kind table.
#ifndef S09_FRAME_H
#define S09_FRAME_H

#include <windows.h>
#include "ccframe.h"
#include "cctext.h"

#define CC09_CLASS_NAME "VEK_CC09_Button"
// Window texts are cut to this many characters when they are set.
#define CC09_TEXT_MAX 59
// The text of a WM_SETTEXT as a copy cut to CC09_TEXT_MAX characters (a null
// text is empty): what the kinds' label changes are given.
struct CC09Text {
    char s[CC09_TEXT_MAX + 1];
    explicit CC09Text(LPARAM lParam) { CCCopyText(s, sizeof s, lParam ? (const char *)lParam : ""); }
};
// Work buffer of the frame's field selection for WM_GETTEXT.
#define CC09_WORK_TEXT 512

LRESULT CCfont_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CCcombo_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CCledisp_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CCdualled_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CCfont95_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CCfontdisp_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CCchunky_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CCrepeat_Msg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The raw window text and the fields a look or a label change reads: label,
// second field (empty when absent), flags character (empty for an empty text).
#define CC09_FIELD_TEXT 256
struct CC09Fields {
    char raw[CC09_FIELD_TEXT];
    char label[CC09_FIELD_TEXT];
    char second[CC09_FIELD_TEXT];
    char flags[2];
};
void CC09_ReadFields(HWND hwnd, CC09Fields *fields);
// A label change's new label: the first field of text, a blank where there is
// none (empty, or only '$', which would break the fields).
void CC09_NewLabel(const char *text, char label[CC09_FIELD_TEXT]);
// Stores label in place of the old text's first field; an empty old field is
// kept as a blank so that the fields keep their places.
void CC09_StoreLabel(HWND hwnd, const CC09Fields &old, const char *label);

// Handlers by kind (low 4 bits of the style); kinds 0 and 9 to 15 take
// default processing. Writable so that a test can put a recording kind in.
extern CCKindHandler CC09Kinds[16];

// Accessible role, name and state of the kind a style selects (s09_access.cpp).
const CCAccessKind *CC09_AccessFor(LONG style);

#endif
