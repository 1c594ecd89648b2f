#include "briko/rules/tests/board_text.h"

#include <stdexcept>

namespace briko::testing {

Board BoardFromRows(std::initializer_list<std::string_view> rows) {
    Board board;
    ClearBoard(board, kEmpty);
    int row = kWellRows - static_cast<int>(rows.size());
    for (std::string_view text : rows) {
        if (text.size() != kWellColumns) {
            throw std::invalid_argument("a well row has 12 cells");
        }
        for (int c = 0; c < kWellColumns; ++c) {
            const char cell = text[c];
            std::uint8_t value = kEmpty;
            if (cell == '#') {
                value = 1;
            } else if (cell >= '1' && cell <= '9') {
                value = static_cast<std::uint8_t>(cell - '0');
            }
            board[CellIndex(kWellLeft + c, row)] = value;
        }
        ++row;
    }
    return board;
}

std::string RowsOf(const Board& board, int firstRow) {
    std::string text;
    for (int r = firstRow; r < kWellRows; ++r) {
        for (int c = kWellLeft; c <= kWellRight; ++c) {
            const std::uint8_t value = board[CellIndex(c, r)];
            text += value == kEmpty ? '.' : value <= 9 && value > 1 ? char('0' + value) : '#';
        }
        text += '\n';
    }
    return text;
}

}  // namespace briko::testing
