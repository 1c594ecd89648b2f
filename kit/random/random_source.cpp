#include "kit/random/random_source.h"

#include <chrono>

namespace kit {

ClockRandomSource::ClockRandomSource()
    : engine_(static_cast<std::mt19937::result_type>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count())) {}

int ClockRandomSource::Random(int range) {
    if (range <= 1) {
        return 0;
    }
    return std::uniform_int_distribution<int>(0, range - 1)(engine_);
}

}  // namespace kit
