#pragma once

#include "kit/random/random_source.h"

#include <deque>
#include <initializer_list>
#include <vector>

namespace pillora::testing {

// Hands out the draws a test scripts, in order, and writes down the range of
// every draw asked for. Past the script it goes on with a fixed-seed source,
// so a test that only cares about the first draws need not script them all.
class ScriptedRandom : public kit::RandomSource {
  public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<int> draws) : script_(draws) {}

    void Then(std::initializer_list<int> draws) { script_.insert(script_.end(), draws); }
    int Random(int range) override;

    // How many scripted draws are still waiting.
    std::size_t Left() const { return script_.size(); }
    const std::vector<int>& Ranges() const { return ranges_; }
    void ClearRanges() { ranges_.clear(); }

  private:
    std::deque<int> script_;
    std::vector<int> ranges_;
    kit::ClockRandomSource rest_{12345u};
};

}  // namespace pillora::testing
