#include "kit/audio/music_player.h"

#include "kit/audio/audio.h"
#include "kit/audio/sound_effect.h"
#include "kit/desktop/program_folder.h"
#include "kit/testing/scoped_env.h"
#include "kit/testing/stderr_capture.h"
#include "tools/midi/midi_writer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <SDL2/SDL_mixer.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

using kit::MusicPlayer;
using kit::Program;

using Bytes = std::vector<std::uint8_t>;

std::filesystem::path writeFile(const std::string& name, const Bytes& bytes) {
    const auto file = std::filesystem::current_path() / name;
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return file;
}

// A tune of one note that ends after `quarters` quarter notes (500 ms each at 120
// per minute; `division` ticks each, or time code when its top bit is set).
Bytes shortTune(int quarters = 1, int division = 480) {
    midi::TrackWriter track;
    track.tempo(0, 120);
    track.program(0, 0, 0);
    track.note(0, 0, 72, 110, 400);
    return midi::encodeFile({track.encode(480u * quarters)}, division);
}

std::filesystem::path writeShortTrack(int quarters = 1) {
    return writeFile("short.mid", shortTune(quarters));
}

void processEventsFor(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

class MusicPlayerTest : public ::testing::Test {
  protected:
    // The soundfont package is installed with the others, so no MIDI is a fault here.
    void SetUp() override { ASSERT_TRUE(kit::AudioSession::hasMidi()); }
    kit::AudioSession audio;
};

TEST_F(MusicPlayerTest, OpensEveryShippedTrackFromTheProgramFolderWhateverTheCurrentDirectory) {
    ASSERT_NE(std::filesystem::current_path(), kit::programFolder());
    for (Program program : {Program::Orchard, Program::Briko}) {
        for (int type = 0; type < 3; ++type) {
            MusicPlayer player(program);
            player.openTrack(type);
            ASSERT_TRUE(player.isOpen()) << kit::musicTrackName(program, type);
            EXPECT_GE(player.trackLengthMs(), 45'000) << kit::musicTrackName(program, type);
            EXPECT_LE(player.trackLengthMs(), 120'000) << kit::musicTrackName(program, type);
        }
    }
}

TEST_F(MusicPlayerTest, AProgramWithoutMusicOpensNoTrack) {
    MusicPlayer player(Program::Pillora);
    player.openTrack(0);
    EXPECT_FALSE(player.isOpen());
}

TEST_F(MusicPlayerTest, MusicOffKeepsTheOpenTrackAndAValueAboveThreeOpensNothing) {
    MusicPlayer player(Program::Briko);
    player.openTrack(1);
    ASSERT_TRUE(player.isOpen());
    player.openTrack(kit::kMusicOff);
    EXPECT_TRUE(player.isOpen());
    player.startMusic(kit::kMusicOff);
    EXPECT_FALSE(player.isPlaying());

    player.openTrack(4);  // "BRIKO_#5.mid" is not shipped
    EXPECT_FALSE(player.isOpen());
    QSignalSpy ended(&player, &MusicPlayer::ended);
    player.startMusic(0);
    player.stopMusic(0);
    player.replayIfRunning(0, true, false);
    processEventsFor(100);
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(ended.count(), 0);
}

TEST_F(MusicPlayerTest, TheEndArrivesOnTheGuiThreadAtTheTracksLengthNotSecondsLater) {
    MusicPlayer player(Program::Orchard);
    ASSERT_TRUE(player.openFile(writeShortTrack()));
    EXPECT_EQ(player.trackLengthMs(), 500);
    std::vector<QThread*> threads;
    QObject::connect(&player, &MusicPlayer::ended,
                     [&] { threads.push_back(QThread::currentThread()); });
    player.startMusic(0);
    EXPECT_TRUE(player.isPlaying());
    // The synthesizer itself reports its end about three seconds after the last note.
    QSignalSpy ended(&player, &MusicPlayer::ended);
    ASSERT_TRUE(ended.wait(2000));
    ASSERT_EQ(threads.size(), 1u);
    EXPECT_EQ(threads[0], QCoreApplication::instance()->thread());
    EXPECT_FALSE(player.isPlaying());
    // The tail that rings on is not reported a second time.
    processEventsFor(300);
    EXPECT_EQ(threads.size(), 1u);
}

TEST_F(MusicPlayerTest, ReplaysOnlyWhileMusicIsOnAndAGameRunsUnpaused) {
    struct Case {
        int musicType;
        bool running;
        bool paused;
        bool replays;
    };
    const Case cases[] = {
        {0, true, false, true},
        {0, true, true, false},
        {0, false, false, false},
        {kit::kMusicOff, true, false, false},
    };
    const auto file = writeShortTrack();
    for (const Case& c : cases) {
        MusicPlayer player(Program::Briko);
        ASSERT_TRUE(player.openFile(file));
        QObject::connect(&player, &MusicPlayer::ended,
                         [&] { player.replayIfRunning(c.musicType, c.running, c.paused); });
        QSignalSpy ended(&player, &MusicPlayer::ended);
        player.startMusic(0);
        ASSERT_TRUE(ended.wait(2000));
        EXPECT_EQ(player.isPlaying(), c.replays)
            << "music " << c.musicType << " running " << c.running << " paused " << c.paused;
        if (c.replays) {
            EXPECT_TRUE(ended.wait(2000)) << "the replay ends and replays again";
        }
    }
}

TEST_F(MusicPlayerTest, StoppingRaisesTheEndButAStoppedGameReplaysNothing) {
    MusicPlayer player(Program::Orchard);
    player.openTrack(0);
    ASSERT_TRUE(player.isOpen());
    bool gameRunning = true;
    QObject::connect(&player, &MusicPlayer::ended,
                     [&] { player.replayIfRunning(0, gameRunning, false); });
    QSignalSpy ended(&player, &MusicPlayer::ended);
    player.startMusic(0);
    processEventsFor(100);
    player.stopMusic(0);
    gameRunning = false;
    EXPECT_EQ(ended.count(), 0) << "the end comes queued, like a window message";
    ASSERT_TRUE(ended.wait(1000));
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(MusicPlayerTest, AStartRightAfterAStopIsNotCutByTheStopsEnd) {
    MusicPlayer player(Program::Orchard);
    player.openTrack(2);
    ASSERT_TRUE(player.isOpen());
    QSignalSpy ended(&player, &MusicPlayer::ended);
    player.startMusic(2);
    player.stopMusic(2);   // Abort confirmed ...
    player.startMusic(2);  // ... and the next game starts in the same handler
    processEventsFor(300);
    EXPECT_EQ(ended.count(), 0);
    EXPECT_TRUE(player.isPlaying());
    EXPECT_NE(Mix_PlayingMusic(), 0);
}

TEST_F(MusicPlayerTest, ClosingDuringPlayReportsNoEnd) {
    auto player = std::make_unique<MusicPlayer>(Program::Briko);
    player->openTrack(0);
    QSignalSpy ended(player.get(), &MusicPlayer::ended);
    player->startMusic(0);
    player->close();
    EXPECT_FALSE(player->isOpen());
    processEventsFor(100);
    EXPECT_EQ(ended.count(), 0);
    // A player destroyed while playing leaves the mixer quiet.
    player->openTrack(0);
    player->startMusic(0);
    player.reset();
    processEventsFor(100);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

// Missing, empty, cut short, foreign, no playing time, not a file: none is a
// track, so nothing plays, nothing replays and nothing is logged.
TEST_F(MusicPlayerTest, ATrackThatCannotBePlayedIsAFailedOpen) {
    const Bytes good = shortTune();
    Bytes foreign(3000);
    for (std::size_t i = 0; i < foreign.size(); ++i)
        foreign[i] = static_cast<std::uint8_t>(i * 7919 % 251);
    midi::TrackWriter silent;
    const std::vector<std::pair<const char*, std::optional<Bytes>>> kinds = {
        {"missing", std::nullopt},
        {"empty", Bytes{}},
        {"cut short", Bytes(good.begin(), good.begin() + good.size() / 2)},
        {"foreign", foreign},
        {"no playing time", midi::encodeFile({silent.encode(0)}, 480)},
        {"a pipe", std::nullopt},
    };
    kit::MusicPlayer::setTrackFolder(std::filesystem::current_path());
    for (const auto& [kind, bytes] : kinds) {
        const std::string name = kit::musicTrackName(Program::Orchard, 0);
        std::filesystem::remove(name);
        if (bytes)
            writeFile(name, *bytes);
        if (std::string(kind) == "a pipe") {
            ASSERT_EQ(::mkfifo(name.c_str(), 0600), 0);
        }
        kit::testing::StderrCapture stderrText("stderr-" + std::string(kind) + ".txt");
        MusicPlayer player(Program::Orchard);
        QSignalSpy ended(&player, &MusicPlayer::ended);
        QObject::connect(&player, &MusicPlayer::ended,
                         [&] { player.replayIfRunning(0, true, false); });
        player.openTrack(0);
        EXPECT_FALSE(player.isOpen()) << kind;
        player.startMusic(0);
        processEventsFor(200);
        EXPECT_FALSE(player.isPlaying()) << kind;
        EXPECT_EQ(ended.count(), 0) << kind;
        EXPECT_FALSE(kit::AudioSession::isOpen()) << kind << ": no sound was due";
        stderrText.restore();
        EXPECT_EQ(stderrText.text(), "") << kind;
    }
    kit::MusicPlayer::setTrackFolder({});
}

TEST_F(MusicPlayerTest, ATrackTheSynthesizerGivesUpOnIsClosedAtItsFirstPlay) {
    // Time-code timing reads as a complete file here, but the synthesizer refuses it.
    const auto file = writeFile("timecode.mid", shortTune(4, (0xe7 << 8) | 40));
    kit::testing::StderrCapture stderrText;
    MusicPlayer player(Program::Briko);
    ASSERT_TRUE(player.openFile(file));
    QSignalSpy ended(&player, &MusicPlayer::ended);
    QObject::connect(&player, &MusicPlayer::ended, [&] { player.replayIfRunning(0, true, false); });
    player.startMusic(0);
    processEventsFor(500);
    EXPECT_FALSE(player.isOpen());
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(ended.count(), 0);
    player.startMusic(0);
    player.replayIfRunning(0, true, false);
    processEventsFor(200);
    stderrText.restore();
    EXPECT_LE(stderrText.lines(), 1) << stderrText.text();
}

TEST(MusicAndTheIdleDevice, ATrackOutlivesTheClosedDeviceAndItsPlayKeepsTheDeviceOpen) {
    using namespace std::chrono_literals;
    kit::AudioSession audio(kit::AudioOptions{kit::findSoundFont(), 200ms});
    MusicPlayer player(Program::Orchard);
    player.openTrack(0);
    ASSERT_TRUE(player.isOpen());
    EXPECT_FALSE(kit::AudioSession::isOpen());
    player.startMusic(0);
    EXPECT_TRUE(kit::AudioSession::isOpen());
    processEventsFor(800);
    EXPECT_TRUE(kit::AudioSession::isOpen()) << "the music plays on";
    EXPECT_NE(Mix_PlayingMusic(), 0);

    player.stopMusic(0);
    EXPECT_TRUE(QTest::qWaitFor([] { return !kit::AudioSession::isOpen(); }, 3000))
        << "quiet for longer than the quiet time";
    EXPECT_TRUE(player.isOpen());

    player.startMusic(0);
    EXPECT_TRUE(kit::AudioSession::isOpen());
    EXPECT_TRUE(player.isPlaying());
    EXPECT_NE(Mix_PlayingMusic(), 0);
}

TEST(MusicRendering, ARealTrackRendersSoundThatIsNotSilence) {
    const auto capture = std::filesystem::current_path() / "rendered.raw";
    kit::testing::ScopedEnv driver("SDL_AUDIODRIVER", "disk");
    kit::testing::ScopedEnv file("SDL_DISKAUDIOFILE", capture.string());
    {
        kit::AudioSession audio;
        ASSERT_TRUE(kit::AudioSession::hasMidi());
        MusicPlayer player(Program::Orchard);
        player.openTrack(0);
        ASSERT_TRUE(player.isOpen());
        player.startMusic(0);
        processEventsFor(1500);
    }
    std::ifstream in(capture, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    ASSERT_GT(bytes.size(), 44100u);
    int loud = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto sample = static_cast<std::int16_t>(
            static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
        if (std::abs(sample) > 1000)
            ++loud;
    }
    EXPECT_GT(loud, 1000);
}

TEST(MusicWithoutSoundFont, CountsAsNoMidiDeviceAndSaysSoOnce) {
    kit::testing::StderrCapture capture;
    kit::AudioSession audio(kit::AudioOptions{std::nullopt});
    ASSERT_TRUE(kit::AudioSession::canSound());
    EXPECT_FALSE(kit::AudioSession::hasMidi());
    EXPECT_EQ(capture.lines(), 0) << "a program without music has nothing to say";
    MusicPlayer player(Program::Orchard);
    player.openTrack(0);
    EXPECT_FALSE(player.isOpen());
    player.openTrack(1);
    EXPECT_TRUE(kit::playSoundEffect("Orchard1.wav", kit::EffectMode::Sync)) << "effects play on";
    EXPECT_EQ(capture.lines(), 1) << capture.text();
    EXPECT_NE(capture.text().find("soundfont"), std::string::npos) << capture.text();
}

}  // namespace
