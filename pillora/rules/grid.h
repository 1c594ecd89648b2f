#pragma once

#include "pillora/rules/cell.h"

#include <array>

namespace pillora {

// The bottle's byte grid: columns −2 to 7 and rows −2 to 24, column-major.
// Columns 0 to 7, rows 0 to 23 are the playing field; rows −2 and −1 are where a
// new capsule enters; row 24 is the floor, which keeps the idle code so that a
// half on the bottom row finds something under it. Reads outside the grid give
// the idle code (a wall) and writes there are dropped, so a look at a
// neighbour never needs its own bounds test.
class Grid {
  public:
    static constexpr int kFirstColumn = -2;
    static constexpr int kLastColumn = 7;
    static constexpr int kFirstRow = -2;
    static constexpr int kFloorRow = 24;
    static constexpr int kColumns = 8;  // of the playing field, from column 0
    static constexpr int kRows = 24;    // of the playing field, from row 0
    static constexpr int kColumnBytes = kFloorRow - kFirstRow + 1;  // 27

    static constexpr bool Contains(int column, int row) {
        return column >= kFirstColumn && column <= kLastColumn && row >= kFirstRow &&
               row <= kFloorRow;
    }

    Cell At(int column, int row) const {
        return Contains(column, row) ? cells_[Index(column, row)] : kIdle;
    }
    void Set(int column, int row, Cell code) {
        if (Contains(column, row)) {
            cells_[Index(column, row)] = code;
        }
    }
    bool IsEmpty(int column, int row) const { return At(column, row) == kEmpty; }

  private:
    static constexpr int Index(int column, int row) {
        return kColumnBytes * (column - kFirstColumn) + (row - kFirstRow);
    }

    std::array<Cell, kColumnBytes*(kLastColumn - kFirstColumn + 1)> cells_{};
};

}  // namespace pillora
