#pragma once

#include <QImage>

namespace orchard_art {

// Each picture of Orchard, painted at its final size.

// Ten 16 x 16 tiles stacked top to bottom, the tile of cell code k at y = 16k.
QImage orchardTiles();  // fruit drawings
QImage defaultTiles();  // plain coloured squares

QImage titlePicture();    // 126 x 158: a basket of apples
QImage optionsPicture();  // 128 x 130: fruit on plates
QImage aboutPicture();    // 300 x 225: a painting of fruit with a title line

QImage mainIcon(int size);  // a red apple
QImage cherryIcon();        // 32 x 32, full colour
QImage pearIcon();          // 32 x 32, reduced to sixteen colours

}  // namespace orchard_art
