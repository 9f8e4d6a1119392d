// The standard library's class, registered by the test program from its own copy
// of the code, so that tests see the same press record as the windows.
#include "harness.h"
#include "cccache.h"
#include "std_frame.h"

void CCTestSetup()
{
    CCLibAttach(GetModuleHandleA(nullptr));
    CCT_CacheFlush = CCCache_Unload;
}
