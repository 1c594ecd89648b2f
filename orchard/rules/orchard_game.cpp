#include "orchard/rules/orchard_game.h"

#include <algorithm>

#include "orchard/rules/alignment.h"

namespace orchard {
namespace {

constexpr int CellSize = 16;
constexpr int StartX = 48;     // column 3
constexpr int NewGameY = -48;  // middle row -3, one row above a dealt column
constexpr int DealtY = -32;    // middle row -2: rows -3 to -1
constexpr int RightmostX = (Board::Columns - 1) * CellSize;
constexpr int LowestY = 336;  // past this the bottom fruit is in row 23, on the floor
constexpr int LastWellRow = Board::FloorRow - 1;
constexpr int JokerOdds = 50;  // one draw in this many may bring a jocker block
constexpr int PointsPerLevel = 500;
constexpr int LandingPointsPerLevel = 3;

}  // namespace

OrchardGame::OrchardGame(OrchardView& view)
    : view_(view), ownRandom_(std::make_unique<kit::ClockRandomSource>()), random_(*ownRandom_) {}

OrchardGame::OrchardGame(OrchardView& view, kit::RandomSource& random)
    : view_(view), random_(random) {}

OrchardGame::~OrchardGame() = default;

Phase OrchardGame::CurrentPhase() const {
    if (lost_) {
        return Phase::Lost;
    }
    if (state_.NoGame) {
        return Phase::Idle;
    }
    return state_.Paused ? Phase::Paused : Phase::Running;
}

int OrchardGame::FallInterval() const {
    return std::max(0, int{state_.DeltaT} - int{state_.SpeedUp});
}

void OrchardGame::NewGame(int deltaT) {
    if (!state_.NoGame) {
        return;
    }
    state_.ColumnX = StartX;
    state_.ColumnY = NewGameY;
    state_.PrevX = 0;
    state_.PrevY = 0;
    state_.NextColumn = DealColumn();
    state_.FallingColumn = DealColumn();
    state_.NoGame = false;
    state_.Paused = false;
    lost_ = false;
    // A block left pending by the last game is gone with its well.
    state_.JokerPending = false;
    state_.PlayedBlocks = 0;
    state_.Score = 0;
    PlayEffect(Effect::GameStart);
    state_.Board.FillRows(Board::TopRow, LastWellRow, Empty);
    state_.DeltaT = static_cast<std::uint16_t>(deltaT);
    const auto startLevel = static_cast<std::uint16_t>(options_.StartLevel);
    state_.Level = startLevel;
    state_.Eliminated = 0;
    state_.SpeedUp = static_cast<std::uint16_t>(std::uint32_t{state_.DeltaT} / 10 * startLevel);
    StartFallTimer();
}

void OrchardGame::FallTick() {
    if (state_.NoGame) {
        return;
    }
    if (state_.Score / PointsPerLevel >= state_.Level) {
        ++state_.Level;
        view_.DrawCounter(Counter::Level, state_.Level);
        const int speedUp = int{state_.SpeedUp} + state_.DeltaT / 20;
        state_.SpeedUp = static_cast<std::uint16_t>(std::min(speedUp, int{state_.DeltaT}));
        StartFallTimer();
    }
    state_.ColumnY += CellSize;
    StepColumn();
}

std::uint16_t OrchardGame::EndGame() {
    view_.StopFallTimer();
    const std::uint16_t finalScore = state_.Score;
    ResetToIdle();
    return finalScore;
}

void OrchardGame::AbortGame() {
    view_.StopFallTimer();
    ResetToIdle();
}

void OrchardGame::ResetToIdle() {
    lost_ = false;
    state_.NoGame = true;
    state_.Paused = false;
    state_.Board.FillRows(0, Board::FloorRow, Stone);
    state_.NextColumn = StoneColumn;
    state_.PlayedBlocks = 0;
    state_.Level = 0;
    state_.Eliminated = 0;
    state_.Score = 0;
}

void OrchardGame::TogglePause() {
    SetPaused(!state_.Paused);
}

void OrchardGame::SetPaused(bool paused) {
    if (state_.NoGame || paused == state_.Paused) {
        return;
    }
    if (paused) {
        view_.StopFallTimer();
    } else {
        StartFallTimer();
    }
    state_.Paused = paused;
}

void OrchardGame::StartFastFall() {
    if (!state_.NoGame) {
        view_.StartFallTimer(1);
    }
}

void OrchardGame::StopFastFall() {
    if (!state_.NoGame) {
        StartFallTimer();
    }
}

bool OrchardGame::ColumnFits(int column) const {
    const int m = MiddleRow();
    const Board& board = state_.Board;
    return board.IsEmpty(column, m - 1) && board.IsEmpty(column, m) && board.IsEmpty(column, m + 1);
}

void OrchardGame::MoveLeft() {
    if (state_.NoGame) {
        return;
    }
    // Just under the dealing rows a move left is not checked against the
    // cells beside the column; those rows are normally empty.
    if (MiddleRow() == -2 && state_.ColumnX >= CellSize) {
        state_.ColumnX -= CellSize;
    } else if (ColumnFits(CurrentColumn() - 1)) {
        state_.ColumnX = std::max(state_.ColumnX - CellSize, 0);
    }
    StepColumn();
}

void OrchardGame::MoveRight() {
    if (state_.NoGame || !ColumnFits(CurrentColumn() + 1)) {
        return;
    }
    state_.ColumnX = std::min(state_.ColumnX + CellSize, RightmostX);
    StepColumn();
}

void OrchardGame::CycleColumn() {
    if (state_.NoGame) {
        return;
    }
    Column& column = state_.FallingColumn;
    std::rotate(column.begin(), column.begin() + 1, column.end());
    StepColumn();
}

void OrchardGame::DropColumn() {
    if (state_.NoGame || MiddleRow() <= -2) {
        return;
    }
    view_.StopFallTimer();
    const int c = CurrentColumn();
    const int m = MiddleRow();
    for (int k = Top; k <= Bottom; ++k) {
        state_.Board.Set(c, m - 1 + k, state_.FallingColumn[k]);
    }
    SettleBoard(true);
    StepColumn();
}

void OrchardGame::StepColumn() {
    view_.DrawColumn(state_.FallingColumn, state_.PrevX, state_.PrevY, state_.ColumnX,
                     state_.ColumnY);
    state_.PrevX = state_.ColumnX;
    state_.PrevY = state_.ColumnY;

    const int c = CurrentColumn();
    const int m = MiddleRow();
    if (state_.ColumnY > LowestY || !state_.Board.IsEmpty(c, m + 2)) {
        for (int k = Top; k <= Bottom; ++k) {
            state_.Board.Set(c, m - 1 + k, state_.FallingColumn[k]);
        }
        LandColumn();
    }

    for (int column = 0; column < Board::Columns; ++column) {
        if (!state_.Board.IsEmpty(column, 0)) {
            state_.NoGame = true;
            lost_ = true;
            break;
        }
    }
}

void OrchardGame::LandColumn() {
    EliminateAligned();
    state_.Score = static_cast<std::uint16_t>(state_.Score + LandingPointsPerLevel * state_.Level);
    view_.DrawCounter(Counter::Score, state_.Score);
    view_.DrawCounter(Counter::Eliminated, state_.Eliminated);

    state_.ColumnY = DealtY;
    state_.ColumnX = StartX;
    state_.PrevX = StartX;
    state_.PrevY = DealtY;
    state_.FallingColumn = state_.NextColumn;

    // Never two jocker blocks in a row; with the option off the lucky draw
    // repeats the column that has just started falling.
    if (random_.Random(JokerOdds) == 1 && state_.FallingColumn[Top] != Joker) {
        if (options_.JockerEnabled) {
            state_.NextColumn = JokerColumn;
            state_.JokerPending = true;
        }
    } else {
        state_.NextColumn = DealColumn();
    }

    ++state_.PlayedBlocks;
    view_.DrawCounter(Counter::PlayedBlocks, state_.PlayedBlocks & 0xFFFFu);
    if (options_.ShowNext) {
        view_.DrawNextBlock(state_.NextColumn);
    }
    StartFallTimer();
}

void OrchardGame::EliminateAligned() {
    view_.StopFallTimer();
    Board& board = state_.Board;
    // The options keep the count to 3..9; a hand-made 0 must still mean a line.
    const int n = static_cast<int>(std::clamp<std::uint32_t>(options_.AlignCount, 1, Board::Rows));
    for (;;) {
        CellSet marks;
        bool found = false;

        if (state_.JokerPending) {
            found = MarkJoker(marks);
        }
        const LineSearch lines = SearchLines(board, n, marks);
        if (!found && !lines.found) {
            break;
        }
        state_.Score = static_cast<std::uint16_t>(state_.Score + lines.points);
        ++state_.Eliminated;
        PlayEffect(Effect::Elimination);
        // The floor is never cleared.
        for (int c = 0; c < Board::Columns; ++c) {
            for (int r = Board::TopRow; r < Board::FloorRow; ++r) {
                if (marks.IsMarked(c, r)) {
                    board.Set(c, r, Empty);
                    view_.DrawCell(c, r, Empty);
                }
            }
        }
        SettleBoard(false);
    }
    StartFallTimer();
}

bool OrchardGame::MarkJoker(CellSet& marks) {
    const Board& board = state_.Board;
    // The whole stored column is searched, so that a block resting with its
    // top above the well is found by its top cell too.
    for (int c = 0; c < Board::Columns; ++c) {
        for (int r = Board::TopRow; r <= Board::FloorRow; ++r) {
            if (board.At(c, r) != Joker) {
                continue;
            }
            state_.JokerPending = false;
            for (int k = 0; k < 3; ++k) {
                marks.Mark(c, r + k);
            }
            // A block on the floor removes only itself.
            const Cell kind = board.At(c, r + 3);
            if (IsFruit(kind)) {
                for (int column = 0; column < Board::Columns; ++column) {
                    for (int row = 0; row <= Board::FloorRow; ++row) {
                        if (board.At(column, row) == kind) {
                            marks.Mark(column, row);
                        }
                    }
                }
            }
            return true;
        }
    }
    return false;
}

void OrchardGame::SettleBoard(bool trackColumn) {
    Board& board = state_.Board;
    int r = LastWellRow;
    int c = 0;
    while (r >= 0) {
        if (c == Board::Columns) {
            c = 0;
            --r;
            continue;
        }
        if (board.IsEmpty(c, r) || !board.IsEmpty(c, r + 1)) {
            ++c;
            continue;
        }
        // The cell falls with the two cells above it, one row at a time.
        while (r < LastWellRow && board.IsEmpty(c, r + 1)) {
            for (int row = r + 1; row > r - 2; --row) {
                board.Set(c, row, board.At(c, row - 1));
            }
            board.Set(c, r - 2, Empty);
            for (int row = r - 2; row <= r + 1; ++row) {
                view_.DrawCell(c, row, board.At(c, row));
            }
            view_.AnimationPause();
            if (trackColumn) {
                state_.ColumnY += CellSize;
            }
            ++r;
        }
        // Go on from where the cell came to rest, so that rows it passed
        // over are scanned again.
        ++c;
    }
    if (trackColumn) {
        PlayEffect(Effect::DropRest);
    }
}

Cell OrchardGame::DealKind() {
    return static_cast<Cell>(FirstKind + random_.Random(KindCount));
}

Column OrchardGame::DealColumn() {
    Column column{};
    for (Cell& cell : column) {
        cell = DealKind();
    }
    return column;
}

void OrchardGame::StartFallTimer() {
    view_.StartFallTimer(FallInterval());
}

void OrchardGame::PlayEffect(Effect effect) {
    if (options_.SoundOn) {
        view_.PlayEffect(effect);
    }
}

}  // namespace orchard
