// Standard library at design time: its kind table with toolbox pictures and
// drop cursor, and the style dialog "VEK_CC_DLG" that edits a control's text and
// id in the editor's style record.
#include <string.h>
#include "ccdesignlib.h"
#include "ccguards.h"
#include "std_frame.h"

#define CC_STYLE_CLASS "VEK_CC_CLASS"

// Toolbox entries in the order an editor shows them.
static const CCDesignKind s_kinds[] = {
    {32, 20, 0x40000001, "VEK Button", 101},
    {32, 20, 0x40000002, "VEK LED Button", 102},
    {32, 30, 0x40000004, "VEK Dest Button", 103},
    {32, 10, 0x40000008, "VEK Static Text", 104},
    {32, 20, 0x40000010, "VEK Browse Button", 105},
    {140, 60, 0x40000020, "VEK Ident Text", 106},
    {32, 20, 0x40000040, "VEK Bitmap Button", 107},
    {32, 20, 0x40000080, "VEK Touch Button", 108},
    {32, 10, 0x40000100, "VEK Flat Button", 109},
    {32, 32, 0x40000200, "VEK Multi Button", 110},
    {24, 96, 0x40000400, "VEK Vertical Fader", 111},
    {96, 24, 0x40000800, "VEK Horizontal Fader", 112},
};
static_assert(sizeof s_kinds / sizeof s_kinds[0] <= CC_DESIGN_MAX_KINDS, "kind table too long");

static INT_PTR StyleInit(HWND dlg)
{
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
    // The editor's title need not be terminated inside its field.
    char title[CC_DESIGN_TITLE_LEN + 1];
    memcpy(title, rec->title, CC_DESIGN_TITLE_LEN);
    title[CC_DESIGN_TITLE_LEN] = '\0';
    SetDlgItemTextA(dlg, CC_DLG_TEXT, title);
    CCShowDialogId(dlg, rec->id, CC_DESIGN_IDSTR_LEN);
    CCSetField(rec->className, sizeof rec->className, CC_STYLE_CLASS);
    CCSetDialogProps(dlg, CCDesignVars.record, CCDesignVars.verify);
    return TRUE;
}

static INT_PTR StyleOk(HWND dlg)
{
    HGLOBAL h = CCDialogRecord(dlg);
    CCGlobalLock lock(h, sizeof(CCStyleRecord));
    CCStyleRecord *rec = CCLockedRecord(lock);
    if (!rec) return TRUE;  // nothing to save into; the user can still cancel
    if (!CCVerifyDialogId(dlg, rec, CC_DESIGN_IDTEXT_LEN)) return TRUE;
    memset(rec->title, 0, sizeof rec->title);
    GetDlgItemTextA(dlg, CC_DLG_TEXT, rec->title, sizeof rec->title);
    CCDesignVars.record = h;
    CCEndStyleDialog(dlg, 1);
    return TRUE;
}

static INT_PTR CALLBACK StyleDialog(HWND dlg, UINT msg, WPARAM wParam, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG:
        return StyleInit(dlg);
    case WM_COMMAND:
        if (wParam == IDOK) return StyleOk(dlg);
        if (wParam == IDCANCEL) {
            CCEndStyleDialog(dlg, 0);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

const CCDesignDesc CCDesign = {
    177,
    CC_CLASS_NAME,
    "VEK CC Button",
    124,
    s_kinds,
    sizeof s_kinds / sizeof s_kinds[0],
    "Kerv_cc: ",
    "VEK_CC_Info - about to exit (hCtlInfo:" CC_ADDR_FMT ", lpCtlInfo:" CC_ADDR_FMT ")\n",
    true,
    false,
    false,
    "VEK_CC_DLG",
    StyleDialog,
    CC_STYLE_WHEN_SHOWN,
    "VEK_CC_Style: FAILED to create DialogBox: GetLastError: 0%.8x\n",
};
