#include "tools/orchard_art/art.h"
#include "tools/orchard_art/fruit_painter.h"

#include <QPainter>

#include <functional>

namespace orchard_art {
namespace {

constexpr int kTile = 16;
constexpr int kTiles = 10;

// Paints every tile through `paint`, each clipped to its own square.
QImage tileStrip(const std::function<void(QPainter&, int)>& paint) {
    QImage strip(kTile, kTile * kTiles, QImage::Format_RGB32);
    strip.fill(Qt::black);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    for (int code = 0; code < kTiles; ++code) {
        p.save();
        p.setClipRect(0, code * kTile, kTile, kTile);
        p.translate(0, code * kTile);
        paint(p, code);
        p.restore();
    }
    return strip;
}

// A square of one colour with a light upper-left and a dark lower-right edge.
void paintBevelledSquare(QPainter& p, QColor colour) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(0, 0, kTile, kTile, colour);
    p.fillRect(0, 0, kTile, 1, colour.lighter(160));
    p.fillRect(0, 0, 1, kTile, colour.lighter(160));
    p.fillRect(1, 1, kTile - 2, 1, colour.lighter(125));
    p.fillRect(1, 1, 1, kTile - 2, colour.lighter(125));
    p.fillRect(0, kTile - 1, kTile, 1, colour.darker(220));
    p.fillRect(kTile - 1, 0, 1, kTile, colour.darker(220));
    p.fillRect(1, kTile - 2, kTile - 2, 1, colour.darker(150));
    p.fillRect(kTile - 2, 1, 1, kTile - 2, colour.darker(150));
}

// The grey filler: a bevelled block with a few darker flecks, clearly not a fruit.
void paintStone(QPainter& p, QColor colour) {
    paintBevelledSquare(p, colour);
    const QColor fleck = colour.darker(125);
    const QColor shine = colour.lighter(112);
    for (auto [x, y] : {std::pair{4, 4}, {9, 3}, {12, 7}, {6, 9}, {3, 12}, {10, 12}, {8, 6}})
        p.fillRect(x, y, 1, 1, fleck);
    for (auto [x, y] : {std::pair{5, 4}, {10, 3}, {7, 9}, {4, 12}, {11, 12}})
        p.fillRect(x, y, 1, 1, shine);
}

}  // namespace

QImage orchardTiles() {
    return tileStrip([](QPainter& p, int code) {
        const QPointF c(8, 8);
        switch (code) {
            case 1:
                paintCherries(p, QPointF(7.8, 8.2), 7.2);
                break;
            case 2:
                paintStrawberry(p, QPointF(8, 8.6), 7.0);
                break;
            case 3:
                paintWatermelonSlice(p, QPointF(8, 7.9), 7.8);
                break;
            case 4:
                paintApple(p, QPointF(7.8, 9.3), 6.2, QColor(245, 210, 30));
                break;
            case 5:
                paintGrapes(p, QPointF(8, 7.2), 7.0, QColor(150, 20, 60), 4, 0.25);
                break;
            case 6:
                paintGrapes(p, QPointF(8, 7.0), 7.0, QColor(120, 200, 60), 3, 0.34);
                break;
            case 7:
                paintBittenApple(p, QPointF(7.0, 9.3), 6.2, QColor(90, 200, 40));
                break;
            case 8:
                paintStone(p, QColor(150, 150, 150));
                break;
            case 9:
                paintStar(p, c + QPointF(0, 0.6), 7.4, QColor(230, 20, 30));
                break;
            default:
                break;  // 0 stays black
        }
    });
}

QImage defaultTiles() {
    static const QColor colours[] = {
        Qt::black,           QColor(220, 30, 30),  QColor(40, 190, 40),  QColor(235, 220, 30),
        QColor(40, 70, 220), QColor(210, 40, 210), QColor(40, 200, 210), QColor(175, 175, 175),
    };
    return tileStrip([](QPainter& p, int code) {
        if (code >= 1 && code <= 7)
            paintBevelledSquare(p, colours[code]);
        else if (code == 8)
            paintStone(p, QColor(110, 110, 110));
        else if (code == 9)
            paintStar(p, QPointF(8, 8.6), 7.4, QColor(230, 20, 30));
    });
}

}  // namespace orchard_art
