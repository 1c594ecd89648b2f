#pragma once

#include <QColor>
#include <QImage>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace briko_art {

// The block colours of the game: index 0 is the empty cell, 1 to 7 the seven
// piece colours, 8 the wall. Each colour is shaded with white and its dark twin.
struct Shade {
    QColor bright;
    QColor dark;
};
const Shade& shade(int colour);

// Mixes two colours; t = 0 gives a, t = 1 gives b.
QColor mix(const QColor& a, const QColor& b, double t);

// Join sides of an aggregated block, as the game codes them.
enum Join { JoinTop = 1, JoinLeft = 2, JoinBottom = 4, JoinRight = 8 };

// The five block designs, in the order the options window lists them.
enum class Design { Aggregated = 0, Concave = 1, Pyramidal = 2, Flat = 3, Convex = 4 };

// Draws one block of `size` pixels with its top-left corner at (x, y). For the
// aggregated design, `joins` names the sides that merge into the neighbour.
void drawBlock(QImage& image, int x, int y, int size, Design design, int colour, int joins = 0);

// A little picture made of blocks: rows of characters, '.' or ' ' empty and any
// other character one block. Cells with the same character join in the
// aggregated design; `colourOf` gives each character its colour (by default a
// digit 1 to 8 is its own colour).
using ColourOf = std::function<int(char)>;
void drawBlockPicture(QImage& image, int x, int y, int size, Design design,
                      const std::vector<std::string>& rows, const ColourOf& colourOf = {});

}  // namespace briko_art
