// Writes the music tracks of Orchard and Briko from their note data:
//   fallpack_make_music <tunes folder> <output folder>...
#include "tools/midi/tune.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

constexpr double kShortest = 45.0;
constexpr double kLongest = 120.0;

const std::pair<const char*, const char*> kTracks[] = {
    {"orchard_a.tune", "Orchard_#1.mid"}, {"orchard_b.tune", "Orchard_#2.mid"},
    {"orchard_c.tune", "Orchard_#3.mid"}, {"briko_a.tune", "BRIKO_#1.mid"},
    {"briko_b.tune", "BRIKO_#2.mid"},     {"briko_c.tune", "BRIKO_#3.mid"},
};

std::string readFile(const std::string& file) {
    std::ifstream in(file);
    if (!in)
        throw std::runtime_error("cannot read " + file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: fallpack_make_music <tunes folder> <output folder>...\n";
        return 2;
    }
    for (const auto& [source, target] : kTracks) {
        const std::string file = std::string(argv[1]) + "/" + source;
        try {
            const midi::Tune tune = midi::parseTune(readFile(file));
            const double seconds = midi::tuneSeconds(tune);
            if (seconds < kShortest || seconds > kLongest)
                throw std::runtime_error("plays " + std::to_string(seconds) +
                                         " s, outside 45 to 120 s");
            const auto bytes = midi::renderTune(tune);
            for (int i = 2; i < argc; ++i) {
                const std::string out = std::string(argv[i]) + "/" + target;
                std::ofstream stream(out, std::ios::binary | std::ios::trunc);
                stream.write(reinterpret_cast<const char*>(bytes.data()),
                             static_cast<std::streamsize>(bytes.size()));
                if (!stream)
                    throw std::runtime_error("cannot write " + out);
            }
            std::cout << target << ": " << tune.title << ", " << static_cast<int>(seconds)
                      << " s\n";
        } catch (const std::exception& error) {
            std::cerr << file << ": " << error.what() << "\n";
            return 1;
        }
    }
    return 0;
}
