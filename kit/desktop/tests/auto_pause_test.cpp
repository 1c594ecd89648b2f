#include "kit/desktop/auto_pause.h"

#include <QMainWindow>
#include <QSignalSpy>
#include <QTest>

#include <utility>

#include <gtest/gtest.h>

#include "kit/testing/window_testing.h"

namespace {

using kit::testing::LookAway;

TEST(AutoPause, TellsOnceWhenThePlayerTurnsToAnotherProgramOrMinimises) {
    const std::pair<LookAway, int> cases[] = {
        {LookAway::AnotherProgram, 1}, {LookAway::Minimise, 1}, {LookAway::OwnModalBox, 0}};
    for (const auto& [how, told] : cases) {
        QMainWindow window;
        QSignalSpy spy(new kit::AutoPause(window), &kit::AutoPause::lookedAway);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        kit::testing::LookAwayAndBack(window, how);
        window.showMaximized();  // no looking away either
        EXPECT_EQ(spy.count(), told) << static_cast<int>(how);
    }
}

}  // namespace
