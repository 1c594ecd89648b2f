#include "briko/windows/picture_window.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "briko/windows/about_window.h"
#include "briko/windows/controls_window.h"

namespace briko {
namespace {

// Shows `window` modally from (100, 50) and lets `close` close it; returns where it stood.
QPoint ShowAndClose(TPictureWindow& window, const std::function<void()>& close) {
    window.SetOrigin(QRect(100, 50, 350, 470));
    QPoint placed;
    bool closed = false;
    QTimer::singleShot(0, &window, [&] {
        placed = window.frameGeometry().topLeft();
        close();
        closed = !window.isVisible();
        if (!closed)
            window.reject();
    });
    window.exec();
    EXPECT_TRUE(closed);
    return placed;
}

TEST(PictureWindows, OpenBesideTheMainWindowAndAnyKeyClosesThem) {
    TBRIKOControls controls;
    EXPECT_EQ(ShowAndClose(controls, [&] { QTest::keyClick(&controls, Qt::Key_X); }),
              QPoint(120, 70));
    EXPECT_EQ(controls.windowTitle(), "BRIKO Controls");
    EXPECT_EQ(controls.size(), QSize(338, 168));

    TBRIKOAboutBoxWindow about;
    EXPECT_EQ(ShowAndClose(about, [&] { QTest::keyClick(&about, Qt::Key_Shift); }),
              QPoint(120, 70));
    EXPECT_EQ(about.windowTitle(), "About Brikoline");
    EXPECT_EQ(about.size(), QSize(301, 169));
}

TEST(PictureWindows, AClickOnThePictureClosesThem) {
    TBRIKOControls controls;
    ShowAndClose(controls, [&] {
        QTest::mouseClick(controls.Form().Image1, Qt::LeftButton, {}, QPoint(50, 50));
    });
    TBRIKOAboutBoxWindow about;
    ShowAndClose(
        about, [&] { QTest::mouseClick(about.Form().Image1, Qt::LeftButton, {}, QPoint(50, 50)); });
}

TEST(PictureWindows, ShowTheirPicturesFromTheirFirstShowing) {
    TBRIKOControls controls;
    EXPECT_TRUE(controls.Form().Image1->pixmap().isNull()) << "not read before the first frame";
    ShowAndClose(controls, [&] { controls.Exit(); });
    EXPECT_EQ(controls.Form().Image1->pixmap().size(), QSize(345, 185));
    TBRIKOAboutBoxWindow about;
    ShowAndClose(about, [&] { about.Exit(); });
    EXPECT_EQ(about.Form().Image1->pixmap().size(), QSize(300, 177));
}

}  // namespace
}  // namespace briko
