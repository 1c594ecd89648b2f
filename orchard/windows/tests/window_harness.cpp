#include "orchard/windows/tests/window_harness.h"

#include <QApplication>
#include <QPixmap>
#include <QTest>

#include "orchard/windows/well_geometry.h"

namespace orchard::testing {

OrchardWindows::OrchardWindows(kit::RandomSource* random)
    : main(random), best(&main), options(&main), about(&main) {
    main.SetWindows({&best, &options, &about});
    main.SetSettlePause(0);
}

void OrchardWindows::ShowActive() {
    main.show();
    main.activateWindow();
    QApplication::setActiveWindow(&main);
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&main);
    main.setFocus();
}

QWidget& OrchardWindows::ClientArea() const {
    return *main.Form().ClientArea;
}

QPoint OrchardWindows::Frame(const char* name) const {
    return main.findChild<QWidget*>(QString::fromLatin1(name))->geometry().topLeft();
}

QImage OrchardWindows::Grab() const {
    return ClientArea().grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Tile(const QString& tileSet, int code) {
    return QPixmap(tileSet)
        .toImage()
        .copy(tileSourceRect(code))
        .convertToFormat(QImage::Format_RGB32);
}

bool ShowsTile(const QImage& picture, const QPoint& topLeft, const QImage& tile) {
    return picture.copy(QRect(topLeft, tile.size())) == tile;
}

}  // namespace orchard::testing
