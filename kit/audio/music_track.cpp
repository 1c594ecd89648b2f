#include "kit/audio/music_track.h"

namespace kit {

std::string musicTrackName(MusicTitle title, int musicType) {
    const char* stem = title == MusicTitle::Orchard ? "Orchard_#" : "BRIKO_#";
    return stem + std::to_string(static_cast<long long>(musicType) + 1) + ".mid";
}

}  // namespace kit
