#include "kit/audio/midi_length.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <system_error>
#include <vector>

namespace kit {
namespace {

constexpr std::uint32_t kDefaultTempo = 500000;  // microseconds per quarter note

// Reads big-endian numbers and variable-length quantities, failing past the end.
class Reader {
  public:
    Reader(std::span<const std::uint8_t> bytes, std::size_t begin, std::size_t end)
        : bytes_(bytes), at_(begin), end_(end) {}

    bool atEnd() const { return at_ >= end_; }
    bool failed() const { return failed_; }
    std::size_t position() const { return at_; }

    std::uint8_t byte() {
        if (at_ >= end_) {
            failed_ = true;
            return 0;
        }
        return bytes_[at_++];
    }
    std::uint32_t number(int size) {
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i)
            value = (value << 8) | byte();
        return value;
    }
    std::uint32_t quantity() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t b = byte();
            value = (value << 7) | (b & 0x7f);
            if ((b & 0x80) == 0)
                return value;
        }
        failed_ = true;
        return value;
    }
    void skip(std::uint32_t count) {
        if (count > end_ - at_) {
            failed_ = true;
            at_ = end_;
        } else {
            at_ += count;
        }
    }
    bool tag(const char* name) {
        for (int i = 0; i < 4; ++i)
            if (byte() != static_cast<std::uint8_t>(name[i]))
                return false;
        return !failed_;
    }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_;
    std::size_t end_;
    bool failed_ = false;
};

// Walks one track's events; returns the tick of its last event, or -1 when cut short.
std::int64_t readTrack(Reader& track, std::map<std::uint64_t, std::uint32_t>& tempos) {
    std::uint64_t tick = 0;
    std::uint8_t status = 0;
    while (!track.atEnd()) {
        tick += track.quantity();
        std::uint8_t first = track.byte();
        if (first == 0xff) {
            const std::uint8_t type = track.byte();
            const std::uint32_t length = track.quantity();
            if (type == 0x51 && length == 3) {
                tempos[tick] = track.number(3);
            } else {
                track.skip(length);
            }
            if (type == 0x2f)
                break;
        } else if (first == 0xf0 || first == 0xf7) {
            track.skip(track.quantity());
        } else {
            if (first & 0x80) {
                status = first;
                first = track.byte();
            } else if (status == 0) {
                return -1;  // running status with nothing to run on
            }
            const std::uint8_t kind = status & 0xf0;
            if (kind != 0xc0 && kind != 0xd0)
                track.byte();
        }
        if (track.failed())
            return -1;
    }
    return track.failed() ? -1 : static_cast<std::int64_t>(tick);
}

}  // namespace

std::optional<std::int64_t> midiLengthMs(std::span<const std::uint8_t> bytes) {
    Reader header(bytes, 0, bytes.size());
    if (!header.tag("MThd"))
        return std::nullopt;
    const std::uint32_t headerLength = header.number(4);
    header.number(2);  // format: every format's tracks share one clock here
    const std::uint32_t trackCount = header.number(2);
    const std::uint32_t division = header.number(2);
    if (header.failed() || headerLength < 6 || division == 0)
        return std::nullopt;
    header.skip(headerLength - 6);

    std::map<std::uint64_t, std::uint32_t> tempos;
    std::int64_t lastTick = 0;
    for (std::uint32_t found = 0; found < trackCount;) {
        const bool isTrack = header.tag("MTrk");
        const std::uint32_t length = header.number(4);
        if (header.failed() || length > bytes.size() - header.position())
            return std::nullopt;
        if (isTrack) {
            Reader track(bytes, header.position(), header.position() + length);
            const std::int64_t end = readTrack(track, tempos);
            if (end < 0)
                return std::nullopt;
            lastTick = std::max(lastTick, end);
            ++found;
        }
        header.skip(length);
    }

    if (division & 0x8000) {
        // Time code: frames per second times ticks per frame, no tempo.
        const int fps = -static_cast<std::int8_t>(division >> 8);
        const int perFrame = static_cast<int>(division & 0xff);
        if (fps <= 0 || perFrame == 0)
            return std::nullopt;
        return lastTick * 1000 / (static_cast<std::int64_t>(fps) * perFrame);
    }

    // Sum the microseconds of each stretch between tempo changes.
    std::uint64_t micros = 0;
    std::uint64_t tick = 0;
    std::uint32_t tempo = kDefaultTempo;
    const auto end = static_cast<std::uint64_t>(lastTick);
    for (const auto& [at, next] : tempos) {
        if (at >= end)
            break;
        micros += (at - tick) * tempo / division;
        tick = at;
        tempo = next;
    }
    micros += (end - tick) * tempo / division;
    return static_cast<std::int64_t>(micros / 1000);
}

std::optional<std::int64_t> midiFileLengthMs(const std::filesystem::path& file) {
    // A pipe would hold the reader until something writes into it, and a track is
    // never larger than a few hundred kilobytes.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error) ||
        std::filesystem::file_size(file, error) > kMaxMidiFileBytes || error)
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    return midiLengthMs(bytes);
}

}  // namespace kit
