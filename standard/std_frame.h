// Standard library: its class, the library-wide press record and the trace hook.
#ifndef STD_FRAME_H
#define STD_FRAME_H

#include <windows.h>
#include "ccframe.h"

#define CC_CLASS_NAME "VEK_CC_Button"

// Library-wide press record shared by every kind of this library.
extern LONG PressState;
extern HWND PressWindow;
extern LONG PressId;

// Diagnostic trace hook of the kind handlers (does nothing in this library).
void CCTrace(UINT msg, const char *text);

// Accessible role, name and state of the kind a style selects (access.cpp),
// and the window the press record names as pressed.
const CCAccessKind *CCstd_AccessFor(LONG style);
HWND CCstd_PressOwner(void);

#endif
