#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace pillora_art {

// The five pill colours of the game, as smooth pictures show them.
QColor pillColour(int colour);

// A two-coloured capsule lying along `angle` degrees (0 points right), centred
// on `centre`; `first` colours the half towards the angle's back end.
void drawCapsule(QPainter& painter, QPointF centre, qreal length, qreal width, qreal angle,
                 const QColor& first, const QColor& second);

// A round white tablet with a score line, seen from above at an angle.
void drawTablet(QPainter& painter, QPointF centre, qreal radius, qreal angle);

// A soft shadow on the ground under an object.
void drawShadow(QPainter& painter, QPointF centre, qreal width, qreal height);

}  // namespace pillora_art
