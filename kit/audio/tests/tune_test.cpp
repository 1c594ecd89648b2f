#include "tools/midi/tune.h"

#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

namespace {

using midi::parseTune;

const char* const kHeader =
    "tempo 120\n"
    "step 2\n"
    "voice lead channel 0 program 73\n"
    "voice drums drums\n";

midi::Tune parse(const std::string& body) {
    return parseTune(kHeader + body);
}

TEST(Tune, RepeatsChordsLengthsAndRestsBecomeNotesAtTheirSteps) {
    const auto tune = parse(
        "section A\n"
        "lead: c4/2 [ e4/1 r ]x2 | c#4+g4/2 # a comment\n"
        "drums: kick/4 snare+hat\n"
        "play A A^12\n");
    ASSERT_EQ(tune.sections.size(), 1u);
    const auto& lead = tune.sections[0].notes.at("lead");
    ASSERT_EQ(lead.size(), 4u);
    EXPECT_EQ(lead[0].keys, (std::vector<int>{60}));
    EXPECT_EQ(lead[1].step, 2u);
    EXPECT_EQ(lead[2].step, 4u);
    EXPECT_EQ(lead[2].length, 1u);
    EXPECT_EQ(lead[3].keys, (std::vector<int>{61, 67}));
    EXPECT_EQ(tune.sections[0].notes.at("drums")[1].keys, (std::vector<int>{38, 42}));
    EXPECT_EQ(tune.sections[0].length, 8u);
    ASSERT_EQ(tune.order.size(), 2u);
    EXPECT_EQ(tune.order[1].transpose, 12);
    // Two sections of 8 eighths at 120 quarters a minute.
    EXPECT_DOUBLE_EQ(midi::tuneSeconds(tune), 4.0);
}

TEST(Tune, FaultsNameTheirLine) {
    const struct {
        const char* body;
        const char* message;
    } cases[] = {
        {"section A\nlead: c4/2 d4\ndrums: kick/2\nplay A\n", "line 8: in section A"},
        {"section A\nbass: c4/2\n", "line 6: no voice bass"},
        {"section A\nlead: h4/2\n", "line 6: not a note"},
        {"section A\nlead: [ c4/2\n", "line 6: a group is not closed"},
        {"section A\nlead: c4\n", "line 6: the first note"},
        {"section A\nlead: c4/1\nplay B\n", "line 7: no section B"},
        {"section A\nlead: c4/1\n", "nothing to play"},
    };
    for (const auto& c : cases) {
        try {
            parse(c.body);
            ADD_FAILURE() << c.body;
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
}

}  // namespace
