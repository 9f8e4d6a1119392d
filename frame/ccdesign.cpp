// Design-time entry points of both libraries: the class list, the info record
// with the library's kind table, the flags entry and the style entry that runs
// the library's own dialog. What differs per library comes from its CCDesign.
#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include "ccdesignlib.h"
#include "ccframe.h"
#include "ccguards.h"
#include "cctext.h"

CCDesignState CCDesignVars;

// Addresses and handles as the records and debugger lines take them (CC_ADDR_FMT).
static CCEntryAddr Addr(const void *p) { return (CCEntryAddr)(uintptr_t)p; }
template <typename F> static CCEntryAddr FnAddr(F f) { return (CCEntryAddr)(uintptr_t)f; }
// Bitmap and cursor handles: 32-bit significant on both builds.
static uint32_t Handle32(const void *h) { return (uint32_t)(uintptr_t)h; }

void CCDesignLine(const char *fmt, ...)
{
    char line[600];
    size_t n = CCCopyText(line, sizeof line, CCDesign.prefix);
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(line + n, sizeof line - n, fmt, ap);
    va_end(ap);
    OutputDebugStringA(line);
}

void CCSetField(char *field, size_t size, const char *text)
{
    memset(field, 0, size);
    CCCopyText(field, size, text);
}

HGLOBAL CALLBACK ListClasses(LPSTR callingClass, WORD version, CCLoadResFn load, CCEditResFn edit)
{
    const CCDesignDesc &d = CCDesign;
    CCDesignLine("ListClasses (DllExported): entry - CallingClass: " CC_ADDR_FMT ", Vers: 0x%.8x, Ld: " CC_ADDR_FMT
                 ", Edit: " CC_ADDR_FMT "\n",
                 Addr(callingClass), (unsigned)version, FnAddr(load), FnAddr(edit));
    if (d.keepEditorCallbacks) {
        CCDesignVars.load = load;
        CCDesignVars.edit = edit;
    }
    HGLOBAL h = GlobalAlloc((d.listMovable ? GMEM_MOVEABLE : GMEM_FIXED) | GMEM_ZEROINIT, sizeof(CCClassList));
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
    CCSetField(e.className, sizeof e.className, d.className);
    CCDesignLine("ListClasses (DllExported): exit  - hClassList: " CC_ADDR_FMT ", I: " CC_ADDR_FMT ", S: " CC_ADDR_FMT
                 ", F: " CC_ADDR_FMT ", Cls: '%s'\n",
                 Addr(h), e.info, e.style, e.flags, d.className);
    GlobalUnlock(h);
    return h;
}

HGLOBAL CALLBACK VEK_CC_Info(void)
{
    const CCDesignDesc &d = CCDesign;
    CCDesignLine("VEK_CC_Info - entry\n");
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(CCInfoRecord));
    if (!h && d.infoFixedFallback) h = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, sizeof(CCInfoRecord));
    if (!h) return nullptr;
    CCInfoRecord *info = (CCInfoRecord *)GlobalLock(h);
    if (!info) {
        GlobalFree(h);
        return nullptr;
    }
    memset(info, 0, sizeof *info);
    unsigned count = d.kindCount < CC_DESIGN_MAX_KINDS ? d.kindCount : CC_DESIGN_MAX_KINDS;
    info->version = d.version;
    info->count = (uint16_t)count;
    CCSetField(info->className, sizeof info->className, d.className);
    CCSetField(info->title, sizeof info->title, d.title);
    for (unsigned i = 0; i < count; i++) {
        const CCDesignKind &src = d.kinds[i];
        CCKindEntry &k = info->kind[i];
        k.type = 0;
        k.width = src.width;
        k.height = src.height;
        k.style = src.style;
        CCSetField(k.description, sizeof k.description, src.description);
        // Bitmaps and cursors go to the editor with the record and stay loaded.
        k.bitmap = Handle32(LoadBitmapA(hLibInstance, MAKEINTRESOURCEA(src.bitmap)));
        k.cursor = Handle32(LoadCursorA(hLibInstance, MAKEINTRESOURCEA(d.cursor)));
    }
    CCDesignLine(d.infoExitLine, Addr(h), Addr(info));
    GlobalUnlock(h);
    return h;
}

BOOL CALLBACK VEK_CC_Style(HWND parent, HGLOBAL style, CCVerifyIdFn verify, CCIdToStrFn idToStr)
{
    const CCDesignDesc &d = CCDesign;
    CCDesignVars.idToStr = idToStr;
    CCDesignVars.record = style;
    CCDesignVars.verify = verify;
    CCDesignLine("VEK_CC_Style: entry - hWnd:%d, hCtlStyle:" CC_ADDR_FMT ", lpfnVerifyId:" CC_ADDR_FMT
                 ", lpfnGetIdStr:" CC_ADDR_FMT "\n",
                 (int)(INT_PTR)parent, Addr(style), FnAddr(verify), FnAddr(idToStr));
    INT_PTR result = DialogBoxParamA(hLibInstance, d.dialogTemplate, parent, VEK_CC_DlgFn, 0);
    if (result == -1) {
        // No dialog is no change: never reported as success.
        CCDesignLine(d.styleFailLine, (unsigned)GetLastError());
        return 0;
    }
    CCDesignLine("VEK_CC_Style: exit - hNewCtlStyle:" CC_ADDR_FMT "\n", Addr(CCDesignVars.record));
    if (d.styleResult == CC_STYLE_WHEN_OK && result == 0) return 0;
    return CCDesignVars.record ? 1 : 0;
}

WORD CALLBACK VEK_CC_Flags(DWORD flags, LPSTR buf, WORD size)
{
    CCDesignLine("VEK_CC_Flags: entry - wFlags:0x%.8x, lpszString:" CC_ADDR_FMT ", wMaxString:0x%.8x\n", (unsigned)flags,
                 Addr(buf), (unsigned)size);
    // No flags are reported as text; only a buffer with room gets the empty string.
    if (buf && size >= 1) buf[0] = '\0';
    CCDesignLine("VEK_CC_Flags: exit\n");
    return 0;
}

INT_PTR CALLBACK VEK_CC_DlgFn(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return CCDesign.dialogProc(dlg, msg, wParam, lParam);
}

// ---- helpers of the style dialogs -------------------------------------------

void CCSetDialogProps(HWND dlg, HGLOBAL record, CCVerifyIdFn verify)
{
    CCEntryAddr addr = FnAddr(verify);
    SetPropA(dlg, MAKEINTATOM(CC_PROP_RECORD), record);
    SetPropA(dlg, CC_PROP_VERIFY_HI, (HANDLE)(uintptr_t)(addr >> 16));
    SetPropA(dlg, CC_PROP_VERIFY_LO, (HANDLE)(uintptr_t)(addr & 0xFFFF));
}

void CCRemoveDialogProps(HWND dlg)
{
    RemovePropA(dlg, MAKEINTATOM(CC_PROP_RECORD));
    RemovePropA(dlg, CC_PROP_VERIFY_LO);
    RemovePropA(dlg, CC_PROP_VERIFY_HI);
}

HGLOBAL CCDialogRecord(HWND dlg) { return (HGLOBAL)GetPropA(dlg, MAKEINTATOM(CC_PROP_RECORD)); }

void CCEndStyleDialog(HWND dlg, INT_PTR result)
{
    CCRemoveDialogProps(dlg);
    EndDialog(dlg, result);
}

void CCShowDialogId(HWND dlg, WORD id, size_t size)
{
    if (!CCDesignVars.idToStr) return;
    char text[CC_DESIGN_IDSTR_LEN + 1] = {};
    if (size > CC_DESIGN_IDSTR_LEN) size = CC_DESIGN_IDSTR_LEN;
    CCDesignVars.idToStr(id, text, (WORD)size);
    text[size] = '\0';  // the callback need not terminate
    SetDlgItemTextA(dlg, CC_DLG_ID, text);
}

CCStyleRecord *CCLockedRecord(const CCGlobalLock &lock)
{
    if (!lock.p) CCDesignLine("VEK_CC_DlgFn: style record cannot be locked.\n");
    return (CCStyleRecord *)lock.p;
}

bool CCVerifyDialogId(HWND dlg, CCStyleRecord *rec, size_t size)
{
    char text[CC_DESIGN_IDSTR_LEN] = {};
    if (size > sizeof text) size = sizeof text;
    GetDlgItemTextA(dlg, CC_DLG_ID, text, (int)size);
    CCVerifyIdFn verify = (CCVerifyIdFn)(uintptr_t)CCJoinHalves(
        (CCEntryAddr)(uintptr_t)GetPropA(dlg, CC_PROP_VERIFY_HI), (CCEntryAddr)(uintptr_t)GetPropA(dlg, CC_PROP_VERIFY_LO));
    if (!verify) return true;
    DWORD id = verify(text);
    if (!id) {
        CCDesignLine("VEK_CC_DlgFn: ZERO value for button ID is not allowed.\n");
        return false;
    }
    rec->id = LOWORD(id);
    return true;
}
