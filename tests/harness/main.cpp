// Test program entry: set up the library under test, then run every test.
#include <gtest/gtest.h>
#include "harness.h"

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    CCTestSetup();
    return RUN_ALL_TESTS();
}
