#include "kit/audio/audio.h"

#include "kit/audio/audio_device.h"
#include "kit/audio/beep.h"
#include "kit/audio/beep_sound.h"
#include "kit/audio/beeper.h"
#include "kit/audio/music_player.h"
#include "kit/audio/sound_effect.h"
#include "kit/audio/wave_data.h"
#include "kit/testing/scoped_env.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace {

TEST(AudioSession, WithoutAnyDeviceEverythingIsSilentAndHarmless) {
    kit::testing::ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
    kit::AudioSession audio;
    // Opening a track reads its file only, so it succeeds until a sound is due ...
    kit::MusicPlayer player(kit::Program::Orchard);
    player.openTrack(0);
    EXPECT_TRUE(player.isOpen());
    QSignalSpy ended(&player, &kit::MusicPlayer::ended);

    std::ofstream("tone.wav", std::ios::binary) << "RIFF";
    const auto start = std::chrono::steady_clock::now();
    player.startMusic(0);
    // ... and the device that cannot be opened closes it: no MIDI device.
    EXPECT_FALSE(player.isOpen());
    EXPECT_FALSE(player.isPlaying());
    EXPECT_FALSE(kit::playSoundEffect("Orchard1.wav", kit::EffectMode::Sync));
    EXPECT_FALSE(kit::playSoundEffect("tone.wav", kit::EffectMode::Async));
    kit::playBeep(kit::BeepSound::Default);
    kit::playBeep(kit::BeepSound::Asterisk);
    EXPECT_FALSE(kit::AudioSession::canSound());
    EXPECT_FALSE(kit::AudioSession::isOpen());
    EXPECT_FALSE(kit::AudioSession::hasMidi());
    player.openTrack(0);
    EXPECT_FALSE(player.isOpen());
    player.startMusic(0);
    player.stopMusic(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(ended.count(), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(AudioSession, ANestedSessionLeavesTheDeviceToTheFirst) {
    kit::AudioSession audio;
    { kit::AudioSession again; }
    EXPECT_TRUE(kit::AudioSession::canSound());
    kit::playBeep(kit::BeepSound::Default);
    EXPECT_TRUE(kit::AudioSession::isOpen());
}

TEST(AudioSession, NothingOpensTheDeviceBeforeTheFirstSound) {
    kit::AudioSession audio;
    kit::MusicPlayer player(kit::Program::Orchard);
    player.openTrack(1);
    ASSERT_TRUE(player.isOpen());
    EXPECT_FALSE(kit::AudioSession::isOpen()) << "start-up opens no device and loads no soundfont";
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    EXPECT_FALSE(kit::playSoundEffect("no-such-effect.wav", kit::EffectMode::Async));
    EXPECT_FALSE(kit::AudioSession::isOpen()) << "nor does an effect that is not there";

    kit::playBeep(kit::BeepSound::Asterisk);
    EXPECT_TRUE(kit::AudioSession::isOpen());
    EXPECT_EQ(Mix_Playing(kit::audio_device::kBeepChannel), 1);
}

TEST(AudioSession, ClosingTheDeviceClosesTheTracksStillOpen) {
    kit::MusicPlayer player(kit::Program::Briko);
    {
        kit::AudioSession audio;
        player.openTrack(0);
        ASSERT_TRUE(player.isOpen());
        player.startMusic(0);
    }
    EXPECT_FALSE(player.isOpen());
    EXPECT_FALSE(player.isPlaying());
    // And the device can be opened again.
    kit::AudioSession audio;
    player.openTrack(0);
    EXPECT_TRUE(player.isOpen());
}

// Samples louder than a whisper in a 16-bit file.
int loudSamples(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    int loud = 0;
    std::int16_t sample = 0;
    while (in.read(reinterpret_cast<char*>(&sample), sizeof sample))
        loud += std::abs(sample) > 1000;
    return loud;
}

TEST(AudioSession, ClosesWhenQuietAndTheNextSoundStillPlaysFromItsFirstSample) {
    using namespace std::chrono_literals;
    // The disk driver renders in real time into a file it starts afresh at each open.
    const auto capture = std::filesystem::current_path() / "rendered.raw";
    kit::testing::ScopedEnv driver("SDL_AUDIODRIVER", "disk");
    kit::testing::ScopedEnv file("SDL_DISKAUDIOFILE", capture.string());
    kit::AudioSession audio(kit::AudioOptions{kit::findSoundFont(), 200ms});
    int beepLoud = 0;
    for (std::int16_t sample : kit::beepSamples(kit::BeepSound::Default, 44100))
        beepLoud += std::abs(sample) > 1000;

    for (int round = 0; round < 2; ++round) {
        kit::playBeep(kit::BeepSound::Default);
        ASSERT_TRUE(kit::AudioSession::isOpen()) << round;
        QElapsedTimer clock;
        clock.start();
        EXPECT_TRUE(QTest::qWaitFor([] { return !kit::AudioSession::isOpen(); }, 3000)) << round;
        EXPECT_GE(clock.elapsed(), 200) << round << ": the beep and the quiet time come first";
        EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << round << ": no audio thread is left";
        // Both channels of the whole beep reached the device: nothing of its start
        // was lost to the opening, nothing of its end to the closing.
        EXPECT_GE(loudSamples(capture), 2 * beepLoud * 95 / 100) << round;
    }
}

TEST(Beep, TheTwoBeepsAreShortDistinctSounds) {
    const auto plain = kit::beepSamples(kit::BeepSound::Default, 44100);
    const auto asterisk = kit::beepSamples(kit::BeepSound::Asterisk, 44100);
    EXPECT_NE(plain, asterisk);
    for (const auto& samples : {plain, asterisk}) {
        EXPECT_GT(samples.size(), 44100u / 20);
        EXPECT_LT(samples.size(), 44100u / 2);
        const auto peak = *std::max_element(samples.begin(), samples.end());
        EXPECT_GT(peak, 8000);
    }
}

TEST(Beep, PlaysBesideAnEffectWithoutCuttingIt) {
    kit::AudioSession audio;
    ASSERT_TRUE(kit::playSoundEffect("Orchard2.wav", kit::EffectMode::Async));
    kit::playBeep(kit::BeepSound::Asterisk);
    EXPECT_EQ(Mix_Playing(kit::audio_device::kEffectChannel), 1);
    EXPECT_EQ(Mix_Playing(kit::audio_device::kBeepChannel), 1);
}

TEST(Beep, TheHighScoreWindowsBeepSoundsThroughTheOpenDevice) {
    {
        kit::AudioSession audio;
        kit::beep(kit::BeepSound::Asterisk);
        EXPECT_EQ(Mix_Playing(kit::audio_device::kBeepChannel), 1);
    }
    kit::beep(kit::BeepSound::Asterisk);  // the device has gone: silent, no crash
}

}  // namespace
