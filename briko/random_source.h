#pragma once

#include <random>

namespace briko {

// Every random draw of Briko's rules goes through this one seam, so that tests
// can script the pieces and the debris, and benchmarks can replay a fixed seed.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A uniform draw from 0 to range − 1; range is at least 1.
    virtual int Random(int range) = 0;
};

// The program's source: a Mersenne twister, seeded from the clock unless a seed is given.
class TwisterRandomSource : public RandomSource {
  public:
    TwisterRandomSource();
    explicit TwisterRandomSource(unsigned seed);
    int Random(int range) override;

  private:
    std::mt19937 engine_;
};

}  // namespace briko
