#pragma once

#include <cstdint>

struct Mix_Chunk;

namespace kit {

class MusicPlayer;

// The kit's own view of the open sound device, shared by the music player, the
// effects and the beeps. GUI thread only.
namespace audio_device {

inline constexpr int kEffectChannel = 0;
inline constexpr int kBeepChannel = 1;
inline constexpr int kChannelCount = 2;

bool isOpen();
bool hasMidi();

// How long a loaded chunk plays at the device's rate.
std::int64_t chunkLengthMs(const Mix_Chunk* chunk);

// The beep sounds, loaded when the device opens; null without a device.
Mix_Chunk* beepChunk(int index);

// Players whose tracks must be closed before the device closes.
void addPlayer(MusicPlayer* player);
void removePlayer(MusicPlayer* player);

}  // namespace audio_device
}  // namespace kit

namespace kit::audio_device {

// Routes the mixer's end of music to the player that started it.
void installMusicHook();

// Frees the effect that may still be playing; the device is about to close.
void releaseSoundEffect();

}  // namespace kit::audio_device
