#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // The core tests run no threads of their own across a death test, so the child can be a
    // plain fork that inherits the fixture's program folder (and reads the same log).
    GTEST_FLAG_SET(death_test_style, "fast");
    return RUN_ALL_TESTS();
}
