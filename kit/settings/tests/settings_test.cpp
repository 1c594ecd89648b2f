#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "kit/settings/settings.h"
#include "kit/testing/file_bytes.h"

namespace {

class SettingsTest : public ::testing::Test {
  protected:
    void write(const std::string& text) { kit::testing::writeBytes(file.path(), text); }
    std::string content() const { return kit::testing::readBytes(file.path()); }
    std::string orchard(const std::string& keys) {
        return "[Freeware Orchard for Windows 95 Program]\n" + keys;
    }
    std::string pillora(const std::string& keys) {
        return "[Freeware Pillora for Windows 95 Program]\n" + keys;
    }
    kit::ProfileFile file{std::filesystem::current_path() / "Fallpack.ini"};
};

TEST_F(SettingsTest, NoFileGivesTheDefaults) {
    EXPECT_EQ(kit::LoadOrchardSettings(file), kit::OrchardSettings{});
    EXPECT_EQ(kit::LoadBrikoSettings(file), kit::BrikoSettings{});
    EXPECT_EQ(kit::LoadPilloraSettings(file), kit::PilloraSettings{});
    const kit::OrchardSettings o;
    EXPECT_TRUE(o.which == 1 && o.level == 1 && o.nbAligned == 3 && o.sound && o.jocker &&
                o.nextPiece && o.music == 3 && o.autoPause);
    const kit::BrikoSettings b;
    EXPECT_TRUE(b.start == 0 && b.rows == 0 && b.demoSpeed == 3 && !b.sound && !b.demoLoop &&
                !b.joyEnabled && b.music == 3 && b.which == 0 && b.autoPause);
    const kit::PilloraSettings p;
    EXPECT_TRUE(p.deltaVirus == 1 && p.nbAligne == 4 && p.level == 1 && !p.soundOk &&
                !p.singlesOk && !p.virusesMove && !p.showNext && p.autoPause);
    EXPECT_EQ(kit::ReadOrchardDeltaT(file), 500);
    EXPECT_EQ(kit::ReadBrikoDeltaT(file), 500);
    EXPECT_EQ(kit::ReadPilloraDeltaT(file), 500);
    EXPECT_FALSE(kit::OrchardHidesAboutBox(file));
    EXPECT_FALSE(kit::BrikoHidesAboutBox(file));
    EXPECT_FALSE(std::filesystem::exists(file.path()));
}

TEST_F(SettingsTest, OrchardReplacesValuesOutsideItsRanges) {
    struct Case {
        std::string keys;
        int which, level, nbAligned, delay;
    } cases[] = {
        {"Orchard_Level=0\nOrchard_NbAligned=2\nOrchard_Delay=1000\nOrchard_Which=3\n", 1, 1, 3,
         5000},
        {"Orchard_Level=10\nOrchard_NbAligned=10\nOrchard_Delay=1001\nOrchard_Which=2\n", 2, 1, 3,
         1001},
        {"Orchard_Level=9\nOrchard_NbAligned=9\nOrchard_Delay=-5\nOrchard_Which=0\n", 1, 9, 9,
         5000},
        {"Orchard_Level=2\nOrchard_NbAligned=3\nOrchard_Delay=junk\n", 1, 2, 3, 5000},
    };
    for (const Case& c : cases) {
        write(orchard(c.keys));
        const auto o = kit::LoadOrchardSettings(file);
        EXPECT_EQ(o.which, c.which) << c.keys;
        EXPECT_EQ(o.level, c.level) << c.keys;
        EXPECT_EQ(o.nbAligned, c.nbAligned) << c.keys;
        EXPECT_EQ(o.delay, c.delay) << c.keys;
    }
}

TEST_F(SettingsTest, PilloraReplacesValuesOutsideItsRanges) {
    struct Case {
        std::string keys;
        int deltaVirus, nbAligne, delay;
    } cases[] = {
        {"Pillora_Delta_virus=0\nPillora_Nb_ALIGNE=0\nPillora_Delay=66536\n", 3, 4, 5000},
        {"Pillora_Delta_virus=7\nPillora_Nb_ALIGNE=10\nPillora_Delay=70000\n", 3, 4, 4464},
        {"Pillora_Delta_virus=6\nPillora_Nb_ALIGNE=1\nPillora_Delay=1001\n", 6, 1, 1001},
        {"Pillora_Delay=65535\n", 1, 4, 65535},
    };
    for (const Case& c : cases) {
        write(pillora(c.keys));
        const auto p = kit::LoadPilloraSettings(file);
        EXPECT_EQ(p.deltaVirus, c.deltaVirus) << c.keys;
        EXPECT_EQ(p.nbAligne, c.nbAligne) << c.keys;
        EXPECT_EQ(p.delay, c.delay) << c.keys;
    }
}

TEST_F(SettingsTest, BrikoReadsItsNumbersAsStored) {
    write(
        "[Freeware Brikoline version 1.95]\nBRIKO_Start=99\nBRIKO_Rows=-3\nBRIKO_Which=7\n"
        "BRIKO_Music=12\nBRIKO_Sound=1\nBRIKO_JoyEnabled=yes\n");
    const auto b = kit::LoadBrikoSettings(file);
    EXPECT_EQ(b.start, 99);
    EXPECT_EQ(b.rows, -3);
    EXPECT_EQ(b.which, 7);
    EXPECT_EQ(b.music, 12);
    EXPECT_TRUE(b.sound);
    EXPECT_FALSE(b.joyEnabled);
}

TEST_F(SettingsTest, AZoomOutsideOneToFourHasNotBeenChosen) {
    const std::pair<std::string, int> cases[] = {{"", 0},  {"0", 0},  {"1", 1},  {"4", 4},
                                                 {"5", 0}, {"-2", 0}, {"2x", 2}, {"big", 0}};
    for (const auto& [value, zoom] : cases) {
        write(orchard("Orchard_Zoom=" + value + "\n") +
              "[Freeware Brikoline version 1.95]\nBRIKO_Zoom=" + value + "\n" +
              pillora("Pillora_Zoom=" + value + "\n"));
        EXPECT_EQ(kit::LoadOrchardSettings(file).zoom, zoom) << value;
        EXPECT_EQ(kit::LoadBrikoSettings(file).zoom, zoom) << value;
        EXPECT_EQ(kit::LoadPilloraSettings(file).zoom, zoom) << value;
    }
}

TEST_F(SettingsTest, FlagsAreOnOnlyWhenExactlyOneAndAreWrittenBackAsZeroOrOne) {
    write(orchard("Orchard_Sound=2\nOrchard_Jocker=1\nOrchard_NextPiece=0\n"));
    const auto o = kit::LoadOrchardSettings(file);
    EXPECT_FALSE(o.sound);
    EXPECT_TRUE(o.jocker);
    EXPECT_FALSE(o.nextPiece);
    ASSERT_TRUE(kit::SaveSettings(o, file));
    EXPECT_NE(content().find("Orchard_Sound=0\n"), std::string::npos) << content();
}

TEST_F(SettingsTest, TheAutomaticPauseIsOnUnlessItsKeySaysOtherwise) {
    write(orchard("Orchard_AutoPause=0\n") +
          "[Freeware Brikoline version 1.95]\nBRIKO_AutoPause=1\n" +
          pillora("pillora_autopause=2\n"));
    EXPECT_FALSE(kit::LoadOrchardSettings(file).autoPause);
    EXPECT_TRUE(kit::LoadBrikoSettings(file).autoPause);
    EXPECT_FALSE(kit::LoadPilloraSettings(file).autoPause);
}

TEST_F(SettingsTest, SaveWritesEveryKeyInOrderWithTheDeltaKeyAt500) {
    kit::OrchardSettings o;
    o.level = 4;
    o.sndName2 = "été.wav";
    o.zoom = 2;
    ASSERT_TRUE(kit::SaveSettings(o, file));
    kit::BrikoSettings b;
    b.demoSpeed = 20;
    b.joyEnabled = true;
    b.autoPause = false;
    ASSERT_TRUE(kit::SaveSettings(b, file));
    kit::PilloraSettings p;
    p.delay = 1234;
    p.zoom = 4;
    ASSERT_TRUE(kit::SaveSettings(p, file));
    EXPECT_EQ(content(),
              "[Freeware Orchard for Windows 95 Program]\nOrchard_DeltaT=500\nOrchard_NbAligned=3\n"
              "Orchard_Music=3\nOrchard_Level=4\nOrchard_Which=1\nOrchard_Delay=5000\n"
              "Orchard_SndName1=Orchard1.wav\nOrchard_SndName2=été.wav\n"
              "Orchard_SndName3=Orchard3.wav\nOrchard_Sound=1\nOrchard_Jocker=1\n"
              "Orchard_NextPiece=1\nOrchard_AutoPause=1\nOrchard_Zoom=2\n\n"
              "[Freeware Brikoline version 1.95]\nBRIKO_Delta_t=500\nBRIKO_DemoSpeed=20\n"
              "BRIKO_Start=0\nBRIKO_Rows=0\nBRIKO_Which=0\nBRIKO_Music=3\nBRIKO_Sound=0\n"
              "BRIKO_DemoLoop=0\nBRIKO_JoyEnabled=1\nBRIKO_AutoPause=0\nBRIKO_Zoom=0\n\n"
              "[Freeware Pillora for Windows 95 Program]\nPillora_Delta_t=500\n"
              "Pillora_Delta_virus=1\nPillora_Nb_ALIGNE=4\nPillora_Level=1\nPillora_Delay=1234\n"
              "Pillora_SndName1=Pillora1.wav\nPillora_SndName2=Pillora2.wav\n"
              "Pillora_SoundOk=0\nPillora_SinglesOk=0\nPillora_VirusesMove=0\n"
              "Pillora_ShowNext=0\nPillora_AutoPause=1\nPillora_Zoom=4\n");
    EXPECT_EQ(kit::LoadOrchardSettings(file), o);
    EXPECT_EQ(kit::LoadBrikoSettings(file), b);
    EXPECT_EQ(kit::LoadPilloraSettings(file), p);
}

TEST_F(SettingsTest, OnlyTheKeysReadAtNewChangeTheFallSpeed) {
    write(orchard("Orchard_DeltaT=100\nDeltaT=70000\nOrchard_HideAboutBox=-1\n") +
          "[Freeware Brikoline version 1.95]\nBRIKO_Delta_t=100\nBRIKO_HideAboutBox=2\n"
          "[SECTIONNAME]\nBRIKO_Delta_t=250\nPillora_Delta_t=300\n" +
          pillora("Pillora_Delta_t=100\n"));
    EXPECT_EQ(kit::ReadOrchardDeltaT(file), static_cast<std::uint16_t>(70000));
    EXPECT_EQ(kit::ReadBrikoDeltaT(file), 250);
    EXPECT_EQ(kit::ReadPilloraDeltaT(file), 300);
    EXPECT_TRUE(kit::OrchardHidesAboutBox(file));
    EXPECT_TRUE(kit::BrikoHidesAboutBox(file));
}

TEST_F(SettingsTest, PilloraFindsHandWrittenSoundNamesAndKeepsForeignSections) {
    write("[Mine]\nanything=goes\n" +
          pillora("pillora_sndname1=boom.wav\nPILLORA_SNDNAME2=bang.wav\nPillora_Custom=x\n"));
    auto p = kit::LoadPilloraSettings(file);
    EXPECT_EQ(p.sndName1, "boom.wav");
    EXPECT_EQ(p.sndName2, "bang.wav");
    ASSERT_TRUE(kit::SaveSettings(p, file));
    const std::string after = content();
    EXPECT_EQ(after.rfind("[Mine]\nanything=goes\n", 0), 0u) << after;
    EXPECT_NE(after.find("Pillora_SndName1=boom.wav\n"), std::string::npos) << after;
    EXPECT_NE(after.find("Pillora_Custom=x\n"), std::string::npos) << after;
    EXPECT_EQ(after.find("sndname1"), std::string::npos) << "the key is rewritten in place";
}

TEST_F(SettingsTest, PlayerNamesAreKeptPerProgramAndCutTo79) {
    EXPECT_EQ(kit::ReadPlayerName(kit::Program::Briko, "Owner", file), "Owner");
    ASSERT_TRUE(kit::WritePlayerName(kit::Program::Briko, "Ann", file));
    ASSERT_TRUE(kit::WritePlayerName(kit::Program::Pillora, std::string(90, 'p'), file));
    ASSERT_TRUE(kit::WritePlayerName(kit::Program::Orchard, "", file));
    EXPECT_EQ(kit::ReadPlayerName(kit::Program::Briko, "Owner", file), "Ann");
    EXPECT_EQ(kit::ReadPlayerName(kit::Program::Pillora, "Owner", file), std::string(79, 'p'));
    EXPECT_EQ(kit::ReadPlayerName(kit::Program::Orchard, "Owner", file), "");
    EXPECT_NE(content().find("[Freeware Brikoline version 1.95]\nBRIKO_PlayerName=Ann\n"),
              std::string::npos);
}

}  // namespace
