#pragma once

#include "pillora/rules/bottle.h"
#include "pillora/rules/pillora_view.h"

#include <array>
#include <string>
#include <vector>

namespace pillora::testing {

// A BottleView that writes down every call as a line of text ("cell 3 5 13",
// "pause", "effect 1", "start 450", ...) and keeps a picture of what it was
// asked to draw, so tests can compare the screen with the bottle.
class RecordingView : public BottleView {
  public:
    // With a bottle, RepaintAll redraws the picture from it, as the window does.
    void Watch(const Bottle* bottle) { bottle_ = bottle; }

    void DrawCell(int column, int row, Cell code) override;
    void DrawCapsule(std::span<const Tile> tiles) override;
    void AnimationPause() override;
    void PlayEffect(Effect effect) override;
    void StopFallTimer() override;
    void StartFallTimer(int intervalMs) override;
    void ShowScore(std::uint16_t score) override;
    void ShowPlayed(std::uint16_t playedCapsules) override;
    void ShowLevel(int level) override;
    void ShowViruses(int viruses) override;
    void DrawNextCapsule(Pair next) override;
    void RepaintAll() override;

    const std::vector<std::string>& Events() const { return events_; }
    void Clear() { events_.clear(); }
    // How many recorded events start with `prefix`.
    int Count(const std::string& prefix) const;
    // The position of the first event equal to `event`, or -1.
    int Find(const std::string& event) const;

    // The tile last drawn at a cell of rows −1 to 23.
    Cell Screen(int column, int row) const { return screen_[column][row + 1]; }
    bool TimerRunning() const { return timerRunning_; }
    int Interval() const { return interval_; }

  private:
    void Paint(int column, int row, Cell code);

    const Bottle* bottle_ = nullptr;
    std::vector<std::string> events_;
    std::array<std::array<Cell, 25>, 8> screen_{};
    bool timerRunning_ = false;
    int interval_ = -1;
};

}  // namespace pillora::testing
