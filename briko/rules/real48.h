#pragma once

#include <array>
#include <cstdint>

namespace briko {

// The statistics record keeps its mean as a 6-byte real: a biased exponent byte,
// then a 39-bit fraction (least significant byte first) under a sign bit.
// Every such value converts to a double exactly; the way back rounds to the
// nearest, halves to even.
using Real48 = std::array<std::uint8_t, 6>;

Real48 ToReal48(double value);
double FromReal48(const Real48& real);

}  // namespace briko
