#pragma once

#include <QImage>

#include "tools/pillora_art/palette.h"

namespace pillora_art {

// A rounded body seen from the front: a disc swept along a straight axis.
// Pixels are shaded as if the body were a cylinder with round ends lit from the
// upper left, then snapped to the four tones of a ramp.
struct RoundBody {
    double ax, ay;  // one end of the axis
    double bx, by;  // the other end
    double radius;
};

// Paints `body` into `image` at (left, top); pixels outside the image or
// outside `clip` (in image coordinates) are left alone.
void paintBody(QImage& image, int left, int top, const RoundBody& body, const Ramp& ramp,
               const QRect& clip);

}  // namespace pillora_art
