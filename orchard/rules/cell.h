#pragma once

#include <cstdint>

namespace orchard {

// What one cell of the well holds. The codes double as tile indices in the
// window's tile sets, so their values are fixed.
using Cell = std::int8_t;

inline constexpr Cell Empty = 0;
// Fruit kinds are 1 to 7, in tile-set order.
inline constexpr Cell Cherries = 1;
inline constexpr Cell Strawberry = 2;
inline constexpr Cell Watermelon = 3;
inline constexpr Cell YellowApple = 4;
inline constexpr Cell RedGrapes = 5;
inline constexpr Cell GreenGrapes = 6;
inline constexpr Cell GreenApple = 7;
inline constexpr Cell FirstKind = Cherries;
inline constexpr Cell LastKind = GreenApple;
inline constexpr int KindCount = LastKind - FirstKind + 1;
// The floor row, and every cell of the well while no game runs.
inline constexpr Cell Stone = 8;
// The three cells of a jocker block.
inline constexpr Cell Joker = 9;

inline constexpr bool IsFruit(Cell code) {
    return code >= FirstKind && code <= LastKind;
}

}  // namespace orchard
