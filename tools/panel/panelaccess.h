// What the panel runner's `key`, `expect-name` and `expect-state` lines do:
// typing keys at a control through real keyboard input, and asking a control
// for its accessible name and state the way a screen reader does.
#ifndef PANEL_ACCESS_H
#define PANEL_ACCESS_H

#include <windows.h>
#include <string>
#include <vector>

// Gives the control the focus (its panel brought to the front first), then
// presses and releases each key (virtual-key code | PANEL_KEY_SHIFT).
void PanelAccess_Type(HWND panel, HWND ctl, const std::vector<int> &keys);
// The control's accessible name and state (PANEL_STATE_* bits) through
// AccessibleObjectFromWindow; false when it gives no object.
bool PanelAccess_Query(HWND ctl, std::string *name, unsigned *state);
// State bits as expect-state words ("normal" for none).
std::string PanelAccess_StateText(unsigned state);

#endif
