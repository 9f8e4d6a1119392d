// Push buttons whose texts live in a movable global block (slot 13), one 256-byte
// field per variant. The Dest button (two fields) and the Multi button (four) are
// two tables of this one mechanism.
#ifndef FIELDS_H
#define FIELDS_H

#include <windows.h>
#include "press.h"

#define CC_FIELD_SIZE 256
#define CC_FIELD_BLOCK 1026
#define CC_FIELD_MAX 4
#define CC_FRAME_MAX 3

struct CCFieldRect {
    int x, y, w, h;
};

// An outline of the box, or a line from (x, y) to (x + w, y + h).
struct CCFieldFrame {
    bool line;
    int x, y, w, h;
};

struct CCFieldGeometry {
    CCFieldRect area[CC_FIELD_MAX];  // field 0 is the raised button, the others flat boxes
    CCFieldRect text[CC_FIELD_MAX];  // text box; (x, y) is the normal offset, pressed adds (2, 2)
    CCFieldFrame frame[CC_FRAME_MAX];
    int frames;
};

// Colour of a frame redrawn by a text change.
enum CCFrameColour {
    CC_FRAME_NONE,           // no entry
    CC_FRAME_OUTLINE,        // slot 4, enabled or not
    CC_FRAME_OUTLINE_OR_8,   // slot 4, colour 8 while disabled
    CC_FRAME_GREY,           // colour 7
};

struct CCFrameRedraw {
    int frame;
    CCFrameColour colour;
};

struct CCFieldKind {
    const char *trace;                                     // text for the trace hook
    WORD style;                                            // kind value in the low word of the style
    int fields;                                            // texts in the block (variants 0..fields-1)
    void (*geometry)(LONG W, LONG H, CCFieldGeometry *g);
    int areaSlot[CC_FIELD_MAX];                            // area colour, background of its text
    int textSlot[CC_FIELD_MAX];                            // text colour
    bool disabledFrames;                                   // disabled look draws the frames in colour 7
    bool flagBeforeDC;                                     // pressed look sets slot 65 even without a DC
    CCFrameRedraw afterText[CC_FIELD_MAX + 1][2];          // frames after a text change, per variant;
                                                           // last row: variants that address no text
    CCPressKind press;
};

LRESULT CCfields_Msg(const CCFieldKind *kind, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Pressed look on the window DC: sunken button and its text two pixels down and right.
void CCfields_DrawDown(const CCFieldKind *kind, HWND hwnd);

// Accessible name: the fields in `order` (reading order) as CCNameAppend joins them.
void CCfields_Name(const CCFieldKind *kind, HWND hwnd, const int *order, int count, char *buf, size_t size);
void CCdest_Name(HWND hwnd, char *buf, size_t size);
void CCmulti_Name(HWND hwnd, char *buf, size_t size);

// Thirds: strip on top, button below (Dest); quarters: top strip, button, two
// lower fields split at 7/12 of the width (Multi).
void CCdest_Geometry(LONG W, LONG H, CCFieldGeometry *g);
void CCmulti_Geometry(LONG W, LONG H, CCFieldGeometry *g);

#endif
