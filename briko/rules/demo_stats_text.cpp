#include "briko/rules/demo_stats_text.h"

#include "briko/rules/real48.h"

#include <cstdio>

namespace briko {

namespace {

constexpr char kDashes[] = "---------------------------------------------------";
constexpr char kBullet[] = "\xC2\xBB";  // »
// Only a demonstration game beyond this many rows earns the challenge line.
constexpr int kChallengeRows = 200;

}  // namespace

std::string DemoStatsText(const DemoStatsRecord& record, const TranslateWord& translate) {
    const auto word = [&](const char* english) {
        return translate ? translate(english) : std::string(english);
    };
    char mean[64];
    std::snprintf(mean, sizeof mean, "%2.6f", FromReal48(record.Mean));

    std::string text = kDashes;
    text += "\n\r";
    text += kBullet;
    text += word(KIT_TRANSLATABLE("briko::DemoStats", " Demos played : ")) +
            std::to_string(record.Played);
    text += "\n\r";
    text += kBullet;
    text += word(KIT_TRANSLATABLE("briko::DemoStats", " Maximum score : ")) +
            std::to_string(record.Maximum);
    text += "\n\r";
    text += kBullet;
    text += word(KIT_TRANSLATABLE("briko::DemoStats", " Minimum score : ")) +
            std::to_string(record.Minimum);
    text += "\n\r";
    text += kBullet;
    text += word(KIT_TRANSLATABLE("briko::DemoStats", " Mean score : "));
    text += mean;
    text += "\n\r";
    text += kDashes;
    if (record.Maximum > kChallengeRows) {
        text += "\n\r";
        text += word(KIT_TRANSLATABLE("briko::DemoStats", "Your maximum score is greater"));
        text += "\n\r";
        text += word(KIT_TRANSLATABLE("briko::DemoStats", "than mine ! Please let me know !"));
    }
    return text;
}

}  // namespace briko
