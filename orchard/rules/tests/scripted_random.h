#pragma once

#include <deque>
#include <initializer_list>
#include <vector>

#include "kit/random/random_source.h"

namespace orchard::testing {

// Hands out scripted draws in order and records the range of every request.
// Once the script is used up every draw is 0: cherries, and no jocker block.
class ScriptedRandom final : public kit::RandomSource {
  public:
    void Script(std::initializer_list<int> draws) { draws_.insert(draws_.end(), draws); }
    // Scripts the three kinds (1 to 7) of one dealt column, top to bottom.
    void ScriptColumn(int top, int middle, int bottom) {
        Script({top - 1, middle - 1, bottom - 1});
    }

    int Random(int range) override {
        ranges.push_back(range);
        if (draws_.empty()) {
            return 0;
        }
        const int draw = draws_.front();
        draws_.pop_front();
        return draw;
    }

    std::vector<int> ranges;

  private:
    std::deque<int> draws_;
};

}  // namespace orchard::testing
