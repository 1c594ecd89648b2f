// Synthesizes the wave effects of Orchard and Pillora and writes them into each
// folder named on the command line:  fallpack_make_sounds <folder>...
#include "kit/audio/wave_data.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iostream>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kTau = 2.0 * std::numbers::pi;

enum class Shape { Sine, Bell, Square, Triangle };

double wave(Shape shape, double phase) {
    const double s = std::sin(phase);
    switch (shape) {
        case Shape::Sine:
            return s;
        case Shape::Bell:  // inharmonic partials give a glassy ring
            return 0.6 * s + 0.25 * std::sin(2.76 * phase) + 0.15 * std::sin(5.4 * phase);
        case Shape::Square:  // a soft square: the first three odd harmonics
            return 0.8 * (s + std::sin(3 * phase) / 3 + std::sin(5 * phase) / 5);
        case Shape::Triangle:
            return 0.8 * (s - std::sin(3 * phase) / 9 + std::sin(5 * phase) / 25);
    }
    return s;
}

// A sound under construction, as floating-point samples in -1..1.
class Sound {
  public:
    explicit Sound(double seconds) : mix_(static_cast<std::size_t>(seconds * kRate), 0.0) {}

    // A tone gliding from `from` to `to` Hz, with a short attack and an exponential
    // decay whose speed is `fall` (larger is shorter).
    void tone(double start, double length, double from, double to, Shape shape, double level,
              double fall = 4.0) {
        double phase = 0.0;
        each(start, length, [&](double t, double& out) {
            const double f = from + (to - from) * (t / length);
            phase += kTau * f / kRate;
            out += level * envelope(t, length, fall) * wave(shape, phase);
        });
    }

    // Filtered noise: a touch of air or a knock.
    void noise(double start, double length, double level, double smooth, double fall = 6.0) {
        std::minstd_rand random(7);
        std::uniform_real_distribution<double> uniform(-1.0, 1.0);
        double low = 0.0;
        each(start, length, [&](double t, double& out) {
            low += (uniform(random) - low) * smooth;
            out += level * envelope(t, length, fall) * low;
        });
    }

    std::vector<std::int16_t> samples() const {
        std::vector<std::int16_t> out(mix_.size());
        const std::size_t fade = std::min<std::size_t>(mix_.size(), kRate / 200);
        for (std::size_t i = 0; i < mix_.size(); ++i) {
            double v = std::tanh(mix_[i] * 1.2);  // gentle limiting, never a hard clip
            if (i + fade >= mix_.size())
                v *= static_cast<double>(mix_.size() - i) / fade;
            out[i] = static_cast<std::int16_t>(v * 30000.0);
        }
        return out;
    }

  private:
    static double envelope(double t, double length, double fall) {
        const double attack = std::min(1.0, t / 0.005);
        const double release = std::min(1.0, (length - t) / 0.01);
        return attack * release * std::exp(-fall * t / length);
    }

    void each(double start, double length, const std::function<void(double, double&)>& f) {
        const auto first = static_cast<std::size_t>(start * kRate);
        const auto count = static_cast<std::size_t>(length * kRate);
        for (std::size_t i = 0; i < count && first + i < mix_.size(); ++i)
            f(static_cast<double>(i) / kRate, mix_[first + i]);
    }

    std::vector<double> mix_;
};

double note(int midiKey) {
    return 440.0 * std::pow(2.0, (midiKey - 69) / 12.0);
}

// Orchard, fruits eliminated: a quick glassy run up a major chord.
Sound elimination() {
    Sound s(0.5);
    const int keys[] = {84, 88, 91, 96};
    for (int i = 0; i < 4; ++i)
        s.tone(i * 0.055, 0.3, note(keys[i]), note(keys[i]), Shape::Bell, 0.35, 5.0);
    s.noise(0.0, 0.18, 0.15, 0.5, 8.0);
    return s;
}

// Orchard, a game starts: a bright little fanfare.
Sound gameStart() {
    Sound s(0.95);
    const int keys[] = {67, 72, 76};
    for (int i = 0; i < 3; ++i)
        s.tone(i * 0.12, 0.14, note(keys[i]), note(keys[i]), Shape::Square, 0.3, 1.5);
    s.tone(0.36, 0.58, note(79), note(79), Shape::Square, 0.32, 3.0);
    s.tone(0.36, 0.58, note(72), note(72), Shape::Triangle, 0.22, 3.0);
    return s;
}

// Orchard, a dropped column has settled: a short woody knock.
Sound settled() {
    Sound s(0.12);
    s.tone(0.0, 0.12, 220.0, 90.0, Shape::Sine, 0.6, 6.0);
    s.noise(0.0, 0.03, 0.35, 0.3, 4.0);
    return s;
}

// Pillora, cells removed: two rising bubbles.
Sound removal() {
    Sound s(0.26);
    s.tone(0.0, 0.12, 380.0, 1100.0, Shape::Triangle, 0.45, 3.0);
    s.tone(0.1, 0.15, 520.0, 1500.0, Shape::Triangle, 0.4, 3.5);
    return s;
}

// Pillora, a game or a level starts: a two-note chime.
Sound levelStart() {
    Sound s(0.44);
    s.tone(0.0, 0.2, note(76), note(76), Shape::Bell, 0.4, 3.0);
    s.tone(0.14, 0.3, note(83), note(83), Shape::Bell, 0.4, 4.0);
    return s;
}

bool write(const std::string& file, const Sound& sound) {
    const auto samples = sound.samples();
    const auto bytes = kit::encodeWave(samples, kRate);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: fallpack_make_sounds <folder>...\n";
        return 2;
    }
    const std::pair<const char*, Sound> sounds[] = {
        {"Orchard1.wav", elimination()}, {"Orchard2.wav", gameStart()},
        {"Orchard3.wav", settled()},     {"Pillora1.wav", removal()},
        {"Pillora2.wav", levelStart()},
    };
    for (int i = 1; i < argc; ++i) {
        for (const auto& [name, sound] : sounds) {
            const std::string file = std::string(argv[i]) + "/" + name;
            if (!write(file, sound)) {
                std::cerr << "cannot write " << file << "\n";
                return 1;
            }
        }
    }
    return 0;
}
