#pragma once

#include "briko/rules/real48.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace briko {

// Running statistics of the demonstration games, whose result is the number of
// rows removed. Kept as a 14-byte little-endian record in the shared settings
// file, under section "Briko Demo Results", key "Stats", as 28 hex digits.
inline constexpr char kStatsSection[] = "Briko Demo Results";
inline constexpr char kStatsKey[] = "Stats";
inline constexpr std::uint8_t kStatsMarker = 238;
inline constexpr int kStatsRecordSize = 14;

struct DemoStatsRecord {
    std::uint8_t Marker = kStatsMarker;
    std::uint8_t Filler = 0;
    Real48 Mean{};
    std::uint16_t Played = 0;
    std::uint16_t Minimum = 65535;
    std::uint16_t Maximum = 0;

    std::array<std::uint8_t, kStatsRecordSize> ToBytes() const;
    static DemoStatsRecord FromBytes(const std::array<std::uint8_t, kStatsRecordSize>& bytes);
};

// The bytes from the last to the first, each as two uppercase hex digits.
std::string WriteHexRecord(std::span<const std::uint8_t> data);
// Pair i of text fills byte data.size() − 1 − i: "A" to "F" count 10 to 15, any
// other character its code minus that of "0". Missing pairs give 0.
void ReadHexRecord(std::string_view text, std::span<std::uint8_t> data);

// The stored text as a record, when it is one: at least 28 characters (only the
// first 28 count) whose record carries the marker.
std::optional<DemoStatsRecord> DecodeStatsText(std::string_view text);
std::string EncodeStatsText(const DemoStatsRecord& record);

// Adds one game's result: played, minimum, maximum and the mean, whose old total
// is rounded to the nearest integer, halves to even.
void RecordDemoResult(DemoStatsRecord& record, int result);

// The one key of the settings file that holds the record. The program wires it
// to the shared settings file; tests keep it in memory.
class DemoStatsStore {
  public:
    virtual ~DemoStatsStore() = default;
    // The stored text, or defaultText when the key is absent.
    virtual std::string ReadStats(const std::string& defaultText) = 0;
    virtual void WriteStats(const std::string& text) = 0;
};

// Reads the record (a missing key, "0", or anything that is not a record starts a
// fresh one, which is written at once), adds the result and writes it back.
void RecordDemoResult(DemoStatsStore& store, int result);

// The record as stored, or nothing when no demonstration game has been recorded.
std::optional<DemoStatsRecord> LoadDemoStats(DemoStatsStore& store);

}  // namespace briko
