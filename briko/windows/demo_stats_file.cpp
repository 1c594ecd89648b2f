#include "briko/windows/demo_stats_file.h"

#include "kit/settings/settings.h"

namespace briko {

std::string DemoStatsFile::ReadStats(const std::string& defaultText) {
    return file_.readString(kit::kBrikoStatsSection, kit::kBrikoStatsKey, defaultText);
}

void DemoStatsFile::WriteStats(const std::string& text) {
    // A failed write is not reported; the settings file keeps its old text.
    file_.writeString(kit::kBrikoStatsSection, kit::kBrikoStatsKey, text);
}

}  // namespace briko
