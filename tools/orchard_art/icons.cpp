#include "tools/orchard_art/art.h"
#include "tools/orchard_art/fruit_painter.h"

#include <QPainter>

namespace orchard_art {
namespace {

QImage blankIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    return icon;
}

// The sixteen colours of the classic display palette.
QList<QRgb> sixteenColours() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

}  // namespace

QImage mainIcon(int size) {
    QImage icon = blankIcon(size);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    const double r = size * 0.36;
    paintApple(p, QPointF(size * 0.48, size * 0.6), r, QColor(210, 25, 30), true);
    return icon;
}

QImage cherryIcon() {
    QImage icon = blankIcon(32);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    paintCherries(p, QPointF(15.5, 16.5), 14.5);
    return icon;
}

QImage pearIcon() {
    QImage icon = blankIcon(32);
    {
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing, false);
        paintPear(p, QPointF(15, 17.5), 12.5, QColor(200, 200, 40));
        paintLeaf(p, QPointF(17, 5), 10, -30, QColor(0, 150, 0));
    }
    // Keep transparency apart from the colour reduction: a pixel is either see-through or
    // one of the sixteen colours.
    QImage alpha = icon.convertToFormat(QImage::Format_ARGB32);
    QImage reduced = alpha.convertToFormat(QImage::Format_RGB32)
                         .convertToFormat(QImage::Format_Indexed8, sixteenColours(),
                                          Qt::ThresholdDither | Qt::AvoidDither);
    QImage result(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            result.setPixel(
                x, y, qAlpha(alpha.pixel(x, y)) < 128 ? qRgba(0, 0, 0, 0) : reduced.pixel(x, y));
    return result;
}

}  // namespace orchard_art
