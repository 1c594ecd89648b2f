#include "tools/pillora_art/palette.h"

namespace pillora_art {

QList<QRgb> standardPalette() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

Ramp rampOf(int colour) {
    switch (colour) {
        case 0:
            return {DarkRed, DarkRed, Red, White};
        case 1:
            return {DarkCyan, DarkCyan, Cyan, White};
        case 2:
            return {Olive, Olive, Yellow, White};
        case 3:
            return {DarkGreen, DarkGreen, Green, White};
        default:
            return {DarkMagenta, Magenta, Magenta, White};
    }
}

QImage paletteImage(int width, int height) {
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(standardPalette());
    image.fill(Black);
    return image;
}

}  // namespace pillora_art
