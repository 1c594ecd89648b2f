#pragma once

#include <cstdint>

struct Mix_Chunk;

namespace kit {

class MusicPlayer;

// The kit's own view of the sound device, shared by the music player, the effects
// and the beeps. GUI thread only.
namespace audio_device {

inline constexpr int kEffectChannel = 0;
inline constexpr int kBeepChannel = 1;
inline constexpr int kChannelCount = 2;

// A session lives and its device has not failed to open.
bool canSound();
// MIDI can be played once the device is open.
bool hasMidi();

// Says once on standard error that the music is off for want of a soundfont, when
// that is why; a track to open is what asks.
void tellIfNoSoundFont();

// A sound is due: opens the device when it is closed, and keeps it open until
// nothing has sounded for the session's quiet time. False when nothing can sound;
// a device that fails to open closes every track.
bool acquire();

// The sample format the mixer works in; all zero while the device is closed.
struct Format {
    int rate = 0;
    std::uint16_t sampleFormat = 0;
    int channels = 0;
    bool operator==(const Format&) const = default;
};
Format currentFormat();

// How long a loaded chunk plays at the device's rate.
std::int64_t chunkLengthMs(const Mix_Chunk* chunk);

// The beep sounds, made when the device opens; null while it is closed.
Mix_Chunk* beepChunk(int index);

// The players whose tracks are closed when the device fails or the session ends,
// and whose plays keep the device open.
void addPlayer(MusicPlayer* player);
void removePlayer(MusicPlayer* player);

// Routes the mixer's end of music to the player that started it.
void installMusicHook();

// Frees the effect that may still be playing; the device is about to close.
void releaseSoundEffect();

}  // namespace audio_device
}  // namespace kit
