#include "kit/testing/scripted_random.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace kit::testing {
namespace {

TEST(ScriptedRandomTest, HandsOutTheScriptThenTheFallbackAskedFor) {
    struct Row {
        const char* fallback;
        std::vector<int> expected;  // three draws of range 4 after the script {1, 2}
    };
    for (const Row& row : {Row{"constant 9", {1, 2, 3, 3, 3}}, Row{"constant 0", {1, 2, 0, 0, 0}},
                           Row{"repeat", {1, 2, 1, 2, 1}}}) {
        SCOPED_TRACE(row.fallback);
        ScriptedRandom random{1, 2};
        if (row.fallback == std::string("repeat"))
            random.RepeatScript();
        else
            random.FallBackTo(row.fallback == std::string("constant 9") ? 9 : 0);
        std::vector<int> draws;
        for (int i = 0; i < 5; ++i)
            draws.push_back(random.Random(4));
        EXPECT_EQ(draws, row.expected);
        EXPECT_EQ(random.Ranges(), std::vector<int>(5, 4));
    }
}

TEST(ScriptedRandomTest, ASeededFallbackRepeatsItsSource) {
    ScriptedRandom random{3};
    random.FallBackToSeed(7);
    ClockRandomSource same(7);
    EXPECT_EQ(random.Random(5), 3);
    EXPECT_TRUE(random.Exhausted());
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(random.Random(100), same.Random(100));
}

TEST(ScriptedRandomTest, ADrawOutOfRangeOrPastTheScriptFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedRandom random{5};
            random.Random(5);
        },
        "scripted draw 5 for a range of 5");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedRandom random{0};
            random.Random(2);
            random.Random(2);
        },
        "past the end of the script");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedRandom random;
            random.RepeatScript();
            random.Random(2);
        },
        "past the end of the script");
}

}  // namespace
}  // namespace kit::testing
