// The special library as the frame sees it: class name, kind table by the low
// four style bits, and the work it does before every kind's handler: common
// slots, the 59-character cut, one '$' field for WM_GETTEXT, the raw text, and
// right clicks passed to the parent.
#include <string.h>
#include "ccguards.h"
#include "ccslots.h"
#include "cctext.h"
#include "kerv_cc.h"
#include "s09_frame.h"

static LRESULT DefaultKind(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

CCKindHandler CC09Kinds[16] = {
    DefaultKind,    CCfont_Msg,     CCcombo_Msg,  CCledisp_Msg, CCdualled_Msg, CCfont95_Msg,
    CCfontdisp_Msg, CCchunky_Msg,   CCrepeat_Msg, DefaultKind,  DefaultKind,   DefaultKind,
    DefaultKind,    DefaultKind,    DefaultKind,  DefaultKind,
};

void CC09_ReadFields(HWND hwnd, CC09Fields *t)
{
    t->raw[0] = '\0';
    SendMessageA(hwnd, CC_GETRAWTEXT, sizeof t->raw - 1, (LPARAM)t->raw);
    t->raw[sizeof t->raw - 1] = '\0';
    CCCopyField(t->raw, 0, t->label, sizeof t->label, "");
    CCCopyField(t->raw, 1, t->second, sizeof t->second, "");
    size_t n = strlen(t->raw);
    t->flags[0] = n ? t->raw[n - 1] : '\0';
    t->flags[1] = '\0';
}

void CC09_NewLabel(const char *text, char label[CC09_FIELD_TEXT])
{
    CCCopyField(text, 0, label, CC09_FIELD_TEXT, "");
    if (!label[0]) strcpy(label, " ");
}

void CC09_StoreLabel(HWND hwnd, const CC09Fields &old, const char *label)
{
    char joined[3 * CC09_FIELD_TEXT];
    CCJoinFields(hwnd, joined, sizeof joined, old.label[0] ? old.label : " ", label, old.second[0] ? old.second : " ",
                 old.flags);
    DefWindowProcA(hwnd, WM_SETTEXT, 0, (LPARAM)joined);
}

static CCKindHandler HandlerFor(LONG style)
{
    CCKindHandler h = CC09Kinds[style & 0xF];
    return h ? h : DefaultKind;
}

// Creation: justification from the text's last character, then the common slots.
static void CreateSlots(HWND hwnd, LPARAM lParam)
{
    char text[256];
    int n = CCReadText(hwnd, text, sizeof text);
    LONG justify = n > 0 ? (LONG)((CCHexValue(text + n - 1) >> 2) & 3) : 0;
    CCSetSlot(hwnd, 19, justify);
    LONG w, h;
    CCCreationSize(hwnd, WM_CREATE, lParam, &w, &h);
    CCSetSlot(hwnd, 0, (LONG)(w & 0xFFFF));
    CCSetSlot(hwnd, 1, (LONG)(h & 0xFFFF));
    CCSetSlot(hwnd, 2, 1);
    CCSetSlot(hwnd, 5, 8);
    CCSetSlot(hwnd, 6, 0);
    CCSetSlot(hwnd, 20, 0);
}

// WM_GETTEXT: the field the variant shows, padded with NULs to the caller's size;
// the answer is the length of the whole text. Every buffer is written.
static LRESULT FieldText(HWND hwnd, WPARAM size, char *buf)
{
    if (!buf || size == 0) return 0;
    char whole[CC09_WORK_TEXT];
    WPARAM limit = size < sizeof whole ? size : sizeof whole;
    whole[0] = '\0';
    LRESULT length = DefWindowProcA(hwnd, WM_GETTEXT, limit, (LPARAM)whole);
    whole[sizeof whole - 1] = '\0';
    LONG variant = CCGetSlot(hwnd, 3) & 0xF;
    size_t n = 0;
    const char *field = variant <= 1 ? CCFindField(whole, (int)variant, &n) : nullptr;
    // The field is shorter than the whole text, which fitted the buffer.
    memset(buf, 0, size);
    if (field) memcpy(buf, field, n < size ? n : size - 1);
    return length;
}

// WM_RBUTTONDOWN goes to the parent with the point in the parent's coordinates.
static LRESULT ForwardRightClick(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    HWND parent = GetParent(hwnd);
    POINT pt = {(LONG)LOWORD(lParam), (LONG)HIWORD(lParam)};
    ClientToScreen(hwnd, &pt);
    ScreenToClient(parent, &pt);
    return SendMessageA(parent, WM_RBUTTONDOWN, wParam, MAKELPARAM(pt.x, pt.y));
}

static bool Preprocess(HWND hwnd, UINT msg, WPARAM wParam, LPARAM *lParam, LRESULT *result)
{
    switch (msg) {
    case WM_CREATE:
        CreateSlots(hwnd, *lParam);
        return false;
    case WM_DESTROY:
        if (HGLOBAL block = CCGetHandleSlot(hwnd, CC_SLOT_PICTURE)) {
            GlobalFree(block);
            CCSetHandleSlot(hwnd, CC_SLOT_PICTURE, nullptr);
        }
        return false;
    case WM_SIZE:
        CCSetSlot(hwnd, 0, (LONG)LOWORD(*lParam));
        CCSetSlot(hwnd, 1, (LONG)HIWORD(*lParam));
        return false;
    case CC_GETRAWTEXT:
        DefWindowProcA(hwnd, WM_GETTEXT, wParam, *lParam);
        return false;
    case WM_GETTEXT:
        *result = FieldText(hwnd, wParam, (char *)*lParam);
        return true;
    case WM_RBUTTONDOWN:
        *result = ForwardRightClick(hwnd, wParam, *lParam);
        return true;
    default:
        return false;
    }
}

// Registration failures are silent; the release line is written always.
static int AfterRegister(HINSTANCE)
{
    OutputDebugStringA("KERV_CC09.DLL Release version.\n");
    return hLibInstance ? 1 : 0;
}

const CCLibraryDesc CCLibrary = {
    CC09_CLASS_NAME,
    "KERV_CC09.IMPOSSIBLE VECTOR!",
    nullptr,
    nullptr,
    nullptr,
    AfterRegister,
    HandlerFor,
    true,
    CC09_TEXT_MAX,
    Preprocess,
    CC09_AccessFor,
    nullptr,
};
