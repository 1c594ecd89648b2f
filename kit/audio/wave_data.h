#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kit {

// A complete RIFF wave file of 16-bit mono PCM, for the beeps made in code and for
// the tools that synthesize the effects.
std::vector<std::uint8_t> encodeWave(std::span<const std::int16_t> samples, int sampleRate);

}  // namespace kit
