#include "kit/audio/wave_data.h"

#include <string_view>

namespace kit {
namespace {

void put(std::vector<std::uint8_t>& out, std::string_view text) {
    out.insert(out.end(), text.begin(), text.end());
}

void putLittle(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> encodeWave(std::span<const std::int16_t> samples, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    put(out, "RIFF");
    putLittle(out, 36 + dataBytes, 4);
    put(out, "WAVEfmt ");
    putLittle(out, 16, 4);
    putLittle(out, 1, 2);  // PCM
    putLittle(out, 1, 2);  // mono
    putLittle(out, rate, 4);
    putLittle(out, rate * 2, 4);
    putLittle(out, 2, 2);
    putLittle(out, 16, 2);
    put(out, "data");
    putLittle(out, dataBytes, 4);
    for (std::int16_t sample : samples)
        putLittle(out, static_cast<std::uint16_t>(sample), 2);
    return out;
}

}  // namespace kit
