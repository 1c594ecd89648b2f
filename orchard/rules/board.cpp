#include "orchard/rules/board.h"

namespace orchard {

Board::Board() {
    for (auto& column : cells_) {
        column.fill(Stone);
    }
}

Cell Board::At(int column, int row) const {
    return Contains(column, row) ? cells_[column][row - TopRow] : Stone;
}

void Board::Set(int column, int row, Cell code) {
    if (Contains(column, row)) {
        cells_[column][row - TopRow] = code;
    }
}

void Board::FillRows(int fromRow, int toRow, Cell code) {
    for (int c = 0; c < Columns; ++c) {
        for (int r = fromRow; r <= toRow; ++r) {
            Set(c, r, code);
        }
    }
}

}  // namespace orchard
