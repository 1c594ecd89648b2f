// The resolve of a landing: lines of like colours are found, scored, flashed and
// removed, and what they held up falls, until the bottle is still.
#include "pillora/rules/bottle.h"

namespace pillora {

namespace {

// Points for each window of AlignCount cells found in a run, by direction.
constexpr int kVerticalBonus = 25;
constexpr int kHorizontalBonus = 15;
constexpr int kDiagonalBonus = 35;

// The lowest row a piece can fall into; the floor is below it.
constexpr int kBottomRow = Grid::kRows - 1;

}  // namespace

void Bottle::Resolve() {
    view_.StopFallTimer();
    bool again = true;
    while (again) {
        again = SearchPass();
        if (singlesSlide_ && SlideSingles()) {
            again = true;
        }
    }
    view_.ShowViruses(CountViruses());
    view_.StartFallTimer(FallInterval());
}

bool Bottle::SearchPass() {
    removals_.clear();
    SearchDirection(0, 1, kVerticalBonus);
    SearchDirection(1, 0, kHorizontalBonus);
    SearchDirection(1, 1, kDiagonalBonus);
    SearchDirection(1, -1, kDiagonalBonus);
    if (removals_.empty()) {
        return false;
    }
    view_.PlayEffect(Effect::Removed);
    for (const Tile& tile : removals_) {
        Show(tile.column, tile.row, tile.code);
    }
    view_.AnimationPause();
    for (const Tile& tile : removals_) {
        SetAndShow(tile.column, tile.row, kEmpty);
    }
    view_.AnimationPause();
    Settle(false);
    return true;
}

// Every window of AlignCount cells in direction (dc, dr) that starts in the
// field, one colour after the other. Vertical windows go column by column,
// the others row by row; rising diagonals start from the bottom row.
void Bottle::SearchDirection(int dc, int dr, int bonus) {
    const int n = alignCount_;
    const int lastStartColumn = Grid::kColumns - 1 - (n - 1) * dc;
    const int floor = Grid::kFloorRow;
    for (int colour = 1; colour <= kColourCount; ++colour) {
        const auto window = [&](int column, int row) {
            for (int i = 0; i < n; ++i) {
                if (ColourOf(grid_.At(column + i * dc, row + i * dr)) != colour) {
                    return;
                }
            }
            TakeRun(column, row, dc, dr, colour, bonus);
        };
        if (dc == 0) {
            for (int column = 0; column < Grid::kColumns; ++column) {
                for (int row = 0; row <= floor + 1 - n; ++row) {
                    window(column, row);
                }
            }
        } else if (dr >= 0) {
            const int lastStartRow = dr == 0 ? floor : floor + 1 - n;
            for (int row = 0; row <= lastStartRow; ++row) {
                for (int column = 0; column <= lastStartColumn; ++column) {
                    window(column, row);
                }
            }
        } else {
            for (int row = floor; row >= n - 1; --row) {
                for (int column = 0; column <= lastStartColumn; ++column) {
                    window(column, row);
                }
            }
        }
    }
}

// A window matched: the run goes on from its start for as long as the colour
// holds, up to the edge of the grid. Marking keeps the colour, so each window
// inside a longer run is found again from its own start and scores again.
void Bottle::TakeRun(int column, int row, int dc, int dr, int colour, int bonus) {
    int length = 0;
    while (ColourOf(grid_.At(column + length * dc, row + length * dr)) == colour) {
        ++length;
    }
    for (int i = 0; i < length; ++i) {
        Mark(column + i * dc, row + i * dr);
    }
    score_ = static_cast<std::uint16_t>(score_ + (length - alignCount_ + 1) * bonus);
    const Cell flash = CodeOf(colour, Kind::Destroyed);
    for (int i = 0; i < length; ++i) {
        removals_.push_back({column + i * dc, row + i * dr, flash});
    }
}

// A cell about to go becomes a single, and so does its partner, which stays.
void Bottle::Mark(int column, int row) {
    const Cell code = grid_.At(column, row);
    const auto releasePartner = [&](int pc, int pr, Kind expected) {
        const Cell partner = grid_.At(pc, pr);
        if (KindOf(partner) == expected && partner != kIdle) {
            SetAndShow(pc, pr, CodeOf(ColourOf(partner), Kind::Single));
        }
    };
    switch (KindOf(code)) {
        case Kind::PartnerAbove:
            releasePartner(column, row - 1, Kind::PartnerBelow);
            break;
        case Kind::PartnerRight:
            releasePartner(column + 1, row, Kind::PartnerLeft);
            break;
        case Kind::PartnerBelow:
            releasePartner(column, row + 1, Kind::PartnerAbove);
            break;
        case Kind::PartnerLeft:
            releasePartner(column - 1, row, Kind::PartnerRight);
            break;
        case Kind::VirusFrame1:
        case Kind::VirusFrame2:
            break;
        case Kind::Single:
        case Kind::Destroyed:
            return;
    }
    SetAndShow(column, row, CodeOf(ColourOf(code), Kind::Single));
}

// Bottom to top, so that everything under a piece already rests when the
// scan reaches it, and one scan brings the whole bottle to rest.
void Bottle::Settle(bool follow) {
    for (int row = kBottomRow; row >= -1; --row) {
        for (int column = 0; column < Grid::kColumns; ++column) {
            Fall(column, row, follow);
        }
    }
}

// The piece whose lower-left cell is (column, row) falls as far as it goes.
// Upper and right halves move with their partner; viruses never move.
void Bottle::Fall(int column, int row, bool follow) {
    const Cell code = grid_.At(column, row);
    const auto stepDown = [&] {
        view_.AnimationPause();
        if (follow) {
            ++capsule_.row;
        }
    };
    switch (KindOf(code)) {
        case Kind::PartnerAbove: {
            const Cell upper = grid_.At(column, row - 1);
            if (KindOf(upper) != Kind::PartnerBelow) {
                return;
            }
            for (int r = row; r < kBottomRow && grid_.IsEmpty(column, r + 1); ++r) {
                stepDown();
                grid_.Set(column, r + 1, code);
                grid_.Set(column, r, upper);
                SetAndShow(column, r - 1, kEmpty);
                Show(column, r, upper);
                Show(column, r + 1, code);
            }
            return;
        }
        case Kind::PartnerRight: {
            const Cell right = grid_.At(column + 1, row);
            if (KindOf(right) != Kind::PartnerLeft) {
                return;
            }
            // A lying pair falls only while both cells under it are free.
            for (int r = row;
                 r < kBottomRow && grid_.IsEmpty(column, r + 1) && grid_.IsEmpty(column + 1, r + 1);
                 ++r) {
                stepDown();
                SetAndShow(column, r, kEmpty);
                SetAndShow(column + 1, r, kEmpty);
                SetAndShow(column, r + 1, code);
                SetAndShow(column + 1, r + 1, right);
            }
            return;
        }
        case Kind::Single:
            for (int r = row; r < kBottomRow && grid_.IsEmpty(column, r + 1); ++r) {
                stepDown();
                SetAndShow(column, r, kEmpty);
                SetAndShow(column, r + 1, code);
            }
            return;
        default:
            return;
    }
}

// Each single draws once when the scan reaches it: 1 sends it left, 2 right,
// when that side and the cell under it are free; then it drops down there.
bool Bottle::SlideSingles() {
    bool moved = false;
    for (int row = 0; row < kBottomRow; ++row) {
        for (int column = 0; column < Grid::kColumns; ++column) {
            const Cell code = grid_.At(column, row);
            if (KindOf(code) != Kind::Single) {
                continue;
            }
            const int d = Draw(10);
            int to = column;
            if (d == 1 && column >= 1 && grid_.IsEmpty(column - 1, row) &&
                grid_.IsEmpty(column - 1, row + 1)) {
                to = column - 1;
            } else if (d == 2 && column <= Grid::kColumns - 2 && grid_.IsEmpty(column + 1, row) &&
                       grid_.IsEmpty(column + 1, row + 1)) {
                to = column + 1;
            }
            if (to == column) {
                continue;
            }
            SetAndShow(to, row, code);
            SetAndShow(column, row, kEmpty);
            Settle(false);
            moved = true;
        }
    }
    return moved;
}

}  // namespace pillora
