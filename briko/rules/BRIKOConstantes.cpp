#include "briko/rules/BRIKOConstantes.h"

#include <algorithm>
#include <cstdint>

namespace briko {

namespace {

// The box cells of row dy = 4 (bits 4, 9, 14, 19, 24).
constexpr ShapeMask kBottomBoxRow = 0x1084210;

bool InBoard(int column, int row) {
    return column >= 0 && column < kBoardColumns && row >= kTopRow && row <= kBottomRow;
}

bool IsOccupied(const Board& board, int column, int row) {
    return !InBoard(column, row) || board[CellIndex(column, row)] != kEmpty;
}

bool RowIsFull(const Board& board, int row) {
    for (int c = kWellLeft; c <= kWellRight; ++c) {
        if (board[CellIndex(c, row)] == kEmpty) {
            return false;
        }
    }
    return true;
}

// First occupied row of a well column from the top; 25 (the floor) when empty.
int ColumnTop(const Board& board, int column) {
    int row = 0;
    while (row < kWellRows && board[CellIndex(column, row)] == kEmpty) {
        ++row;
    }
    return row;
}

}  // namespace

void ClearBoard(Board& board, std::uint8_t fill) {
    board.fill(kWall);
    for (int c = kWellLeft; c <= kWellRight; ++c) {
        for (int r = kTopRow; r < kWellRows; ++r) {
            board[CellIndex(c, r)] = fill;
        }
    }
}

void AddStartingRows(Board& board, int count, kit::RandomSource& random) {
    if (count < 1 || count > kWellRows) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        const int row = kWellRows - 1 - i;
        for (int c = kWellLeft; c <= kWellRight; ++c) {
            board[CellIndex(c, row)] = static_cast<std::uint8_t>(random.Random(7) + 1);
        }
        for (int hole = 0; hole < 4; ++hole) {
            board[CellIndex(kWellLeft + random.Random(kWellColumns), row)] = kEmpty;
        }
    }
}

ShapeMask ShapeMaskAt(const Board& board, int x, int y) {
    ShapeMask mask = 0;
    for (int dx = 0; dx < 5; ++dx) {
        for (int dy = 0; dy < 5; ++dy) {
            if (IsOccupied(board, x + dx, y + dy)) {
                mask |= 1u << BoxBit(dx, dy);
            }
        }
    }
    return mask;
}

void PlaceShape(Board& board, int x, int y, ShapeMask mask, std::uint8_t value) {
    for (int dx = 0; dx < 5; ++dx) {
        for (int dy = 0; dy < 5; ++dy) {
            if ((mask >> BoxBit(dx, dy) & 1) != 0 && InBoard(x + dx, y + dy)) {
                board[CellIndex(x + dx, y + dy)] = value;
            }
        }
    }
}

int DropShape(Board& board, ShapeMask mask, int x) {
    int y = 0;
    while (ShapeFits(board, x, y, mask)) {
        ++y;
    }
    PlaceShape(board, x, y - 1, mask, 1);
    return y - 1;
}

int RemoveFullRows(Board& board) {
    int count = 0;
    int row = kWellRows - 1;
    while (row >= 1) {
        if (!RowIsFull(board, row)) {
            --row;
            continue;
        }
        ++count;
        for (int c = kWellLeft; c <= kWellRight; ++c) {
            for (int r = row; r >= 1; --r) {
                board[CellIndex(c, r)] = board[CellIndex(c, r - 1)];
            }
            // Nothing moves into row 0: the hidden margin above stays where it is.
            board[CellIndex(c, 0)] = kEmpty;
        }
    }
    return count;
}

bool IsToppedOut(const Board& board) {
    for (int c = kWellLeft; c <= kWellRight; ++c) {
        if (board[CellIndex(c, 2)] != kEmpty) {
            return true;
        }
    }
    return false;
}

int CountHoles(const Board& board) {
    int holes = 0;
    for (int c = kWellLeft; c <= kWellRight; ++c) {
        for (int r = ColumnTop(board, c) + 1; r < kWellRows; ++r) {
            if (board[CellIndex(c, r)] == kEmpty) {
                ++holes;
            }
        }
    }
    return holes;
}

int StackHeight(const Board& board) {
    for (int r = 0; r < kWellRows; ++r) {
        for (int c = kWellLeft; c <= kWellRight; ++c) {
            if (board[CellIndex(c, r)] != kEmpty) {
                return kWellRows - r;
            }
        }
    }
    return 0;
}

int SurfaceRange(const Board& board) {
    int lowest = kWellRows;
    int highest = 0;
    for (int c = kWellLeft; c <= kWellRight; ++c) {
        const int top = ColumnTop(board, c);
        lowest = std::min(lowest, top);
        highest = std::max(highest, top);
    }
    return highest - lowest;
}

int MirrorPiece(int piece) {
    if (piece >= 1 && piece <= 6) {
        return piece + 6;
    }
    if (piece >= 7 && piece <= 12) {
        return piece - 6;
    }
    return piece;
}

ShapeMask ShiftMaskRight(ShapeMask mask) {
    return (mask << 5) & kBoxMask;
}

ShapeMask ShiftMaskLeft(ShapeMask mask) {
    return (mask & kBoxMask) >> 5;
}

ShapeMask ShiftMaskDown(ShapeMask mask) {
    return ((mask & ~kBottomBoxRow) << 1) & kBoxMask;
}

int PieceNeighbourCode(int design, ShapeMask mask, int dx, int dy) {
    if (design != 0) {
        return 0;
    }
    const auto inMask = [mask](int x, int y) {
        return x >= 0 && x < 5 && y >= 0 && y < 5 && (mask >> BoxBit(x, y) & 1) != 0;
    };
    return (inMask(dx, dy - 1) ? 1 : 0) | (inMask(dx - 1, dy) ? 2 : 0) |
           (inMask(dx, dy + 1) ? 4 : 0) | (inMask(dx + 1, dy) ? 8 : 0);
}

int CellNeighbourCode(int design, const Board& board, int column, int row) {
    if (design != 0 || !InBoard(column, row)) {
        return 0;
    }
    const std::uint8_t value = board[CellIndex(column, row)];
    if (value == kWall) {
        return 0;
    }
    const auto same = [&](int c, int r) {
        return InBoard(c, r) && board[CellIndex(c, r)] == value;
    };
    return (same(column, row - 1) ? 1 : 0) | (same(column - 1, row) ? 2 : 0) |
           (same(column, row + 1) ? 4 : 0) | (same(column + 1, row) ? 8 : 0);
}

int ColourIndex(std::uint8_t value) {
    if (value == kWall) {
        return 8;
    }
    if (value <= 7) {
        return value;
    }
    return value % 7 + 1;
}

int RandomPiece(kit::RandomSource& random) {
    const int r = random.Random(12);
    return r == 11 ? 0 : r + 7;
}

int StartSpeedReduction(int base, int level) {
    const long long reduction = static_cast<long long>(base / 10) * level;
    return static_cast<int>(std::clamp<long long>(reduction, 0, std::max(base, 0)));
}

int SpeedReductionAfter(int reduction, int base, int rowsBefore, int rowsAfter) {
    if (rowsBefore / 10 == rowsAfter / 10) {
        return reduction;
    }
    return std::min(reduction + base / 10, std::max(base, reduction));
}

int FallInterval(int base, int reduction) {
    return std::max(base - reduction, 0);
}

}  // namespace briko
