// Decodes the statistics text of the settings file from the fuzzer's bytes,
// shows it and adds a game to it, as the Stats command and the end of a
// demonstration game do. Whatever the text held, the update stores a valid
// record that reads back as written and counts the game.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "briko/rules/demo_stats.h"
#include "briko/rules/demo_stats_text.h"
#include "briko/rules/real48.h"
#include "kit/testing/fuzz_support.h"

namespace {

using kit::testing::fuzzCheck;

// The key "Stats" in memory.
class TextStore : public briko::DemoStatsStore {
  public:
    explicit TextStore(std::optional<std::string> text) : text_(std::move(text)) {}
    std::string ReadStats(const std::string& defaultText) override {
        return text_ ? *text_ : defaultText;
    }
    void WriteStats(const std::string& text) override { text_ = text; }
    const std::optional<std::string>& text() const { return text_; }

  private:
    std::optional<std::string> text_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    // Rows removed by one game: from none to a little past what the display
    // challenges the player with.
    const int result = static_cast<int>((size * 37 + (size ? data[0] : 0)) % 300);

    TextStore store(text);
    const std::optional<briko::DemoStatsRecord> shown = briko::LoadDemoStats(store);
    if (shown)
        fuzzCheck(!briko::DemoStatsText(*shown).empty());

    briko::RecordDemoResult(store, result);
    fuzzCheck(store.text() && store.text()->size() == 28 && store.text()->ends_with("EE"));
    for (char c : *store.text())
        fuzzCheck((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'));
    const std::optional<briko::DemoStatsRecord> stored = briko::LoadDemoStats(store);
    fuzzCheck(stored.has_value());
    fuzzCheck(briko::EncodeStatsText(*stored) == *store.text());
    fuzzCheck(stored->Minimum <= result && result <= stored->Maximum);
    if (shown && text != "0") {
        fuzzCheck(stored->Played == static_cast<std::uint16_t>(shown->Played + 1));
    } else {
        fuzzCheck(stored->Played == 1 && stored->Minimum == result && stored->Maximum == result);
        fuzzCheck(briko::FromReal48(stored->Mean) == result);
    }
    fuzzCheck(!briko::DemoStatsText(*stored).empty());
    return 0;
}
