#include "kit/digits/digit_cells.h"

namespace kit {

std::vector<int> counterDigits(std::int64_t value, int digits) {
    std::vector<int> cells(digits > 0 ? static_cast<std::size_t>(digits) : 0u, 0);
    if (value < 0)
        return cells;
    for (auto cell = cells.rbegin(); cell != cells.rend(); ++cell) {
        *cell = static_cast<int>(value % 10);
        value /= 10;
    }
    return cells;
}

}  // namespace kit
