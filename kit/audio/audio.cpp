#include "kit/audio/audio.h"

#include "kit/audio/audio_device.h"
#include "kit/audio/beep.h"
#include "kit/audio/beep_sound.h"
#include "kit/audio/beeper.h"
#include "kit/audio/music_player.h"
#include "kit/audio/sdl_subsystem.h"
#include "kit/audio/wave_data.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <array>
#include <set>
#include <system_error>

namespace kit {
namespace {

struct Device {
    bool open = false;
    bool midi = false;
    int rate = 0;
    int bytesPerFrame = 0;
    std::array<Mix_Chunk*, kBeepKinds> beeps{};
    std::set<MusicPlayer*> players;
};

// The high-score window's beeps, through the mixer. The platform's other message
// sounds have no sound of their own here: the question beep rings like the
// asterisk, the rest like the default beep.
class MixerBeeper : public Beeper {
  public:
    void beep(BeepSound sound) override {
        const bool information = sound == BeepSound::Asterisk || sound == BeepSound::Question;
        kit::beep(information ? Beep::Asterisk : Beep::Default);
    }
};

MixerBeeper mixerBeeper;

Device& device() {
    static Device state;
    return state;
}

Mix_Chunk* loadBeep(int index, int rate) {
    const auto samples = beepSamples(static_cast<Beep>(index), rate);
    const auto wave = encodeWave(samples, rate);
    SDL_RWops* stream = SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size()));
    return stream ? Mix_LoadWAV_RW(stream, 1) : nullptr;
}

bool soundFontPresent(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

bool openDevice(const AudioOptions& options) {
    Device& d = device();
    if (!initSdlSubsystem(SDL_INIT_AUDIO))
        return false;
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        quitSdlSubsystem(SDL_INIT_AUDIO);
        return false;
    }
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&rate, &format, &channels);
    d.rate = rate;
    d.bytesPerFrame = static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8) * channels;
    Mix_AllocateChannels(audio_device::kChannelCount);
    if (soundFontPresent(options.soundFont)) {
        Mix_SetSoundFonts(options.soundFont.c_str());
        d.midi = (Mix_Init(MIX_INIT_MID) & MIX_INIT_MID) != 0;
    }
    for (int i = 0; i < kBeepKinds; ++i)
        d.beeps[i] = loadBeep(i, rate);
    audio_device::installMusicHook();
    setBeeper(&mixerBeeper);
    d.open = true;
    return true;
}

void closeDevice() {
    Device& d = device();
    // Closing a track stops it, so copy: a player may go away in between.
    const auto players = d.players;
    for (MusicPlayer* player : players)
        player->close();
    setBeeper(nullptr);
    Mix_HookMusicFinished(nullptr);
    audio_device::releaseSoundEffect();
    Mix_HaltChannel(-1);
    for (Mix_Chunk*& chunk : d.beeps) {
        Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    Mix_CloseAudio();
    Mix_Quit();
    quitSdlSubsystem(SDL_INIT_AUDIO);
    d.open = false;
    d.midi = false;
}

}  // namespace

AudioSession::AudioSession() : AudioSession(AudioOptions{}) {}

AudioSession::AudioSession(const AudioOptions& options) {
    if (device().open)
        return;
    owner_ = true;
    openDevice(options);
}

AudioSession::~AudioSession() {
    if (owner_ && device().open)
        closeDevice();
}

bool AudioSession::isOpen() {
    return device().open;
}
bool AudioSession::hasMidi() {
    return device().open && device().midi;
}

namespace audio_device {

bool isOpen() {
    return device().open;
}
bool hasMidi() {
    return device().open && device().midi;
}

std::int64_t chunkLengthMs(const Mix_Chunk* chunk) {
    const Device& d = device();
    if (chunk == nullptr || d.rate <= 0 || d.bytesPerFrame <= 0)
        return 0;
    return static_cast<std::int64_t>(chunk->alen) * 1000 / (d.bytesPerFrame * d.rate);
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
