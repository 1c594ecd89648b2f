#include "tools/orchard_art/fruit_painter.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace orchard_art {
namespace {

QColor outlineOf(QColor colour) {
    return colour.darker(260);
}

QPointF polar(QPointF centre, double radius, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::cos(a), radius * std::sin(a));
}

void paintStem(QPainter& p, QPointF from, QPointF to, double width) {
    p.save();
    p.setPen(QPen(QColor(95, 60, 25), width, Qt::SolidLine, Qt::RoundCap));
    QPainterPath stem(from);
    stem.quadTo(QPointF(from.x(), (from.y() + to.y()) / 2), to);
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    p.restore();
}

// The apple's outline: two overlapping lobes with a dip at the top.
QPainterPath appleShape(QPointF c, double r) {
    QPainterPath path;
    path.moveTo(c.x(), c.y() - r * 0.62);
    path.cubicTo(c.x() + r * 0.35, c.y() - r * 1.02, c.x() + r * 1.08, c.y() - r * 0.88,
                 c.x() + r * 1.0, c.y() - r * 0.05);
    path.cubicTo(c.x() + r * 0.96, c.y() + r * 0.62, c.x() + r * 0.55, c.y() + r * 1.02,
                 c.x() + r * 0.22, c.y() + r * 0.95);
    path.quadTo(c.x(), c.y() + r * 0.88, c.x() - r * 0.22, c.y() + r * 0.95);
    path.cubicTo(c.x() - r * 0.55, c.y() + r * 1.02, c.x() - r * 0.96, c.y() + r * 0.62,
                 c.x() - r * 1.0, c.y() - r * 0.05);
    path.cubicTo(c.x() - r * 1.08, c.y() - r * 0.88, c.x() - r * 0.35, c.y() - r * 1.02, c.x(),
                 c.y() - r * 0.62);
    path.closeSubpath();
    return path;
}

void paintHighlight(QPainter& p, QPointF centre, double radius) {
    p.save();
    QRadialGradient glow(centre, radius);
    glow.setColorAt(0, QColor(255, 255, 255, 220));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

}  // namespace

QBrush roundShading(QPointF centre, double radius, QColor colour) {
    QRadialGradient g(centre + QPointF(-radius * 0.35, -radius * 0.4), radius * 1.35);
    g.setColorAt(0.0, colour.lighter(150));
    g.setColorAt(0.45, colour);
    g.setColorAt(1.0, colour.darker(190));
    return g;
}

void paintLeaf(QPainter& p, QPointF base, double length, double angleDegrees, QColor colour) {
    p.save();
    p.translate(base);
    p.rotate(angleDegrees);
    QPainterPath leaf(QPointF(0, 0));
    leaf.quadTo(QPointF(length * 0.5, -length * 0.42), QPointF(length, 0));
    leaf.quadTo(QPointF(length * 0.5, length * 0.42), QPointF(0, 0));
    QLinearGradient g(QPointF(0, -length * 0.3), QPointF(0, length * 0.3));
    g.setColorAt(0, colour.lighter(135));
    g.setColorAt(1, colour.darker(140));
    p.setPen(QPen(colour.darker(220), std::max(0.6, length / 14)));
    p.setBrush(g);
    p.drawPath(leaf);
    if (length > 8) {
        p.setPen(QPen(colour.darker(170), length / 20));
        p.drawLine(QPointF(length * 0.1, 0), QPointF(length * 0.85, 0));
    }
    p.restore();
}

void paintApple(QPainter& p, QPointF c, double r, QColor colour, bool leaf) {
    p.save();
    const QPainterPath body = appleShape(c, r);
    p.setPen(QPen(outlineOf(colour), std::max(0.8, r / 9)));
    p.setBrush(roundShading(c, r, colour));
    p.drawPath(body);
    paintHighlight(p, c + QPointF(-r * 0.42, -r * 0.3), r * 0.32);
    paintStem(p, c + QPointF(0, -r * 0.55), c + QPointF(r * 0.18, -r * 1.2), std::max(1.0, r / 6));
    if (leaf)
        paintLeaf(p, c + QPointF(r * 0.12, -r * 0.95), r * 0.9, -28);
    p.restore();
}

void paintBittenApple(QPainter& p, QPointF c, double r, QColor colour) {
    p.save();
    const QPointF biteCentre = c + QPointF(r * 1.05, r * 0.05);
    const double biteRadius = r * 0.5;
    QPainterPath bite;
    bite.addEllipse(biteCentre, biteRadius, biteRadius * 1.05);
    const QPainterPath body = appleShape(c, r).subtracted(bite);
    p.setPen(QPen(outlineOf(colour), std::max(0.8, r / 9)));
    p.setBrush(roundShading(c, r, colour));
    p.drawPath(body);
    // The flesh shows as a pale crescent along the bite.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 244, 200));
    QPainterPath inner;
    inner.addEllipse(biteCentre, biteRadius + r * 0.2, biteRadius * 1.05 + r * 0.2);
    p.drawPath(appleShape(c, r * 0.97).intersected(inner).subtracted(bite));
    paintHighlight(p, c + QPointF(-r * 0.42, -r * 0.3), r * 0.32);
    paintStem(p, c + QPointF(0, -r * 0.55), c + QPointF(-r * 0.1, -r * 1.2), std::max(1.0, r / 6));
    p.restore();
}

void paintCherries(QPainter& p, QPointF c, double r) {
    p.save();
    const QColor red(215, 20, 35);
    const double cr = r * 0.46;
    const QPointF left = c + QPointF(-r * 0.48, r * 0.5);
    const QPointF right = c + QPointF(r * 0.5, r * 0.56);
    const QPointF joint = c + QPointF(r * 0.12, -r * 0.9);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 130, 30), std::max(1.0, r / 8), Qt::SolidLine, Qt::RoundCap));
    QPainterPath stems(left + QPointF(0, -cr * 0.8));
    stems.quadTo(c + QPointF(-r * 0.35, -r * 0.3), joint);
    stems.moveTo(right + QPointF(0, -cr * 0.8));
    stems.quadTo(c + QPointF(r * 0.45, -r * 0.2), joint);
    p.drawPath(stems);
    paintLeaf(p, joint, r * 0.85, -15);
    for (const QPointF& centre : {left, right}) {
        p.setPen(QPen(outlineOf(red), std::max(0.7, r / 12)));
        p.setBrush(roundShading(centre, cr, red));
        p.drawEllipse(centre, cr, cr);
        paintHighlight(p, centre + QPointF(-cr * 0.38, -cr * 0.38), cr * 0.38);
    }
    p.restore();
}

void paintStrawberry(QPainter& p, QPointF c, double r) {
    p.save();
    const QColor red(230, 30, 45);
    QPainterPath body;
    body.moveTo(c.x(), c.y() + r);
    body.cubicTo(c.x() - r * 0.5, c.y() + r * 0.7, c.x() - r * 1.0, c.y() + r * 0.1,
                 c.x() - r * 0.92, c.y() - r * 0.45);
    body.cubicTo(c.x() - r * 0.85, c.y() - r * 0.8, c.x() - r * 0.3, c.y() - r * 0.75, c.x(),
                 c.y() - r * 0.62);
    body.cubicTo(c.x() + r * 0.3, c.y() - r * 0.75, c.x() + r * 0.85, c.y() - r * 0.8,
                 c.x() + r * 0.92, c.y() - r * 0.45);
    body.cubicTo(c.x() + r * 1.0, c.y() + r * 0.1, c.x() + r * 0.5, c.y() + r * 0.7, c.x(),
                 c.y() + r);
    p.setPen(QPen(outlineOf(red), std::max(0.8, r / 10)));
    p.setBrush(roundShading(c + QPointF(0, -r * 0.1), r, red));
    p.drawPath(body);
    // Seeds in staggered rows.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 235, 110));
    const double seed = std::max(0.55, r / 11);
    for (int row = 0; row < 4; ++row) {
        const double y = c.y() - r * 0.3 + row * r * 0.34;
        const double half = r * (0.72 - row * 0.17);
        const int count = 3 - row / 2 + (row % 2 == 0 ? 0 : -1) + 1;
        for (int i = 0; i < count; ++i) {
            const double x = count == 1 ? c.x() : c.x() - half + 2 * half * i / (count - 1);
            p.drawEllipse(QPointF(x, y), seed, seed * 1.3);
        }
    }
    // The green calyx: five pointed leaves around the stem.
    const QColor green(40, 150, 40);
    const QPointF top = c + QPointF(0, -r * 0.62);
    QPainterPath calyx;
    for (int i = 0; i < 5; ++i) {
        const double angle = 200 + i * 35;
        calyx.moveTo(top);
        calyx.lineTo(polar(top, r * 0.22, angle - 14));
        calyx.lineTo(polar(top, r * 0.62, angle));
        calyx.lineTo(polar(top, r * 0.22, angle + 14));
        calyx.closeSubpath();
    }
    p.setPen(QPen(green.darker(200), std::max(0.5, r / 16)));
    p.setBrush(green);
    p.drawPath(calyx);
    paintStem(p, top, top + QPointF(r * 0.1, -r * 0.38), std::max(1.0, r / 7));
    p.restore();
}

void paintWatermelonSlice(QPainter& p, QPointF c, double r) {
    p.save();
    // Flat side up, a little above the centre so the slice sits in its square.
    const QPointF o = c + QPointF(0, -r * 0.45);
    auto halfDisc = [&](double radius) {
        QPainterPath path(o + QPointF(-radius, 0));
        path.arcTo(QRectF(o.x() - radius, o.y() - radius, 2 * radius, 2 * radius), 180, 180);
        path.closeSubpath();
        return path;
    };
    p.setPen(QPen(QColor(20, 80, 20), std::max(0.8, r / 10)));
    p.setBrush(QColor(40, 140, 40));
    p.drawPath(halfDisc(r));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 245, 190));
    p.drawPath(halfDisc(r * 0.84));
    QRadialGradient flesh(o, r * 0.75);
    flesh.setColorAt(0, QColor(255, 90, 90));
    flesh.setColorAt(1, QColor(225, 25, 45));
    p.setBrush(flesh);
    p.drawPath(halfDisc(r * 0.72));
    p.setBrush(QColor(30, 20, 20));
    const double seed = std::max(0.6, r / 10);
    for (double angle : {35.0, 70.0, 110.0, 145.0})
        p.drawEllipse(polar(o, r * 0.42, angle), seed, seed * 1.35);
    if (r > 5)
        p.drawEllipse(polar(o, r * 0.18, 90), seed, seed * 1.35);
    p.restore();
}

void paintGrapes(QPainter& p, QPointF c, double r, QColor colour, int rows, double berryScale) {
    p.save();
    const double berry = r * berryScale;
    const double step = berry * 1.75;
    const double top = c.y() - r * 0.55;
    paintStem(p, QPointF(c.x(), top), QPointF(c.x() + r * 0.2, top - r * 0.5),
              std::max(1.0, r / 7));
    p.setPen(QPen(outlineOf(colour), std::max(0.6, r / 14)));
    for (int row = 0; row < rows; ++row) {
        const int count = rows - row;
        const double y = top + berry * 0.9 + row * step * 0.86;
        for (int i = 0; i < count; ++i) {
            const QPointF centre(c.x() + (i - (count - 1) / 2.0) * step, y);
            p.setBrush(roundShading(centre, berry, colour));
            p.drawEllipse(centre, berry, berry);
            paintHighlight(p, centre + QPointF(-berry * 0.35, -berry * 0.38), berry * 0.4);
        }
    }
    p.restore();
}

void paintPear(QPainter& p, QPointF c, double r, QColor colour) {
    p.save();
    QPainterPath body;
    body.moveTo(c.x(), c.y() - r);
    body.cubicTo(c.x() + r * 0.35, c.y() - r, c.x() + r * 0.35, c.y() - r * 0.3, c.x() + r * 0.62,
                 c.y() + r * 0.1);
    body.cubicTo(c.x() + r * 0.95, c.y() + r * 0.55, c.x() + r * 0.7, c.y() + r, c.x(), c.y() + r);
    body.cubicTo(c.x() - r * 0.7, c.y() + r, c.x() - r * 0.95, c.y() + r * 0.55, c.x() - r * 0.62,
                 c.y() + r * 0.1);
    body.cubicTo(c.x() - r * 0.35, c.y() - r * 0.3, c.x() - r * 0.35, c.y() - r, c.x(), c.y() - r);
    p.setPen(QPen(outlineOf(colour), std::max(0.8, r / 10)));
    p.setBrush(roundShading(c + QPointF(0, r * 0.35), r * 0.9, colour));
    p.drawPath(body);
    paintHighlight(p, c + QPointF(-r * 0.3, r * 0.2), r * 0.25);
    paintStem(p, c + QPointF(0, -r * 0.95), c + QPointF(r * 0.15, -r * 1.25), std::max(1.0, r / 8));
    p.restore();
}

void paintStar(QPainter& p, QPointF c, double r, QColor colour) {
    p.save();
    QPolygonF star;
    for (int i = 0; i < 10; ++i)
        star << polar(c, i % 2 == 0 ? r : r * 0.45, -90 + i * 36);
    p.setPen(
        QPen(colour.darker(250), std::max(0.8, r / 9), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QRadialGradient g(c + QPointF(-r * 0.2, -r * 0.3), r * 1.1);
    g.setColorAt(0, QColor(255, 200, 180));
    g.setColorAt(0.35, colour);
    g.setColorAt(1, colour.darker(160));
    p.setBrush(g);
    p.drawPolygon(star);
    p.restore();
}

}  // namespace orchard_art
