// Library frame shared by both libraries: entry, class registration, the
// sibling search and the exported window procedure. The frame knows no kind:
// each library hands it one CCLibraryDesc with its class, kind lookup and hooks.
#ifndef CCFRAME_H
#define CCFRAME_H

#include <windows.h>

// Longest text cut a library may ask for.
#define CC_TEXT_CUT_MAX 259

typedef LRESULT (*CCKindHandler)(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
struct CCAccessKind;

// What differs from one library to the other.
struct CCLibraryDesc {
    const char *className;      // window class registered at attach
    const char *impossibleText; // message box text for an unknown entry reason
    const char *attachedLine;   // debugger line when attach runs twice; null: go on silently
    const char *allocFailLine;  // debugger line when the class record cannot be had; null: silent
    const char *lockFailLine;   // the same when it cannot be locked
    // Called after the class registration attempt; its result is attach's.
    int (*afterRegister)(HINSTANCE hinst);
    // Handler of the kind a style selects; null when it selects none.
    CCKindHandler (*handlerFor)(LONG style);
    // Windows of another class routed to the procedure get 1 for every message.
    bool checkClass;
    // A text set with WM_SETTEXT longer than this goes on as a copy cut to it
    // (the caller's string is never written); 0: texts are not cut.
    int textCut;
    // Work done before the kind's handler (may be null). Returns true when the
    // message is answered (*result) and the handler must not see it; it may
    // replace lParam for the handler.
    bool (*preprocess)(HWND hwnd, UINT msg, WPARAM wParam, LPARAM *lParam, LRESULT *result);
    // Role, name, state and value of the kind a style selects (ccaccess.h); null
    // when it selects none.
    const CCAccessKind *(*accessFor)(LONG style);
    // The window a library-wide press record names as pressed; null when there
    // is no such record or no press (may be null).
    HWND (*pressOwner)(void);
};

// Defined by each library.
extern const CCLibraryDesc CCLibrary;

// The library's instance handle once its class is registered, else null.
extern HINSTANCE hLibInstance;
// Handles of the numbered siblings loaded by the sibling search (entry 0 unused).
extern HMODULE SiblingLibraries[100];

// Registers the library's class, then runs its afterRegister hook.
int CCLibAttach(HINSTANCE hinst);
// Unregisters the class and deletes what the library keeps cached.
void CCLibDetach(void);
// Loads every numbered sibling library in path; returns the number of loads tried.
int CCLoadSiblings(const char *path);
// True when hwnd is a window of this library's class.
bool CCIsOwnClass(HWND hwnd);

extern "C" LRESULT CALLBACK VEK_CC_WndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

#endif
