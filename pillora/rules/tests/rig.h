#pragma once

#include "kit/testing/scripted_random.h"
#include "pillora/rules/bottle.h"
#include "pillora/rules/tests/bottle_text.h"
#include "pillora/rules/tests/recording_view.h"

namespace pillora::testing {

// A bottle wired to a recording view and scripted draws.
struct Rig {
    // A draw past the script fails the test, unless the test asks for more,
    // such as the draws of a fixed seed when only the first ones matter:
    // random.FallBackToSeed(12345).
    Rig() { view.Watch(&bottle); }

    // Starts a game whose first capsules are `current` and `next`, with its
    // single opening virus at (0, 6); the test then lays out its own bottle.
    void Start(int current, int next, int level = 1, int virusesPerLevel = 1) {
        random.Script({next - 1, current - 1, 0, 0, 0, 0});
        bottle.StartGame(level, virusesPerLevel, 500);
        view.Clear();
    }

    RecordingView view;
    kit::testing::ScriptedRandom random;
    Bottle bottle{view, random};
};

}  // namespace pillora::testing
