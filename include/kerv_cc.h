/* kerv_cc.h: public header for panel applications and resource editors that
 * use the control kit. Usable from C and C++.
 *
 * A panel application loads KERV_CC.DLL once, before its first dialog, from
 * the installation's system path (%CC_ROOT%\%CC_SYSTEM%\windows\lib):
 * loading it registers the window class KERV_CC_CLASS, process-wide, and
 * loads the installed numbered siblings (such as KERV_CC09.DLL, which
 * registers KERV_CC09_CLASS). The dialog templates then place windows of
 * these classes; the panel drives them with WM_SETTEXT, WM_GETTEXT and
 * EnableWindow and reacts to WM_COMMAND. */
#ifndef KERV_CC_H
#define KERV_CC_H

#include <windows.h>

/* ---- window classes --------------------------------------------------- */

/* Window class of the standard library KERV_CC.DLL. */
#define KERV_CC_CLASS "VEK_CC_Button"
/* Window class of the special library KERV_CC09.DLL. */
#define KERV_CC09_CLASS "VEK_CC09_Button"

/* ---- kinds of the standard library ------------------------------------ */

/* Exactly one of these values in the low word of the window style, combined
 * with ordinary bits such as WS_CHILD | WS_VISIBLE. Any other low word gives
 * an inert window. */
#define CC_KIND_BUTTON 0x0001        /* reports a click, on release */
#define CC_KIND_LED_BUTTON 0x0002    /* a click; a lamp in the corner */
#define CC_KIND_DEST_BUTTON 0x0004   /* a click; a text strip above */
#define CC_KIND_STATIC_TEXT 0x0008   /* reports nothing */
#define CC_KIND_BROWSE_BUTTON 0x0010 /* reports on press and on roll-on */
#define CC_KIND_IDENT_TEXT 0x0020    /* reports nothing */
#define CC_KIND_BITMAP_BUTTON 0x0040 /* framed: a click; unframed: the press */
#define CC_KIND_TOUCH_BUTTON 0x0080  /* reports on press only */
#define CC_KIND_FLAT_BUTTON 0x0100   /* press: id, release: id + CC_RELEASE_OFFSET */
#define CC_KIND_MULTI_BUTTON 0x0200  /* a click; four text fields */
#define CC_KIND_VFADER 0x0400        /* press, every knob move, release */
#define CC_KIND_HFADER 0x0800        /* press, every knob move, release */
#define CC_KIND_MASK 0xFFFF

/* ---- kinds of the special library ------------------------------------- */

/* The low four bits of the window style; other values are not controls. */
#define CC09_KIND_FONT_BUTTON 1    /* label$face,size$flags */
#define CC09_KIND_COMBO_BMP 2      /* label$picture$flags */
#define CC09_KIND_LED_DISPLAY 3    /* label$size$flags, Dot-Matrix typeface */
#define CC09_KIND_DUAL_LED 4       /* label$fontsel$flags, two lamps */
#define CC09_KIND_FONT_BUTTON_95 5 /* label$face,size$flags */
#define CC09_KIND_FONT_DISPLAY 6   /* label$face,size$flags */
#define CC09_KIND_CHUNKY_BUTTON 7  /* label$face,size$flags */
#define CC09_KIND_REPEAT_BUTTON 8  /* label$ms$flags */
#define CC09_KIND_MASK 0x000F

/* Style bits of the special kinds. */
#define CC09_BROWSE 0x0100       /* with CC09_KEEP_PRESS: coming back takes the press again */
#define CC09_REPORT_LEAVE 0x0200 /* report the pointer leaving a pressed control */
#define CC09_KEEP_PRESS 0x0800   /* a press whose pointer left is kept */
#define CC09_PICTURE_TOP 0x0000  /* Combo BMP: picture position */
#define CC09_PICTURE_LEFT 0x0010
#define CC09_PICTURE_BOTTOM 0x0020
#define CC09_PICTURE_RIGHT 0x0030
#define CC09_PICTURE_MASK 0x0030
#define CC09_PICTURE_STRETCH 0x0400 /* Combo BMP: picture over the whole face */
#define CC09_NO_EDGE 0x0040         /* Font display: no edge */
#define CC09_RAISED_EDGE 0x0080     /* Font display: raised edge (else sunken) */

/* Flags digit, the last character of a special control's text (hex). */
#define CC09_FLAG_PRESS 0x1   /* report the press */
#define CC09_FLAG_RELEASE 0x2 /* report the release */
#define CC09_FLAG_RIGHT 0x4   /* label justified right */
#define CC09_FLAG_LEFT 0x8    /* label justified left */

/* ---- texts ------------------------------------------------------------- */

/* Standard kinds: the window text is the label; '|' breaks it into lines.
 * WM_SETTEXT with a text that begins with '/' sets options instead (the label
 * stays). Characters 1 to 6 are upper-case hexadecimal digits; any other
 * character (by convention '_') leaves its value alone:
 *   1 face colour, 2 label colour, 3 and 4 a per-kind colour pair,
 *   5 a per-kind value (lamp colour, frame colour), 6 the variant, which for
 *   several kinds chooses what the next plain text means (a field, a number).
 * "/9F" gives a red face with a white label; "/_0" only a black label.
 * Special kinds: the text is '$'-separated fields, label$aux$flags; options
 * work the same way; variant 1 makes plain texts replace the aux field. */
#define CC_OPTION_CHAR '/'
#define CC_OPTION_KEEP '_'
#define CC_OPTION_LEN 7      /* "/" and six characters */
#define CC_FIELD_SEP '$'
#define CC_TEXT_MAX 255      /* characters a standard control reads */
#define CC09_TEXT_MAX 59     /* characters a special control keeps */
#define CC_OPT_FACE 1
#define CC_OPT_LABEL 2
#define CC_OPT_PAIR_A 3
#define CC_OPT_PAIR_B 4
#define CC_OPT_VALUE 5
#define CC_OPT_VARIANT 6

/* A special control's whole window text, all '$' fields included:
 * wParam = buffer size, lParam = buffer. (WM_GETTEXT answers one field.) */
#define CC_GETRAWTEXT (WM_USER + 2101)

/* ---- notifications ----------------------------------------------------- */

/* A control reports a user action with WM_COMMAND to its parent: wParam =
 * its control id (code 0 in the high word), lParam = its window handle.
 * Kinds that report more than one event add this offset to the id for the
 * second one: the Flat button's release, a special control's release when it
 * also reports the press. The controls ignore the result. A right click on
 * a special control reaches the parent as WM_RBUTTONDOWN in the parent's
 * coordinates. */
#define CC_RELEASE_OFFSET 1000

/* ---- accessibility and keyboard ----------------------------------------- */

/* Every control answers WM_GETOBJECT (OBJID_CLIENT) with an accessible object:
 * role push button, static text or slider, the shown text as its name, the
 * pressed, unavailable, focusable and focused states, a fader's value, and
 * the default action "Press", which gives the parent a click's notifications.
 * Keyboard operation is for controls created with WS_TABSTOP: Tab reaches
 * them, Space presses and releases like the left button, a fader moves with
 * the arrow keys (1 step), Page Up/Down (10) and Home/End (its ends). */

/* ---- the slot block, 32-bit and 64-bit --------------------------------- */

/* Each control keeps its state in a block of CC_SLOT_COUNT numbered 32-bit
 * slots (LONG). The window's extra bytes hold one pointer-sized word, the
 * block's address (4 bytes on 32-bit builds, 8 on 64-bit builds): read it with
 * GetWindowLongPtrA(hwnd, 0); slot N is then ((const LONG *)block)[N] on either
 * build. The block exists from the first message the control handles until it
 * is destroyed.
 * Two slots hold a memory handle of the control's own: CC_SLOT_RECORD (the
 * record of a fader, Dest or Multi button) and CC_SLOT_PICTURE (a Combo BMP
 * button's picture). On 32-bit builds the slot is the handle; on 64-bit builds
 * it is only 0 (no block) or non-zero (a block), and the whole handle is kept
 * in pointer-wide words after the numbered slots. Window and GDI handles stay
 * 32-bit values in the slots on both builds.
 * Design-time records (resource editors): the class list's three entry-point
 * addresses are pointer-wide, so on 64-bit builds the class name starts at
 * offset 26 and the block is 46 bytes (32-bit: 14 and 34); the info and style
 * records are the same on both builds. */
#define CC_SLOT_COUNT 128
#define CC_SLOT_RECORD 13
#define CC_SLOT_PICTURE 20

#ifndef RC_INVOKED

#ifdef __cplusplus
extern "C" {
#endif

/* Colour indexes used in option texts (the digit is the index in hex). */
enum CCColourIndex {
    CC_BLACK = 0, CC_DARK_RED, CC_DARK_GREEN, CC_OLIVE, CC_DARK_BLUE, CC_PURPLE,
    CC_TEAL, CC_DARK_GREY, CC_LIGHT_GREY, CC_RED, CC_GREEN, CC_YELLOW, CC_BLUE,
    CC_MAGENTA, CC_CYAN, CC_WHITE
};

/* Value meaning "leave this option alone" for CCFormatOptions. */
#define CC_KEEP (-1)

/* Option-text digit for a value 0..15; CC_OPTION_KEEP for any other value. */
static __inline char CCOptionDigit(int value)
{
    return (value >= 0 && value <= 15) ? "0123456789ABCDEF"[value] : CC_OPTION_KEEP;
}

/* Writes the option text "/" + six characters into out (CC_OPTION_LEN + 1
 * bytes), a value outside 0..15 (CC_KEEP) giving '_'; returns out.
 * CCFormatOptions(buf, CC_RED, CC_WHITE, CC_KEEP, CC_KEEP, CC_KEEP, CC_KEEP)
 * gives "/9F____". */
static __inline char *CCFormatOptions(char *out, int face, int label, int pairA, int pairB, int value,
                                      int variant)
{
    out[0] = CC_OPTION_CHAR;
    out[1] = CCOptionDigit(face);
    out[2] = CCOptionDigit(label);
    out[3] = CCOptionDigit(pairA);
    out[4] = CCOptionDigit(pairB);
    out[5] = CCOptionDigit(value);
    out[6] = CCOptionDigit(variant);
    out[7] = '\0';
    return out;
}

/* Length of a C string, at most max (a null string counts as empty). */
static __inline size_t CCTextLen(const char *s, size_t max)
{
    size_t n = 0;
    if (!s) return 0;
    while (n < max && s[n]) n++;
    return n;
}

/* Writes a special control's text "label$aux$F" into out (size bytes), F the
 * flags digit (CC09_FLAG_* bits). The text is kept to what the control keeps,
 * CC09_TEXT_MAX characters, and to the buffer: the end of aux goes first,
 * then the end of the label; the flags digit always stays. A label or aux
 * holding '$' is cut there, so the fields stay in their places. Returns the
 * length written; 0 (and an empty text when size > 0) when size is under 4.
 * CCFormatFields(buf, sizeof buf, "Take", "Arial,10", CC09_FLAG_RELEASE)
 * gives "Take$Arial,10$2". */
static __inline size_t CCFormatFields(char *out, size_t size, const char *label, const char *aux, int flags)
{
    size_t room, nl, na, i, n = 0;
    if (!out || size == 0) return 0;
    out[0] = '\0';
    if (size < 4) return 0;
    room = size - 1 < CC09_TEXT_MAX ? size - 1 : CC09_TEXT_MAX;
    room -= 3; /* two separators and the flags digit */
    nl = CCTextLen(label, CC_TEXT_MAX);
    na = CCTextLen(aux, CC_TEXT_MAX);
    for (i = 0; i < nl; i++)
        if (label[i] == CC_FIELD_SEP) nl = i;
    for (i = 0; i < na; i++)
        if (aux[i] == CC_FIELD_SEP) na = i;
    if (nl > room) nl = room;
    if (na > room - nl) na = room - nl;
    /* Bounded by size as well, so that no compiler sees a possible overrun. */
    for (i = 0; i < nl && n + 3 < size; i++) out[n++] = label[i];
    out[n++] = CC_FIELD_SEP;
    for (i = 0; i < na && n + 2 < size; i++) out[n++] = aux[i];
    out[n++] = CC_FIELD_SEP;
    out[n++] = CCOptionDigit(flags & 0xF);
    out[n] = '\0';
    return n;
}

/* Writes the aux field of a font kind, "face,points", into out (size bytes):
 * the face cut to 31 characters and to the buffer, points 1..200 (another
 * value gives the kind's default size by leaving the number out). Returns
 * the length written (0 and an empty text for a size under 2). */
static __inline size_t CCFormatFont(char *out, size_t size, const char *face, int points)
{
    char digits[4];
    size_t n = 0, nf, nd = 0, i;
    if (!out || size == 0) return 0;
    out[0] = '\0';
    if (size < 2) return 0;
    if (points >= 1 && points <= 200) {
        if (points >= 100) digits[nd++] = (char)('0' + points / 100);
        if (points >= 10) digits[nd++] = (char)('0' + points / 10 % 10);
        digits[nd++] = (char)('0' + points % 10);
    }
    nf = CCTextLen(face, 31);
    if (nf > size - 2) nf = size - 2; /* room for the comma */
    for (i = 0; i < nf; i++) out[n++] = face[i] == CC_FIELD_SEP ? ' ' : face[i];
    out[n++] = ',';
    for (i = 0; i < nd && n + 1 < size; i++) out[n++] = digits[i];
    out[n] = '\0';
    return n;
}

#ifdef KERV_CC_ENTRY_POINTS
/* Entry points of both libraries (undecorated stdcall exports; the import
 * libraries libkerv_cc.dll.a and libkerv_cc09.dll.a bind them). A resource
 * editor calls ListClasses and the info entry point it returns; panel
 * applications need none of them. Define KERV_CC_ENTRY_POINTS to declare
 * them. */
typedef BOOL(CALLBACK *CCEditorResFn)(UINT type, LPSTR name);
typedef DWORD(CALLBACK *CCEditorVerifyFn)(LPSTR text);
typedef UINT(CALLBACK *CCEditorIdTextFn)(WORD id, LPSTR buf, WORD size);
/* The class list (a global block: count, then per class the info, style and
 * flags entry points and the 20-character class name). */
HGLOBAL CALLBACK ListClasses(LPSTR callingClass, WORD version, CCEditorResFn load, CCEditorResFn edit);
/* The info record: kinds, default sizes and styles, toolbox pictures. */
HGLOBAL CALLBACK VEK_CC_Info(void);
/* Runs the library's style dialog on a style record; 1 OK, 0 Cancel. */
BOOL CALLBACK VEK_CC_Style(HWND parent, HGLOBAL style, CCEditorVerifyFn verify, CCEditorIdTextFn idText);
WORD CALLBACK VEK_CC_Flags(DWORD flags, LPSTR buf, WORD size);
INT_PTR CALLBACK VEK_CC_DlgFn(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
/* The class's window procedure. */
LRESULT CALLBACK VEK_CC_WndFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
#endif

#ifdef __cplusplus
}
#endif

#endif /* RC_INVOKED */

#endif
