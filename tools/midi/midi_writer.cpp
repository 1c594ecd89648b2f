#include "tools/midi/midi_writer.h"

#include <algorithm>
#include <cmath>

namespace midi {
namespace {

void putQuantity(std::vector<std::uint8_t>& out, std::uint32_t value) {
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = value & 0x7f;
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        out.push_back(groups[--count] | 0x80);
    out.push_back(groups[0]);
}

void putNumber(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint8_t data(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 127));
}
std::uint8_t status(int kind, int channel) {
    return static_cast<std::uint8_t>(kind | (channel & 0x0f));
}

}  // namespace

void TrackWriter::add(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes) {
    events_.push_back({tick, order, std::move(bytes)});
}

void TrackWriter::tempo(std::uint32_t tick, double quartersPerMinute) {
    const auto micros = static_cast<std::uint32_t>(std::lround(60'000'000.0 / quartersPerMinute));
    add(tick, 1,
        {0xff, 0x51, 0x03, static_cast<std::uint8_t>(micros >> 16),
         static_cast<std::uint8_t>(micros >> 8), static_cast<std::uint8_t>(micros)});
}

void TrackWriter::program(std::uint32_t tick, int channel, int program) {
    add(tick, 1, {status(0xc0, channel), data(program)});
}

void TrackWriter::control(std::uint32_t tick, int channel, int controller, int value) {
    add(tick, 1, {status(0xb0, channel), data(controller), data(value)});
}

void TrackWriter::note(std::uint32_t tick, int channel, int key, int velocity,
                       std::uint32_t length) {
    add(tick, 2, {status(0x90, channel), data(key), data(std::max(1, velocity))});
    add(tick + std::max<std::uint32_t>(1, length), 0, {status(0x80, channel), data(key), 0});
}

void TrackWriter::name(std::uint32_t tick, std::string_view text) {
    std::vector<std::uint8_t> bytes{0xff, 0x03};
    putQuantity(bytes, static_cast<std::uint32_t>(text.size()));
    bytes.insert(bytes.end(), text.begin(), text.end());
    add(tick, 1, std::move(bytes));
}

std::vector<std::uint8_t> TrackWriter::encode(std::uint32_t endTick) const {
    std::vector<Event> sorted = events_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<std::uint8_t> body;
    std::uint32_t now = 0;
    for (const Event& event : sorted) {
        putQuantity(body, event.tick - now);
        now = event.tick;
        body.insert(body.end(), event.bytes.begin(), event.bytes.end());
    }
    putQuantity(body, std::max(endTick, now) - now);
    body.insert(body.end(), {0xff, 0x2f, 0x00});

    std::vector<std::uint8_t> out{'M', 'T', 'r', 'k'};
    putNumber(out, static_cast<std::uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

std::vector<std::uint8_t> encodeFile(const std::vector<std::vector<std::uint8_t>>& tracks,
                                     int division) {
    std::vector<std::uint8_t> out{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    putNumber(out, static_cast<std::uint32_t>(tracks.size()), 2);
    putNumber(out, static_cast<std::uint32_t>(division), 2);
    for (const auto& track : tracks)
        out.insert(out.end(), track.begin(), track.end());
    return out;
}

}  // namespace midi
