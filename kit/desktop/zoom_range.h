#pragma once

namespace kit {

// The whole-number zoom of a program's windows, 1x to 4x.
inline constexpr int kSmallestZoom = 1;
inline constexpr int kLargestZoom = 4;

// A stored zoom counts as chosen from 1 to 4; anything else (a missing key, 0,
// a hand-edited 7) has not been chosen yet.
constexpr bool isChosenZoom(int zoom) {
    return zoom >= kSmallestZoom && zoom <= kLargestZoom;
}

}  // namespace kit
