#include "kit/audio/beep_sound.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kit {
namespace {

struct Tone {
    double startS;
    double lengthS;
    double frequency;
    double level;
};

// Sine tones with a fast attack and an exponential fall, mixed and clipped.
std::vector<std::int16_t> render(std::initializer_list<Tone> tones, double totalS, int rate) {
    const auto count = static_cast<std::size_t>(totalS * rate);
    std::vector<double> mix(count, 0.0);
    for (const Tone& tone : tones) {
        const auto first = static_cast<std::size_t>(tone.startS * rate);
        const auto length = static_cast<std::size_t>(tone.lengthS * rate);
        for (std::size_t i = 0; i < length && first + i < count; ++i) {
            const double t = static_cast<double>(i) / rate;
            const double attack = std::min(1.0, t / 0.004);
            const double decay = std::exp(-5.0 * t / tone.lengthS);
            const double phase = 2.0 * std::numbers::pi * tone.frequency * t;
            // A little second harmonic keeps the tone from sounding thin.
            mix[first + i] +=
                tone.level * attack * decay * (std::sin(phase) + 0.25 * std::sin(2.0 * phase));
        }
    }
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i)
        samples[i] = static_cast<std::int16_t>(std::clamp(mix[i], -1.0, 1.0) * 32000.0);
    return samples;
}

}  // namespace

std::vector<std::int16_t> beepSamples(BeepSound sound, int sampleRate) {
    if (sampleRate <= 0)
        return {};
    if (sound == BeepSound::Asterisk)
        return render({{0.0, 0.12, 1318.5, 0.45}, {0.07, 0.22, 1975.5, 0.4}}, 0.3, sampleRate);
    return render({{0.0, 0.09, 392.0, 0.55}, {0.1, 0.12, 311.1, 0.55}}, 0.23, sampleRate);
}

}  // namespace kit
