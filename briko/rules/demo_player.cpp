#include "briko/rules/demo_player.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace briko {

namespace {

// The search plays on a compact copy of the well: one 32-bit mask per well
// column, bit r for row r (0 at the top). The floor is set below row 24, so a
// falling piece always finds something to rest on.
using ColumnBits = std::uint32_t;
constexpr ColumnBits kRowBits = (ColumnBits{1} << kWellRows) - 1;
constexpr ColumnBits kFloorBits = ~kRowBits;
constexpr ColumnBits kToppedOutRow = ColumnBits{1} << 2;
constexpr int kSurfacePenaltyRange = 6;
constexpr std::int32_t kSurfacePenalty = 100;
constexpr std::int32_t kToppedOutPenalty = 1000;

struct Well {
    ColumnBits columns[kWellColumns];
};

// One piece in one rotation, ready for the compact well.
struct Shape {
    ShapeMask mask;
    int firstX;  // box columns x from which the piece lies inside the well
    int lastX;
    int firstDx;
    int lastDx;
    int repeats;  // an earlier rotation with the same mask, or −1
    ColumnBits bits[5];
    std::uint8_t cellDx[5];
    std::uint8_t cellDy[5];
};

struct ShapeSet {
    Shape shapes[4 * kPieceCount];
};

ShapeSet MakeShapes() {
    ShapeSet set{};
    for (int entry = 0; entry < 4 * kPieceCount; ++entry) {
        Shape& shape = set.shapes[entry];
        shape.mask = ShapeTable[entry];
        shape.firstDx = 5;
        shape.lastDx = -1;
        shape.repeats = -1;
        int cell = 0;
        for (int dx = 0; dx < 5; ++dx) {
            for (int dy = 0; dy < 5; ++dy) {
                if ((shape.mask >> BoxBit(dx, dy) & 1) != 0) {
                    shape.bits[dx] |= ColumnBits{1} << dy;
                    shape.cellDx[cell] = static_cast<std::uint8_t>(dx);
                    shape.cellDy[cell] = static_cast<std::uint8_t>(dy);
                    ++cell;
                    shape.firstDx = dx < shape.firstDx ? dx : shape.firstDx;
                    shape.lastDx = dx;
                }
            }
        }
        shape.firstX = kWellLeft - shape.firstDx;
        shape.lastX = kWellRight - shape.lastDx;
        for (int earlier = entry - entry % 4; earlier < entry; ++earlier) {
            if (ShapeTable[earlier] == shape.mask) {
                shape.repeats = earlier % 4;
                break;
            }
        }
    }
    return set;
}

const ShapeSet& Shapes() {
    static const ShapeSet set = MakeShapes();
    return set;
}

Well ToWell(const Board& board) {
    Well well{};
    for (int c = 0; c < kWellColumns; ++c) {
        ColumnBits bits = kFloorBits;
        for (int r = 0; r < kWellRows; ++r) {
            if (board[CellIndex(kWellLeft + c, r)] != kEmpty) {
                bits |= ColumnBits{1} << r;
            }
        }
        well.columns[c] = bits;
    }
    return well;
}

bool FitsAtTop(const Well& well, const Shape& shape, int x) {
    if (x < shape.firstX || x > shape.lastX) {
        return false;
    }
    for (int dx = shape.firstDx; dx <= shape.lastDx; ++dx) {
        if ((shape.bits[dx] & well.columns[x + dx - kWellLeft]) != 0) {
            return false;
        }
    }
    return true;
}

// The piece falls from row 0 (where it fits) until a cell would meet a block.
int Drop(Well& well, const Shape& shape, int x) {
    int fall = 32;
    for (int i = 0; i < 5; ++i) {
        const ColumnBits below = well.columns[x + shape.cellDx[i] - kWellLeft] >> shape.cellDy[i];
        const int distance = std::countr_zero(below);
        fall = distance < fall ? distance : fall;
    }
    const int landing = fall - 1;
    for (int dx = shape.firstDx; dx <= shape.lastDx; ++dx) {
        well.columns[x + dx - kWellLeft] |= shape.bits[dx] << landing;
    }
    return landing;
}

struct Score {
    std::int32_t penalty;
    std::int32_t height;
};

// Removes the full rows of a copy of the well and measures what is left.
Score Evaluate(Well well) {
    ColumnBits full = kRowBits;
    for (ColumnBits column : well.columns) {
        full &= column;
    }
    // Row 0 is never tested itself, but a full row 0 comes down to row 1 as soon
    // as a row below goes, and goes too.
    const ColumnBits removed = (full & ~ColumnBits{1}) != 0 ? full : 0;
    const int rows = std::popcount(removed);
    for (ColumnBits left = removed; left != 0; left &= left - 1) {
        const ColumnBits above = (left & -left) - 1;
        for (ColumnBits& column : well.columns) {
            column = (column & above) << 1 | (column & ~(above << 1 | 1));
        }
    }

    std::int32_t holes = 0;
    ColumnBits any = 0;
    int lowest = kWellRows;
    int highest = 0;
    bool toppedOut = false;
    for (ColumnBits column : well.columns) {
        const ColumnBits cells = column & kRowBits;
        const int top = std::countr_zero(column);  // 25 for an empty column
        if (cells != 0) {
            holes += kWellRows - top - std::popcount(cells);
        }
        any |= cells;
        lowest = top < lowest ? top : lowest;
        highest = top > highest ? top : highest;
        toppedOut = toppedOut || (cells & kToppedOutRow) != 0;
    }
    Score score{holes, any != 0 ? kWellRows - std::countr_zero(any) : 0};
    if (highest - lowest > kSurfacePenaltyRange && rows == 0) {
        score.penalty += kSurfacePenalty;
    }
    if (toppedOut) {
        score.penalty += kToppedOutPenalty;
    }
    return score;
}

// Lower penalty, then lower height, then a deeper landing; the earlier wins a tie.
bool Better(const Score& score, int landing, const Score& best, int bestLanding) {
    if (score.penalty != best.penalty) {
        return score.penalty < best.penalty;
    }
    if (score.height != best.height) {
        return score.height < best.height;
    }
    return landing > bestLanding;
}

int ColumnHoles(ColumnBits column) {
    const ColumnBits cells = column & kRowBits;
    return cells != 0 ? kWellRows - std::countr_zero(column) - std::popcount(cells) : 0;
}

// The measures of a well summed over its leftmost and rightmost columns, so that
// a trial that changes only a few columns in between is measured from those alone.
struct Sides {
    ColumnBits andLeft[kWellColumns + 1];   // of columns 0 to i − 1
    ColumnBits andRight[kWellColumns + 1];  // of columns i to 11
    ColumnBits orLeft[kWellColumns + 1];
    ColumnBits orRight[kWellColumns + 1];
    int holesLeft[kWellColumns + 1];
    int holesRight[kWellColumns + 1];
    int lowestLeft[kWellColumns + 1];
    int lowestRight[kWellColumns + 1];
    int highestLeft[kWellColumns + 1];
    int highestRight[kWellColumns + 1];

    explicit Sides(const Well& well) {
        andLeft[0] = ~ColumnBits{0};
        orLeft[0] = 0;
        holesLeft[0] = 0;
        lowestLeft[0] = kWellRows;
        highestLeft[0] = 0;
        for (int c = 0; c < kWellColumns; ++c) {
            const ColumnBits column = well.columns[c];
            const int top = std::countr_zero(column);
            andLeft[c + 1] = andLeft[c] & column;
            orLeft[c + 1] = orLeft[c] | (column & kRowBits);
            holesLeft[c + 1] = holesLeft[c] + ColumnHoles(column);
            lowestLeft[c + 1] = std::min(lowestLeft[c], top);
            highestLeft[c + 1] = std::max(highestLeft[c], top);
        }
        andRight[kWellColumns] = ~ColumnBits{0};
        orRight[kWellColumns] = 0;
        holesRight[kWellColumns] = 0;
        lowestRight[kWellColumns] = kWellRows;
        highestRight[kWellColumns] = 0;
        for (int c = kWellColumns - 1; c >= 0; --c) {
            const ColumnBits column = well.columns[c];
            const int top = std::countr_zero(column);
            andRight[c] = andRight[c + 1] & column;
            orRight[c] = orRight[c + 1] | (column & kRowBits);
            holesRight[c] = holesRight[c + 1] + ColumnHoles(column);
            lowestRight[c] = std::min(lowestRight[c + 1], top);
            highestRight[c] = std::max(highestRight[c + 1], top);
        }
    }
};

// Drops shape at x onto a copy of the well and evaluates it, touching only the
// columns the piece lands in unless rows are removed.
Score EvaluateDrop(const Well& well, const Sides& sides, const Shape& shape, int x, int& landing) {
    int fall = 32;
    for (int i = 0; i < 5; ++i) {
        const ColumnBits below = well.columns[x + shape.cellDx[i] - kWellLeft] >> shape.cellDy[i];
        const int distance = std::countr_zero(below);
        fall = distance < fall ? distance : fall;
    }
    landing = fall - 1;
    const int first = x + shape.firstDx - kWellLeft;
    const int last = x + shape.lastDx - kWellLeft;
    ColumnBits changed[5];
    ColumnBits full = sides.andLeft[first] & sides.andRight[last + 1] & kRowBits;
    for (int c = first; c <= last; ++c) {
        changed[c - first] = well.columns[c] | shape.bits[c - first + shape.firstDx] << landing;
        full &= changed[c - first];
    }
    if ((full & ~ColumnBits{1}) != 0) {
        Well trial = well;
        for (int c = first; c <= last; ++c) {
            trial.columns[c] = changed[c - first];
        }
        return Evaluate(trial);
    }
    int holes = sides.holesLeft[first] + sides.holesRight[last + 1];
    ColumnBits any = sides.orLeft[first] | sides.orRight[last + 1];
    int lowest = std::min(sides.lowestLeft[first], sides.lowestRight[last + 1]);
    int highest = std::max(sides.highestLeft[first], sides.highestRight[last + 1]);
    for (int c = 0; c <= last - first; ++c) {
        const int top = std::countr_zero(changed[c]);
        holes += ColumnHoles(changed[c]);
        any |= changed[c] & kRowBits;
        lowest = std::min(lowest, top);
        highest = std::max(highest, top);
    }
    Score score{holes, any != 0 ? kWellRows - std::countr_zero(any) : 0};
    if (highest - lowest > kSurfacePenaltyRange) {
        score.penalty += kSurfacePenalty;
    }
    if ((any & kToppedOutRow) != 0) {
        score.penalty += kToppedOutPenalty;
    }
    return score;
}

// The best placement of the next piece on a well that holds the current one,
// dropped onto it. False when the next piece cannot enter at all.
bool Reply(Well& well, int piece) {
    const ShapeSet& shapes = Shapes();
    const Sides sides(well);
    const Shape* bestShape = nullptr;
    int bestX = 0;
    int bestLanding = 0;
    Score best{};
    const int mirror = MirrorPiece(piece);
    for (int chirality = 0; chirality < (mirror != piece ? 2 : 1); ++chirality) {
        const int p = chirality == 0 ? piece : mirror;
        for (int x = 0; x <= kWellRight; ++x) {
            for (int q = 0; q < 4; ++q) {
                const Shape& shape = shapes.shapes[4 * p + q];
                // A repeated rotation lands the same and loses the tie.
                if (shape.repeats >= 0 || !FitsAtTop(well, shape, x)) {
                    continue;
                }
                int landing = 0;
                const Score score = EvaluateDrop(well, sides, shape, x, landing);
                if (bestShape == nullptr || Better(score, landing, best, bestLanding)) {
                    bestShape = &shape;
                    bestX = x;
                    bestLanding = landing;
                    best = score;
                }
            }
        }
    }
    if (bestShape == nullptr) {
        return false;
    }
    Drop(well, *bestShape, bestX);
    return true;
}

void AddMoveCandidates(CandidateList& list, const Well& well, int piece, int nextPiece) {
    const ShapeSet& shapes = Shapes();
    for (int x = 0; x <= kWellRight; ++x) {
        // Where each rotation of this column went in the list, to copy repeats.
        int slot[4] = {-1, -1, -1, -1};
        for (int q = 0; q < 4; ++q) {
            const Shape& shape = shapes.shapes[4 * piece + q];
            if (!FitsAtTop(well, shape, x)) {
                continue;
            }
            slot[q] = list.Count;
            Candidate& candidate = list.Records[list.Count++];
            if (shape.repeats >= 0) {
                candidate = list.Records[slot[shape.repeats]];
                candidate.Rotation = q;
                continue;
            }
            Well trial = well;
            const int landing = Drop(trial, shape, x);
            const bool replied = Reply(trial, nextPiece);
            Score score = Evaluate(trial);
            if (!replied) {
                // The next piece could not enter: as good as topped out.
                score.penalty += kToppedOutPenalty;
            }
            candidate = Candidate{score.penalty, score.height, q, x, landing};
        }
    }
}

}  // namespace

std::optional<DemoMove> ChooseMove(DemoPlayer& player, const Board& board, int piece,
                                   int nextPiece) {
    player.NextPiece = nextPiece;
    CandidateList& list = player.MoveCandidates;
    list.Count = 0;
    const Well well = ToWell(board);
    AddMoveCandidates(list, well, piece, nextPiece);
    list.MirrorStart = list.Count;
    const int mirror = MirrorPiece(piece);
    if (mirror != piece) {
        AddMoveCandidates(list, well, mirror, nextPiece);
    }

    int best = -1;
    for (int i = 0; i < list.Count; ++i) {
        const Candidate& c = list.Records[i];
        if (best < 0 || Better(Score{c.Penalty, c.Height}, c.LandingRow,
                               Score{list.Records[best].Penalty, list.Records[best].Height},
                               list.Records[best].LandingRow)) {
            best = i;
        }
    }
    if (best < 0) {
        return std::nullopt;
    }
    const Candidate& chosen = list.Records[best];
    return DemoMove{best >= list.MirrorStart, chosen.LandingRow, chosen.Column, chosen.Rotation};
}

}  // namespace briko
