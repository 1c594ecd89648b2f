#include "briko/rules/briko_game.h"

#include "briko/rules/demo_stats_text.h"

namespace briko {

namespace {

constexpr int kSpawnX = 8;
constexpr int kSpawnY = -4;
// The demonstration shows its piece here before it mirrors, rotates and slides it.
constexpr int kDemoShowX = 8;
constexpr int kDemoShowY = -1;
constexpr int kDemoInterval = 1;
constexpr int kSoftDropInterval = 1;
// A hard drop just after a spawn would land the piece out of sight.
constexpr int kHardDropTopRow = -2;

}  // namespace

BrikoGame::BrikoGame(BrikoView& view, kit::RandomSource& random, DemoStatsStore& stats)
    : view_(view), random_(random), stats_(stats) {
    ClearBoard(board_, kWall);
}

int BrikoGame::NormalInterval() const {
    return FallInterval(baseInterval_, speedReduction_);
}

bool BrikoGame::PlayerMayMove() const {
    return !noGame_ && !demoRunning_ && playerGame_;
}

void BrikoGame::PlayEffect(Effect effect) {
    if (options_.SoundOn) {
        view_.PlayEffect(effect);
    }
}

void BrikoGame::New() {
    if (demoRunning_) {
        return;
    }
    if (playerGame_) {
        if (noGame_) {
            // The game is lost and waits for its last tick: end it now, so that its
            // score still reaches the high-score table.
            GameOver();
        } else {
            AskAbort();
        }
        return;
    }
    PlayEffect(Effect::Information);
    view_.StartMusic();
    paused_ = false;
    noGame_ = false;
    demoRunning_ = false;
    playerGame_ = true;

    pieceNumber_ = RandomPiece(random_);
    pieceRotation_ = 1;
    pieceMask_ = briko::PieceMask(pieceNumber_, pieceRotation_);
    pieceX_ = kSpawnX;
    pieceY_ = kSpawnY;
    nextPiece_ = RandomPiece(random_);
    nextRotation_ = 1;
    nextMask_ = briko::PieceMask(nextPiece_, nextRotation_);

    removedRows_ = 0;
    pieceCount_ = 0;
    score_ = 0;
    ClearBoard(board_, kEmpty);
    AddStartingRows(board_, options_.StartRows, random_);
    view_.RepaintAll();
    view_.ModeChanged(GameMode::Playing);

    baseInterval_ = view_.ReadBaseInterval();
    speedReduction_ = StartSpeedReduction(baseInterval_, options_.StartLevel);
    view_.StartFallTimer(NormalInterval());
}

void BrikoGame::AskAbort() {
    if (!paused_) {
        TogglePause();
    }
    if (view_.ConfirmAbort()) {
        view_.StopFallTimer();
        view_.StopMusic();
        paused_ = false;
        noGame_ = true;
        playerGame_ = false;
        removedRows_ = 0;
        pieceCount_ = 0;
        score_ = 0;
        ResetPieces();
        ClearBoard(board_, kWall);
        view_.ModeChanged(GameMode::Idle);
        view_.RepaintAll();
    }
    if (paused_) {
        TogglePause();
    }
}

void BrikoGame::TogglePause() {
    if (noGame_ || !playerGame_) {
        return;
    }
    if (paused_) {
        view_.StartFallTimer(NormalInterval());
    } else {
        view_.StopFallTimer();
    }
    paused_ = !paused_;
}

void BrikoGame::ResetPieces() {
    pieceX_ = kSpawnX;
    pieceY_ = kSpawnY;
    pieceNumber_ = 0;
    pieceRotation_ = 0;
    pieceMask_ = 0;
    nextPiece_ = 0;
    nextRotation_ = 0;
    nextMask_ = 0;
}

void BrikoGame::Tick() {
    if (demoRunning_) {
        if (IsToppedOut(board_)) {
            EndDemoGame();
        } else {
            DemoPlacement();
        }
    } else if (playerGame_) {
        if (IsToppedOut(board_)) {
            GameOver();
        } else {
            GravityStep();
        }
    }
}

void BrikoGame::GravityStep() {
    if (ShapeFits(board_, pieceX_, pieceY_ + 1, pieceMask_)) {
        view_.ErasePiece(pieceX_, pieceY_, pieceMask_);
        view_.DrawPiece(pieceX_, pieceY_ + 1, pieceMask_, pieceNumber_);
        ++pieceY_;
        return;
    }
    view_.StopFallTimer();
    view_.DrawPiece(pieceX_, pieceY_, pieceMask_, pieceNumber_);
    LandPiece(false, removedRows_);
}

void BrikoGame::HardDrop() {
    if (!PlayerMayMove() || pieceY_ < kHardDropTopRow) {
        return;
    }
    view_.StopFallTimer();
    const int startY = pieceY_;
    while (ShapeFits(board_, pieceX_, pieceY_ + 1, pieceMask_)) {
        ++pieceY_;
    }
    view_.ErasePiece(pieceX_, startY, pieceMask_);
    view_.DrawPiece(pieceX_, pieceY_, pieceMask_, pieceNumber_);
    LandPiece(true, removedRows_);
}

// Places the falling piece where it stands and goes on with the next one; the
// fall timer is stopped on entry and armed again on exit.
void BrikoGame::LandPiece(bool hardDrop, int rowsBefore) {
    PlaceShape(board_, pieceX_, pieceY_, pieceMask_, static_cast<std::uint8_t>(pieceNumber_ + 1));
    view_.DrawCounter(Counter::Score, score_);

    const int rows = RemoveFullRows(board_);
    if (rows > 0) {
        score_ += PlayerRowPoints(rows, options_.StartLevel);
        removedRows_ += rows;
        view_.DrawCounter(Counter::Score, score_);
        view_.DrawCounter(Counter::Pieces, pieceCount_);
        // Four rows at once make no beep, except by a hard drop.
        if (rows != 4 || hardDrop) {
            PlayEffect(Effect::Default);
        }
    }
    if (hardDrop) {
        // A hard drop that tops the well out is found by the next tick.
        SpawnNextPiece();
    } else {
        if (!IsToppedOut(board_)) {
            SpawnNextPiece();
        }
        noGame_ = IsToppedOut(board_);
    }
    view_.RepaintAll();
    speedReduction_ = SpeedReductionAfter(speedReduction_, baseInterval_, rowsBefore, removedRows_);
    view_.StartFallTimer(NormalInterval());
}

void BrikoGame::SpawnNextPiece() {
    pieceNumber_ = nextPiece_;
    pieceRotation_ = nextRotation_;
    pieceMask_ = nextMask_;
    pieceX_ = kSpawnX;
    pieceY_ = kSpawnY;
    nextPiece_ = RandomPiece(random_);
    nextRotation_ = random_.Random(4);
    nextMask_ = briko::PieceMask(nextPiece_, nextRotation_);
    ++pieceCount_;
    score_ += PlayerPiecePoints(options_.StartLevel);
}

void BrikoGame::GameOver() {
    view_.StopFallTimer();
    view_.ShowGameOver();
    view_.StopMusic();
    ClearBoard(board_, kWall);
    nextPiece_ = 0;
    nextRotation_ = 0;
    nextMask_ = 0;
    removedRows_ = 0;
    pieceCount_ = 0;
    noGame_ = true;
    paused_ = false;
    playerGame_ = false;
    view_.ModeChanged(GameMode::Idle);
    view_.ShowBest(score_);
    score_ = 0;
    view_.RepaintAll();
}

void BrikoGame::TryMove(int dx) {
    if (!PlayerMayMove() || !ShapeFits(board_, pieceX_ + dx, pieceY_, pieceMask_)) {
        return;
    }
    view_.DrawPiece(pieceX_ + dx, pieceY_, pieceMask_, pieceNumber_);
    const ShapeMask stillCovered = dx > 0 ? ShiftMaskRight(pieceMask_) : ShiftMaskLeft(pieceMask_);
    view_.ErasePiece(pieceX_, pieceY_, pieceMask_ & ~stillCovered);
    pieceX_ += dx;
}

void BrikoGame::TryReshape(int piece, int rotation) {
    const ShapeMask mask = briko::PieceMask(piece, rotation);
    if (!PlayerMayMove() || !ShapeFits(board_, pieceX_, pieceY_, mask)) {
        return;
    }
    view_.DrawPiece(pieceX_, pieceY_, mask, piece);
    view_.ErasePiece(pieceX_, pieceY_, pieceMask_ & ~mask);
    pieceNumber_ = piece;
    pieceRotation_ = rotation;
    pieceMask_ = mask;
}

void BrikoGame::MoveLeft() {
    TryMove(-1);
}

void BrikoGame::MoveRight() {
    TryMove(1);
}

void BrikoGame::Rotate() {
    TryReshape(pieceNumber_, (pieceRotation_ + 1) % 4);
}

void BrikoGame::Mirror() {
    TryReshape(MirrorPiece(pieceNumber_), pieceRotation_);
}

void BrikoGame::SoftDropStart() {
    if (PlayerMayMove()) {
        view_.StartFallTimer(kSoftDropInterval);
    }
}

void BrikoGame::SoftDropEnd() {
    if (PlayerMayMove()) {
        view_.StartFallTimer(NormalInterval());
    }
}

void BrikoGame::JoyMove(int x, int y) {
    if (x < -1) {
        MoveLeft();
    }
    if (y > 1) {
        Rotate();
    }
    if (x > 1) {
        MoveRight();
    }
    if (y < -1) {
        HardDrop();
    }
}

void BrikoGame::JoyButton1() {
    Mirror();
}

void BrikoGame::Demo() {
    if (playerGame_) {
        return;
    }
    removedRows_ = 0;
    pieceCount_ = 0;
    score_ = 0;
    if (demoRunning_) {
        view_.StopFallTimer();
        noGame_ = true;
        demoRunning_ = false;
        ClearBoard(board_, kWall);
        view_.ModeChanged(GameMode::Idle);
        view_.RepaintAll();
        return;
    }
    demoRunning_ = true;
    noGame_ = false;
    ClearBoard(board_, kEmpty);
    AddStartingRows(board_, options_.StartRows, random_);
    nextPiece_ = RandomPiece(random_);
    nextRotation_ = 0;
    nextMask_ = briko::PieceMask(nextPiece_, 0);
    view_.ModeChanged(GameMode::Demonstration);
    view_.RepaintAll();
    view_.StartFallTimer(kDemoInterval);
}

void BrikoGame::DemoPlacement() {
    pieceNumber_ = nextPiece_;
    pieceRotation_ = 0;
    pieceMask_ = briko::PieceMask(pieceNumber_, 0);
    nextPiece_ = RandomPiece(random_);
    nextRotation_ = 0;
    nextMask_ = briko::PieceMask(nextPiece_, 0);
    ++pieceCount_;
    score_ += kDemoPiecePoints;
    view_.DrawNextPiece(nextPiece_, nextMask_);
    view_.DrawCounter(Counter::Pieces, pieceCount_);
    view_.DrawCounter(Counter::Score, score_);

    pieceX_ = kDemoShowX;
    pieceY_ = kDemoShowY;
    view_.DrawPiece(pieceX_, pieceY_, pieceMask_, pieceNumber_);
    const std::optional<DemoMove> move = ChooseMove(demoPlayer_, board_, pieceNumber_, nextPiece_);
    view_.ErasePiece(pieceX_, pieceY_, pieceMask_);
    if (!move) {
        // Neither chirality can enter the well: the game is as good as topped out.
        EndDemoGame();
        return;
    }

    const auto show = [this](int x, int y, ShapeMask mask) {
        view_.DrawPiece(x, y, mask, pieceNumber_);
        view_.AnimationPause();
    };
    if (move->Mirror) {
        pieceNumber_ = MirrorPiece(pieceNumber_);
        view_.AnimationPause();
        show(kDemoShowX, kDemoShowY, briko::PieceMask(pieceNumber_, move->Rotation));
        view_.ErasePiece(kDemoShowX, kDemoShowY, briko::PieceMask(pieceNumber_, move->Rotation));
    }
    for (int k = 0; k <= move->Rotation; ++k) {
        const ShapeMask mask = briko::PieceMask(pieceNumber_, k);
        show(kDemoShowX, kDemoShowY, mask);
        view_.ErasePiece(kDemoShowX, kDemoShowY, mask);
    }
    pieceRotation_ = move->Rotation;
    pieceMask_ = briko::PieceMask(pieceNumber_, pieceRotation_);
    const int step = move->Column > kDemoShowX ? 1 : -1;
    for (int column = kDemoShowX;; column += step) {
        show(column, kDemoShowY, pieceMask_);
        view_.ErasePiece(column, kDemoShowY, pieceMask_);
        if (column == move->Column) {
            break;
        }
    }
    pieceX_ = move->Column;
    for (int row = 0; row <= move->LandingRow; ++row) {
        show(pieceX_, row, pieceMask_);
        view_.ErasePiece(pieceX_, row, pieceMask_ & ~ShiftMaskDown(pieceMask_));
    }
    pieceY_ = move->LandingRow;

    view_.DrawPiece(pieceX_, pieceY_, pieceMask_, pieceNumber_);
    PlaceShape(board_, pieceX_, pieceY_, pieceMask_, static_cast<std::uint8_t>(pieceNumber_ + 1));
    const int rows = RemoveFullRows(board_);
    if (rows > 0) {
        score_ += DemoRowPoints(rows);
        removedRows_ += rows;
        view_.DrawCounter(Counter::Pieces, pieceCount_);
        view_.DrawCounter(Counter::Score, score_);
        if (rows != 4) {
            PlayEffect(Effect::Default);
        }
    }
    view_.RepaintAll();
    noGame_ = IsToppedOut(board_);
}

void BrikoGame::EndDemoGame() {
    view_.StopFallTimer();
    RecordDemoResult(stats_, removedRows_);
    if (options_.DemoLoop) {
        noGame_ = false;
        demoRunning_ = true;
        ClearBoard(board_, kEmpty);
        view_.StartFallTimer(kDemoInterval);
    } else {
        demoRunning_ = false;
        noGame_ = true;
        ClearBoard(board_, kWall);
        view_.ModeChanged(GameMode::Idle);
    }
    removedRows_ = 0;
    pieceCount_ = 0;
    score_ = 0;
    view_.RepaintAll();
}

void BrikoGame::Stats() {
    if (!noGame_) {
        return;
    }
    if (const std::optional<DemoStatsRecord> record = LoadDemoStats(stats_)) {
        PlayEffect(Effect::Default);
        view_.ShowStatistics(*record);
    } else {
        view_.ShowNoStatistics();
    }
}

}  // namespace briko
