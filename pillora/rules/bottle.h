#pragma once

#include "kit/random/random_source.h"
#include "pillora/rules/capsule_table.h"
#include "pillora/rules/cell.h"
#include "pillora/rules/grid.h"
#include "pillora/rules/pillora_view.h"

#include <array>
#include <cstdint>
#include <vector>

namespace pillora {

// The capsule the player steers. It is not part of the grid until it lands.
struct FallingCapsule {
    int number = 1;  // 1 to 25
    int column = 3;  // of its top-left cell, 0 to 7
    int row = -2;    // its top row, −2 to 23
    int orientation = kEntryOrientation;
    Pair pair;  // the codes of `number` in `orientation`, or (0, 0) during a level change

    // The cells of the first and the second half.
    std::array<Tile, 2> Halves() const;
};

// The whole of Pillora's rules: the bottle with its viruses and landed halves,
// the falling capsule, the counters and the speed. The window owns one Bottle,
// calls its operations from the fall timer, the keys and the menu, and is told
// through its BottleView what to draw, when to pause and when to re-arm the
// timer. Each operation runs to completion, animations included.
class Bottle {
  public:
    Bottle(BottleView& view, kit::RandomSource& random);

    // --- Settings that the window may change at any time; read when used.
    // Cells of one colour in a line that are removed, 1 to 9 (others are clamped).
    void SetAlignCount(int alignCount);
    int AlignCount() const { return alignCount_; }
    // Whether single halves may slide sideways off a ledge during a resolve.
    void SetSinglesSlide(bool on) { singlesSlide_ = on; }
    bool SinglesSlide() const { return singlesSlide_; }

    // --- Between games.
    // The idle bottle: the field and the floor grey, the preview grey, level and
    // played capsules 0, no game. The score is left to the window.
    void FillIdle();
    // Empties rows −2 to 23 of every column; the floor stays.
    void ClearBottle();
    // Places `count` viruses at random in the empty cells of rows 6 to 23, or as
    // many as there are empty cells there.
    void PlaceViruses(int count);
    // The opening of a game: capsules drawn, bottle cleared, viruses placed,
    // counters reset, fall timer armed.
    void StartGame(int startLevel, int virusesPerLevel, std::uint16_t baseInterval);

    // --- The falling capsule. Each of these ends with Step; a refused move
    // changes nothing but still steps. They do nothing while no game runs.
    void FallStep();  // one tick of the fall timer
    void MoveLeft();
    void MoveRight();
    void Rotate();
    void Drop();  // straight down, landing at once
    // Redraws the capsule, lands it when it rests (running the whole resolve,
    // the level change and the next capsule) and marks the game lost when the
    // top row is occupied afterwards.
    void Step();
    // Blanks the capsule where it was last drawn, draws it where it is, and
    // advances the virus animation.
    void DrawCapsule();

    // --- Lines and gravity; normally run from Step.
    // Removes lines of AlignCount like colours and lets the rest fall, pass
    // after pass, until nothing changes; scores every line found.
    void Resolve();
    // Lets every loose piece fall as far as it goes. With `follow` the falling
    // capsule's top row moves down with each row fallen (used by Drop).
    void Settle(bool follow);
    // Gives each single a chance to slide sideways off what it rests on.
    // Returns whether any single moved.
    bool SlideSingles();
    // The level is won: clears the bottle and places the next level's viruses.
    void LevelUp();

    // --- Queries.
    int CountViruses() const;
    // Swaps the animation frame of every virus, drawing each one.
    void AnimateViruses();
    // The fall interval in ms: BaseInterval − SpeedUp, never below 0.
    std::uint16_t FallInterval() const;
    bool TopRowOccupied() const;

    Cell At(int column, int row) const { return grid_.At(column, row); }
    const Grid& Cells() const { return grid_; }
    const FallingCapsule& Current() const { return capsule_; }
    // The capsule's two halves with their codes, for painting the window; like
    // DrawCapsule, paint them only from top row −1 on.
    std::array<Tile, 2> CapsuleTiles() const { return capsule_.Halves(); }
    int NextNumber() const { return nextNumber_; }
    // The preview: the next capsule's codes, first on top; (41, 41) when idle.
    Pair NextPair() const { return nextPair_; }

    std::uint16_t Score() const { return score_; }
    void SetScore(std::uint16_t score) { score_ = score; }
    std::uint16_t PlayedCapsules() const { return playedCapsules_; }
    int Level() const { return level_; }
    int VirusQuota() const { return virusQuota_; }
    int VirusesPerLevel() const { return virusesPerLevel_; }
    std::uint16_t BaseInterval() const { return baseInterval_; }
    std::uint16_t SpeedUp() const { return speedUp_; }
    // True while no game runs, and from the step that finds the top row
    // occupied until the window ends the game (FillIdle).
    bool NoGame() const { return noGame_; }

    // --- Setting up a position by hand (tests, benchmarks, demonstrations).
    void SetCell(int column, int row, Cell code) { grid_.Set(column, row, code); }
    // Puts capsule `number` at (column, row) in `orientation`; nothing is drawn.
    void PutCapsule(int number, int column, int row, int orientation);

  private:
    void FirstFreeVirusCell(int& column, int& row) const;
    // Whether the capsule has something under it where it is now.
    bool Rests() const;
    void WriteCapsule();
    // Resolve, score, level, next capsule, timer.
    void AfterLanding();
    // A draw from the source, forced into 0 to range − 1.
    int Draw(int range);
    // Draws a cell, except in the hidden row −2.
    void Show(int column, int row, Cell code);
    void SetAndShow(int column, int row, Cell code);
    // One search, flash and settle; whether anything was removed.
    bool SearchPass();
    void SearchDirection(int dc, int dr, int bonus);
    void TakeRun(int column, int row, int dc, int dr, int colour, int bonus);
    void Mark(int column, int row);
    void Fall(int column, int row, bool follow);

    BottleView& view_;
    kit::RandomSource& random_;
    Grid grid_;
    FallingCapsule capsule_;
    std::array<Tile, 2> oldCells_{};
    int nextNumber_ = 1;
    Pair nextPair_{kIdle, kIdle};

    std::uint16_t score_ = 0;
    std::uint16_t playedCapsules_ = 0;
    int level_ = 0;
    int virusQuota_ = 0;
    int virusesPerLevel_ = 1;
    std::uint16_t baseInterval_ = 500;
    std::uint16_t speedUp_ = 0;
    bool noGame_ = true;

    int alignCount_ = 4;
    bool singlesSlide_ = false;

    // The cells a resolve pass removes, with their flash codes; kept to reuse
    // its storage from pass to pass.
    std::vector<Tile> removals_;
};

}  // namespace pillora
