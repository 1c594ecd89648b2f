#pragma once

#include <random>

namespace orchard {

// Every random draw of the rules goes through this one uniform source, so
// that tests can script the deals and the program can seed it from the clock.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A uniformly distributed integer from 0 to range - 1; range is at least 1.
    virtual int Random(int range) = 0;
};

// The program's source: a Mersenne Twister seeded from the clock when created.
class ClockRandomSource final : public RandomSource {
  public:
    ClockRandomSource();
    int Random(int range) override;

  private:
    std::mt19937 engine_;
};

}  // namespace orchard
