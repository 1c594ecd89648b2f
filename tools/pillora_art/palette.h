#pragma once

#include <QColor>
#include <QImage>
#include <QList>

namespace pillora_art {

// The sixteen colours of the tile strip, in the order of the standard
// sixteen-colour palette, so that the strip stays a 16-colour bitmap.
enum Ink : int {
    Black,
    DarkRed,
    DarkGreen,
    Olive,
    DarkBlue,
    DarkMagenta,
    DarkCyan,
    LightGrey,
    DarkGrey,
    Red,
    Green,
    Yellow,
    Blue,
    Magenta,
    Cyan,
    White,
};

QList<QRgb> standardPalette();

// The tones one pill colour is shaded with: `base` is the colour the game
// names (dark red, dark cyan, olive, green, magenta), the others give it depth.
struct Ramp {
    Ink shadow;
    Ink base;
    Ink light;
    Ink shine;
};

// The ramp of pill colour 0 to 4.
Ramp rampOf(int colour);

// A 16-colour image of the given size, cleared to black.
QImage paletteImage(int width, int height);

}  // namespace pillora_art
