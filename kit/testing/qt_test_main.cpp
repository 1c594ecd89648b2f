// Entry point of the widget test executables: one QApplication on the offscreen
// platform unless the caller chose another.
#include <QApplication>

#include <cstdlib>

#include <gtest/gtest.h>

#include "kit/testing/isolation.h"

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    testing::InitGoogleTest(&argc, argv);
    kit::testing::UseLocaleFromArguments(argc, argv);
    kit::testing::IsolatedFolder folder;
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
