#include "briko/demo_stats.h"

namespace briko {

std::array<std::uint8_t, kStatsRecordSize> DemoStatsRecord::ToBytes() const {
    return {};
}
DemoStatsRecord DemoStatsRecord::FromBytes(const std::array<std::uint8_t, kStatsRecordSize>&) {
    return {};
}
std::string WriteHexRecord(std::span<const std::uint8_t>) {
    return {};
}
void ReadHexRecord(std::string_view, std::span<std::uint8_t>) {}
std::optional<DemoStatsRecord> DecodeStatsText(std::string_view) {
    return std::nullopt;
}
std::string EncodeStatsText(const DemoStatsRecord&) {
    return {};
}
void RecordDemoResult(DemoStatsRecord&, int) {}
void RecordDemoResult(DemoStatsStore&, int) {}
std::optional<DemoStatsRecord> LoadDemoStats(DemoStatsStore&) {
    return std::nullopt;
}

}  // namespace briko
