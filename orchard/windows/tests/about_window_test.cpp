#include "orchard/windows/about_window.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace orchard {
namespace {

class AboutWindowTest : public ::testing::Test {
  protected:
    void Open() {
        window.SetPlacement(QRect(50, 40, 300, 450));
        window.open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QLabel* Picture() const { return window.Form().Image1; }

    TOrchardAboutWindow window;
};

TEST_F(AboutWindowTest, ShowsThePictureAtPlusTwenty) {
    Open();
    EXPECT_EQ(window.windowTitle(), "About Orchard for Windows 95");
    EXPECT_EQ(window.pos(), QPoint(70, 60));
    EXPECT_EQ(window.size(), QSize(297, 223));
    EXPECT_EQ(Picture()->pixmap().size(), QSize(300, 225));
}

TEST_F(AboutWindowTest, ClosesOnAClickOnThePicture) {
    Open();
    QTest::mouseClick(Picture(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 100));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(AboutWindowTest, ClosesOnAnyKeyButNotOnAModifierAlone) {
    for (Qt::Key key : {Qt::Key_Q, Qt::Key_Escape, Qt::Key_Return, Qt::Key_F5}) {
        Open();
        QTest::keyPress(&window, Qt::Key_Shift);
        EXPECT_TRUE(window.isVisible());
        QTest::keyClick(&window, key);
        EXPECT_FALSE(window.isVisible()) << key;
    }
}

}  // namespace
}  // namespace orchard
