#pragma once

#include <QImage>

namespace pillora_art {

// Paints the virus of colour 0 to 4 in pose 0 or 1 into the 16 x 16 tile whose
// top-left corner is at (left, top). Each colour has a body and a face of its
// own, so that viruses can be told apart without seeing colours:
//   0 spiky ball with a frown, 1 one-eyed blob with antennae, 2 jelly with
//   legs, 3 horned grinner, 4 sleepy diamond with a zigzag mouth.
void paintVirus(QImage& image, int left, int top, int colour, int pose);

}  // namespace pillora_art
