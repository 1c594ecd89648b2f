#pragma once

#include <array>
#include <cstdint>

#include "orchard/rules/board.h"
#include "orchard/rules/cell.h"

namespace orchard {

// The four directions in which like fruits form a line.
enum class Direction { Down, Right, DownRight, UpRight };

// True when the n cells from (column, row) along `direction` all hold `kind`.
bool CheckAligned(const Board& board, Direction direction, int n, Cell kind, int column, int row);

// The cells that one elimination pass clears. A cell found by several lines,
// or by a line and the jocker block, is in the set once.
class CellSet {
  public:
    void Mark(int column, int row);
    bool IsMarked(int column, int row) const;
    bool IsEmpty() const { return count_ == 0; }
    int Count() const { return count_; }

  private:
    std::array<std::array<bool, Board::Rows>, Board::Columns> marked_{};
    int count_ = 0;
};

// What the line search of one pass found on an unchanged board.
struct LineSearch {
    bool found = false;
    // Points of every line found; the caller adds them to the 16-bit score.
    std::uint32_t points = 0;
};

// Finds every line of at least n like fruits in the four directions, marks
// its cells in `marks` and scores it: each start position from which n like
// fruits follow counts on its own, with (run length from there - n + 1) units
// of 25 (down), 15 (right) or 35 (diagonal) points.
LineSearch SearchLines(const Board& board, int n, CellSet& marks);

}  // namespace orchard
