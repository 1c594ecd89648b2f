#include <gtest/gtest.h>

#include <set>
#include <string>

#include "kit/highscores/highscore_table.h"
#include "kit/program/program.h"

namespace {

using kit::Program;
using kit::ProgramDescription;

// The texts of a description that must be there and differ between programs.
constexpr const char* ProgramDescription::*kOwnTexts[] = {
    &ProgramDescription::name,
    &ProgramDescription::numbersStrip,
    &ProgramDescription::settingsSection,
    &ProgramDescription::playerNameKey,
    &ProgramDescription::highScoreFile,
    &ProgramDescription::bestWindowCaption,
};

TEST(ProgramDescription, EveryProgramIsDescribedCompletelyAndApartFromTheOthers) {
    for (Program program : {Program::Orchard, Program::Briko, Program::Pillora})
        EXPECT_EQ(kit::describe(program).program, program);
    for (auto text : kOwnTexts) {
        std::set<std::string> seen;
        for (const ProgramDescription& d : kit::kProgramDescriptions) {
            ASSERT_NE(d.*text, nullptr) << d.name;
            EXPECT_STRNE(d.*text, "") << d.name;
            EXPECT_TRUE(seen.insert(d.*text).second) << d.*text << " is not the program's own";
        }
    }
    std::set<std::string> stems;
    for (const ProgramDescription& d : kit::kProgramDescriptions) {
        // A record holds at least the score and the name field.
        EXPECT_GE(d.highScoreRecordSize, 4 + kit::kHighScoreNameField) << d.name;
        // A program without music has no stem; the others name their tracks apart.
        if (d.musicTrackStem != nullptr) {
            EXPECT_TRUE(stems.insert(d.musicTrackStem).second) << d.musicTrackStem;
        }
    }
}

}  // namespace
