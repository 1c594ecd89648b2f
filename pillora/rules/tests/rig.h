#pragma once

#include "pillora/rules/bottle.h"
#include "pillora/rules/tests/bottle_text.h"
#include "pillora/rules/tests/recording_view.h"
#include "pillora/rules/tests/scripted_random.h"

namespace pillora::testing {

// A bottle wired to a recording view and scripted draws.
struct Rig {
    Rig() { view.Watch(&bottle); }

    // Starts a game whose first capsules are `current` and `next`, with its
    // single opening virus at (0, 6); the test then lays out its own bottle.
    void Start(int current, int next, int level = 1, int virusesPerLevel = 1) {
        random.Then({next - 1, current - 1, 0, 0, 0, 0});
        bottle.StartGame(level, virusesPerLevel, 500);
        view.Clear();
    }

    RecordingView view;
    ScriptedRandom random;
    Bottle bottle{view, random};
};

}  // namespace pillora::testing
