// Standard library at design time: the class list, the kind table with its
// toolbox pictures and drop cursor, and the style dialog "VEK_CC_DLG" that edits
// a control's text and id in the editor's style record.
#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include <windows.h>
#include "ccdesign.h"
#include "cctext.h"
#include "std_frame.h"

#define CC_INFO_VERSION 177
#define CC_INFO_TITLE "VEK CC Button"
#define CC_DROP_CURSOR 124
#define CC_STYLE_CLASS "VEK_CC_CLASS"

struct KindDesc {
    uint16_t width, height;
    uint32_t style;
    const char *description;
    int bitmap;
};

// Toolbox entries in the order an editor shows them.
static const KindDesc s_kinds[] = {
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

extern "C" {
HGLOBAL CALLBACK ListClasses(LPSTR callingClass, WORD version, CCLoadResFn load, CCEditResFn edit);
HGLOBAL CALLBACK VEK_CC_Info(void);
BOOL CALLBACK VEK_CC_Style(HWND parent, HGLOBAL style, CCVerifyIdFn verify, CCIdToStrFn idToStr);
WORD CALLBACK VEK_CC_Flags(DWORD flags, LPSTR buf, WORD size);
INT_PTR CALLBACK VEK_CC_DlgFn(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
}

// Design-time state shared by the entry points, replaced at every style call.
static HGLOBAL s_styleRecord;
static CCVerifyIdFn s_verify;
static CCIdToStrFn s_idToStr;

static void DebugLine(const char *fmt, ...) __attribute__((format(printf, 1, 2)));
static void DebugLine(const char *fmt, ...)
{
    char line[512];
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(line, sizeof line, fmt, ap);
    va_end(ap);
    OutputDebugStringA(line);
}

static unsigned Addr(const void *p) { return (unsigned)(uintptr_t)p; }
template <typename F> static unsigned FnAddr(F f) { return (unsigned)(uintptr_t)f; }

// Fills a fixed text field: the text cut to size-1 characters, NUL-padded.
static void SetField(char *field, size_t size, const char *text)
{
    memset(field, 0, size);
    CCCopyText(field, size, text);
}

// A locked global block, unlocked when the guard goes.
struct BlockLock {
    HGLOBAL h;
    void *p;
    BlockLock(HGLOBAL block, size_t need) : h(block), p(nullptr)
    {
        // A block too small for the record is refused before it is touched.
        if (h && GlobalSize(h) >= need) p = GlobalLock(h);
    }
    ~BlockLock()
    {
        if (p) GlobalUnlock(h);
    }
    BlockLock(const BlockLock &) = delete;
    BlockLock &operator=(const BlockLock &) = delete;
};

HGLOBAL CALLBACK ListClasses(LPSTR callingClass, WORD version, CCLoadResFn load, CCEditResFn edit)
{
    DebugLine("Kerv_cc: ListClasses (DllExported): entry - CallingClass: 0x%.8x, Vers: 0x%.8x, Ld: 0x%.8x, "
              "Edit: 0x%.8x\n",
              Addr(callingClass), (unsigned)version, FnAddr(load), FnAddr(edit));
    HGLOBAL h = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, sizeof(CCClassList));
    if (!h) return nullptr;
    CCClassList *list = (CCClassList *)GlobalLock(h);
    if (!list) {
        GlobalFree(h);
        return nullptr;
    }
    list->count = 1;
    CCClassEntry &e = list->entry[0];
    e.info = FnAddr(VEK_CC_Info);
    e.style = FnAddr(VEK_CC_Style);
    e.flags = FnAddr(VEK_CC_Flags);
    SetField(e.className, sizeof e.className, CC_CLASS_NAME);
    DebugLine("Kerv_cc: ListClasses (DllExported): exit  - hClassList: 0x%.8x, I: 0x%.8x, S: 0x%.8x, F: 0x%.8x, "
              "Cls: '%s'\n",
              Addr(h), e.info, e.style, e.flags, CC_CLASS_NAME);
    GlobalUnlock(h);
    return h;
}

HGLOBAL CALLBACK VEK_CC_Info(void)
{
    OutputDebugStringA("Kerv_cc: VEK_CC_Info - entry\n");
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(CCInfoRecord));
    if (!h) h = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, sizeof(CCInfoRecord));
    if (!h) return nullptr;
    CCInfoRecord *info = (CCInfoRecord *)GlobalLock(h);
    if (!info) {
        GlobalFree(h);
        return nullptr;
    }
    memset(info, 0, sizeof *info);
    info->version = CC_INFO_VERSION;
    info->count = (uint16_t)(sizeof s_kinds / sizeof s_kinds[0]);
    SetField(info->className, sizeof info->className, CC_CLASS_NAME);
    SetField(info->title, sizeof info->title, CC_INFO_TITLE);
    for (unsigned i = 0; i < info->count; i++) {
        CCKindEntry &k = info->kind[i];
        k.type = 0;
        k.width = s_kinds[i].width;
        k.height = s_kinds[i].height;
        k.style = s_kinds[i].style;
        SetField(k.description, sizeof k.description, s_kinds[i].description);
        // Bitmaps and cursors go to the editor with the record and stay loaded.
        k.bitmap = Addr(LoadBitmapA(hLibInstance, MAKEINTRESOURCEA(s_kinds[i].bitmap)));
        k.cursor = Addr(LoadCursorA(hLibInstance, MAKEINTRESOURCEA(CC_DROP_CURSOR)));
    }
    DebugLine("Kerv_cc: VEK_CC_Info - about to exit (hCtlInfo:0x%.8x, lpCtlInfo:0x%.8x)\n", Addr(h), Addr(info));
    GlobalUnlock(h);
    return h;
}

BOOL CALLBACK VEK_CC_Style(HWND parent, HGLOBAL style, CCVerifyIdFn verify, CCIdToStrFn idToStr)
{
    s_idToStr = idToStr;
    s_styleRecord = style;
    s_verify = verify;
    DebugLine("Kerv_cc: VEK_CC_Style: entry - hWnd:%d, hCtlStyle:0x%.8x, lpfnVerifyId:0x%.8x, lpfnGetIdStr:0x%.8x\n",
              (int)(INT_PTR)parent, Addr(style), FnAddr(verify), FnAddr(idToStr));
    INT_PTR result = DialogBoxParamA(hLibInstance, "VEK_CC_DLG", parent, VEK_CC_DlgFn, 0);
    if (result == -1) {
        DebugLine("Kerv_cc: VEK_CC_Style: FAILED to create DialogBox: GetLastError: 0%.8x\n",
                  (unsigned)GetLastError());
        return 0;
    }
    DebugLine("Kerv_cc: VEK_CC_Style: exit - hNewCtlStyle:0x%.8x\n", Addr(s_styleRecord));
    return s_styleRecord ? 1 : 0;
}

WORD CALLBACK VEK_CC_Flags(DWORD flags, LPSTR buf, WORD size)
{
    DebugLine("Kerv_cc: VEK_CC_Flags: entry - wFlags:0x%.8x, lpszString:0x%.8x, wMaxString:0x%.8x\n",
              (unsigned)flags, Addr(buf), (unsigned)size);
    // No flags are reported as text; only a buffer with room gets the empty string.
    if (buf && size >= 1) buf[0] = '\0';
    OutputDebugStringA("Kerv_cc: VEK_CC_Flags: exit\n");
    return 0;
}

// The three dialog properties are set and removed together.
static void SetDialogProps(HWND dlg, HGLOBAL record, CCVerifyIdFn verify)
{
    uint32_t addr = FnAddr(verify);
    SetPropA(dlg, MAKEINTATOM(CC_PROP_RECORD), record);
    SetPropA(dlg, CC_PROP_VERIFY_HI, (HANDLE)(uintptr_t)(addr >> 16));
    SetPropA(dlg, CC_PROP_VERIFY_LO, (HANDLE)(uintptr_t)(addr & 0xFFFF));
}

static void RemoveDialogProps(HWND dlg)
{
    RemovePropA(dlg, MAKEINTATOM(CC_PROP_RECORD));
    RemovePropA(dlg, CC_PROP_VERIFY_LO);
    RemovePropA(dlg, CC_PROP_VERIFY_HI);
}

static CCVerifyIdFn DialogVerify(HWND dlg)
{
    uint32_t addr = CCJoinHalves((uint32_t)(uintptr_t)GetPropA(dlg, CC_PROP_VERIFY_HI),
                                 (uint32_t)(uintptr_t)GetPropA(dlg, CC_PROP_VERIFY_LO));
    return (CCVerifyIdFn)(uintptr_t)addr;
}

static INT_PTR StyleInit(HWND dlg)
{
    if (!s_styleRecord) {
        EndDialog(dlg, 0);
        return TRUE;
    }
    BlockLock lock(s_styleRecord, sizeof(CCStyleRecord));
    CCStyleRecord *rec = (CCStyleRecord *)lock.p;
    if (!rec) {
        OutputDebugStringA("Kerv_cc: VEK_CC_DlgFn: style record cannot be locked.\n");
        EndDialog(dlg, 0);
        return TRUE;
    }
    // The editor's title need not be terminated inside its field.
    char title[CC_DESIGN_TITLE_LEN + 1];
    memcpy(title, rec->title, CC_DESIGN_TITLE_LEN);
    title[CC_DESIGN_TITLE_LEN] = '\0';
    SetDlgItemTextA(dlg, CC_DLG_TEXT, title);
    if (s_idToStr) {
        char idText[CC_DESIGN_IDSTR_LEN + 1] = {};
        s_idToStr(rec->id, idText, CC_DESIGN_IDSTR_LEN);
        idText[CC_DESIGN_IDSTR_LEN] = '\0';
        SetDlgItemTextA(dlg, CC_DLG_ID, idText);
    }
    SetField(rec->className, sizeof rec->className, CC_STYLE_CLASS);
    SetDialogProps(dlg, s_styleRecord, s_verify);
    return TRUE;
}

static INT_PTR StyleOk(HWND dlg)
{
    HGLOBAL h = (HGLOBAL)GetPropA(dlg, MAKEINTATOM(CC_PROP_RECORD));
    BlockLock lock(h, sizeof(CCStyleRecord));
    CCStyleRecord *rec = (CCStyleRecord *)lock.p;
    if (!rec) {
        // Nothing to save into; the user can still cancel.
        OutputDebugStringA("Kerv_cc: VEK_CC_DlgFn: style record cannot be locked.\n");
        return TRUE;
    }
    char idText[CC_DESIGN_IDTEXT_LEN] = {};
    GetDlgItemTextA(dlg, CC_DLG_ID, idText, sizeof idText);
    CCVerifyIdFn verify = DialogVerify(dlg);
    if (verify) {
        DWORD id = verify(idText);
        if (!id) {
            OutputDebugStringA("Kerv_cc: VEK_CC_DlgFn: ZERO value for button ID is not allowed.\n");
            return TRUE;
        }
        rec->id = LOWORD(id);
    }
    memset(rec->title, 0, sizeof rec->title);
    GetDlgItemTextA(dlg, CC_DLG_TEXT, rec->title, sizeof rec->title);
    RemoveDialogProps(dlg);
    s_styleRecord = h;
    EndDialog(dlg, 1);
    return TRUE;
}

INT_PTR CALLBACK VEK_CC_DlgFn(HWND dlg, UINT msg, WPARAM wParam, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG:
        return StyleInit(dlg);
    case WM_COMMAND:
        if (wParam == IDOK) return StyleOk(dlg);
        if (wParam == IDCANCEL) {
            RemoveDialogProps(dlg);
            EndDialog(dlg, 0);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
