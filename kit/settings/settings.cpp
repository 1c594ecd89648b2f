#include "kit/settings/settings.h"

#include "kit/desktop/zoom_range.h"

namespace kit {
namespace {

bool readFlag(const ProfileFile& file, const char* section, const char* key, bool defaultOn) {
    return file.readInt(section, key, defaultOn ? 1 : 0) == 1;
}

std::string flag(bool on) {
    return on ? "1" : "0";
}

int readZoom(const ProfileFile& file, const char* section, const char* key) {
    const int zoom = file.readInt(section, key, 0);
    return isChosenZoom(zoom) ? zoom : 0;
}

}  // namespace

OrchardSettings LoadOrchardSettings(const ProfileFile& file) {
    const char* s = kOrchardSection;
    OrchardSettings o;
    o.which = file.readInt(s, "Orchard_Which", 1);
    if (o.which != 1 && o.which != 2)
        o.which = 1;
    o.level = file.readInt(s, "Orchard_Level", 1);
    if (o.level < 2 || o.level > 9)
        o.level = 1;
    o.nbAligned = file.readInt(s, "Orchard_NbAligned", 3);
    if (o.nbAligned < 3 || o.nbAligned > 9)
        o.nbAligned = 3;
    o.delay = file.readInt(s, "Orchard_Delay", 5000);
    if (o.delay <= 1000)
        o.delay = 5000;
    o.sound = readFlag(file, s, "Orchard_Sound", true);
    o.jocker = readFlag(file, s, "Orchard_Jocker", true);
    o.nextPiece = readFlag(file, s, "Orchard_NextPiece", true);
    o.music = file.readInt(s, "Orchard_Music", 3);
    o.sndName1 = file.readString(s, "Orchard_SndName1", "Orchard1.wav");
    o.sndName2 = file.readString(s, "Orchard_SndName2", "Orchard2.wav");
    o.sndName3 = file.readString(s, "Orchard_SndName3", "Orchard3.wav");
    o.autoPause = readFlag(file, s, "Orchard_AutoPause", true);
    o.zoom = readZoom(file, s, "Orchard_Zoom");
    return o;
}

BrikoSettings LoadBrikoSettings(const ProfileFile& file) {
    const char* s = kBrikoSection;
    BrikoSettings b;
    b.start = file.readInt(s, "BRIKO_Start", 0);
    b.rows = file.readInt(s, "BRIKO_Rows", 0);
    b.demoSpeed = file.readInt(s, "BRIKO_DemoSpeed", 3);
    b.sound = readFlag(file, s, "BRIKO_Sound", false);
    b.demoLoop = readFlag(file, s, "BRIKO_DemoLoop", false);
    b.music = file.readInt(s, "BRIKO_Music", 3);
    b.which = file.readInt(s, "BRIKO_Which", 0);
    b.joyEnabled = readFlag(file, s, "BRIKO_JoyEnabled", false);
    b.autoPause = readFlag(file, s, "BRIKO_AutoPause", true);
    b.zoom = readZoom(file, s, "BRIKO_Zoom");
    return b;
}

PilloraSettings LoadPilloraSettings(const ProfileFile& file) {
    const char* s = kPilloraSection;
    PilloraSettings p;
    p.deltaVirus = file.readInt(s, "Pillora_Delta_virus", 1);
    if (p.deltaVirus < 1 || p.deltaVirus > 6)
        p.deltaVirus = 3;
    p.nbAligne = file.readInt(s, "Pillora_Nb_ALIGNE", 4);
    if (p.nbAligne < 1 || p.nbAligne > 9)
        p.nbAligne = 4;
    // A 16-bit field: the stored value counts modulo 65536.
    p.delay = static_cast<std::uint16_t>(file.readInt(s, "Pillora_Delay", 5000));
    if (p.delay <= 1000)
        p.delay = 5000;
    p.level = file.readInt(s, "Pillora_Level", 1);
    if (p.level < 2 || p.level > 9)
        p.level = 1;
    p.soundOk = readFlag(file, s, "Pillora_SoundOk", false);
    p.singlesOk = readFlag(file, s, "Pillora_SinglesOk", false);
    p.virusesMove = readFlag(file, s, "Pillora_VirusesMove", false);
    p.showNext = readFlag(file, s, "Pillora_ShowNext", false);
    // Read as "Sndname", written as "SndName": the same key, names ignore case.
    p.sndName1 = file.readString(s, "Pillora_Sndname1", "Pillora1.wav");
    p.sndName2 = file.readString(s, "Pillora_Sndname2", "Pillora2.wav");
    p.autoPause = readFlag(file, s, "Pillora_AutoPause", true);
    p.zoom = readZoom(file, s, "Pillora_Zoom");
    return p;
}

bool SaveSettings(const OrchardSettings& o, const ProfileFile& file) {
    return file.writeStrings(kOrchardSection,
                             {
                                 {"Orchard_DeltaT", "500"},
                                 {"Orchard_NbAligned", std::to_string(o.nbAligned)},
                                 {"Orchard_Music", std::to_string(o.music)},
                                 {"Orchard_Level", std::to_string(o.level)},
                                 {"Orchard_Which", std::to_string(o.which)},
                                 {"Orchard_Delay", std::to_string(o.delay)},
                                 {"Orchard_SndName1", o.sndName1},
                                 {"Orchard_SndName2", o.sndName2},
                                 {"Orchard_SndName3", o.sndName3},
                                 {"Orchard_Sound", flag(o.sound)},
                                 {"Orchard_Jocker", flag(o.jocker)},
                                 {"Orchard_NextPiece", flag(o.nextPiece)},
                                 {"Orchard_AutoPause", flag(o.autoPause)},
                                 {"Orchard_Zoom", std::to_string(o.zoom)},
                             });
}

bool SaveSettings(const BrikoSettings& b, const ProfileFile& file) {
    return file.writeStrings(kBrikoSection, {
                                                {"BRIKO_Delta_t", "500"},
                                                {"BRIKO_DemoSpeed", std::to_string(b.demoSpeed)},
                                                {"BRIKO_Start", std::to_string(b.start)},
                                                {"BRIKO_Rows", std::to_string(b.rows)},
                                                {"BRIKO_Which", std::to_string(b.which)},
                                                {"BRIKO_Music", std::to_string(b.music)},
                                                {"BRIKO_Sound", flag(b.sound)},
                                                {"BRIKO_DemoLoop", flag(b.demoLoop)},
                                                {"BRIKO_JoyEnabled", flag(b.joyEnabled)},
                                                {"BRIKO_AutoPause", flag(b.autoPause)},
                                                {"BRIKO_Zoom", std::to_string(b.zoom)},
                                            });
}

bool SaveSettings(const PilloraSettings& p, const ProfileFile& file) {
    return file.writeStrings(kPilloraSection,
                             {
                                 {"Pillora_Delta_t", "500"},
                                 {"Pillora_Delta_virus", std::to_string(p.deltaVirus)},
                                 {"Pillora_Nb_ALIGNE", std::to_string(p.nbAligne)},
                                 {"Pillora_Level", std::to_string(p.level)},
                                 {"Pillora_Delay", std::to_string(p.delay)},
                                 {"Pillora_SndName1", p.sndName1},
                                 {"Pillora_SndName2", p.sndName2},
                                 {"Pillora_SoundOk", flag(p.soundOk)},
                                 {"Pillora_SinglesOk", flag(p.singlesOk)},
                                 {"Pillora_VirusesMove", flag(p.virusesMove)},
                                 {"Pillora_ShowNext", flag(p.showNext)},
                                 {"Pillora_AutoPause", flag(p.autoPause)},
                                 {"Pillora_Zoom", std::to_string(p.zoom)},
                             });
}

std::uint16_t ReadOrchardDeltaT(const ProfileFile& file) {
    return static_cast<std::uint16_t>(file.readInt(kOrchardSection, "DeltaT", 500));
}

int ReadBrikoDeltaT(const ProfileFile& file) {
    return file.readInt(kDeltaSection, "BRIKO_Delta_t", 500);
}

std::uint16_t ReadPilloraDeltaT(const ProfileFile& file) {
    return static_cast<std::uint16_t>(file.readInt(kDeltaSection, "Pillora_Delta_t", 500));
}

bool OrchardHidesAboutBox(const ProfileFile& file) {
    return file.readInt(kOrchardSection, "Orchard_HideAboutBox", 0) != 0;
}

bool BrikoHidesAboutBox(const ProfileFile& file) {
    return file.readInt(kBrikoSection, "BRIKO_HideAboutBox", 0) != 0;
}

const char* SectionOf(Program program) {
    return describe(program).settingsSection;
}

const char* PlayerNameKey(Program program) {
    return describe(program).playerNameKey;
}

std::string ReadPlayerName(Program program, std::string_view defaultName, const ProfileFile& file) {
    return file.readString(SectionOf(program), PlayerNameKey(program), defaultName,
                           kProfileNameBuffer);
}

bool WritePlayerName(Program program, std::string_view name, const ProfileFile& file) {
    return file.writeString(SectionOf(program), PlayerNameKey(program), name);
}

}  // namespace kit
