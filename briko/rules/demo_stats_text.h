#pragma once

#include "briko/rules/demo_stats.h"

#include <string>

namespace briko {

// The texts of the Stats command. Lines are separated by "\n\r", kept as is in
// the text; the window shows it as a line break. "»" is UTF-8.
inline constexpr char kStatsCaption[] = "BRIKO Demo Statistics : ";
inline constexpr char kNoStatsCaption[] = "BRIKO Demo Statistics";
inline constexpr char kNoStatsText[] = "No demo game has been played !";

std::string DemoStatsText(const DemoStatsRecord& record);

}  // namespace briko
