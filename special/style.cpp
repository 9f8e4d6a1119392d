// Special library at design time: its kind table with toolbox pictures and drop
// cursor, and the style dialog "VEK_CC09_STYLE" that edits a control's label,
// auxiliary text, notifications, justification, kind-specific style bits and id,
// and shows the library's file version.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include "ccdesignlib.h"
#include "ccguards.h"
#include "ccsyspath.h"
#include "cctext.h"
#include "s09_frame.h"

#define CC09_STYLE_CLASS "VEK_CC09_CLASS"
#define CC09_DEFAULT_TITLE "Label$AuxText$2"
#define CC09_LIBRARY_FILE "kerv_cc09.DLL"
// Buffers of the texts read from the dialog's items and of the id text.
#define CC09_TEXT_BUF 256
// Longest label or auxiliary text the items take: no field is longer than a title.
#define CC09_FIELD_MAX (CC_DESIGN_TITLE_LEN - 1)
// Height of the dialog that shows the "Bitmap Style" group.
#define CC09_BITMAP_HEIGHT 400
// Resource type the resource-edit callback is asked to edit: a bitmap.
#define CC09_EDIT_TYPE 2
// A version block larger than this is not read.
#define CC09_VERSION_MAX (1u << 20)

// Style bits the dialog writes.
#define S09_BMP_SHIFT 4
#define S09_BMP_MASK 0x30
#define S09_BORDER_OFF 0x40
#define S09_RAISED 0x80
#define S09_BROWSE 0x100
#define S09_LOST_FOCUS 0x200
#define S09_STRETCH 0x400

// Number field of the window text.
#define N09_PRESS 1
#define N09_RELEASE 2
#define N09_RIGHT 4
#define N09_LEFT 8

static const CCDesignKind s_kinds[] = {
    {32, 20, 0x40000001, "VEK Font Button", 100},
    {32, 40, 0x40000002, "VEK Combo BMP Button", 101},
    {50, 16, 0x40000003, "VEK LED Display", 102},
    {34, 34, 0x40000004, "VEK Dual LED Button", 103},
    {40, 16, 0x40000005, "VEK Font Button 95", 104},
    {50, 18, 0x40000006, "VEK Font Display", 105},
    {40, 20, 0x40000007, "VEK Chunky Font Btn", 106},
    {32, 20, 0x40000008, "VEK Repeat Button", 107},
};
static_assert(sizeof s_kinds / sizeof s_kinds[0] <= CC_DESIGN_MAX_KINDS, "kind table too long");

// Caption of the auxiliary text by kind (0: kinds without one of their own).
static const char *const s_auxCaption[9] = {
    "Aux Text", "Font,Pitch", "Bitmap", "Pitch", "FontSw", "Font,Pitch", "Font,Pitch", "Font,Pitch", "Rate (ms)",
};

// Bitmap position radios by the value of style bits 4-5.
static const int s_bitmapRadio[4] = {CC09_DLG_BMP_TOP, CC09_DLG_BMP_LEFT, CC09_DLG_BMP_BOTTOM, CC09_DLG_BMP_RIGHT};

// Name handed to the resource-edit callback; it may keep the pointer.
static char s_bitmapName[CC09_TEXT_BUF];

static bool Checked(HWND dlg, int id) { return IsDlgButtonChecked(dlg, id) == BST_CHECKED; }
static void Check(HWND dlg, int id, bool on) { CheckDlgButton(dlg, id, on ? BST_CHECKED : BST_UNCHECKED); }
static void Enable(HWND dlg, int id, bool on) { EnableWindow(GetDlgItem(dlg, id), on); }
static uint32_t WithBit(uint32_t style, uint32_t bit, bool on) { return on ? style | bit : style & ~bit; }

// ---- version text --------------------------------------------------------------

// FileVersion of the UK English table of a library file into out; false when
// the file, its version block or that table is missing.
static bool ReadFileVersion(const char *file, char *out, size_t size)
{
    DWORD unused = 0;
    DWORD n = GetFileVersionInfoSizeA(file, &unused);
    if (n == 0 || n > CC09_VERSION_MAX) return false;
    char *block = (char *)calloc(1, n);
    if (!block) return false;
    bool found = false;
    void *translation = nullptr, *value = nullptr;
    UINT length = 0;
    if (GetFileVersionInfoA(file, 0, n, block) &&
        VerQueryValueA(block, "\\VarFileInfo\\Translation", &translation, &length) && translation && length &&
        VerQueryValueA(block, "\\StringFileInfo\\080904b0\\FileVersion", &value, &length) && value) {
        // The answer must lie in the block, and is read no further than its end.
        const char *text = (const char *)value;
        if (text >= block && text < block + n) {
            size_t len = strnlen(text, (size_t)(block + n - text));
            snprintf(out, size, "V%.*s", (int)len, text);
            found = true;
        }
    }
    free(block);
    return found;
}

// Item 280: the version of the library file in the system path, else empty.
static void ShowVersion(HWND dlg)
{
    char path[MAX_PATH], file[MAX_PATH], text[128] = "";
    CCGetSystemPath(path, sizeof path);
    int n = snprintf(file, sizeof file, "%s\\" CC09_LIBRARY_FILE, path);
    if (n <= 0 || n >= (int)sizeof file || !ReadFileVersion(file, text, sizeof text)) text[0] = '\0';
    SetDlgItemTextA(dlg, CC09_DLG_VERSION, text);
}

// ---- initialisation ----------------------------------------------------------------

// The items only some kinds use, enabled and set from the style.
static void ShowKindItems(HWND dlg, uint32_t style)
{
    unsigned kind = style & 0xF;
    if (kind < 1 || kind > 8) return;
    SetDlgItemTextA(dlg, CC09_DLG_AUX_CAPTION, s_auxCaption[kind]);
    if (kind == 2) {
        Enable(dlg, CC09_DLG_EDIT_BITMAP, true);
        CheckRadioButton(dlg, CC09_DLG_BMP_RIGHT, CC09_DLG_BMP_LEFT,
                         s_bitmapRadio[(style & S09_BMP_MASK) >> S09_BMP_SHIFT]);
        Check(dlg, CC09_DLG_STRETCH, style & S09_STRETCH);
        RECT rc;
        GetWindowRect(dlg, &rc);
        SetWindowPos(dlg, nullptr, 0, 0, rc.right - rc.left, CC09_BITMAP_HEIGHT,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (kind == 6) {
        Enable(dlg, CC09_DLG_BORDER, true);
        bool border = !(style & S09_BORDER_OFF);
        Check(dlg, CC09_DLG_BORDER, border);
        if (border) {
            Enable(dlg, CC09_DLG_RAISED, true);
            Enable(dlg, CC09_DLG_LOWERED, true);
            CheckRadioButton(dlg, CC09_DLG_RAISED, CC09_DLG_LOWERED,
                             style & S09_RAISED ? CC09_DLG_RAISED : CC09_DLG_LOWERED);
        }
    } else if (kind == 8) {
        Enable(dlg, CC09_DLG_BROWSE, false);
    }
}

// Items 256 and 259 and the notification and justification items from the title.
static void ShowTitle(HWND dlg, const CCStyleRecord *rec)
{
    // The editor's field need not be terminated: at most 93 characters are read.
    char title[CC_DESIGN_TITLE_LEN] = {};
    memcpy(title, rec->title, strnlen(rec->title, CC_DESIGN_TITLE_LEN - 1));
    if (memcmp(title, "UserDefined", 12) == 0) CCCopyText(title, sizeof title, CC09_DEFAULT_TITLE);
    size_t n1 = 0, n2 = 0;
    const char *label = CCFindField(title, 0, &n1);
    if (!label) {
        SetDlgItemTextA(dlg, CC_DLG_TEXT, title);
        SetDlgItemTextA(dlg, CC09_DLG_AUX, " ");
        Check(dlg, CC09_DLG_RELEASE, true);
        return;
    }
    char field[CC_DESIGN_TITLE_LEN];
    snprintf(field, sizeof field, "%.*s", (int)n1, label);
    SetDlgItemTextA(dlg, CC_DLG_TEXT, field);
    const char *aux = CCFindField(title, 1, &n2);
    if (!aux) return;
    snprintf(field, sizeof field, "%.*s", (int)n2, aux);
    SetDlgItemTextA(dlg, CC09_DLG_AUX, field);
    // The number: what follows the auxiliary text, up to a blank.
    const char *rest = aux + n2;
    while (*rest == '$' || *rest == ' ') rest++;
    if (!*rest) return;
    uint32_t v = CCHexValue(rest);
    Check(dlg, CC09_DLG_PRESS, v & N09_PRESS);
    unsigned justify = (v >> 2) & 3;
    CheckRadioButton(dlg, CC09_DLG_RIGHT, CC09_DLG_CENTRE,
                     justify == 1 ? CC09_DLG_RIGHT : justify == 2 ? CC09_DLG_LEFT : CC09_DLG_CENTRE);
    bool release = v & N09_RELEASE;
    Check(dlg, CC09_DLG_RELEASE, release);
    if (release) {
        Enable(dlg, CC09_DLG_LOST_FOCUS, true);
        Check(dlg, CC09_DLG_LOST_FOCUS, rec->style & S09_LOST_FOCUS);
    }
}

static INT_PTR StyleInit(HWND dlg)
{
    ShowVersion(dlg);
    if (!CCDesignVars.record) {
        EndDialog(dlg, 0);
        return TRUE;
    }
    CCGlobalLock lock(CCDesignVars.record, sizeof(CCStyleRecord));
    CCStyleRecord *rec = CCLockedRecord(lock);
    if (!rec) {
        EndDialog(dlg, 0);
        return TRUE;
    }
    SendDlgItemMessageA(dlg, CC_DLG_TEXT, EM_LIMITTEXT, CC09_FIELD_MAX, 0);
    SendDlgItemMessageA(dlg, CC09_DLG_AUX, EM_LIMITTEXT, CC09_FIELD_MAX, 0);
    uint32_t style = rec->style;
    ShowKindItems(dlg, style);
    bool browse = style & S09_BROWSE;
    Check(dlg, CC09_DLG_BROWSE, browse);
    if (browse) {
        Enable(dlg, CC09_DLG_RELEASE, false);
        Enable(dlg, CC09_DLG_PRESS, false);
    }
    ShowTitle(dlg, rec);
    CCShowDialogId(dlg, rec->id, CC09_TEXT_BUF);
    CCSetField(rec->className, sizeof rec->className, CC09_STYLE_CLASS);
    CCSetDialogProps(dlg, CCDesignVars.record, CCDesignVars.verify);
    return TRUE;
}

// ---- OK ----------------------------------------------------------------------------

// The first '$' field of an item (at most 255 characters read); " " when empty.
static void ReadField(HWND dlg, int id, char *out, size_t size)
{
    char text[CC09_TEXT_BUF] = {};
    GetDlgItemTextA(dlg, id, text, sizeof text);
    size_t n = 0;
    const char *field = CCFindField(text, 0, &n);
    if (!field) field = " ", n = 1;
    snprintf(out, size, "%.*s", (int)n, field);
}

// "label$aux$number" into the record's title field. When it would not fit, the
// auxiliary text is shortened first (to one character at least), then the
// label; the '$' and number tail is never cut.
static void ComposeTitle(char *title, const char *label, const char *aux, unsigned number)
{
    char tail[16];
    int lt = snprintf(tail, sizeof tail, "%x", number);
    size_t budget = CC_DESIGN_TITLE_LEN - 1 - 2 - (size_t)lt;
    size_t la = strlen(label), lb = strlen(aux);
    if (la + lb > budget) {
        lb = la + 1 < budget ? budget - la : 1;
        if (la + lb > budget) la = budget - lb;
    }
    char composed[CC_DESIGN_TITLE_LEN];
    snprintf(composed, sizeof composed, "%.*s$%.*s$%s", (int)la, label, (int)lb, aux, tail);
    CCSetField(title, CC_DESIGN_TITLE_LEN, composed);
}

static unsigned BitmapPosition(HWND dlg)
{
    for (unsigned v = 0; v < 4; v++)
        if (Checked(dlg, s_bitmapRadio[v])) return v;
    return 0;
}

static INT_PTR StyleOk(HWND dlg)
{
    HGLOBAL h = CCDialogRecord(dlg);
    CCGlobalLock lock(h, sizeof(CCStyleRecord));
    CCStyleRecord *rec = CCLockedRecord(lock);
    if (!rec) return TRUE;  // nothing to save into; the user can still cancel
    if (!CCVerifyDialogId(dlg, rec, CC09_TEXT_BUF)) return TRUE;
    char label[CC09_TEXT_BUF], aux[CC09_TEXT_BUF];
    ReadField(dlg, CC_DLG_TEXT, label, sizeof label);
    ReadField(dlg, CC09_DLG_AUX, aux, sizeof aux);
    bool release = Checked(dlg, CC09_DLG_RELEASE);
    uint32_t style = rec->style;
    style = WithBit(style, S09_BROWSE, Checked(dlg, CC09_DLG_BROWSE));
    style = WithBit(style, S09_LOST_FOCUS, release && Checked(dlg, CC09_DLG_LOST_FOCUS));
    style = WithBit(style, S09_STRETCH, Checked(dlg, CC09_DLG_STRETCH));
    unsigned number = (Checked(dlg, CC09_DLG_PRESS) ? N09_PRESS : 0) | (release ? N09_RELEASE : 0) |
                      (Checked(dlg, CC09_DLG_RIGHT) ? N09_RIGHT : 0) | (Checked(dlg, CC09_DLG_LEFT) ? N09_LEFT : 0);
    ComposeTitle(rec->title, label, aux, number);
    style = (style & ~(uint32_t)S09_BMP_MASK) | (BitmapPosition(dlg) << S09_BMP_SHIFT);
    style = WithBit(style, S09_RAISED, Checked(dlg, CC09_DLG_RAISED));
    style = WithBit(style, S09_BORDER_OFF, !Checked(dlg, CC09_DLG_BORDER));
    rec->style = style;
    CCDesignVars.record = h;
    CCEndStyleDialog(dlg, 1);
    return TRUE;
}

// ---- the other commands ----------------------------------------------------------------

static void EditBitmap(HWND dlg)
{
    if (!CCDesignVars.edit) return;
    GetDlgItemTextA(dlg, CC09_DLG_AUX, s_bitmapName, sizeof s_bitmapName);
    if (CCDesignVars.edit(CC09_EDIT_TYPE, s_bitmapName)) CCEndStyleDialog(dlg, 0);
}

static void BrowseClicked(HWND dlg)
{
    if (Checked(dlg, CC09_DLG_BROWSE)) {
        Check(dlg, CC09_DLG_PRESS, true);
        Enable(dlg, CC09_DLG_PRESS, false);
        Check(dlg, CC09_DLG_RELEASE, false);
        Enable(dlg, CC09_DLG_RELEASE, false);
        Check(dlg, CC09_DLG_LOST_FOCUS, false);
        Enable(dlg, CC09_DLG_LOST_FOCUS, false);
    } else {
        Enable(dlg, CC09_DLG_RELEASE, true);
        Enable(dlg, CC09_DLG_PRESS, true);
    }
}

static void BorderClicked(HWND dlg)
{
    CCGlobalLock lock(CCDialogRecord(dlg), sizeof(CCStyleRecord));
    const CCStyleRecord *rec = (const CCStyleRecord *)lock.p;
    bool on = rec && (rec->style & 0xF) == 6 && Checked(dlg, CC09_DLG_BORDER);
    Enable(dlg, CC09_DLG_RAISED, on);
    Enable(dlg, CC09_DLG_LOWERED, on);
    if (on)
        CheckRadioButton(dlg, CC09_DLG_RAISED, CC09_DLG_LOWERED,
                         rec->style & S09_RAISED ? CC09_DLG_RAISED : CC09_DLG_LOWERED);
}

static INT_PTR StyleCommand(HWND dlg, WPARAM command)
{
    switch (command) {
    case IDOK: return StyleOk(dlg);
    case IDCANCEL: CCEndStyleDialog(dlg, 0); return TRUE;
    case CC09_DLG_RELEASE: Enable(dlg, CC09_DLG_LOST_FOCUS, Checked(dlg, CC09_DLG_RELEASE)); return TRUE;
    case CC09_DLG_EDIT_BITMAP: EditBitmap(dlg); return TRUE;
    case CC09_DLG_BROWSE: BrowseClicked(dlg); return TRUE;
    case CC09_DLG_BORDER: BorderClicked(dlg); return TRUE;
    case CC_DLG_TEXT:
    case CC09_DLG_AUX: return TRUE;
    default: return FALSE;
    }
}

static INT_PTR CALLBACK StyleDialog(HWND dlg, UINT msg, WPARAM wParam, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG: return StyleInit(dlg);
    case WM_COMMAND: return StyleCommand(dlg, wParam);  // the whole wParam: clicks only
    default: return FALSE;
    }
}

const CCDesignDesc CCDesign = {
    122,
    CC09_CLASS_NAME,
    CC09_DEFAULT_TITLE,
    123,
    s_kinds,
    sizeof s_kinds / sizeof s_kinds[0],
    "Kerv_cc09: ",
    "VEK_CC_Info - exit (hCtlInfo: " CC_ADDR_FMT ")\n",
    false,
    true,
    true,
    "VEK_CC09_STYLE",
    StyleDialog,
    CC_STYLE_WHEN_OK,
    "VEK_CC_Style: exit - DialogBox() call failed. dialogReturnValue = -1\n",
};
