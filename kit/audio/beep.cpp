#include "kit/audio/beep.h"

#include "kit/audio/audio_device.h"

#include "kit/sdl/sdl_library.h"

namespace kit {

void playBeep(BeepSound sound) {
    if (!audio_device::acquire())
        return;
    Mix_Chunk* chunk = audio_device::beepChunk(static_cast<int>(sound));
    if (chunk == nullptr)
        return;
    sdl().Mix_HaltChannel(audio_device::kBeepChannel);
    sdl().Mix_PlayChannelTimed(audio_device::kBeepChannel, chunk, 0, -1);
}

}  // namespace kit
