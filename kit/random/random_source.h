#pragma once

#include <random>

namespace kit {

// Every random draw of the three games goes through this one uniform source, so
// that tests can script the deals and the programs can seed it from the clock.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A uniformly distributed integer from 0 to range - 1; range is at least 1.
    virtual int Random(int range) = 0;
};

// The programs' source: a Mersenne twister seeded from the clock, or from a fixed
// seed for repeatable benchmarks and tests.
class ClockRandomSource final : public RandomSource {
  public:
    ClockRandomSource();
    explicit ClockRandomSource(unsigned seed) : engine_(seed) {}
    int Random(int range) override;

  private:
    std::mt19937 engine_;
};

}  // namespace kit
