#pragma once

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <optional>
#include <vector>

#include "kit/random/random_source.h"

namespace kit::testing {

// The random source of every test that decides the draws: it hands out the
// scripted draws in order and writes down the range of every draw asked for.
// A scripted draw outside its range fails the test, and so does a draw past
// the end of the script, unless the test asked for a fallback.
class ScriptedRandom final : public RandomSource {
  public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<int> draws) : script_(draws) {}

    // Adds draws after those still waiting.
    void Script(std::initializer_list<int> draws) { script_.insert(script_.end(), draws); }

    // What comes once the script is used up: always `draw` (the range's last
    // value where the range is smaller), ...
    void FallBackTo(int draw);
    // ... the draws of a source seeded with `seed`, ...
    void FallBackToSeed(unsigned seed);
    // ... or the whole script again from its start.
    void RepeatScript();

    int Random(int range) override;

    // How many scripted draws are still waiting.
    std::size_t Left() const { return script_.size() - next_; }
    bool Exhausted() const { return Left() == 0; }
    const std::vector<int>& Ranges() const { return ranges_; }
    void ClearRanges() { ranges_.clear(); }

  private:
    enum class Fallback { None, Constant, Seeded, Repeat };

    std::vector<int> script_;
    std::size_t next_ = 0;
    std::vector<int> ranges_;
    Fallback fallback_ = Fallback::None;
    int constant_ = 0;
    std::optional<ClockRandomSource> seeded_;
};

}  // namespace kit::testing
