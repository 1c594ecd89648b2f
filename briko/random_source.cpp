#include "briko/random_source.h"

#include <chrono>

namespace briko {

TwisterRandomSource::TwisterRandomSource()
    : engine_(static_cast<unsigned>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count())) {}

TwisterRandomSource::TwisterRandomSource(unsigned seed) : engine_(seed) {}

int TwisterRandomSource::Random(int range) {
    if (range <= 1) {
        return 0;
    }
    return std::uniform_int_distribution<int>(0, range - 1)(engine_);
}

}  // namespace briko
