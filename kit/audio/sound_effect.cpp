#include "kit/audio/sound_effect.h"

#include "kit/audio/audio_device.h"
#include "kit/desktop/program_folder.h"
#include "kit/sdl/sdl_library.h"

#include <filesystem>
#include <system_error>

namespace kit {
namespace {

// The chunk of the effect that may still be playing; freed once it is cut off.
Mix_Chunk* current = nullptr;

void cutCurrent() {
    if (current == nullptr)
        return;
    sdl().Mix_HaltChannel(audio_device::kEffectChannel);
    sdl().Mix_FreeChunk(current);
    current = nullptr;
}

std::filesystem::path locate(const std::string& name) {
    std::error_code error;
    const std::filesystem::path path(name);
    if (std::filesystem::is_regular_file(path, error) || path.is_absolute())
        return path;
    return programFolder() / path;
}

}  // namespace

bool playSoundEffect(const std::string& name, EffectMode mode) {
    if (name.empty() || !audio_device::canSound())
        return false;
    // Only a file is read: a pipe would wait for a writer. A missing one does not
    // open the device either.
    const std::filesystem::path file = locate(name);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error) || !audio_device::acquire())
        return false;
    cutCurrent();
    current = sdl().Mix_LoadWAV_RW(sdl().SDL_RWFromFile(file.c_str(), "rb"), 1);
    if (current == nullptr)
        return false;
    if (sdl().Mix_PlayChannelTimed(audio_device::kEffectChannel, current, 0, -1) < 0) {
        cutCurrent();
        return false;
    }
    if (mode == EffectMode::Sync) {
        // The mixer stops the channel when the sound has ended; the limit only guards
        // against a device that stopped consuming samples.
        const Uint64 limit = sdl().SDL_GetTicks64() + audio_device::chunkLengthMs(current) + 1000;
        while (sdl().Mix_Playing(audio_device::kEffectChannel) != 0 &&
               sdl().SDL_GetTicks64() < limit)
            sdl().SDL_Delay(1);
        cutCurrent();
    }
    return true;
}

namespace audio_device {

void releaseSoundEffect() {
    cutCurrent();
}

}  // namespace audio_device
}  // namespace kit
