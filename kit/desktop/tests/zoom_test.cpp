#include <QDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <qpa/qplatformnativeinterface.h>
#include <qpa/qplatformwindow.h>

#include <gtest/gtest.h>

#include "kit/desktop/zoom.h"
#include "kit/testing/zoom_testing.h"

namespace {

// Makes the offscreen platform's one screen `height` pixels high.
void SetScreenHeight(int height) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    using Configuration = QJsonObject (*)(QPlatformNativeInterface*);
    using SetConfiguration = void (*)(const QJsonObject&, QPlatformNativeInterface*);
    QJsonObject config = reinterpret_cast<Configuration>(
        native->nativeResourceForIntegration("configuration"))(native);
    QJsonArray screens = config[QStringLiteral("screens")].toArray();
    QJsonObject screen = screens[0].toObject();
    screen[QStringLiteral("height")] = height;
    screens[0] = screen;
    config[QStringLiteral("screens")] = screens;
    reinterpret_cast<SetConfiguration>(native->nativeResourceForIntegration("setConfiguration"))(
        config, native);
    QGuiApplication::processEvents();  // the platform tells the change as an event
}

// A first start takes the largest zoom that fits in two thirds of the screen;
// a stored zoom is kept, and only shown smaller on a screen it does not fit.
TEST(Zoom, TheStartZoomFitsTheScreen) {
    struct Row {
        int screenHeight, stored, zoom, storedAfter;
    } rows[] = {{600, 0, 1, 1},  {1292, 0, 1, 1}, {1293, 0, 2, 2}, {1939, 0, 2, 2}, {1940, 0, 3, 3},
                {2586, 0, 4, 4}, {200, 0, 1, 1},  {2586, 5, 4, 4}, {2586, 2, 2, 2}, {1293, 3, 3, 3},
                {1292, 3, 2, 3}, {600, 4, 1, 4},  {200, 2, 1, 2}};
    for (const Row& row : rows) {
        SetScreenHeight(row.screenHeight);
        QWidget window;
        window.setFixedSize(280, 431);
        int stored = row.stored;
        kit::useZoom(window, stored);
        EXPECT_EQ(kit::currentZoom(), row.zoom) << row.screenHeight << " " << row.stored;
        EXPECT_EQ(stored, row.storedAfter) << row.screenHeight << " " << row.stored;
        kit::setZoom(1);
    }
}

TEST(Zoom, TheShortcutsScaleEveryWindowAtOnceAndTheStoredZoomFollows) {
    QWidget window;
    window.setFixedSize(200, 100);
    auto* raised = new QFrame(&window);
    raised->setGeometry(10, 10, 30, 20);
    raised->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* sunken = new QFrame(&window);
    sunken->setGeometry(50, 10, 30, 20);
    sunken->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QDialog dialog(&window);
    dialog.setFixedSize(120, 80);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    kit::testing::ShownImage(dialog);
    dialog.hide();
    dialog.windowHandle()->destroy();  // as some platforms do with a hidden window
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QImage drawnByQt = window.grab().toImage();

    int stored = 1;
    kit::useZoom(window, stored);
    EXPECT_EQ(window.grab().toImage(), drawnByQt) << "the panels look the same at 1x";
    const struct {
        int key, zoom;
    } steps[] = {{Qt::Key_Plus, 2},  {Qt::Key_Equal, 3}, {Qt::Key_Plus, 4}, {Qt::Key_Plus, 4},
                 {Qt::Key_Minus, 3}, {Qt::Key_0, 1},     {Qt::Key_Plus, 2}};
    for (const auto& step : steps) {
        QTest::keyClick(&window, Qt::Key(step.key), Qt::ControlModifier);
        EXPECT_EQ(kit::currentZoom(), step.zoom);
        EXPECT_EQ(stored, step.zoom);
        EXPECT_EQ(window.windowHandle()->handle()->geometry().size(), window.size() * step.zoom);
        EXPECT_EQ(kit::testing::ShownImage(window).size(), window.size() * step.zoom);
    }
    // A window shown before at another zoom is drawn whole at this one.
    dialog.show();
    EXPECT_EQ(kit::testing::ShownImage(dialog).size(), dialog.size() * 2);
}

}  // namespace
