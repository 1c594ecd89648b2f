#include "kit/testing/zoom_testing.h"

#include <QApplication>
#include <QBackingStore>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformbackingstore.h>
#include <qpa/qplatformwindow.h>

#include <cmath>

#include <gtest/gtest.h>

#include "kit/desktop/zoom.h"

namespace kit::testing {
namespace {

// Where `frame` stands in the picture of `window` at a whole `ratio`.
QRect deviceRect(const QWidget& window, const QWidget& frame, int ratio) {
    return QRect(frame.mapTo(&window, QPoint(0, 0)) * ratio, frame.size() * ratio);
}

}  // namespace

QImage ShownImage(QWidget& window) {
    QApplication::processEvents();
    return window.backingStore()->handle()->toImage().convertToFormat(QImage::Format_RGB32);
}

void ExpectCtrlPlusDoubles(QWidget& mainWindow, std::initializer_list<const char*> frames) {
    ASSERT_EQ(currentZoom(), 1);
    const QSize logical = mainWindow.size();
    const QSize native = mainWindow.windowHandle()->handle()->geometry().size();
    const QImage before = ShownImage(mainWindow);
    QTest::keyClick(&mainWindow, Qt::Key_Plus, Qt::ControlModifier);
    ASSERT_EQ(currentZoom(), 2);
    EXPECT_EQ(mainWindow.size(), logical);
    EXPECT_EQ(mainWindow.windowHandle()->handle()->geometry().size(), native * 2);
    const QImage after = ShownImage(mainWindow);
    ASSERT_EQ(after.size(), before.size() * 2);
    for (const char* name : frames) {
        const QWidget* frame = mainWindow.findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(frame, nullptr) << name;
        const QImage doubled =
            before.copy(deviceRect(mainWindow, *frame, 1)).scaled(frame->size() * 2);
        EXPECT_EQ(after.copy(deviceRect(mainWindow, *frame, 2)), doubled) << name;
    }
}

void ExpectEqualCells(QWidget& mainWindow, const char* frame, const QSize& cell) {
    const QImage shown = ShownImage(mainWindow);
    const double ratio = mainWindow.devicePixelRatioF();
    const QSize period = cell * ratio;
    ASSERT_EQ(QSizeF(period), QSizeF(cell) * ratio) << "a cell is whole device pixels";
    const QWidget* cells = mainWindow.findChild<QWidget*>(QLatin1String(frame));
    ASSERT_NE(cells, nullptr) << frame;
    // The device pixels wholly inside the frame's border.
    const QRect inside(cells->mapTo(&mainWindow, QPoint(1, 1)), cells->size() - QSize(2, 2));
    const int left = static_cast<int>(std::ceil(inside.left() * ratio));
    const int top = static_cast<int>(std::ceil(inside.top() * ratio));
    const int right = static_cast<int>(std::floor((inside.right() + 1) * ratio));
    const int bottom = static_cast<int>(std::floor((inside.bottom() + 1) * ratio));
    int unlike = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if ((x + period.width() < right &&
                 shown.pixel(x, y) != shown.pixel(x + period.width(), y)) ||
                (y + period.height() < bottom &&
                 shown.pixel(x, y) != shown.pixel(x, y + period.height())))
                ++unlike;
    EXPECT_EQ(unlike, 0) << frame << " at scale " << ratio;
}

ScopedDesktopScale::ScopedDesktopScale(double scale) {
    QHighDpiScaling::setGlobalFactor(scale);
}

ScopedDesktopScale::~ScopedDesktopScale() {
    QHighDpiScaling::setGlobalFactor(1);
}

}  // namespace kit::testing
