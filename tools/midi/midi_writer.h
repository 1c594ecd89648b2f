#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace midi {

// One track of a Standard MIDI File, built event by event at absolute ticks.
class TrackWriter {
  public:
    void tempo(std::uint32_t tick, double quartersPerMinute);
    void program(std::uint32_t tick, int channel, int program);
    void control(std::uint32_t tick, int channel, int controller, int value);
    // A note from `tick` for `length` ticks.
    void note(std::uint32_t tick, int channel, int key, int velocity, std::uint32_t length);
    void name(std::uint32_t tick, const std::string_view text);

    // The track's bytes with its end-of-track mark at `endTick` (or at its last event
    // when that is later): the loop point of the tune.
    std::vector<std::uint8_t> encode(std::uint32_t endTick) const;

  private:
    struct Event {
        std::uint32_t tick;
        int order;  // at one tick: note-offs first, then settings, then note-ons
        std::vector<std::uint8_t> bytes;
    };
    void add(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes);
    std::vector<Event> events_;
};

// A format 1 file of the given tracks, `division` ticks per quarter note.
std::vector<std::uint8_t> encodeFile(const std::vector<std::vector<std::uint8_t>>& tracks,
                                     int division);

}  // namespace midi
