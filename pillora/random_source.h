#pragma once

#include <random>

namespace pillora {

// Every chance in the game (capsules, viruses, sliding singles) is drawn here,
// so that tests can script the draws and the program can seed them from the clock.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A uniform integer from 0 to range − 1; range is at least 1.
    virtual int Random(int range) = 0;
};

// The program's source: a Mersenne twister seeded from the clock, or from a
// fixed seed for repeatable benchmarks.
class ClockRandom : public RandomSource {
  public:
    ClockRandom();
    explicit ClockRandom(unsigned seed) : engine_(seed) {}
    int Random(int range) override;

  private:
    std::mt19937 engine_;
};

}  // namespace pillora
