#include "kit/audio/sound_effect.h"

#include "kit/audio/audio.h"
#include "kit/audio/audio_device.h"
#include "kit/audio/wave_data.h"
#include "kit/desktop/program_folder.h"

#include <SDL2/SDL_mixer.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <vector>

#include <gtest/gtest.h>

namespace {

using kit::EffectMode;
using kit::playSoundEffect;
using Clock = std::chrono::steady_clock;
constexpr int kChannel = kit::audio_device::kEffectChannel;

// A plain tone of `ms` milliseconds, written as a wave file in the current directory.
std::string writeTone(const std::string& name, int ms) {
    std::vector<std::int16_t> samples(22050 * ms / 1000);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(8000 * std::sin(i * 0.1));
    const auto bytes = kit::encodeWave(samples, 22050);
    std::ofstream(name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return name;
}

std::int64_t playingLengthMs() {
    return kit::audio_device::chunkLengthMs(Mix_GetChunk(kChannel));
}

std::int64_t msSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

class SoundEffectTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(kit::AudioSession::canSound()); }
    kit::AudioSession audio;
};

TEST_F(SoundEffectTest, ASecondAsynchronousEffectCutsTheFirst) {
    const auto start = Clock::now();
    ASSERT_TRUE(playSoundEffect(writeTone("long.wav", 2000), EffectMode::Async));
    EXPECT_LT(msSince(start), 1000) << "an asynchronous effect returns at once";
    EXPECT_EQ(Mix_Playing(-1), 1);
    ASSERT_TRUE(playSoundEffect(writeTone("short.wav", 300), EffectMode::Async));
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_NEAR(playingLengthMs(), 300, 5);
}

TEST_F(SoundEffectTest, ASynchronousEffectReturnsWhenItHasEnded) {
    const auto name = writeTone("tone.wav", 300);
    const auto start = Clock::now();
    ASSERT_TRUE(playSoundEffect(name, EffectMode::Sync));
    EXPECT_GE(msSince(start), 250);
    EXPECT_EQ(Mix_Playing(kChannel), 0);
}

TEST_F(SoundEffectTest, TheCurrentDirectoryComesBeforeTheProgramFolder) {
    ASSERT_TRUE(std::filesystem::exists(kit::programFolder() / "Orchard1.wav"));
    writeTone("Orchard1.wav", 1234);
    ASSERT_TRUE(playSoundEffect("Orchard1.wav", EffectMode::Async));
    EXPECT_NEAR(playingLengthMs(), 1234, 5);
    // Not in the current directory: found beside the program.
    ASSERT_TRUE(playSoundEffect("Orchard2.wav", EffectMode::Async));
    EXPECT_EQ(Mix_Playing(kChannel), 1);
}

TEST_F(SoundEffectTest, MissingOrUnreadableFilesPlayNothingAndDoNotWait) {
    std::ofstream("garbage.wav") << "this is not a wave file";
    for (const char* name : {"nowhere.wav", "garbage.wav", ""}) {
        for (EffectMode mode : {EffectMode::Async, EffectMode::Sync}) {
            const auto start = Clock::now();
            EXPECT_FALSE(playSoundEffect(name, mode)) << name;
            EXPECT_LT(msSince(start), 200) << name;
            EXPECT_EQ(Mix_Playing(-1), 0) << name;
        }
    }
}

TEST_F(SoundEffectTest, ShippedPilloraEffectsStayUnderHalfASecond) {
    for (const char* name : {"Pillora1.wav", "Pillora2.wav"}) {
        ASSERT_TRUE(playSoundEffect((kit::programFolder() / name).string(), EffectMode::Async))
            << name;
        EXPECT_GT(playingLengthMs(), 50) << name;
        EXPECT_LT(playingLengthMs(), 500) << name;
    }
}

}  // namespace
