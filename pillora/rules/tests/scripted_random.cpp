#include "pillora/rules/tests/scripted_random.h"

#include <gtest/gtest.h>

namespace pillora::testing {

int ScriptedRandom::Random(int range) {
    ranges_.push_back(range);
    if (script_.empty()) {
        return rest_.Random(range);
    }
    const int draw = script_.front();
    script_.pop_front();
    EXPECT_TRUE(draw >= 0 && draw < range)
        << "scripted draw " << draw << " for a range of " << range;
    return draw;
}

}  // namespace pillora::testing
