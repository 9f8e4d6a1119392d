// Frame of the standard library: entry, registration, siblings, dispatch, press record.
#ifndef STD_FRAME_H
#define STD_FRAME_H

#include <windows.h>

#define CC_CLASS_NAME "VEK_CC_Button"

extern HINSTANCE hLibInstance;
extern HMODULE SiblingLibraries[100];

// Library-wide press record shared by every kind of this library.
extern LONG PressState;
extern HWND PressWindow;
extern LONG PressId;

// Registers the class and loads the siblings; 1 when the class is registered.
int CCLibAttach(HINSTANCE hinst);
// Unregisters the class and deletes what the library keeps cached.
void CCLibDetach(void);
// Loads every numbered sibling library in path; returns the number of loads tried.
int CCLoadSiblings(const char *path);

// Diagnostic trace hook of the kind handlers (does nothing in this library).
void CCTrace(UINT msg, const char *text);

extern "C" LRESULT CALLBACK VEK_CC_WndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

#endif
