#pragma once

#include "briko/rules/BRIKOConstantes.h"
#include "briko/rules/demo_stats.h"

namespace briko {

enum class Counter { Score, Rows, Pieces };
// The game's sounds: the platform's two beeps, the default one and the information one.
enum class Effect { Default, Information };
// Which commands the menu offers: Idle (New, Demo, Options, Stats), Playing
// (New reads "&Abort"; Game, Help and Demo disabled), Demonstration (Demo reads
// "&Stop"; New, Pause, Game and Help disabled).
enum class GameMode { Idle, Playing, Demonstration };

// The game reaches its window only through this interface, so that the rules and
// the whole flow of a game run and are tested without one. Every call happens at
// the moment the window must act, in the order the player sees; drawing calls
// must reach the screen at once, since animations run inside one step.
class BrikoView {
  public:
    virtual ~BrikoView() = default;

    // A piece's cells with its box at board cell (x, y), in the colour of piece + 1;
    // cells above row 0 are not drawn.
    virtual void DrawPiece(int x, int y, ShapeMask mask, int piece) = 0;
    // Empties the drawn cells of mask at (x, y) (the empty tile, whatever the design).
    virtual void ErasePiece(int x, int y, ShapeMask mask) = 0;
    virtual void DrawCounter(Counter counter, int value) = 0;
    // The next-piece box; a mask of 0 is an empty box.
    virtual void DrawNextPiece(int piece, ShapeMask mask) = 0;
    // Redraws the whole well from the game's board, the three counters and the
    // next-piece box (the program icon while the game's NoGame() is true).
    virtual void RepaintAll() = 0;
    // One pause of the demonstration's animation; its length grows with the
    // DemoSpeed option, and 0 means none.
    virtual void AnimationPause() = 0;
    // A sound of the game; only called when the SoundOn option is set.
    virtual void PlayEffect(Effect effect) = 0;
    // Rewind and play, or stop, the music track (nothing when music is off).
    virtual void StartMusic() = 0;
    virtual void StopMusic() = 0;
    // Arms the fall timer with an interval in ms (0 is the shortest period), or stops it.
    virtual void StartFallTimer(int intervalMs) = 0;
    virtual void StopFallTimer() = 0;
    virtual void ModeChanged(GameMode mode) = 0;
    // The "Game Over ..." box; returns when the player has closed it.
    virtual void ShowGameOver() = 0;
    // The "Really ?" question; true for Yes.
    virtual bool ConfirmAbort() = 0;
    // The Best command with the final score of a lost game.
    virtual void ShowBest(int score) = 0;
    // The statistics box with the record's text (DemoStatsText), or the box that
    // says no demo game was played.
    virtual void ShowStatistics(const DemoStatsRecord& record) = 0;
    virtual void ShowNoStatistics() = 0;
    // The fall interval base in ms, read from the settings at every New.
    virtual int ReadBaseInterval() = 0;
};

}  // namespace briko
