#pragma once

#include "briko/rules/BRIKOConstantes.h"
#include "briko/rules/briko_view.h"
#include "briko/rules/demo_player.h"
#include "briko/rules/demo_stats.h"
#include "kit/random/random_source.h"

namespace briko {

// The options that the flow of a game reads; the options window edits them in place.
struct BrikoOptions {
    int StartLevel = 0;  // 0 to 10
    int StartRows = 0;   // rows of debris, 0 to 10
    int DemoSpeed = 3;   // 0 to 20, a larger value pauses longer
    bool SoundOn = false;
    bool DemoLoop = false;
};

// The whole state and flow of Briko, the player's game and the demonstration,
// apart from any window. The main window owns one, implements the view it
// talks to, and turns menu commands, keys, joystick events and ticks of its
// fall timer into the calls below. Every call runs to completion, animations
// included, and tells the view what to show in the order it happens.
class BrikoGame {
  public:
    BrikoGame(BrikoView& view, kit::RandomSource& random, DemoStatsStore& stats);

    BrikoOptions& Options() { return options_; }
    const BrikoOptions& Options() const { return options_; }

    // New: starts a player's game, or while one runs asks whether to abort it.
    void New();
    // Pause: stops or restarts the fall timer of a player's game.
    void TogglePause();
    // Demo: starts a demonstration, or stops the running one (recording nothing).
    void Demo();
    // Stats: shows the demonstration statistics; only while NoGame().
    void Stats();
    // One tick of the fall timer: a gravity step, the end of a lost game, or one
    // whole demonstration placement with its animation.
    void Tick();

    // The player's moves; they act only while a player's game runs (paused too).
    void MoveLeft();
    void MoveRight();
    void Rotate();
    void Mirror();
    void HardDrop();  // ignored while PieceY() < −2
    void SoftDropStart();
    void SoftDropEnd();
    // The joystick: x grows to the right and y upward; one event can move and rotate.
    void JoyMove(int x, int y);
    void JoyButton1();

    const Board& GetBoard() const { return board_; }
    int Score() const { return score_; }
    int RemovedRows() const { return removedRows_; }
    int PieceCount() const { return pieceCount_; }
    int PieceX() const { return pieceX_; }
    int PieceY() const { return pieceY_; }
    int PieceNumber() const { return pieceNumber_; }
    int PieceRotation() const { return pieceRotation_; }
    ShapeMask PieceMask() const { return pieceMask_; }
    int NextPiece() const { return nextPiece_; }
    int NextRotation() const { return nextRotation_; }
    ShapeMask NextMask() const { return nextMask_; }
    bool NoGame() const { return noGame_; }
    bool Paused() const { return paused_; }
    bool DemoRunning() const { return demoRunning_; }
    // Whether a player's game is on, paused or lost and waiting for its last tick.
    bool PlayerGameOn() const { return playerGame_; }
    int BaseInterval() const { return baseInterval_; }
    int SpeedReduction() const { return speedReduction_; }
    // The normal fall interval of the running game in ms.
    int NormalInterval() const;

  private:
    bool PlayerMayMove() const;
    void AskAbort();
    void GravityStep();
    void GameOver();
    void LandPiece(bool hardDrop, int rowsBefore);
    void SpawnNextPiece();
    void ResetPieces();
    void TryMove(int dx);
    void TryReshape(int piece, int rotation);
    void DemoPlacement();
    void EndDemoGame();
    void PlayEffect(Effect effect);

    BrikoView& view_;
    kit::RandomSource& random_;
    DemoStatsStore& stats_;
    BrikoOptions options_;
    DemoPlayer demoPlayer_;

    Board board_{};
    int removedRows_ = 0;
    int pieceCount_ = 0;
    int score_ = 0;
    int baseInterval_ = 500;
    int speedReduction_ = 0;
    int pieceX_ = 8;
    int pieceY_ = -4;
    int pieceNumber_ = 0;
    int pieceRotation_ = 0;
    ShapeMask pieceMask_ = 0;
    int nextPiece_ = 0;
    int nextRotation_ = 0;
    ShapeMask nextMask_ = 0;
    bool noGame_ = true;
    bool paused_ = false;
    bool demoRunning_ = false;
    bool playerGame_ = false;
};

}  // namespace briko
