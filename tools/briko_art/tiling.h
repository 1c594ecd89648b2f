#pragma once

#include <string>
#include <vector>

namespace briko_art {

// The twelve pentominoes packed into a rectangle of 60 cells (12 × 5, 10 × 6,
// 15 × 4 or 20 × 3), found by a small search: rows of characters 'a' to 'l',
// one letter per piece. The pictures use it for a well filled to the brim.
std::vector<std::string> pentominoRectangle(int columns, int rows);

}  // namespace briko_art
