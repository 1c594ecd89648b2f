#pragma once

#include <array>
#include <cstddef>

#include "kit/text/translatable.h"

namespace kit {

// The three games that share the kit.
enum class Program { Orchard, Briko, Pillora };

// Whatever differs between the programs in the kit, all in one row per program.
// A new value or a new program is added here and nowhere else.
struct ProgramDescription {
    Program program;
    // The name the program goes by in its messages ("You may be running BRIKO ...").
    const char* name;
    // The counters' NUMBERS strip among the kit's resources, glyphs in the
    // program's colour.
    const char* numbersStrip;
    // Its own section of "Fallpack.ini", and the key there of the last name
    // entered in its high-score window.
    const char* settingsSection;
    const char* playerNameKey;
    // The high-score table's file in the current directory, and the size of one
    // of its five records: score and name, in Orchard and Briko 3 filler bytes.
    const char* highScoreFile;
    std::size_t highScoreRecordSize;
    // The high-score window's caption once it is set up (translated by the
    // window), and whether it has a close box (closing it that way stores
    // nothing).
    const char* bestWindowCaption;
    bool bestWindowClosable;
    // Its music tracks' file name up to the track number ("Orchard_#" for
    // "Orchard_#2.mid"); null for a program without music.
    const char* musicTrackStem;
};

inline constexpr std::array<ProgramDescription, 3> kProgramDescriptions = {{
    {
        .program = Program::Orchard,
        .name = "Orchard",
        .numbersStrip = ":/kit/numbers/orchard.bmp",
        .settingsSection = "Freeware Orchard for Windows 95 Program",
        .playerNameKey = "Orchard_PlayerName",
        .highScoreFile = "OrchardHighScores97",
        .highScoreRecordSize = 88,
        .bestWindowCaption =
            KIT_TRANSLATABLE("kit::BestWindow", "Orchard for Windows 95 top five !"),
        .bestWindowClosable = false,
        .musicTrackStem = "Orchard_#",
    },
    {
        .program = Program::Briko,
        .name = "BRIKO",
        .numbersStrip = ":/kit/numbers/briko.bmp",
        .settingsSection = "Freeware Brikoline version 1.95",
        .playerNameKey = "BRIKO_PlayerName",
        .highScoreFile = "BRIKOHighScores97",
        .highScoreRecordSize = 88,
        .bestWindowCaption = KIT_TRANSLATABLE("kit::BestWindow", "BRIKO top five !"),
        .bestWindowClosable = false,
        .musicTrackStem = "BRIKO_#",
    },
    {
        .program = Program::Pillora,
        .name = "Pillora",
        .numbersStrip = ":/kit/numbers/pillora.bmp",
        .settingsSection = "Freeware Pillora for Windows 95 Program",
        .playerNameKey = "Pillora_PlayerName",
        .highScoreFile = "PilloraHighScores97",
        .highScoreRecordSize = 85,
        .bestWindowCaption = KIT_TRANSLATABLE("kit::BestWindow", "Pillora top five !"),
        .bestWindowClosable = true,
        .musicTrackStem = nullptr,
    },
}};

constexpr const ProgramDescription& describe(Program program) {
    return kProgramDescriptions.at(static_cast<std::size_t>(program));
}

// Each row stands at its program's place in the table.
static_assert([] {
    for (std::size_t i = 0; i < kProgramDescriptions.size(); ++i) {
        if (static_cast<std::size_t>(kProgramDescriptions[i].program) != i)
            return false;
    }
    return true;
}());

}  // namespace kit
