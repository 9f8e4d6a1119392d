// Nothing to register: the test program loads what it needs itself.
#include "harness.h"

void CCTestSetup() {}
