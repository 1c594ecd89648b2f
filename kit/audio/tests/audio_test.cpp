#include "kit/audio/audio.h"

#include "kit/audio/audio_device.h"
#include "kit/audio/beep.h"
#include "kit/audio/beep_sound.h"
#include "kit/audio/beeper.h"
#include "kit/audio/music_player.h"
#include "kit/audio/sound_effect.h"
#include "kit/audio/wave_data.h"
#include "kit/testing/scoped_env.h"

#include <SDL2/SDL_mixer.h>

#include <chrono>
#include <cstdlib>
#include <fstream>

#include <gtest/gtest.h>

namespace {

TEST(AudioSession, WithoutAnyDeviceEverythingIsSilentAndHarmless) {
    kit::testing::ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
    kit::AudioSession audio;
    EXPECT_FALSE(kit::AudioSession::isOpen());
    EXPECT_FALSE(kit::AudioSession::hasMidi());

    std::ofstream("tone.wav", std::ios::binary) << "RIFF";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(kit::playSoundEffect("Orchard1.wav", kit::EffectMode::Sync));
    EXPECT_FALSE(kit::playSoundEffect("tone.wav", kit::EffectMode::Async));
    kit::beep(kit::Beep::Default);
    kit::beep(kit::Beep::Asterisk);
    kit::MusicPlayer player(kit::MusicTitle::Orchard);
    player.openTrack(0);
    EXPECT_FALSE(player.isOpen());
    player.startMusic(0);
    player.stopMusic(0);
    EXPECT_FALSE(player.isPlaying());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(AudioSession, ANestedSessionLeavesTheDeviceToTheFirst) {
    kit::AudioSession audio;
    ASSERT_TRUE(kit::AudioSession::isOpen());
    { kit::AudioSession again; }
    EXPECT_TRUE(kit::AudioSession::isOpen());
}

TEST(AudioSession, ClosingTheDeviceClosesTheTracksStillOpen) {
    kit::MusicPlayer player(kit::MusicTitle::Briko);
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

TEST(Beep, TheTwoBeepsAreShortDistinctSounds) {
    const auto plain = kit::beepSamples(kit::Beep::Default, 44100);
    const auto asterisk = kit::beepSamples(kit::Beep::Asterisk, 44100);
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
    ASSERT_TRUE(kit::AudioSession::isOpen());
    ASSERT_TRUE(kit::playSoundEffect("Orchard2.wav", kit::EffectMode::Async));
    kit::beep(kit::Beep::Asterisk);
    EXPECT_EQ(Mix_Playing(kit::audio_device::kEffectChannel), 1);
    EXPECT_EQ(Mix_Playing(kit::audio_device::kBeepChannel), 1);
}

TEST(Beep, TheHighScoreWindowsBeepSoundsThroughTheOpenDevice) {
    {
        kit::AudioSession audio;
        ASSERT_TRUE(kit::AudioSession::isOpen());
        kit::beep(kit::BeepSound::Asterisk);
        EXPECT_EQ(Mix_Playing(kit::audio_device::kBeepChannel), 1);
    }
    kit::beep(kit::BeepSound::Asterisk);  // the device has gone: silent, no crash
}

}  // namespace
