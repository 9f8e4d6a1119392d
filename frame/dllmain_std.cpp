// Entry point of KERV_CC.DLL.
#include <windows.h>
#include "cccache.h"
#include "std_frame.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE hinst, DWORD reason, LPVOID)
{
    switch (reason) {
    case DLL_PROCESS_DETACH: CCLibDetach(); return TRUE;
    case DLL_PROCESS_ATTACH: CCLibAttach(hinst); return TRUE;
    case DLL_THREAD_ATTACH: return TRUE;
    case DLL_THREAD_DETACH: CCCache_ThreadDone(); return TRUE;
    default:
        MessageBoxA(nullptr, "KERV_CC.IMPOSSIBLE DLL VECTOR!", "!", MB_OK);
        ExitProcess(0);
    }
}
