#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace orchard_art {

// Fruits drawn as vector shapes around a centre and a radius, so that the same
// cherry or apple serves a 16-pixel tile and a still-life picture alike. Every
// function leaves the painter's state as it found it.

// A round fruit shaded as if lit from the upper left.
QBrush roundShading(QPointF centre, double radius, QColor colour);

void paintApple(QPainter& p, QPointF centre, double radius, QColor colour, bool leaf = true);
// An apple with a bite out of its right side, showing the flesh.
void paintBittenApple(QPainter& p, QPointF centre, double radius, QColor colour);
void paintCherries(QPainter& p, QPointF centre, double radius);
void paintStrawberry(QPainter& p, QPointF centre, double radius);
// A half-round slice, flat side up: rind, pale band, red flesh and seeds.
void paintWatermelonSlice(QPainter& p, QPointF centre, double radius);
// A bunch of grapes; `rows` rows of berries, widest at the top.
void paintGrapes(QPainter& p, QPointF centre, double radius, QColor colour, int rows,
                 double berryScale);
void paintPear(QPainter& p, QPointF centre, double radius, QColor colour);
void paintLeaf(QPainter& p, QPointF base, double length, double angleDegrees,
               QColor colour = QColor(60, 150, 40));
void paintStar(QPainter& p, QPointF centre, double radius, QColor colour);

}  // namespace orchard_art
