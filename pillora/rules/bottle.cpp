#include "pillora/rules/bottle.h"

#include <algorithm>

namespace pillora {

namespace {

constexpr int kEntryColumn = 3;
constexpr int kEntryRow = -2;
constexpr int kFirstVirusRow = 6;
constexpr int kVirusRows = 18;  // rows 6 to 23
// Where the capsule counts as drawn before its first step: the strip cell of
// column 0, which is empty during a game.
constexpr Tile kNowhere{0, -1, kEmpty};

}  // namespace

std::array<Tile, 2> FallingCapsule::Halves() const {
    const int dc = IsLying(orientation) ? 1 : 0;
    const int dr = IsLying(orientation) ? 0 : 1;
    const Tile topLeft{column, row, kEmpty};
    const Tile other{column + dc, row + dr, kEmpty};
    // Orientations 0 and 3 have their first half at the top-left cell.
    Tile first = (orientation == 0 || orientation == 3) ? topLeft : other;
    Tile second = (orientation == 0 || orientation == 3) ? other : topLeft;
    first.code = pair.first;
    second.code = pair.second;
    return {first, second};
}

Bottle::Bottle(BottleView& view, kit::RandomSource& random) : view_(view), random_(random) {
    oldCells_ = {kNowhere, kNowhere};
    FillIdle();
}

void Bottle::SetAlignCount(int alignCount) {
    alignCount_ = std::clamp(alignCount, 1, 9);
}

void Bottle::FillIdle() {
    for (int column = 0; column < Grid::kColumns; ++column) {
        for (int row = 0; row <= Grid::kFloorRow; ++row) {
            grid_.Set(column, row, kIdle);
        }
    }
    nextPair_ = {kIdle, kIdle};
    level_ = 0;
    playedCapsules_ = 0;
    noGame_ = true;
}

void Bottle::ClearBottle() {
    for (int column = Grid::kFirstColumn; column <= Grid::kLastColumn; ++column) {
        for (int row = Grid::kFirstRow; row < Grid::kFloorRow; ++row) {
            grid_.Set(column, row, kEmpty);
        }
    }
}

void Bottle::PlaceViruses(int count) {
    int freeCells = 0;
    for (int column = 0; column < Grid::kColumns; ++column) {
        for (int row = kFirstVirusRow; row < Grid::kFloorRow; ++row) {
            freeCells += grid_.IsEmpty(column, row) ? 1 : 0;
        }
    }
    // A quota beyond the free cells fills them all; the game goes on from there.
    const int target = std::min(count, freeCells);
    // With one free cell left a miss has a chance of 143 in 144; this many in a
    // row only happens with a broken source, and then the first free cell is taken.
    constexpr int kMaxMisses = 10000;
    int misses = 0;
    for (int placed = 0; placed < target;) {
        int column = Draw(Grid::kColumns);
        int row = Draw(kVirusRows) + kFirstVirusRow;
        if (!grid_.IsEmpty(column, row)) {
            if (++misses < kMaxMisses) {
                continue;
            }
            FirstFreeVirusCell(column, row);
        }
        const int colour = Draw(kColourCount) + 1;
        const int frame = Draw(2);
        grid_.Set(column, row, VirusCode(colour, frame));
        ++placed;
        misses = 0;
    }
}

void Bottle::FirstFreeVirusCell(int& column, int& row) const {
    for (column = 0; column < Grid::kColumns; ++column) {
        for (row = kFirstVirusRow; row < Grid::kFloorRow; ++row) {
            if (grid_.IsEmpty(column, row)) {
                return;
            }
        }
    }
}

void Bottle::StartGame(int startLevel, int virusesPerLevel, std::uint16_t baseInterval) {
    capsule_.column = kEntryColumn;
    capsule_.row = kEntryRow;
    oldCells_ = {kNowhere, kNowhere};
    // The next capsule is drawn before the current one.
    nextNumber_ = Draw(kCapsuleCount) + 1;
    nextPair_ = CapsuleCodes(nextNumber_, kEntryOrientation);
    capsule_.number = Draw(kCapsuleCount) + 1;
    capsule_.pair = CapsuleCodes(capsule_.number, kEntryOrientation);
    noGame_ = false;
    playedCapsules_ = 0;
    level_ = startLevel;
    score_ = 0;
    capsule_.orientation = kEntryOrientation;
    virusesPerLevel_ = virusesPerLevel;
    virusQuota_ = virusesPerLevel;
    view_.PlayEffect(Effect::Start);
    ClearBottle();
    PlaceViruses(virusQuota_);
    view_.RepaintAll();
    baseInterval_ = baseInterval;
    speedUp_ = static_cast<std::uint16_t>((baseInterval / 10) * startLevel);
    view_.StartFallTimer(FallInterval());
}

void Bottle::FallStep() {
    if (noGame_) {
        return;
    }
    ++capsule_.row;
    Step();
}

void Bottle::MoveLeft() {
    if (noGame_) {
        return;
    }
    const int c = capsule_.column;
    const int t = capsule_.row;
    const bool free = IsLying(capsule_.orientation)
                          ? grid_.IsEmpty(c - 1, t)
                          : grid_.IsEmpty(c - 1, t) && grid_.IsEmpty(c - 1, t + 1);
    if (c >= 1 && free) {
        --capsule_.column;
    }
    Step();
}

void Bottle::MoveRight() {
    if (noGame_) {
        return;
    }
    const int c = capsule_.column;
    const int t = capsule_.row;
    if (IsLying(capsule_.orientation)) {
        if (c <= 5 && grid_.IsEmpty(c + 2, t)) {
            ++capsule_.column;
        }
    } else if (c <= 6 && grid_.IsEmpty(c + 1, t) && grid_.IsEmpty(c + 1, t + 1)) {
        ++capsule_.column;
    }
    Step();
}

void Bottle::Rotate() {
    if (noGame_) {
        return;
    }
    const int c = capsule_.column;
    const int t = capsule_.row;
    // A lying capsule that has not landed has (c, t + 1) free for its new lower
    // half; an upright one needs room on its right, as there is no wall kick.
    const bool turns = IsLying(capsule_.orientation) ||
                       (c <= 6 && grid_.IsEmpty(c + 1, t) && grid_.IsEmpty(c + 1, t + 1));
    if (turns) {
        capsule_.orientation = (capsule_.orientation + 1) % kOrientationCount;
        capsule_.pair = CapsuleCodes(capsule_.number, capsule_.orientation);
    }
    Step();
}

void Bottle::Drop() {
    if (noGame_) {
        return;
    }
    view_.StopFallTimer();
    // A lying capsule still wholly in the hidden row −2 is out of the settle's
    // reach; it drops from row −1, which is free since it did not land there.
    if (IsLying(capsule_.orientation) && capsule_.row < -1) {
        capsule_.row = -1;
    }
    WriteCapsule();
    // Every other piece rests, so only the capsule falls, and the capsule's
    // position follows its halves down.
    Settle(true);
    Step();
}

void Bottle::Step() {
    DrawCapsule();
    if (Rests()) {
        WriteCapsule();
        AfterLanding();
    }
    view_.ShowViruses(CountViruses());
    if (TopRowOccupied()) {
        noGame_ = true;
    }
}

void Bottle::DrawCapsule() {
    std::array<Tile, 4> tiles;
    std::size_t count = 0;
    for (std::size_t i = 0; i < oldCells_.size(); ++i) {
        const Tile& old = oldCells_[i];
        const bool repeated =
            i > 0 && old.column == oldCells_[0].column && old.row == oldCells_[0].row;
        if (old.row != Grid::kFirstRow && !repeated) {
            tiles[count++] = {old.column, old.row, kEmpty};
        }
    }
    const std::array<Tile, 2> halves = capsule_.Halves();
    if (capsule_.row >= -1) {
        for (const Tile& half : halves) {
            tiles[count++] = half;
        }
    }
    view_.DrawCapsule(std::span<const Tile>(tiles.data(), count));
    AnimateViruses();
    oldCells_ = halves;
}

bool Bottle::Rests() const {
    const int c = capsule_.column;
    const int t = capsule_.row;
    // The floor row keeps the idle code, so the bottom needs no test of its own.
    if (IsLying(capsule_.orientation)) {
        return !grid_.IsEmpty(c, t + 1) || !grid_.IsEmpty(c + 1, t + 1);
    }
    return !grid_.IsEmpty(c, t + 2);
}

void Bottle::WriteCapsule() {
    for (const Tile& half : capsule_.Halves()) {
        grid_.Set(half.column, half.row, half.code);
    }
}

void Bottle::AfterLanding() {
    Resolve();
    score_ = static_cast<std::uint16_t>(score_ + 2 * level_);
    view_.ShowScore(score_);
    if (CountViruses() == 0) {
        LevelUp();
    }
    capsule_.column = kEntryColumn;
    capsule_.row = kEntryRow;
    oldCells_ = {kNowhere, kNowhere};
    capsule_.number = nextNumber_;
    capsule_.pair = CapsuleCodes(capsule_.number, kEntryOrientation);
    nextNumber_ = Draw(kCapsuleCount) + 1;
    nextPair_ = CapsuleCodes(nextNumber_, kEntryOrientation);
    view_.DrawNextCapsule(nextPair_);
    ++playedCapsules_;
    view_.ShowPlayed(playedCapsules_);
    capsule_.orientation = kEntryOrientation;
    view_.StartFallTimer(FallInterval());
}

void Bottle::LevelUp() {
    // No capsule shows in the repaint below.
    capsule_.pair = {kEmpty, kEmpty};
    virusQuota_ += virusesPerLevel_;
    ++level_;
    view_.ShowLevel(level_);
    // Summed wide: a 16-bit sum would wrap for huge bases and slow the game down again.
    speedUp_ =
        static_cast<std::uint16_t>(std::min<int>(speedUp_ + baseInterval_ / 10, baseInterval_));
    view_.PlayEffect(Effect::Start);
    ClearBottle();
    PlaceViruses(virusQuota_);
    view_.RepaintAll();
}

int Bottle::CountViruses() const {
    int count = 0;
    for (int column = 0; column < Grid::kColumns; ++column) {
        for (int row = 0; row <= Grid::kFloorRow; ++row) {
            count += IsVirus(grid_.At(column, row)) ? 1 : 0;
        }
    }
    return count;
}

void Bottle::AnimateViruses() {
    for (int column = 0; column < Grid::kColumns; ++column) {
        for (int row = 0; row < Grid::kRows; ++row) {
            const Cell code = grid_.At(column, row);
            if (KindOf(code) == Kind::VirusFrame1) {
                SetAndShow(column, row, code + 1);
            } else if (KindOf(code) == Kind::VirusFrame2 && code != kEmpty) {
                SetAndShow(column, row, code - 1);
            }
        }
    }
}

std::uint16_t Bottle::FallInterval() const {
    // A speed-up beyond the base (only from a start level above 10) means top speed,
    // not a 16-bit wrap to a minute-long interval.
    return speedUp_ < baseInterval_ ? static_cast<std::uint16_t>(baseInterval_ - speedUp_) : 0;
}

bool Bottle::TopRowOccupied() const {
    for (int column = 0; column < Grid::kColumns; ++column) {
        if (!grid_.IsEmpty(column, 0)) {
            return true;
        }
    }
    return false;
}

void Bottle::PutCapsule(int number, int column, int row, int orientation) {
    capsule_.number = std::clamp(number, 1, kCapsuleCount);
    capsule_.column = column;
    capsule_.row = row;
    capsule_.orientation = orientation & 3;
    capsule_.pair = CapsuleCodes(capsule_.number, capsule_.orientation);
}

int Bottle::Draw(int range) {
    // A faulty source must not send a virus outside the grid.
    const int value = random_.Random(range) % range;
    return value < 0 ? value + range : value;
}

void Bottle::Show(int column, int row, Cell code) {
    if (row > Grid::kFirstRow) {
        view_.DrawCell(column, row, code);
    }
}

void Bottle::SetAndShow(int column, int row, Cell code) {
    grid_.Set(column, row, code);
    Show(column, row, code);
}

}  // namespace pillora
