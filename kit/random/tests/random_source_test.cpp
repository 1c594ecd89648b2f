#include "kit/random/random_source.h"

#include <gtest/gtest.h>

#include <set>

namespace kit {
namespace {

TEST(ClockRandomSourceTest, DrawsEveryValueOfTheRangeAndNoOther) {
    ClockRandomSource random;
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int draw = random.Random(7);
        ASSERT_GE(draw, 0);
        ASSERT_LT(draw, 7);
        seen.insert(draw);
    }
    EXPECT_EQ(seen.size(), 7u);
    EXPECT_EQ(random.Random(1), 0);
}

}  // namespace
}  // namespace kit
