#pragma once

#include <filesystem>

namespace kit {

// Where the General MIDI soundfont of the Debian package timgm6mb-soundfont lives.
inline constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

struct AudioOptions {
    // Without this file MIDI would "play" silence, so a missing soundfont counts as
    // no MIDI device at all.
    std::filesystem::path soundFont = kDefaultSoundFont;
};

// The program's one sound device. Each program creates one in main(), before its
// windows, and keeps it until they are gone:
//
//     kit::Application app(argc, argv, title);
//     kit::AudioSession audio;
//
// When no device can be opened (no sound card, no sound server) the program runs
// silently: nothing is reported and every music, effect and beep call does nothing.
// The same holds when no session exists at all, which is how window tests run.
// A second session while one is open owns nothing and changes nothing.
class AudioSession {
  public:
    AudioSession();
    explicit AudioSession(const AudioOptions& options);
    ~AudioSession();
    AudioSession(const AudioSession&) = delete;
    AudioSession& operator=(const AudioSession&) = delete;

    // A device is open: effects and beeps are heard.
    static bool isOpen();
    // MIDI tracks can be played (device, synthesizer and soundfont all present).
    static bool hasMidi();

  private:
    bool owner_ = false;
};

}  // namespace kit
