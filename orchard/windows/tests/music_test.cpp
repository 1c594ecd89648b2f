#include "orchard/windows/main_window.h"

#include <QSignalSpy>
#include <QTest>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>

#include <gtest/gtest.h>

#include "kit/audio/audio.h"
#include "kit/audio/music_player.h"
#include "kit/settings/profile.h"
#include "kit/settings/settings.h"
#include "kit/testing/stderr_capture.h"
#include "orchard/windows/tests/window_harness.h"

namespace orchard {
namespace {

using testing::OrchardWindows;

// Random bytes under the name of track A, in a track folder of the test's own.
class UnplayableTrack : public ::testing::Test {
  protected:
    void SetUp() override {
        std::ofstream file("Orchard_#1.mid", std::ios::binary);
        std::mt19937 bytes(14);
        for (int i = 0; i < 4096; ++i)
            file.put(static_cast<char>(bytes() & 0xff));
        file.close();
        kit::MusicPlayer::setTrackFolder(std::filesystem::current_path());
        kit::ProfileFile().writeString(kit::kOrchardSection, "Orchard_Music", "0");
    }
    void TearDown() override { kit::MusicPlayer::setTrackFolder({}); }

    kit::AudioSession audio;
};

TEST_F(UnplayableTrack, NewWithTheMusicOnPlaysNothingReplaysNothingAndLogsNothing) {
    kit::testing::StderrCapture stderrText;
    OrchardWindows windows;
    ASSERT_EQ(windows.main.Settings().music, 0);
    kit::MusicPlayer& player = windows.main.MediaPlayer();
    EXPECT_FALSE(player.isOpen()) << "a track that cannot be played is a failed open";
    QSignalSpy ended(&player, &kit::MusicPlayer::ended);

    windows.main.New1Click();
    QTest::qWait(500);
    EXPECT_FALSE(windows.main.Game().State().NoGame) << "the game runs on, silently";
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(ended.count(), 0) << "no end, so nothing restarts the track";
    stderrText.restore();
    EXPECT_LE(stderrText.lines(), 1) << stderrText.text();
}

}  // namespace
}  // namespace orchard
