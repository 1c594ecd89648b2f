#pragma once

#include "kit/random/random_source.h"

#include <deque>
#include <random>
#include <stdexcept>

namespace briko::testing {

// Hands out the scripted draws first, then falls back on a seeded twister, so a
// test only scripts the draws it cares about.
class ScriptedRandom : public kit::RandomSource {
  public:
    explicit ScriptedRandom(std::deque<int> draws = {}, unsigned seed = 1)
        : draws_(std::move(draws)), fallback_(seed) {}

    void Script(std::initializer_list<int> draws) { draws_.insert(draws_.end(), draws); }

    int Random(int range) override {
        if (draws_.empty()) {
            return fallback_.Random(range);
        }
        const int draw = draws_.front();
        draws_.pop_front();
        if (draw < 0 || draw >= range) {
            throw std::out_of_range("scripted draw outside its range");
        }
        return draw;
    }

    bool Exhausted() const { return draws_.empty(); }

  private:
    std::deque<int> draws_;
    kit::ClockRandomSource fallback_;
};

}  // namespace briko::testing
