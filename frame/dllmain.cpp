// Entry point of both libraries.
#include <windows.h>
#include "cccache.h"
#include "ccframe.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE hinst, DWORD reason, LPVOID)
{
    switch (reason) {
    case DLL_PROCESS_DETACH: CCLibDetach(); return TRUE;
    case DLL_PROCESS_ATTACH: CCLibAttach(hinst); return TRUE;
    case DLL_THREAD_ATTACH: return TRUE;
    case DLL_THREAD_DETACH: CCCache_ThreadDone(); return TRUE;
    default:
        MessageBoxA(nullptr, CCLibrary.impossibleText, "!", MB_OK);
        ExitProcess(0);
    }
}
