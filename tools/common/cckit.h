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

// Loads KERV_CC.DLL from the installation's system path (CC_ROOT\CC_SYSTEM\windows\lib;
// both default to "<program dir>\install" and "studio"), which
// loads the installed siblings, after registering the Dot-Matrix typeface
// found there for this process. Null on failure, with *why saying what is
// missing; *lines says what was found (for logs).
HMODULE CCKit_Load(std::string *why, std::string *lines);

// Kind of one of the kit's controls ("Button", "LEDDisplay", ...), "inert" for a
// kit window of no kind, null for any other window.
const char *CCKit_KindName(HWND ctl);

// Dispatches the thread's messages for about ms milliseconds (at least once).
void CCKit_Pause(int ms);
// One real mouse event (SendInput, absolute) at a screen point, then 25 ms for
// the panel to react (events closer together may be merged).
void CCKit_Mouse(DWORD flags, POINT screen);
// Moves the pointer from one screen point to another in steps of at most 12
// pixels, with flags on each event (0, or with the button held nothing else).
void CCKit_Glide(POINT from, POINT to);

#endif
