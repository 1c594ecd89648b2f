#pragma once

#include <array>

#include "orchard/rules/cell.h"

namespace orchard {

// The well: 8 columns by 28 rows, row -3 at the top to the floor row 24 at the
// bottom. Rows -3 to -1 lie above the visible well, where a new column starts.
// Every probe outside the stored grid reads as occupied, so the rules can look
// past any edge without checking bounds first; writes outside are ignored.
class Board {
  public:
    static constexpr int Columns = 8;
    static constexpr int TopRow = -3;
    static constexpr int FloorRow = 24;
    static constexpr int Rows = FloorRow - TopRow + 1;

    // A new board holds Stone everywhere, like the well while no game runs.
    Board();

    static bool Contains(int column, int row) {
        return column >= 0 && column < Columns && row >= TopRow && row <= FloorRow;
    }

    // Stone for a cell outside the grid.
    Cell At(int column, int row) const;
    bool IsEmpty(int column, int row) const { return At(column, row) == Empty; }
    void Set(int column, int row, Cell code);

    // Sets rows fromRow to toRow (inclusive) of every column to code.
    void FillRows(int fromRow, int toRow, Cell code);

    bool operator==(const Board&) const = default;

  private:
    std::array<std::array<Cell, Rows>, Columns> cells_;
};

}  // namespace orchard
