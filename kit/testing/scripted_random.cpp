#include "kit/testing/scripted_random.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kit::testing {

void ScriptedRandom::FallBackTo(int draw) {
    fallback_ = Fallback::Constant;
    constant_ = draw;
}

void ScriptedRandom::FallBackToSeed(unsigned seed) {
    fallback_ = Fallback::Seeded;
    seeded_.emplace(seed);
}

void ScriptedRandom::RepeatScript() {
    fallback_ = Fallback::Repeat;
}

int ScriptedRandom::Random(int range) {
    ranges_.push_back(range);
    if (next_ == script_.size()) {
        switch (fallback_) {
            case Fallback::Constant:
                return std::clamp(constant_, 0, range - 1);
            case Fallback::Seeded:
                return seeded_->Random(range);
            case Fallback::Repeat:
                if (!script_.empty()) {
                    next_ = 0;
                    break;
                }
                [[fallthrough]];
            case Fallback::None:
                ADD_FAILURE() << "a draw for a range of " << range << " past the end of the script";
                return 0;
        }
    }
    const int draw = script_[next_++];
    if (draw < 0 || draw >= range) {
        ADD_FAILURE() << "scripted draw " << draw << " for a range of " << range;
        return std::clamp(draw, 0, range - 1);
    }
    return draw;
}

}  // namespace kit::testing
