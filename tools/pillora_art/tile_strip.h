#pragma once

#include <QImage>

namespace pillora_art {

// The game's tile strip: 43 tiles of 16 x 16 stacked from the top, the tile of
// cell code k at y = 16 k, in the sixteen standard colours:
//   0             the empty bottle (black)
//   8 c + 1 .. 4  capsule halves of colour c whose partner is above, right,
//                 below, left (the open side faces the partner)
//   8 c + 5       a single pill
//   8 c + 6       a half being destroyed: a ring with a cross
//   8 c + 7, + 8  the two poses of colour c's virus
//   41            the idle tile (light grey); 42 is unused and black
QImage tileStrip();

}  // namespace pillora_art
