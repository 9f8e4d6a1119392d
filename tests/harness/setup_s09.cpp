// The special library's class, registered by the test program from its own copy
// of the code, so that tests reach the library's internals directly.
#include "harness.h"
#include "cccache.h"
#include "ccframe.h"

void CCTestSetup()
{
    CCLibAttach(GetModuleHandleA(nullptr));
    CCT_CacheFlush = CCCache_Unload;
}
