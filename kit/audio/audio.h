#pragma once

#include "kit/audio/sound_font.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>

class QTimer;

namespace kit {

struct AudioOptions {
    // The General MIDI soundfont the music plays with (kit/audio/sound_font.h).
    // Without one MIDI would "play" silence, so a missing soundfont counts as no
    // MIDI device at all: the music is off, and the first track to open says so
    // once on standard error.
    std::optional<std::filesystem::path> soundFont = findSoundFont();
    // How long the device stays open after the last sound has ended, so that a
    // quick run of effects does not close and reopen it between them.
    std::chrono::milliseconds closeWhenQuietFor{3000};
};

// The program's one sound device. Each program creates one in main(), after the
// application object and before its windows, and keeps it until they are gone:
//
//     kit::Application app(argc, argv, title);
//     kit::AudioSession audio;
//
// The device is opened only when the first sound is due, and closed again once
// nothing has sounded for a while (an idle program keeps no audio stream and no
// mixer thread running); the next sound opens it again and starts from its first
// sample. A music track stays loaded while the device is closed.
//
// When no device can be opened (no sound card, no sound server) the program runs
// silently: nothing is reported, every music, effect and beep call does nothing,
// and the device is not tried again. The same holds when no session exists at all,
// which is how window tests run. A second session while one lives owns nothing
// and changes nothing.
class AudioSession {
  public:
    AudioSession();
    explicit AudioSession(const AudioOptions& options);
    ~AudioSession();
    AudioSession(const AudioSession&) = delete;
    AudioSession& operator=(const AudioSession&) = delete;

    // Sounds can be heard: a session lives and its device has not failed to open.
    static bool canSound();
    // The device is open at this moment: something sounds, or did a moment ago.
    static bool isOpen();
    // MIDI tracks can be played (sound, the soundfont and, once the device has been
    // open, the synthesizer all present).
    static bool hasMidi();

  private:
    bool owner_ = false;
    // Closes the device once it has been quiet; runs only while the device is open.
    std::unique_ptr<QTimer> watch_;
};

}  // namespace kit
