#pragma once

#include "pillora/rules/cell.h"

namespace pillora {

// The two codes of a capsule in one orientation: the first and the second half.
struct Pair {
    Cell first = kEmpty;
    Cell second = kEmpty;
    friend bool operator==(const Pair&, const Pair&) = default;
};

// Capsules are numbered 1 to 25; capsule i has first colour (i − 1) div 5 and
// second colour (i − 1) mod 5, so every ordered pair of colours occurs once.
inline constexpr int kCapsuleCount = 25;

// Orientations 0 to 3 turn the capsule a quarter counter-clockwise each: the
// second half sits right of, above, left of and below the first half. A capsule
// always keeps its top-left cell; 0 and 2 lie, 1 and 3 stand.
inline constexpr int kOrientationCount = 4;
inline constexpr int kEntryOrientation = 3;  // first colour on top

constexpr bool IsLying(int orientation) {
    return orientation % 2 == 0;
}

// The codes of capsule `number` (1 to 25) in `orientation` (0 to 3).
constexpr Pair CapsuleCodes(int number, int orientation) {
    const int first = (number - 1) / 5 + 1;
    const int second = (number - 1) % 5 + 1;
    switch (orientation) {
        case 0:
            return {CodeOf(first, Kind::PartnerRight), CodeOf(second, Kind::PartnerLeft)};
        case 1:
            return {CodeOf(first, Kind::PartnerAbove), CodeOf(second, Kind::PartnerBelow)};
        case 2:
            return {CodeOf(first, Kind::PartnerLeft), CodeOf(second, Kind::PartnerRight)};
        default:
            return {CodeOf(first, Kind::PartnerBelow), CodeOf(second, Kind::PartnerAbove)};
    }
}

}  // namespace pillora
