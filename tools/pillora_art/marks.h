#pragma once

#include <QImage>

namespace pillora_art {

// Paints the mark of colour 0 to 4 centred on pixel (centreX, centreY) of the
// tile at (left, top): a white five-pixel glyph of the outline of that
// colour's virus (a spiky star, one eye, a dome on legs, a horned head, a
// diamond), so that capsule halves can be matched to viruses without seeing
// colours. Where the glyph borders on a light tone, in which white would fade,
// a rim of the colour's shadow tone sets it off.
void paintMark(QImage& image, int left, int top, int centreX, int centreY, int colour);

}  // namespace pillora_art
