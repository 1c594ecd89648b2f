#include "kit/audio/audio.h"

#include "kit/audio/audio_device.h"
#include "kit/audio/beep.h"
#include "kit/audio/beep_sound.h"
#include "kit/audio/beeper.h"
#include "kit/audio/music_player.h"
#include "kit/audio/wave_data.h"
#include "kit/sdl/sdl_library.h"
#include "kit/sdl/sdl_subsystem.h"

#include <QCoreApplication>
#include <QTimer>

#include <array>
#include <cstdio>
#include <set>
#include <system_error>

namespace kit {

namespace {

using Clock = std::chrono::steady_clock;

// How often the watch looks whether anything still sounds.
constexpr int kWatchIntervalMs = 250;

struct Device {
    bool session = false;  // a session lives
    bool failed = false;   // the device could not be opened: the session stays silent
    bool open = false;
    bool midi = false;
    bool noSoundFont = false;  // no soundfont was found: no music at all
    bool toldNoSoundFont = false;
    AudioOptions options;
    // Looks now and then whether anything still sounds, and closes the device once
    // nothing has for the quiet time. It runs only while the device is open, so an
    // idle program has no timer of ours running either.
    QTimer* watch = nullptr;
    std::chrono::steady_clock::time_point lastSound;
    audio_device::Format format;
    std::array<Mix_Chunk*, kBeepKinds> beeps{};
    std::set<MusicPlayer*> players;
};

// The programs' beeps, through the mixer.
class MixerBeeper : public Beeper {
  public:
    void beep(BeepSound sound) override { playBeep(sound); }
};

MixerBeeper mixerBeeper;

Device& device() {
    static Device state;
    return state;
}

Mix_Chunk* loadBeep(int index, int rate) {
    const auto samples = beepSamples(static_cast<BeepSound>(index), rate);
    const auto wave = encodeWave(samples, rate);
    SDL_RWops* stream = sdl().SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size()));
    return stream ? sdl().Mix_LoadWAV_RW(stream, 1) : nullptr;
}

bool soundFontPresent(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

// Closes every open track: they can never be played now.
void closeAllTracks() {
    // Closing a track may run code that adds or removes players, so copy.
    const auto players = device().players;
    for (MusicPlayer* player : players)
        player->close();
}

bool openDevice() {
    Device& d = device();
    if (!loadMixer() || !initSdlSubsystem(SDL_INIT_AUDIO))
        return false;
    if (sdl().Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        quitSdlSubsystem(SDL_INIT_AUDIO);
        return false;
    }
    Uint16 format = 0;
    sdl().Mix_QuerySpec(&d.format.rate, &format, &d.format.channels);
    d.format.sampleFormat = format;
    sdl().Mix_AllocateChannels(audio_device::kChannelCount);
    if (d.midi) {
        sdl().Mix_SetSoundFonts(d.options.soundFont->c_str());
        d.midi = (sdl().Mix_Init(MIX_INIT_MID) & MIX_INIT_MID) != 0;
    }
    for (int i = 0; i < kBeepKinds; ++i)
        d.beeps[i] = loadBeep(i, d.format.rate);
    audio_device::installMusicHook();
    d.open = true;
    return true;
}

// Lets the device go while nothing sounds. The tracks stay loaded: they need the
// mixer only while they play.
void closeDevice() {
    Device& d = device();
    if (d.watch != nullptr)
        d.watch->stop();
    if (!d.open)
        return;
    sdl().Mix_HookMusicFinished(nullptr);
    audio_device::releaseSoundEffect();
    sdl().Mix_HaltChannel(-1);
    for (Mix_Chunk*& chunk : d.beeps) {
        sdl().Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    sdl().Mix_CloseAudio();
    quitSdlSubsystem(SDL_INIT_AUDIO);
    d.open = false;
}

bool somethingSounds() {
    if (sdl().Mix_Playing(-1) != 0 || sdl().Mix_PlayingMusic() != 0)
        return true;
    for (const MusicPlayer* player : device().players)
        if (player->isPlaying())
            return true;
    return false;
}

void checkQuiet() {
    Device& d = device();
    if (!d.open || d.watch == nullptr)
        return;
    if (somethingSounds())
        d.lastSound = Clock::now();
    else if (Clock::now() - d.lastSound >= d.options.closeWhenQuietFor)
        closeDevice();
}

}  // namespace

AudioSession::AudioSession() : AudioSession(AudioOptions{}) {}

AudioSession::AudioSession(const AudioOptions& options) {
    Device& d = device();
    if (d.session)
        return;
    owner_ = true;
    d.session = true;
    d.failed = false;
    d.options = options;
    // Whether the synthesizer is there is known once the device has been open.
    d.midi = options.soundFont && soundFontPresent(*options.soundFont);
    d.noSoundFont = !d.midi;
    d.toldNoSoundFont = false;
    if (QCoreApplication::instance() != nullptr) {
        watch_ = std::make_unique<QTimer>();
        watch_->setInterval(kWatchIntervalMs);
        QObject::connect(watch_.get(), &QTimer::timeout, [] { checkQuiet(); });
        d.watch = watch_.get();
    }
    setBeeper(&mixerBeeper);
}

AudioSession::~AudioSession() {
    if (!owner_)
        return;
    Device& d = device();
    closeAllTracks();
    setBeeper(nullptr);
    closeDevice();
    // Only a session whose device opened has loaded the mixer.
    if (sdl().Mix_Quit != nullptr)
        sdl().Mix_Quit();
    d.session = false;
    d.midi = false;
    d.watch = nullptr;
}

bool AudioSession::canSound() {
    return audio_device::canSound();
}
bool AudioSession::isOpen() {
    return device().open;
}
bool AudioSession::hasMidi() {
    return audio_device::hasMidi();
}

namespace audio_device {

bool canSound() {
    return device().session && !device().failed;
}
bool hasMidi() {
    return canSound() && device().midi;
}

void tellIfNoSoundFont() {
    Device& d = device();
    if (!d.session || !d.noSoundFont || d.toldNoSoundFont)
        return;
    d.toldNoSoundFont = true;
    std::fprintf(stderr,
                 "No General MIDI soundfont found: the music is off (SDL_SOUNDFONTS may name "
                 "one)\n");
}

bool acquire() {
    Device& d = device();
    if (!canSound())
        return false;
    if (!d.open && !openDevice()) {
        d.failed = true;
        closeAllTracks();
        return false;
    }
    d.lastSound = Clock::now();
    if (d.watch != nullptr && !d.watch->isActive())
        d.watch->start();
    return true;
}

Format currentFormat() {
    return device().open ? device().format : Format{};
}

std::int64_t chunkLengthMs(const Mix_Chunk* chunk) {
    const Format& f = device().format;
    const int bytesPerFrame = static_cast<int>(SDL_AUDIO_BITSIZE(f.sampleFormat) / 8) * f.channels;
    if (chunk == nullptr || f.rate <= 0 || bytesPerFrame <= 0)
        return 0;
    return static_cast<std::int64_t>(chunk->alen) * 1000 / (bytesPerFrame * f.rate);
}

Mix_Chunk* beepChunk(int index) {
    if (index < 0 || index >= kBeepKinds)
        return nullptr;
    return device().beeps[index];
}

void addPlayer(MusicPlayer* player) {
    device().players.insert(player);
}
void removePlayer(MusicPlayer* player) {
    device().players.erase(player);
}

}  // namespace audio_device
}  // namespace kit
