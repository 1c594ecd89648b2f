#include "pillora/windows/tests/window_harness.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace pillora::testing {

int ScriptedRandom::Random(int range) {
    if (draws_.empty())
        return 0;
    const int draw = draws_.front();
    draws_.pop_front();
    return draw % range;
}

QImage Tile(Cell code) {
    static const QImage strip =
        QImage(QStringLiteral(":/pillora/Pillora.png")).convertToFormat(QImage::Format_RGB32);
    return strip.copy(0, 16 * code, 16, 16);
}

bool ShowsTile(const QImage& image, const QRect& place, Cell code) {
    return image.copy(place).convertToFormat(QImage::Format_RGB32) == Tile(code);
}

}  // namespace pillora::testing
