#include "orchard/rules/alignment.h"

namespace orchard {
namespace {

struct Step {
    int dc;
    int dr;
};

Step StepOf(Direction direction) {
    switch (direction) {
        case Direction::Down:
            return {0, 1};
        case Direction::Right:
            return {1, 0};
        case Direction::DownRight:
            return {1, 1};
        case Direction::UpRight:
            return {1, -1};
    }
    return {0, 1};
}

int PointsOf(Direction direction) {
    switch (direction) {
        case Direction::Down:
            return 25;
        case Direction::Right:
            return 15;
        case Direction::DownRight:
        case Direction::UpRight:
            return 35;
    }
    return 0;
}

struct Range {
    int first;
    int last;
    int step;
};

// Start rows of each direction: every line lies within rows 0 to 24 at its
// start, though an up-right run may walk on into the rows above the well.
Range StartRows(Direction direction, int n) {
    switch (direction) {
        case Direction::Down:
        case Direction::DownRight:
            return {0, Board::FloorRow + 1 - n, 1};
        case Direction::Right:
            return {0, Board::FloorRow, 1};
        case Direction::UpRight:
            return {Board::FloorRow, n - 1, -1};
    }
    return {0, -1, 1};
}

int LastStartColumn(Direction direction, int n) {
    return direction == Direction::Down ? Board::Columns - 1 : Board::Columns - n;
}

}  // namespace

bool CheckAligned(const Board& board, Direction direction, int n, Cell kind, int column, int row) {
    const Step step = StepOf(direction);
    for (int i = 0; i < n; ++i) {
        if (board.At(column + i * step.dc, row + i * step.dr) != kind) {
            return false;
        }
    }
    return true;
}

void CellSet::Mark(int column, int row) {
    if (!Board::Contains(column, row)) {
        return;
    }
    bool& cell = marked_[column][row - Board::TopRow];
    if (!cell) {
        cell = true;
        ++count_;
    }
}

bool CellSet::IsMarked(int column, int row) const {
    return Board::Contains(column, row) && marked_[column][row - Board::TopRow];
}

LineSearch SearchLines(const Board& board, int n, CellSet& marks) {
    LineSearch result;
    constexpr Direction directions[] = {Direction::Down, Direction::Right, Direction::DownRight,
                                        Direction::UpRight};
    // Only the kind in the start cell can start a line there, so each start
    // is checked once instead of once per kind.
    for (Direction direction : directions) {
        const Step step = StepOf(direction);
        const Range rows = StartRows(direction, n);
        for (int c = 0; c <= LastStartColumn(direction, n); ++c) {
            for (int r = rows.first; rows.step > 0 ? r <= rows.last : r >= rows.last;
                 r += rows.step) {
                const Cell kind = board.At(c, r);
                if (!IsFruit(kind) || !CheckAligned(board, direction, n, kind, c, r)) {
                    continue;
                }
                // Out-of-grid probes read as Stone, so the walk stops at every edge.
                int length = n;
                while (board.At(c + length * step.dc, r + length * step.dr) == kind) {
                    ++length;
                }
                for (int i = 0; i < length; ++i) {
                    marks.Mark(c + i * step.dc, r + i * step.dr);
                }
                result.found = true;
                result.points += static_cast<std::uint32_t>((length - n + 1) * PointsOf(direction));
            }
        }
    }
    return result;
}

}  // namespace orchard
