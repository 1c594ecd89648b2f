#include "briko/rules/demo_stats.h"

#include <cmath>

namespace briko {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr std::size_t kStatsTextLength = 2 * kStatsRecordSize;
// The text that stands for "no statistics yet"; also what a missing key reads as.
constexpr char kNoStatsYet[] = "0";

int HexDigitValue(char c) {
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return c - '0';
}

double RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double rest = value - floor;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(floor, 2) != 0)) {
        return floor + 1;
    }
    return floor;
}

void PutUint16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

std::uint16_t GetUint16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

}  // namespace

std::array<std::uint8_t, kStatsRecordSize> DemoStatsRecord::ToBytes() const {
    std::array<std::uint8_t, kStatsRecordSize> bytes{};
    bytes[0] = Marker;
    bytes[1] = Filler;
    for (std::size_t i = 0; i < Mean.size(); ++i) {
        bytes[2 + i] = Mean[i];
    }
    PutUint16(&bytes[8], Played);
    PutUint16(&bytes[10], Minimum);
    PutUint16(&bytes[12], Maximum);
    return bytes;
}

DemoStatsRecord DemoStatsRecord::FromBytes(
    const std::array<std::uint8_t, kStatsRecordSize>& bytes) {
    DemoStatsRecord record;
    record.Marker = bytes[0];
    record.Filler = bytes[1];
    for (std::size_t i = 0; i < record.Mean.size(); ++i) {
        record.Mean[i] = bytes[2 + i];
    }
    record.Played = GetUint16(&bytes[8]);
    record.Minimum = GetUint16(&bytes[10]);
    record.Maximum = GetUint16(&bytes[12]);
    return record;
}

std::string WriteHexRecord(std::span<const std::uint8_t> data) {
    std::string text;
    text.reserve(2 * data.size());
    for (std::size_t i = data.size(); i-- > 0;) {
        text += kHexDigits[data[i] >> 4];
        text += kHexDigits[data[i] & 0x0F];
    }
    return text;
}

void ReadHexRecord(std::string_view text, std::span<std::uint8_t> data) {
    const std::size_t length = data.size();
    for (std::size_t i = 0; i < length; ++i) {
        int value = 0;
        if (2 * i + 1 < text.size()) {
            value = HexDigitValue(text[2 * i]) * 16 + HexDigitValue(text[2 * i + 1]);
        }
        data[length - 1 - i] = static_cast<std::uint8_t>(value);
    }
}

std::optional<DemoStatsRecord> DecodeStatsText(std::string_view text) {
    if (text.size() < kStatsTextLength) {
        return std::nullopt;
    }
    std::array<std::uint8_t, kStatsRecordSize> bytes{};
    ReadHexRecord(text.substr(0, kStatsTextLength), bytes);
    if (bytes[0] != kStatsMarker) {
        return std::nullopt;
    }
    return DemoStatsRecord::FromBytes(bytes);
}

std::string EncodeStatsText(const DemoStatsRecord& record) {
    const std::array<std::uint8_t, kStatsRecordSize> bytes = record.ToBytes();
    return WriteHexRecord(bytes);
}

void RecordDemoResult(DemoStatsRecord& record, int result) {
    const double total = RoundHalfEven(FromReal48(record.Mean) * record.Played) + result;
    ++record.Played;
    if (result > record.Maximum) {
        record.Maximum = static_cast<std::uint16_t>(result);
    }
    if (result < record.Minimum) {
        record.Minimum = static_cast<std::uint16_t>(result);
    }
    // The count wraps after 65535 games; the mean then starts again from this one.
    record.Mean = ToReal48(record.Played != 0 ? total / record.Played : result);
}

void RecordDemoResult(DemoStatsStore& store, int result) {
    const std::string text = store.ReadStats(kNoStatsYet);
    std::optional<DemoStatsRecord> record;
    if (text != kNoStatsYet) {
        record = DecodeStatsText(text);
    }
    if (!record) {
        // Nothing stored yet, or something that is not a record: start afresh
        // rather than carry garbage on.
        record = DemoStatsRecord{};
        store.WriteStats(EncodeStatsText(*record));
    }
    RecordDemoResult(*record, result);
    store.WriteStats(EncodeStatsText(*record));
}

std::optional<DemoStatsRecord> LoadDemoStats(DemoStatsStore& store) {
    return DecodeStatsText(store.ReadStats(""));
}

}  // namespace briko
