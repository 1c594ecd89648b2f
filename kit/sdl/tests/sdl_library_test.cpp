#include "kit/sdl/sdl_library.h"

#include "kit/audio/audio.h"
#include "kit/audio/beep.h"
#include "kit/audio/music_player.h"
#include "kit/audio/sound_effect.h"
#include "kit/joystick/joystick.h"
#include "kit/testing/stderr_capture.h"

#include <dlfcn.h>

#include <string>

#include <gtest/gtest.h>

namespace {

bool isOpen(const char* library) {
    void* handle = dlopen(library, RTLD_NOW | RTLD_NOLOAD);
    if (handle != nullptr)
        dlclose(handle);
    return handle != nullptr;
}

TEST(SdlLibrary, OpensOnlyWhenAJoystickStartsOrASoundIsDue) {
    kit::AudioSession audio;
    kit::MusicPlayer player(kit::Program::Orchard);
    player.openTrack(0);
    ASSERT_TRUE(player.isOpen());
    kit::TJoystick joystick;
    EXPECT_FALSE(isOpen(kit::kSdlLibrary)) << "what a program does before its first frame";

    joystick.Activate();
    EXPECT_TRUE(joystick.Waiting());
    EXPECT_TRUE(isOpen(kit::kSdlLibrary));
    EXPECT_FALSE(isOpen(kit::kMixerLibrary)) << "a joystick needs no mixer";

    kit::playBeep(kit::BeepSound::Default);
    EXPECT_TRUE(isOpen(kit::kMixerLibrary));
    EXPECT_TRUE(kit::AudioSession::isOpen());
}

// With a library that cannot be opened, the program goes without what it brings,
// says so once, and every call stays harmless.
void ExpectGoingWithout(const char* sdl, const char* mixer, bool joystickWaits,
                        const std::string& told) {
    kit::setSdlLibraryNames(sdl, mixer);
    kit::testing::StderrCapture capture;
    kit::AudioSession audio;
    kit::MusicPlayer player(kit::Program::Orchard);
    player.openTrack(0);
    kit::TJoystick joystick;

    joystick.Activate();
    EXPECT_EQ(joystick.Waiting(), joystickWaits);
    EXPECT_FALSE(joystick.Active());
    player.startMusic(0);
    EXPECT_FALSE(player.isOpen());
    EXPECT_FALSE(kit::playSoundEffect("Orchard1.wav", kit::EffectMode::Sync));
    kit::playBeep(kit::BeepSound::Asterisk);
    EXPECT_FALSE(kit::AudioSession::canSound());
    joystick.Deactivate();
    joystick.Activate();

    EXPECT_EQ(capture.text().rfind(told, 0), 0u) << capture.text();
    EXPECT_EQ(capture.lines(), 1) << capture.text();
}

TEST(SdlLibrary, WithoutItTheGamesHaveNoSoundAndNoJoystick) {
    ExpectGoingWithout("libfallpack-no-such-sdl.so.0", kit::kMixerLibrary, false,
                       "No sound and no joystick: ");
}

TEST(SdlLibrary, WithoutTheMixerTheJoystickStillWorks) {
    ExpectGoingWithout(kit::kSdlLibrary, "libfallpack-no-such-mixer.so.0", true, "No sound: ");
}

}  // namespace
