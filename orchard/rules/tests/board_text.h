#pragma once

#include <string>
#include <string_view>

#include "orchard/rules/board.h"

namespace orchard::testing {

// Wells written as pictures, one line per row and one character per cell:
// '.' Empty, '1' to '7' the fruit kinds, '#' Stone, '*' Joker.
//
// The lines are the lowest rows of the well: the last line is row 23, just
// above the floor. Every row above them is Empty, the floor is Stone.
Board WellFromText(std::string_view text);

// The rows fromRow to 23 as lines ending in '\n', in the format above.
std::string WellText(const Board& board, int fromRow);

}  // namespace orchard::testing
