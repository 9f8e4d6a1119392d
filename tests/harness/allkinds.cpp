// Both shipped libraries loaded the way a panel application does.
#include "allkinds.h"

bool CCT_LoadBoth()
{
    // A system path without libraries: no sibling search from KERV_CC.
    SetEnvironmentVariableA("CC_ROOT", "C:");
    SetEnvironmentVariableA("CC_SYSTEM", "cc-none");
    if (!LoadLibraryA("KERV_CC.DLL") || !LoadLibraryA("KERV_CC09.DLL")) return false;
    WNDCLASSA wc;
    return GetClassInfoA(nullptr, "VEK_CC_Button", &wc) && GetClassInfoA(nullptr, "VEK_CC09_Button", &wc);
}
