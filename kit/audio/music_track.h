#pragma once

#include <string>

namespace kit {

// The two programs with background music; each names its tracks its own way.
enum class MusicTitle { Orchard, Briko };

// `MusicType` 0, 1 and 2 select track A, B and C; 3 is off.
inline constexpr int kMusicOff = 3;

// The track file of `musicType`: "Orchard_#2.mid" for Orchard and 1. The number is
// musicType + 1 in decimal, so a stored value above 3 names a file that is not
// shipped and simply fails to open.
std::string musicTrackName(MusicTitle title, int musicType);

}  // namespace kit
