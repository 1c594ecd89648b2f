#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace kit {

// The largest file taken for a track.
inline constexpr std::uintmax_t kMaxMidiFileBytes = 16u << 20;

// The playing time of a Standard MIDI File in milliseconds: the time of its last
// event (normally the end-of-track mark) over every track, following the tempo
// changes. Nothing for a file that is not MIDI or is cut short, and from a file
// path nothing either for what is not a regular file or is larger than
// kMaxMidiFileBytes.
std::optional<std::int64_t> midiLengthMs(std::span<const std::uint8_t> bytes);
std::optional<std::int64_t> midiFileLengthMs(const std::filesystem::path& file);

}  // namespace kit
