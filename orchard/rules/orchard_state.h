#pragma once

#include <cstdint>

#include "orchard/rules/board.h"
#include "orchard/rules/column.h"

namespace orchard {

// The options that the game reads. The window loads them from the settings
// file and its options window edits them in place, between games.
struct OrchardOptions {
    // Starting level; only its low 16 bits are used. The window keeps it to
    // 0..10, since above 10 the starting fall interval would be negative.
    std::uint32_t StartLevel = 1;
    // How many like fruits in a line vanish, 3 to 9.
    std::uint32_t AlignCount = 3;
    bool JockerEnabled = false;
    bool SoundOn = false;
    bool ShowNext = false;
    // Kept for the settings file; the settle animation is paced by the window.
    std::int32_t Delay = 5000;
};

// The state of the game, for the window to draw from. The widths are part of
// the rules: the counters wrap as their types do.
struct OrchardState {
    orchard::Board Board;
    Column FallingColumn = StoneColumn;
    Column NextColumn = StoneColumn;
    // The falling column's place in pixels from the well's origin:
    // column ColumnX / 16, middle row ColumnY / 16 (truncated toward zero),
    // so ColumnY = 0 puts the top fruit in row -1.
    int ColumnX = 48;
    int ColumnY = -48;
    // Where the column was last drawn, to erase it there.
    int PrevX = 0;
    int PrevY = 0;

    std::uint16_t Score = 0;
    // Shown through its low 16 bits.
    std::uint32_t PlayedBlocks = 0;
    // Elimination passes, cascades included.
    std::uint16_t Eliminated = 0;
    std::uint16_t Level = 0;
    // Fall interval at level 0, in milliseconds.
    std::uint16_t DeltaT = 500;
    // Taken off DeltaT at the current level.
    std::uint16_t SpeedUp = 0;

    // A jocker block has been dealt and not yet resolved.
    bool JokerPending = false;
    // No game runs, or the game has just been lost.
    bool NoGame = true;
    bool Paused = false;
};

}  // namespace orchard
