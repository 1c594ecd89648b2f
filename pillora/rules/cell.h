#pragma once

#include <cstdint>

namespace pillora {

// One byte of the bottle. A capsule half, a single, a virus or a flash tile of
// colour c (0 to 4) has a code c·8 + 1 to c·8 + 8; the code itself is also the
// tile's index in the tile strip, so the window draws a cell by its code alone.
using Cell = std::uint8_t;

inline constexpr Cell kEmpty = 0;
// Light grey: the bottle between games, the floor row and an empty preview.
inline constexpr Cell kIdle = 41;

inline constexpr int kColourCount = 5;

// The shape of a code: where its partner sits, or what else it is.
enum class Kind : int {
    VirusFrame2 = 0,   // also the kind of an empty cell; see IsVirus
    PartnerAbove = 1,  // lower half of an upright capsule
    PartnerRight = 2,  // left half of a lying capsule
    PartnerBelow = 3,  // upper half of an upright capsule
    PartnerLeft = 4,   // right half of a lying capsule
    Single = 5,        // a half whose partner is gone
    Destroyed = 6,     // only ever drawn during the removal flash
    VirusFrame1 = 7,
};

constexpr Kind KindOf(Cell code) {
    return static_cast<Kind>(code % 8);
}

// 0 for an empty cell, 1 to 5 for the colours, 6 for the idle code, which
// therefore never lines up with anything.
constexpr int ColourOf(Cell code) {
    return (code + 7) / 8;
}

constexpr bool IsVirus(Cell code) {
    return KindOf(code) == Kind::VirusFrame1 || (KindOf(code) == Kind::VirusFrame2 && code != 0);
}

// The code of colour number `colour` (1 to 5) in shape `kind`.
constexpr Cell CodeOf(int colour, Kind kind) {
    return static_cast<Cell>((colour - 1) * 8 + static_cast<int>(kind));
}

// Frame 1 of a virus of colour number `colour` (1 to 5); frame 2 is one more.
constexpr Cell VirusCode(int colour, int frame) {
    return static_cast<Cell>((colour - 1) * 8 + 7 + frame);
}

}  // namespace pillora
