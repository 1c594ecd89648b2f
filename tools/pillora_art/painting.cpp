#include "tools/pillora_art/painting.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace pillora_art {

QColor pillColour(int colour) {
    switch (colour) {
        case 0:
            return QColor(128, 0, 0);
        case 1:
            return QColor(0, 128, 128);
        case 2:
            return QColor(128, 128, 0);
        case 3:
            return QColor(0, 128, 0);
        default:
            return QColor(255, 0, 255);
    }
}

void drawCapsule(QPainter& painter, QPointF centre, qreal length, qreal width, qreal angle,
                 const QColor& first, const QColor& second) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    const QRectF whole(-length / 2, -width / 2, length, width);
    QPainterPath outline;
    outline.addRoundedRect(whole, width / 2, width / 2);
    // Each half is shaded across the capsule: bright on top, deep below.
    const QColor colours[2] = {first, second};
    for (int half = 0; half < 2; ++half) {
        painter.save();
        painter.setClipRect(half == 0 ? QRectF(-length, -width, length, 2 * width)
                                      : QRectF(0, -width, length, 2 * width));
        QLinearGradient shade(0, -width / 2, 0, width / 2);
        shade.setColorAt(0.0, colours[half].lighter(190));
        shade.setColorAt(0.35, colours[half].lighter(120));
        shade.setColorAt(1.0, colours[half].darker(170));
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade);
        painter.drawPath(outline);
        painter.restore();
    }
    // The seam where the halves fit into each other, and the shine along the top.
    painter.setPen(QPen(QColor(0, 0, 0, 70), width / 12));
    painter.drawLine(QPointF(0, -width / 2 + 0.5), QPointF(0, width / 2 - 0.5));
    painter.setPen(QPen(QColor(255, 255, 255, 170), width / 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-length / 2 + width / 2, -width / 4),
                     QPointF(length / 2 - width / 2, -width / 4));
    painter.setPen(QPen(QColor(0, 0, 0, 110), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.restore();
}

void drawTablet(QPainter& painter, QPointF centre, qreal radius, qreal angle) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    // The rim first, a little lower, then the face on top of it.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(170, 170, 160));
    painter.drawEllipse(QRectF(-radius, -radius * 0.55 + radius * 0.18, 2 * radius, radius * 1.1));
    QRadialGradient face(QPointF(-radius * 0.3, -radius * 0.3), radius * 1.4);
    face.setColorAt(0.0, QColor(255, 255, 255));
    face.setColorAt(1.0, QColor(215, 215, 205));
    painter.setBrush(face);
    painter.setPen(QPen(QColor(0, 0, 0, 90), 0.7));
    painter.drawEllipse(QRectF(-radius, -radius * 0.55, 2 * radius, radius * 1.1));
    painter.setPen(QPen(QColor(150, 150, 140), 0.9));
    painter.drawLine(QPointF(-radius * 0.7, 0), QPointF(radius * 0.7, 0));
    painter.restore();
}

void drawShadow(QPainter& painter, QPointF centre, qreal width, qreal height) {
    painter.save();
    QRadialGradient gradient(centre, width / 2);
    gradient.setColorAt(0.0, QColor(0, 0, 0, 90));
    gradient.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.translate(centre);
    painter.scale(1.0, height / width);
    painter.translate(-centre);
    painter.drawEllipse(centre, width / 2, width / 2);
    painter.restore();
}

}  // namespace pillora_art
