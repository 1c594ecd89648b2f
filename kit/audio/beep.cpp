#include "kit/audio/beep.h"

#include "kit/audio/audio_device.h"

#include <SDL2/SDL_mixer.h>

namespace kit {

void playBeep(BeepSound sound) {
    if (!audio_device::acquire())
        return;
    Mix_Chunk* chunk = audio_device::beepChunk(static_cast<int>(sound));
    if (chunk == nullptr)
        return;
    Mix_HaltChannel(audio_device::kBeepChannel);
    Mix_PlayChannel(audio_device::kBeepChannel, chunk, 0);
}

}  // namespace kit
