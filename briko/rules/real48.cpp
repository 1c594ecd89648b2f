#include "briko/rules/real48.h"

#include <cmath>
#include <cstdint>

namespace briko {

namespace {

constexpr int kFractionBits = 39;
constexpr int kExponentBias = 129;
constexpr std::uint64_t kFractionLimit = std::uint64_t{1} << kFractionBits;

// Rounds a non-negative value to the nearest integer, halves to even, whatever
// rounding mode the floating-point unit is in.
std::uint64_t RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double rest = value - floor;
    auto result = static_cast<std::uint64_t>(floor);
    if (rest > 0.5 || (rest == 0.5 && (result & 1) != 0)) {
        ++result;
    }
    return result;
}

}  // namespace

Real48 ToReal48(double value) {
    Real48 real{};
    if (std::isnan(value) || value == 0) {
        return real;
    }
    const bool negative = std::signbit(value);
    int exponent = 0;
    // value = m · 2^exponent with m in [0.5, 1), that is (2m) · 2^(exponent − 1).
    const double m = std::frexp(std::fabs(value), &exponent);
    int biased = exponent - 1 + kExponentBias;
    std::uint64_t fraction = 0;
    if (std::isinf(value) || biased > 255) {
        biased = 255;
        fraction = kFractionLimit - 1;
    } else {
        fraction = RoundHalfEven(std::ldexp(2 * m - 1, kFractionBits));
        if (fraction == kFractionLimit) {
            fraction = 0;
            ++biased;
        }
        if (biased > 255) {
            biased = 255;
            fraction = kFractionLimit - 1;
        }
    }
    if (biased < 1) {
        return real;  // too small to keep: zero
    }
    real[0] = static_cast<std::uint8_t>(biased);
    for (int i = 0; i < 5; ++i) {
        real[1 + i] = static_cast<std::uint8_t>(fraction >> (8 * i));
    }
    if (negative) {
        real[5] |= 0x80;
    }
    return real;
}

double FromReal48(const Real48& real) {
    if (real[0] == 0) {
        return 0;
    }
    std::uint64_t fraction = 0;
    for (int i = 0; i < 5; ++i) {
        fraction |= std::uint64_t{real[1 + i]} << (8 * i);
    }
    fraction &= kFractionLimit - 1;
    const double magnitude = std::ldexp(
        1.0 + std::ldexp(static_cast<double>(fraction), -kFractionBits), real[0] - kExponentBias);
    return (real[5] & 0x80) != 0 ? -magnitude : magnitude;
}

}  // namespace briko
