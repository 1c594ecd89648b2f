#pragma once

#include "pillora/rules/capsule_table.h"
#include "pillora/rules/cell.h"

#include <cstdint>
#include <span>

namespace pillora {

// Sound effect numbers, as the window's wave files are numbered.
enum class Effect : int {
    Removed = 1,  // something was removed by a resolve
    Start = 2,    // a game or a level starts
};

// One tile to draw: a bottle cell and the code whose tile goes there.
struct Tile {
    int column = 0;
    int row = 0;
    Cell code = kEmpty;
    friend bool operator==(const Tile&, const Tile&) = default;
};

// What the rules ask of the Pillora window. The Bottle calls these while a step
// runs; each drawing call must reach the screen before it returns, because a
// removal flash or a fall is only shown between two calls, never afterwards.
// Row −2 is never drawn: no call names it.
class BottleView {
  public:
    virtual ~BottleView() = default;

    // The tile of `code` at cell (column, row), row −1 to 23. The flash codes
    // (kind 6) are drawn this way but never stored in the bottle.
    virtual void DrawCell(int column, int row, Cell code) = 0;
    // The falling capsule moved: draw these tiles in order. First the empty
    // tile over the cells where it was drawn last, then its two halves (none
    // while its top row is −2).
    virtual void DrawCapsule(std::span<const Tile> tiles) = 0;
    // A pause between two frames of an animation, as long as the window's Delay.
    virtual void AnimationPause() = 0;
    // Plays the effect when sound is on; returns when it has finished.
    virtual void PlayEffect(Effect effect) = 0;
    virtual void StopFallTimer() = 0;
    // (Re)arms the fall timer; 0 means as fast as the timer goes.
    virtual void StartFallTimer(int intervalMs) = 0;
    // Redraw one counter with its new value.
    virtual void ShowScore(std::uint16_t score) = 0;
    virtual void ShowPlayed(std::uint16_t playedCapsules) = 0;
    virtual void ShowLevel(int level) = 0;
    virtual void ShowViruses(int viruses) = 0;
    // Redraw the preview with the next capsule (first code on top), unless the
    // player has turned the preview off.
    virtual void DrawNextCapsule(Pair next) = 0;
    // Repaint the whole window from the Bottle's state, returning when done.
    virtual void RepaintAll() = 0;
};

}  // namespace pillora
