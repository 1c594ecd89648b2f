#pragma once

#include <QPixmap>
#include <QRect>

#include <cstdint>

#include "kit/digits/digit_cells.h"
#include "kit/program/program.h"

class QPainter;

namespace kit {

// The program's NUMBERS strip: 16 x 264, its glyphs in the program's colour
// (Orchard yellow, Briko white, Pillora green) on black. Each window that draws
// counters loads its own copy when it is created.
QPixmap loadNumbersStrip(Program program);

// Draws a counter: the lowered one-pixel frame at `frame`'s top-left corner
// (16 x digits + 2 by 26; the size of `frame` is not used) and `digits` cells
// of `numbers` one pixel inside it, zero-padded. Values out of range are shown
// as counterDigits() says. Each cell is one plain copy from the strip.
void DrawCounter(QPainter& painter, const QPixmap& numbers, const QRect& frame, std::int64_t value,
                 int digits);

}  // namespace kit
