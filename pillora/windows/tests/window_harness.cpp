#include "pillora/windows/tests/window_harness.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace pillora::testing {

PilloraWindows::PilloraWindows(kit::RandomSource* random) : main(random) {
    main.SetWindows({&options, &best});
    main.Settings().delay = 1001;
}

void PilloraWindows::ShowActive() {
    main.show();
    QApplication::setActiveWindow(&main);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
}

QImage PilloraWindows::Grab() const {
    return main.Form().ClientArea->grab().toImage();
}

QImage TileImage(Cell code) {
    static const QImage strip =
        QImage(QStringLiteral(":/pillora/Pillora.png")).convertToFormat(QImage::Format_RGB32);
    return strip.copy(0, 16 * code, 16, 16);
}

bool ShowsTile(const QImage& image, const QRect& place, Cell code) {
    return image.copy(place).convertToFormat(QImage::Format_RGB32) == TileImage(code);
}

}  // namespace pillora::testing
