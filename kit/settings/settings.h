#pragma once

#include <cstdint>
#include <string>

#include "kit/program/program.h"
#include "kit/settings/profile.h"

namespace kit {

// Section names of "Fallpack.ini": each program's own, and Briko's statistics.
inline constexpr const char* kOrchardSection = describe(Program::Orchard).settingsSection;
inline constexpr const char* kBrikoSection = describe(Program::Briko).settingsSection;
inline constexpr const char* kBrikoStatsSection = "Briko Demo Results";
inline constexpr const char* kBrikoStatsKey = "Stats";
inline constexpr const char* kPilloraSection = describe(Program::Pillora).settingsSection;
// Read only: the fall interval bases of Briko and Pillora. Nothing writes it.
inline constexpr const char* kDeltaSection = "SECTIONNAME";

// Orchard's options, as its main window holds them from start to exit.
struct OrchardSettings {
    int which = 1;      // tile set: 1 fruit, 2 plain
    int level = 1;      // starting level
    int nbAligned = 3;  // like fruits to align
    std::int32_t delay = 5000;
    bool sound = true;
    bool jocker = true;
    bool nextPiece = true;
    int music = 3;  // 0, 1, 2 tracks A, B, C; 3 none
    std::string sndName1 = "Orchard1.wav";
    std::string sndName2 = "Orchard2.wav";
    std::string sndName3 = "Orchard3.wav";
    // The options' "Joystick enabled." box: never stored, so off at every start.
    bool joystick = false;
    // A running game pauses when the player turns to another program or minimises.
    bool autoPause = true;
    // The windows' zoom, 1 to 4; 0 when not chosen yet (missing or out of
    // range), which leaves the choice to the first-start rule.
    int zoom = 0;

    bool operator==(const OrchardSettings&) const = default;
};

// Briko's options. Numbers are read as stored; the options window offers the ranges.
struct BrikoSettings {
    int start = 0;  // starting level
    int rows = 0;   // rows of debris at the start
    int demoSpeed = 3;
    bool sound = false;
    bool demoLoop = false;
    int music = 3;
    int which = 0;  // block design
    bool joyEnabled = false;
    bool autoPause = true;  // as Orchard's
    int zoom = 0;           // as Orchard's

    bool operator==(const BrikoSettings&) const = default;
};

// Pillora's options.
struct PilloraSettings {
    int deltaVirus = 1;  // viruses added per level
    int nbAligne = 4;    // like colours to align
    std::uint16_t delay = 5000;
    int level = 1;  // starting level ("Speed")
    bool soundOk = false;
    bool singlesOk = false;
    bool virusesMove = false;
    bool showNext = false;
    std::string sndName1 = "Pillora1.wav";
    std::string sndName2 = "Pillora2.wav";
    bool autoPause = true;  // as Orchard's
    int zoom = 0;           // as Orchard's

    bool operator==(const PilloraSettings&) const = default;
};

// Read at main-window creation: every key of the program's section in its
// read order, with out-of-range values replaced by the program's rules.
OrchardSettings LoadOrchardSettings(const ProfileFile& file = ProfileFile());
BrikoSettings LoadBrikoSettings(const ProfileFile& file = ProfileFile());
PilloraSettings LoadPilloraSettings(const ProfileFile& file = ProfileFile());

// Written at main-window destruction, in the program's write order, with the
// program's "..._Delta_t"/"Orchard_DeltaT" key set to "500", and the automatic
// pause's key ("Orchard_AutoPause", ...) last. Returns false when
// the file could not be written (the programs do not report it).
bool SaveSettings(const OrchardSettings& settings, const ProfileFile& file = ProfileFile());
bool SaveSettings(const BrikoSettings& settings, const ProfileFile& file = ProfileFile());
bool SaveSettings(const PilloraSettings& settings, const ProfileFile& file = ProfileFile());

// Read at every New: the fall interval bases in milliseconds (default 500).
// Orchard's "DeltaT" comes from its own section, the others from "SECTIONNAME".
std::uint16_t ReadOrchardDeltaT(const ProfileFile& file = ProfileFile());
int ReadBrikoDeltaT(const ProfileFile& file = ProfileFile());
std::uint16_t ReadPilloraDeltaT(const ProfileFile& file = ProfileFile());

// Read at close: a non-zero stored value hides the about window.
bool OrchardHidesAboutBox(const ProfileFile& file = ProfileFile());
bool BrikoHidesAboutBox(const ProfileFile& file = ProfileFile());

// The program's own section, and its player-name key ("Orchard_PlayerName", ...).
const char* SectionOf(Program program);
const char* PlayerNameKey(Program program);

// The last name entered in the program's high-score window (at most 79
// characters), or `defaultName` when none was ever stored.
std::string ReadPlayerName(Program program, std::string_view defaultName,
                           const ProfileFile& file = ProfileFile());
bool WritePlayerName(Program program, std::string_view name,
                     const ProfileFile& file = ProfileFile());

}  // namespace kit
