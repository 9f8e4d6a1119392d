// The standard library as the frame sees it: class name, kind table by exact
// style bit, its attach lines and the sibling search; also the press record.
#include "ccsyspath.h"
#include "kinds.h"
#include "std_frame.h"

LONG PressState = 0;
HWND PressWindow = nullptr;
LONG PressId = 0;

void CCTrace(UINT, const char *) {}

static CCKindHandler HandlerFor(LONG style)
{
    switch (LOWORD(style)) {
    case 0x0001: return CCbtn_Msg;
    case 0x0002: return CCled_Msg;
    case 0x0004: return CCdest_Msg;
    case 0x0008: return CCtext_Msg;
    case 0x0010: return CCbrowse_Msg;
    case 0x0020: return CCid_Msg;
    case 0x0040: return CCbmp_Msg;
    case 0x0080: return CCtouch_Msg;
    case 0x0100: return CCflat_Msg;
    case 0x0200: return CCmulti_Msg;
    case 0x0400: return CCvfade_Msg;
    case 0x0800: return CChfade_Msg;
    default: return nullptr;
    }
}

// After registration: the start lines, then every numbered sibling of the system path.
static int AfterRegister(HINSTANCE)
{
    OutputDebugStringA("KERV_CC.DLL - loading other kerv_cc DLL's.\n");
    OutputDebugStringA("KERV_CC.DLL - RELEASE version.\n");
    char path[MAX_PATH];
    CCGetSystemPath(path, sizeof path);
    CCLoadSiblings(path);
    return hLibInstance ? 1 : 0;
}

const CCLibraryDesc CCLibrary = {
    CC_CLASS_NAME,
    "KERV_CC.IMPOSSIBLE DLL VECTOR!",
    "KERV_CC.DLL - hLibInstance == NULL - failed.\n",
    "KERV_CC.DLL - GlobalAlloc() failed.\n",
    "KERV_CC.DLL - GlobalLock() failed.\n",
    AfterRegister,
    HandlerFor,
    false,
    0,
    nullptr,
    CCstd_AccessFor,
    CCstd_PressOwner,
};
