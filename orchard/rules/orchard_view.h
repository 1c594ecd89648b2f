#pragma once

#include "orchard/rules/cell.h"
#include "orchard/rules/column.h"

namespace orchard {

// The sound effects the game asks for; the values are the effect numbers that
// select the wave files (first, second and third sound name).
enum class Effect {
    Elimination = 1,  // every elimination pass
    GameStart = 2,    // a game starts
    DropRest = 3,     // a dropped column has come to rest
};

// The counters the window shows.
enum class Counter {
    Score,
    Eliminated,
    Level,
    PlayedBlocks,
};

// Everything the game asks of its window. The window implements it and draws
// each request at once: cascades run inside one call into the game, and the
// player should see every step of them. The game never reads back from it.
//
// The game does not redraw everything after NewGame, EndGame or AbortGame;
// the window repaints the whole well, the column, the counters and the next
// block from OrchardGame::State() after those calls.
class OrchardView {
  public:
    virtual ~OrchardView() = default;

    // One cell of the well changed. Rows -3 to 24 arrive; only rows -1 to 23
    // are shown, so the window ignores the others.
    virtual void DrawCell(int column, int row, Cell code) = 0;

    // The falling column moved or changed: erase it with Empty tiles at
    // (prevX, prevY), then draw `column` at (columnX, columnY). Places are in
    // pixels from the well's origin; cell k of the column lies 16 * k below
    // the place and is drawn (or erased) only when its offset is not negative.
    virtual void DrawColumn(const Column& column, int prevX, int prevY, int columnX,
                            int columnY) = 0;

    // The next column changed; asked for only while the next-block option is on.
    virtual void DrawNextBlock(const Column& next) = 0;

    // A counter changed. PlayedBlocks arrives as its low 16 bits.
    virtual void DrawCounter(Counter counter, unsigned value) = 0;

    // Play one sound effect once, asynchronously. Asked for only while the
    // sound option is on.
    virtual void PlayEffect(Effect effect) = 0;

    // (Re)start the fall timer with this interval (0 means as fast as possible),
    // or stop it.
    virtual void StartFallTimer(int intervalMs) = 0;
    virtual void StopFallTimer() = 0;

    // One settle step (cells moved down one row) has been drawn; the window
    // may show it and pace the animation here, or return at once.
    virtual void AnimationPause() = 0;
};

}  // namespace orchard
