// What programs that host the kit's controls share: finding and loading the
// installation the way a panel application does, and naming the controls.
#ifndef CCKIT_H
#define CCKIT_H

#include <windows.h>
#include <string>

// Directory of the running program.
std::string CCKit_ProgramDir();
// An environment variable, empty when unset.
std::string CCKit_Env(const char *name);

// Sets CC_ROOT to root and CC_SYSTEM to system unless both are set already.
void CCKit_DefaultRoot(const std::string &root, const char *system = "studio");

// Loads KERV_CC.DLL from the installation's system path
// (CC_ROOT\CC_SYSTEM\windows\lib), which loads the installed siblings, after checking that the
// standard library, its sibling KERV_CC09.DLL and the Dot-Matrix font are there
// and registering the font for this process. Each finding goes to log as a line
// "<who>: ..."; null when the installation is incomplete or of the other word
// size (the last line says why).
HMODULE CCKit_Load(const char *who, void (*log)(const char *line));

// Kind of one of the kit's controls ("Button", "LEDDisplay", ...), "inert" for a
// kit window of no kind, null for any other window.
const char *CCKit_KindName(HWND ctl);

// Dispatches the thread's messages for about ms milliseconds (at least once),
// a dialog's keyboard messages through IsDialogMessage once it is named.
void CCKit_Pause(int ms);
void CCKit_SetDialog(HWND dialog);
// One real mouse event (SendInput, absolute) at a screen point, then 25 ms for
// the panel to react (events closer together may be merged).
void CCKit_Mouse(DWORD flags, POINT screen);
// Moves the pointer from one screen point to another in steps of at most 12
// pixels, with flags on each event (0, or with the button held nothing else).
void CCKit_Glide(POINT from, POINT to);

#endif
