#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace midi {

// A tune as its note data describes it (see tunes/README): voices with their General
// MIDI instruments, sections of notes per voice, and the order the sections play in.
struct Voice {
    std::string name;
    int channel = 0;
    int program = 0;
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    bool drums = false;
    double gate = 0.9;  // how much of its length a note sounds
};

struct Note {
    std::uint32_t step = 0;  // from the start of its section
    std::uint32_t length = 0;
    std::vector<int> keys;  // empty for a rest
    int velocity = 88;
};

struct Section {
    std::string name;
    std::map<std::string, std::vector<Note>> notes;  // by voice name
    std::uint32_t length = 0;                        // steps: its longest voice
};

struct Play {
    std::size_t section = 0;
    int transpose = 0;
};

struct Tune {
    std::string title;
    double tempo = 120.0;  // quarter notes per minute
    int stepsPerQuarter = 4;
    int accentSteps = 0;  // notes on these steps lean a little; 0: every quarter
    std::vector<Voice> voices;
    std::vector<Section> sections;
    std::vector<Play> order;
};

// Throws std::runtime_error naming the line of the first fault.
Tune parseTune(std::string_view text);

// Playing time of the whole order, in seconds.
double tuneSeconds(const Tune& tune);

// The tune as a format 1 Standard MIDI File; its end mark closes the last bar.
std::vector<std::uint8_t> renderTune(const Tune& tune);

}  // namespace midi
