#pragma once

#include <cstdint>
#include <memory>

#include "kit/random/random_source.h"
#include "orchard/rules/alignment.h"
#include "orchard/rules/orchard_state.h"
#include "orchard/rules/orchard_view.h"

namespace orchard {

// Where a game stands, for the window's menus and timer ticks. Lost lasts from
// the landing that overflows the well to the next tick, which calls EndGame.
enum class Phase { Idle, Running, Paused, Lost };

// The whole of Orchard's play, apart from any window: the well, the falling
// and next columns, moves, landing, elimination with its cascades, the jocker
// block, scoring, levels and fall speed, and the end of a game. The window
// owns it, implements its view, and turns timer ticks, keys and menu commands
// into the calls below; everything the game wants shown or heard goes back
// through the view, within the call that caused it.
class OrchardGame {
  public:
    // Draws from a kit::ClockRandomSource of its own.
    explicit OrchardGame(OrchardView& view);
    // Draws from `random`, which must outlive the game.
    OrchardGame(OrchardView& view, kit::RandomSource& random);
    ~OrchardGame();
    OrchardGame(const OrchardGame&) = delete;
    OrchardGame& operator=(const OrchardGame&) = delete;

    const OrchardState& State() const { return state_; }
    // For tests and benchmarks that start from a prepared well; the caller
    // keeps the state consistent (the floor row stays Stone).
    OrchardState& EditState() { return state_; }
    // Edited in place by the options window while no game runs.
    OrchardOptions& Options() { return options_; }
    const OrchardOptions& Options() const { return options_; }
    Phase CurrentPhase() const;

    // Game flow. A new game starts only while NoGame is set; deltaT is the
    // settings value "DeltaT" (kept to 16 bits). The window repaints after it.
    void NewGame(int deltaT = 500);
    // One fall-timer tick while a game runs: level check, then one row down.
    // Does nothing while NoGame is set; that tick belongs to EndGame.
    void FallTick();
    // After the tick that found the game lost: stops the timer, fills the well
    // with Stone, resets the counters and returns the final score for the
    // high-score table. The window repaints after it.
    std::uint16_t EndGame();
    // After the player confirmed an abort: resets to idle; no score is kept.
    void AbortGame();

    // Player commands; all ignored while NoGame is set, none blocked by Paused.
    void MoveLeft();
    void MoveRight();
    void CycleColumn();
    void DropColumn();

    // Pause and resume a running game: stops or re-arms the fall timer.
    // Nothing happens while NoGame is set.
    void TogglePause();
    void SetPaused(bool paused);

    // While Down is held the column falls at the fastest rate; releasing it
    // restores the level's interval. Both ignored while NoGame is set.
    void StartFastFall();
    void StopFastFall();

    // The fall interval of the current level, DeltaT - SpeedUp, never below 0.
    int FallInterval() const;

    // Internal steps, public so that tests and benchmarks can drive them on
    // a prepared board.
    void StepColumn();
    void LandColumn();
    void EliminateAligned();
    void SettleBoard(bool trackColumn);

  private:
    Cell DealKind();
    Column DealColumn();
    // Starts the fall timer with the level's interval.
    void StartFallTimer();
    void PlayEffect(Effect effect);
    void ResetToIdle();
    int CurrentColumn() const { return state_.ColumnX / 16; }
    int MiddleRow() const { return state_.ColumnY / 16; }
    bool ColumnFits(int column) const;
    // Marks the jocker block and every fruit of the kind it rests on.
    bool MarkJoker(CellSet& marks);

    OrchardView& view_;
    std::unique_ptr<kit::RandomSource> ownRandom_;
    kit::RandomSource& random_;
    OrchardState state_;
    OrchardOptions options_;
    bool lost_ = false;
};

}  // namespace orchard
