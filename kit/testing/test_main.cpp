// Entry point of the Qt-free test executables.
#include <gtest/gtest.h>

#include "kit/testing/isolation.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    kit::testing::UseLocaleFromArguments(argc, argv);
    kit::testing::IsolatedFolder folder;
    return RUN_ALL_TESTS();
}
