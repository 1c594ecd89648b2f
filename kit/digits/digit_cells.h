#pragma once

#include <cstdint>
#include <vector>

namespace kit {

// Geometry of the NUMBERS strip: eleven 16 x 24 cells stacked vertically,
// showing 0, 9, 8, ... 1, 0 from the top.
inline constexpr int kDigitCellWidth = 16;
inline constexpr int kDigitCellHeight = 24;
inline constexpr int kDigitStripCells = 11;
inline constexpr int kDigitStripHeight = kDigitCellHeight * kDigitStripCells;

// Top pixel row in the strip of the cell that shows digit d (0 to 9).
constexpr int digitCellTop(int digit) {
    return (10 - digit) * kDigitCellHeight;
}

// The digit of each cell of a `digits`-wide counter, left to right, with
// leading zeros. A value of 10^digits or more shows its last `digits` digits;
// a negative value shows zeros. Every digit is 0 to 9.
std::vector<int> counterDigits(std::int64_t value, int digits);

// A counter's lowered frame: 16 x digits + 2 wide, 26 high.
constexpr int counterFrameWidth(int digits) {
    return kDigitCellWidth * digits + 2;
}
inline constexpr int kCounterFrameHeight = kDigitCellHeight + 2;

}  // namespace kit
