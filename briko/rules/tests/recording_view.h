#pragma once

#include "briko/rules/briko_view.h"
#include "briko/rules/demo_stats.h"

#include <optional>
#include <string>
#include <vector>

namespace briko::testing {

// A mask as the recorded lines write it: seven hex digits.
std::string Hex(ShapeMask mask);

// Records every call of the game as one short line, so tests can check what
// happened and in which order, and answers the game's questions as told.
class RecordingView : public BrikoView {
  public:
    void DrawPiece(int x, int y, ShapeMask mask, int piece) override;
    void ErasePiece(int x, int y, ShapeMask mask) override;
    void DrawCounter(Counter counter, int value) override;
    void DrawNextPiece(int piece, ShapeMask mask) override;
    void RepaintAll() override { Record("repaint"); }
    void AnimationPause() override { Record("pause"); }
    void PlayEffect(Effect effect) override {
        Record(effect == Effect::Default ? "beep" : "beep info");
    }
    void StartMusic() override { Record("music start"); }
    void StopMusic() override { Record("music stop"); }
    void StartFallTimer(int intervalMs) override;
    void StopFallTimer() override;
    void ModeChanged(GameMode mode) override;
    void ShowGameOver() override { Record("game over"); }
    bool ConfirmAbort() override;
    void ShowBest(int score) override { Record("best " + std::to_string(score)); }
    void ShowStatistics(const DemoStatsRecord& record) override;
    void ShowNoStatistics() override { Record("no statistics"); }
    int ReadBaseInterval() override { return baseInterval; }

    // Every call so far, one line each; Take() also forgets them.
    std::vector<std::string> events;
    std::vector<std::string> Take();
    // Only the lines that start with prefix.
    std::vector<std::string> Matching(const std::string& prefix) const;

    bool answerAbort = false;
    int baseInterval = 500;
    // The fall timer as the window would hold it.
    std::optional<int> timer;
    std::string statisticsText;

  private:
    void Record(std::string line) { events.push_back(std::move(line)); }
};

// The statistics key, kept in memory; empty when the key is absent.
class MemoryStatsStore : public DemoStatsStore {
  public:
    std::string ReadStats(const std::string& defaultText) override {
        return value ? *value : defaultText;
    }
    void WriteStats(const std::string& text) override {
        value = text;
        ++writes;
    }

    std::optional<std::string> value;
    int writes = 0;
};

}  // namespace briko::testing
