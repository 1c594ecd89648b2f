#pragma once

#include "briko/rules/demo_stats.h"
#include "kit/text/translatable.h"

#include <functional>
#include <string>

namespace briko {

// The texts of the Stats command, as written; the window shows them in the
// player's language, translated in the context kStatsContext. Lines are
// separated by "\n\r", kept as is in the text; the window shows it as a line
// break. "»" is UTF-8.
inline constexpr char kStatsContext[] = "briko::DemoStats";
inline constexpr char kStatsCaption[] =
    KIT_TRANSLATABLE("briko::DemoStats", "BRIKO Demo Statistics : ");
inline constexpr char kNoStatsCaption[] =
    KIT_TRANSLATABLE("briko::DemoStats", "BRIKO Demo Statistics");
inline constexpr char kNoStatsText[] =
    KIT_TRANSLATABLE("briko::DemoStats", "No demo game has been played !");

// Gives a word of the text (UTF-8) in the player's language.
using TranslateWord = std::function<std::string(const char* word)>;

// The text of the statistics box; without `translate` its words stay as written.
std::string DemoStatsText(const DemoStatsRecord& record, const TranslateWord& translate = {});

}  // namespace briko
