#include "orchard/rules/tests/board_text.h"

#include <stdexcept>
#include <vector>

namespace orchard::testing {
namespace {

Cell CellOf(char c) {
    switch (c) {
        case '.':
            return Empty;
        case '#':
            return Stone;
        case '*':
            return Joker;
        default:
            if (c >= '1' && c <= '7') {
                return static_cast<Cell>(c - '0');
            }
            throw std::invalid_argument(std::string("unknown cell character ") + c);
    }
}

char CharOf(Cell code) {
    if (code == Empty) {
        return '.';
    }
    if (code == Stone) {
        return '#';
    }
    if (code == Joker) {
        return '*';
    }
    return static_cast<char>('0' + code);
}

}  // namespace

Board WellFromText(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const auto line = text.substr(0, end);
        if (!line.empty()) {
            lines.push_back(line);
        }
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    Board board;
    board.FillRows(Board::TopRow, Board::FloorRow - 1, Empty);
    int row = Board::FloorRow - static_cast<int>(lines.size());
    if (row < Board::TopRow) {
        throw std::invalid_argument("more rows than the well holds");
    }
    for (const auto line : lines) {
        if (line.size() != Board::Columns) {
            throw std::invalid_argument("a row needs one character per column");
        }
        for (int c = 0; c < Board::Columns; ++c) {
            board.Set(c, row, CellOf(line[c]));
        }
        ++row;
    }
    return board;
}

std::string WellText(const Board& board, int fromRow) {
    std::string text;
    for (int r = fromRow; r < Board::FloorRow; ++r) {
        for (int c = 0; c < Board::Columns; ++c) {
            text += CharOf(board.At(c, r));
        }
        text += '\n';
    }
    return text;
}

}  // namespace orchard::testing
