#include "briko/rules/real48.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace briko {
namespace {

Real48 Bytes(std::uint8_t e, std::uint8_t f1, std::uint8_t f2, std::uint8_t f3, std::uint8_t f4,
             std::uint8_t f5) {
    return Real48{e, f1, f2, f3, f4, f5};
}

TEST(Real48, Layout) {
    EXPECT_EQ(ToReal48(0.0), Bytes(0, 0, 0, 0, 0, 0));
    EXPECT_EQ(ToReal48(1.0), Bytes(129, 0, 0, 0, 0, 0));
    EXPECT_EQ(ToReal48(0.5), Bytes(128, 0, 0, 0, 0, 0));
    // 11 = 1.375 · 2^3: the fraction's top bits are 011.
    EXPECT_EQ(ToReal48(11.0), Bytes(132, 0, 0, 0, 0, 0x30));
    EXPECT_EQ(ToReal48(-2.5), Bytes(130, 0, 0, 0, 0, 0x80 | 0x20));
    EXPECT_EQ(FromReal48(Bytes(132, 0, 0, 0, 0, 0x30)), 11.0);
    EXPECT_EQ(FromReal48(Bytes(130, 0, 0, 0, 0, 0xA0)), -2.5);
    // Any fraction with a zero exponent is zero.
    EXPECT_EQ(FromReal48(Bytes(0, 1, 2, 3, 4, 5)), 0.0);
    EXPECT_EQ(FromReal48(Bytes(129, 1, 0, 0, 0, 0)), 1.0 + std::ldexp(1.0, -39));
}

TEST(Real48, RoundsToNearestHalvesToEven) {
    const double half = std::ldexp(1.0, -40);  // half a step of the fraction at 1
    EXPECT_EQ(ToReal48(1.0 + half), ToReal48(1.0));
    EXPECT_EQ(FromReal48(ToReal48(1.0 + 3 * half)), 1.0 + 4 * half);
    EXPECT_EQ(FromReal48(ToReal48(1.0 + 1.5 * half)), 1.0 + 2 * half);
    // Rounding up can carry into the exponent.
    EXPECT_EQ(ToReal48(2.0 - half / 2), ToReal48(2.0));
    EXPECT_EQ(ToReal48(std::nan("")), ToReal48(0.0));
}

TEST(Real48, KeepsEveryMeanThatOccurs) {
    for (int value = 0; value <= 65535; ++value) {
        ASSERT_EQ(FromReal48(ToReal48(value)), value);
    }
    // A mean of total rows over games played gives its total back exactly.
    std::mt19937 engine(3);
    for (int i = 0; i < 100000; ++i) {
        const int played = 1 + static_cast<int>(engine() % 65535);
        const double total = static_cast<double>(engine() % (65536ull * played));
        const double mean = FromReal48(ToReal48(total / played));
        ASSERT_EQ(std::nearbyint(mean * played), total) << total << "/" << played;
        ASSERT_EQ(ToReal48(mean), ToReal48(total / played));
    }
}

}  // namespace
}  // namespace briko
