// Demo panel: what a family's tour uses. A family adds its controls in
// panel_<family>.rc and its tour in tour_<family>.cpp (see families.h).
#ifndef DEMO_H
#define DEMO_H

#include <windows.h>
#include <initializer_list>

// The panel dialog while the demo runs.
HWND Demo_Panel();
// A control of the panel by id; null (with a log line) if the template has none.
HWND Demo_Item(int id);

// One line on the log (stdout), flushed at once. printf format, no newline.
void Demo_Log(const char *fmt, ...);
// Starts a tour step: logs "tour: <text>" and forgets earlier notifications.
void Demo_Step(const char *fmt, ...);
// Checks the WM_COMMAND notifications received since the step began: these
// ids in this order, each with its own control as lParam. Logs the verdict.
bool Demo_Expect(std::initializer_list<int> ids);
// Checks that every notification since the step began came from control id,
// between least and most of them (a control that repeats on a timer).
bool Demo_ExpectCount(int id, int least, int most);
// The same with explicit handles: wParam ids[i] and lParam handles[i].
bool Demo_ExpectFrom(std::initializer_list<int> ids, std::initializer_list<HWND> handles);

// Checks the control's text as WM_GETTEXT reports it. Logs the verdict.
bool Demo_ExpectText(int id, const char *text);
// Checks a special control's whole text, all '$' fields (CC_GETRAWTEXT).
bool Demo_ExpectRawText(int id, const char *text);
// Checks the right clicks the panel received since the step began: one at the
// centre of each control named, in panel coordinates. Logs the verdict.
bool Demo_ExpectRightClicks(std::initializer_list<int> ids);

// Pointer input, sent as real mouse input to the screen point over the panel.
// Moves are made in small steps, as a hand would, with the button held if it
// is down. Points are in the panel's client coordinates.
void Demo_MoveTo(int id);             // to the control's centre
void Demo_MoveToPoint(int x, int y);
void Demo_MoveBelow(int id, int gap); // gap pixels below the control's bottom edge
void Demo_Down();                     // left button down at the current point
void Demo_Up();                       // left button up at the current point
void Demo_Click(int id);              // move to the control, down, up
void Demo_DoubleClick(int id);
void Demo_RightClick(int id);         // move to the control, right button down and up

// What the panel does whenever control id reports (WM_COMMAND with that id),
// besides recording it; ctl is the reporting control.
void Demo_React(int id, void (*fn)(HWND ctl));

// What a panel application does to its controls.
void Demo_SetText(int id, const char *text);
void Demo_Enable(int id, bool on);
// Handles pending messages for ms milliseconds (lets repaints happen).
void Demo_Pause(int ms);

#endif
