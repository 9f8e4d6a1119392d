/* Public header for panel applications that place the kit's controls in
 * their dialogs. Load KERV_CC.DLL (LoadLibraryA) before creating a dialog:
 * loading it registers the window class below, process-wide, and loads the
 * installed numbered siblings (such as KERV_CC09.DLL) with their classes. */
#ifndef KERV_CC_H
#define KERV_CC_H

#include <windows.h>

/* Window class of the standard library's controls. */
#define KERV_CC_CLASS "VEK_CC_Button"
/* Window class of the special library KERV_CC09. */
#define KERV_CC09_CLASS "VEK_CC09_Button"

/* Kind of a "VEK_CC_Button" window: exactly one of these values in the low
 * word of its window style, combined with ordinary bits such as
 * WS_CHILD | WS_VISIBLE. Any other low word gives an inert window. */
#define CC_KIND_BUTTON 0x0001 /* reports a click, on release */
#define CC_KIND_LED_BUTTON 0x0002
#define CC_KIND_DEST_BUTTON 0x0004
#define CC_KIND_STATIC_TEXT 0x0008
#define CC_KIND_BROWSE_BUTTON 0x0010 /* reports on press and on roll-on */
#define CC_KIND_IDENT_TEXT 0x0020
#define CC_KIND_BITMAP_BUTTON 0x0040
#define CC_KIND_TOUCH_BUTTON 0x0080 /* reports on press only */
#define CC_KIND_FLAT_BUTTON 0x0100
#define CC_KIND_MULTI_BUTTON 0x0200
#define CC_KIND_VFADER 0x0400
#define CC_KIND_HFADER 0x0800
#define CC_KIND_MASK 0xFFFF

/* Window texts.
 * - A text is the control's label; '|' breaks it into lines, which are drawn
 *   centred as a block.
 * - WM_SETTEXT with a text that begins with '/' sets options instead of the
 *   label (the label stays). Characters 1 to 6 are upper-case hexadecimal
 *   digits; any other character (by convention '_') leaves its value alone:
 *     1  face colour            (CC_OPT_FACE)
 *     2  label colour           (CC_OPT_LABEL)
 *     3, 4  a per-kind colour pair, chosen by the variant
 *     5  a per-kind value (for instance a lamp colour)
 *     6  variant
 *   Example: "/9F" gives a red face with a white label; "/_0" only makes the
 *   label black. Options are read from WM_SETTEXT only, never at creation.
 * - Texts are single-byte; the controls read at most 255 characters. */
#define CC_OPTION_CHAR '/'
#define CC_OPTION_KEEP '_'
#define CC_OPT_FACE 1
#define CC_OPT_LABEL 2
#define CC_OPT_PAIR_A 3
#define CC_OPT_PAIR_B 4
#define CC_OPT_VALUE 5
#define CC_OPT_VARIANT 6

#ifndef RC_INVOKED
/* Colour indexes used in option texts (the digit is the index in hex). */
enum CCColourIndex {
    CC_BLACK = 0, CC_DARK_RED, CC_DARK_GREEN, CC_OLIVE, CC_DARK_BLUE, CC_PURPLE,
    CC_TEAL, CC_DARK_GREY, CC_LIGHT_GREY, CC_RED, CC_GREEN, CC_YELLOW, CC_BLUE,
    CC_MAGENTA, CC_CYAN, CC_WHITE
};

/* Option-text digit for a value 0..15; CC_OPTION_KEEP for any other value. */
static inline char CCOptionDigit(int value)
{
    return (value >= 0 && value <= 15) ? "0123456789ABCDEF"[value] : CC_OPTION_KEEP;
}

#endif /* RC_INVOKED */

/* Notifications: a control reports a user action by sending WM_COMMAND to its
 * parent with wParam = its control id (notification code 0 in the high word)
 * and lParam = its window handle. The controls ignore the result.
 * Other messages a panel sends: WM_SETTEXT (label or options), WM_GETTEXT,
 * EnableWindow (disabled look). */

/* KERV_CC09 controls: wParam = buffer size, lParam = buffer; answers the whole
 * window text, all '$' fields included. */
#define CC_GETRAWTEXT (WM_USER + 2101)

#endif
