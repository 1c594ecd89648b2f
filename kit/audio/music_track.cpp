#include "kit/audio/music_track.h"

namespace kit {

std::string musicTrackName(Program program, int musicType) {
    const char* stem = describe(program).musicTrackStem;
    if (stem == nullptr)
        return {};
    return stem + std::to_string(static_cast<long long>(musicType) + 1) + ".mid";
}

}  // namespace kit
