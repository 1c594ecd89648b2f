#pragma once

#include <array>

#include "orchard/rules/cell.h"

namespace orchard {

// Three cells one above the other: the falling column and the next column.
// Index 0 is the top, 1 the middle, 2 the bottom.
using Column = std::array<Cell, 3>;

inline constexpr int Top = 0;
inline constexpr int Middle = 1;
inline constexpr int Bottom = 2;

inline constexpr Column StoneColumn{Stone, Stone, Stone};
inline constexpr Column JokerColumn{Joker, Joker, Joker};

}  // namespace orchard
