#include "tools/pillora_art/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/pillora_art/painting.h"
#include "tools/pillora_art/palette.h"
#include "tools/pillora_art/tile_strip.h"

namespace pillora_art {
namespace {

QImage clearImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void drawJar(QPainter& painter) {
    const QRectF body(20, 34, 80, 88);
    QPainterPath glass;
    glass.addRoundedRect(body, 12, 12);
    drawShadow(painter, QPointF(62, 123), 92, 12);

    // What lies inside, seen through the glass.
    painter.save();
    painter.setClipPath(glass);
    painter.fillPath(glass, QColor(210, 232, 245, 120));
    struct Pill {
        qreal x, y, angle;
        int first, second;
    };
    const Pill pile[] = {
        {38, 112, 8, 0, 3},  {66, 113, -6, 1, 2}, {88, 110, 40, 4, 0}, {32, 100, -30, 2, 2},
        {55, 101, 15, 3, 1}, {80, 97, -12, 0, 4}, {42, 88, 35, 1, 1},  {66, 86, -40, 2, 0},
        {87, 82, 10, 3, 4},  {30, 76, 60, 4, 1},  {52, 74, -8, 0, 2},  {74, 70, 25, 1, 3},
        {40, 62, -18, 3, 0}, {62, 58, 5, 4, 4},   {84, 60, -55, 2, 1},
    };
    for (const Pill& pill : pile)
        drawCapsule(painter, QPointF(pill.x, pill.y), 26, 10, pill.angle, pillColour(pill.first),
                    pillColour(pill.second));
    painter.restore();

    // The glass over them: a tint, a shine down the left side and the outline.
    QLinearGradient tint(body.left(), 0, body.right(), 0);
    tint.setColorAt(0.0, QColor(255, 255, 255, 90));
    tint.setColorAt(0.18, QColor(255, 255, 255, 150));
    tint.setColorAt(0.3, QColor(255, 255, 255, 20));
    tint.setColorAt(0.85, QColor(255, 255, 255, 10));
    tint.setColorAt(1.0, QColor(120, 150, 170, 80));
    painter.fillPath(glass, tint);
    painter.setPen(QPen(QColor(70, 100, 120), 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(glass);

    // The label: a white band with a green cross.
    const QRectF label(26, 40, 68, 16);
    painter.setPen(QPen(QColor(120, 120, 110), 0.8));
    painter.setBrush(QColor(250, 250, 240));
    painter.drawRoundedRect(label, 2, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 150, 70));
    painter.drawRect(QRectF(57, 42, 6, 12));
    painter.drawRect(QRectF(54, 45, 12, 6));

    // Neck and lid.
    painter.setPen(QPen(QColor(70, 100, 120), 1.2));
    painter.setBrush(QColor(225, 238, 246, 200));
    painter.drawRect(QRectF(30, 28, 60, 7));
    QLinearGradient lid(0, 8, 0, 30);
    lid.setColorAt(0.0, QColor(230, 70, 70));
    lid.setColorAt(0.5, QColor(170, 20, 20));
    lid.setColorAt(1.0, QColor(100, 0, 0));
    painter.setPen(QPen(QColor(70, 0, 0), 1.0));
    painter.setBrush(lid);
    painter.drawRoundedRect(QRectF(26, 8, 68, 21), 4, 4);
    painter.setPen(QPen(QColor(90, 0, 0, 150), 1.0));
    for (int x = 31; x < 92; x += 5)
        painter.drawLine(QPointF(x, 12), QPointF(x, 26));
    painter.setPen(QPen(QColor(255, 200, 200, 150), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(30, 11), QPointF(90, 11));
}

void drawSpill(QPainter& painter) {
    drawShadow(painter, QPointF(22, 140), 34, 8);
    drawShadow(painter, QPointF(92, 142), 40, 8);
    drawShadow(painter, QPointF(58, 144), 18, 5);
    drawCapsule(painter, QPointF(22, 136), 30, 12, -18, pillColour(0), pillColour(1));
    drawCapsule(painter, QPointF(92, 137), 32, 12, 12, pillColour(3), pillColour(4));
    drawCapsule(painter, QPointF(104, 126), 26, 10, -60, pillColour(2), pillColour(0));
    drawTablet(painter, QPointF(58, 140), 8, 0);
    drawTablet(painter, QPointF(8, 124), 6, 0);
}

}  // namespace

QImage pillsPicture() {
    QImage image = clearImage(120, 150);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawJar(painter);
    drawSpill(painter);
    return image;
}

QImage microbePicture() {
    QImage image = clearImage(45, 105);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(8, 8, 29, 80);
    QPainterPath shape;
    shape.addRoundedRect(body, 14.5, 14.5);

    // The whip of a tail, then a fringe of short hairs all round.
    QPainterPath tail(QPointF(22.5, 86));
    tail.cubicTo(QPointF(10, 94), QPointF(34, 98), QPointF(20, 104));
    painter.setPen(QPen(QColor(20, 110, 60), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(tail);
    painter.setPen(QPen(QColor(40, 140, 80), 1.2, Qt::SolidLine, Qt::RoundCap));
    const qreal perimeter = 2 * (body.height() - body.width()) + std::numbers::pi * body.width();
    for (qreal along = 0; along < perimeter; along += 6.5) {
        const QPointF at = shape.pointAtPercent(along / perimeter);
        // Outwards is away from the nearest point of the rod's axis.
        const QPointF axis(body.center().x(), std::clamp(at.y(), body.top() + body.width() / 2,
                                                         body.bottom() - body.width() / 2));
        const QPointF away = at - axis;
        const qreal length = std::hypot(away.x(), away.y());
        if (length > 0)
            painter.drawLine(at, at + away * (4.5 / length));
    }

    QLinearGradient skin(body.left(), 0, body.right(), 0);
    skin.setColorAt(0.0, QColor(150, 230, 150));
    skin.setColorAt(0.45, QColor(70, 190, 100));
    skin.setColorAt(1.0, QColor(20, 110, 60));
    painter.setPen(QPen(QColor(10, 80, 40), 1.2));
    painter.setBrush(skin);
    painter.drawPath(shape);

    // Inside: a nucleus and a few grains.
    painter.setPen(QPen(QColor(80, 30, 110), 0.8));
    painter.setBrush(QColor(170, 90, 200, 200));
    painter.drawEllipse(QRectF(15, 50, 14, 20));
    painter.setBrush(QColor(120, 50, 160));
    painter.drawEllipse(QRectF(19, 56, 5, 6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 255, 200, 200));
    for (const QPointF grain :
         {QPointF(14, 42), QPointF(29, 46), QPointF(13, 76), QPointF(30, 78), QPointF(22, 82)})
        painter.drawEllipse(grain, 1.6, 1.6);

    // A face near the top, looking at the sliders.
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(10, 60, 30), 0.8));
    painter.drawEllipse(QPointF(17, 24), 4.2, 5);
    painter.drawEllipse(QPointF(28, 24), 4.2, 5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(19, 25), 2, 2.4);
    painter.drawEllipse(QPointF(30, 25), 2, 2.4);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(19.7, 24), 0.7, 0.7);
    painter.drawEllipse(QPointF(30.7, 24), 0.7, 0.7);
    painter.setPen(QPen(QColor(10, 60, 30), 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(17, 29, 11, 8), 200 * 16, 140 * 16);
    // The shine of its skin.
    painter.setPen(QPen(QColor(255, 255, 255, 120), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(12, 20), QPointF(12, 70));
    return image;
}

QImage programIcon(int size) {
    QImage image = clearImage(size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    drawCapsule(painter, QPointF(30, 30), 58, 22, -45, pillColour(0).lighter(150),
                pillColour(1).lighter(130));
    if (size >= 32) {
        // A little virus at the capsule's foot.
        painter.setPen(QPen(QColor(0, 90, 0), 2.2, Qt::SolidLine, Qt::RoundCap));
        const QPointF centre(49, 49);
        for (int spike = 0; spike < 8; ++spike) {
            const qreal angle = spike * std::numbers::pi / 4;
            const QPointF dir(std::cos(angle), std::sin(angle));
            painter.drawLine(centre + dir * 9, centre + dir * 13.5);
        }
        QRadialGradient skin(centre - QPointF(3, 3), 12);
        skin.setColorAt(0.0, QColor(120, 240, 120));
        skin.setColorAt(1.0, QColor(0, 120, 0));
        painter.setBrush(skin);
        painter.setPen(QPen(QColor(0, 70, 0), 1.2));
        painter.drawEllipse(centre, 10, 10);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(centre + QPointF(-3.5, -2), 2.6, 3);
        painter.drawEllipse(centre + QPointF(3.5, -2), 2.6, 3);
        painter.setBrush(Qt::black);
        painter.drawEllipse(centre + QPointF(-3, -1.5), 1.3, 1.6);
        painter.drawEllipse(centre + QPointF(4, -1.5), 1.3, 1.6);
        painter.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(centre.x() - 4, centre.y(), 8, 5), 200 * 16, 140 * 16);
    }
    return image;
}

QImage virusGallery() {
    constexpr int kGap = 8;
    const QImage strip = tileStrip().convertToFormat(QImage::Format_RGB32);
    const auto tile = [&strip](int code) {
        return strip.copy(0, code * 16, 16, 16).scaled(32, 32);
    };
    QImage gallery(5 * 32 + 4 * kGap, 3 * 32 + kGap, QImage::Format_RGB32);
    gallery.fill(Qt::black);
    QPainter painter(&gallery);
    // Each virus over an upright capsule of its colour, so that the help shows
    // which mark goes with which virus.
    for (int colour = 0; colour < 5; ++colour) {
        const int x = colour * (32 + kGap), first = colour * 8;
        painter.drawImage(QPoint(x, 0), tile(first + 7));
        painter.drawImage(QPoint(x, 32 + kGap), tile(first + 3));
        painter.drawImage(QPoint(x, 64 + kGap), tile(first + 1));
    }
    return gallery;
}

}  // namespace pillora_art
