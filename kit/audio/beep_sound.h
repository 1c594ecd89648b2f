#pragma once

#include "kit/audio/beeper.h"

#include <cstdint>
#include <vector>

namespace kit {

inline constexpr int kBeepKinds = 2;

// The samples of a beep at `sampleRate`, 16-bit mono: the default beep is a short
// low double knock, the asterisk a bright rising two-note chime.
std::vector<std::int16_t> beepSamples(BeepSound sound, int sampleRate);

}  // namespace kit
