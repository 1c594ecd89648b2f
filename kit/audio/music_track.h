#pragma once

#include <string>

#include "kit/program/program.h"

namespace kit {

// `MusicType` 0, 1 and 2 select track A, B and C; 3 is off.
inline constexpr int kMusicOff = 3;

// The track file of `musicType`: "Orchard_#2.mid" for Orchard and 1. The number is
// musicType + 1 in decimal, so a stored value above 3 names a file that is not
// shipped and simply fails to open. Empty for a program without music.
std::string musicTrackName(Program program, int musicType);

}  // namespace kit
