#include "briko/rules/briko_game.h"
#include "briko/rules/demo_stats.h"
#include "briko/rules/real48.h"
#include "briko/rules/tests/recording_view.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>

namespace {

// A window that shows nothing, so whole demonstration games run at full speed.
class NullView : public briko::BrikoView {
  public:
    void DrawPiece(int, int, briko::ShapeMask, int) override {}
    void ErasePiece(int, int, briko::ShapeMask) override {}
    void DrawCounter(briko::Counter, int) override {}
    void DrawNextPiece(int, briko::ShapeMask) override {}
    void RepaintAll() override {}
    void AnimationPause() override {}
    void PlayEffect(briko::Effect) override {}
    void StartMusic() override {}
    void StopMusic() override {}
    void StartFallTimer(int) override {}
    void StopFallTimer() override {}
    void ModeChanged(briko::GameMode) override {}
    void ShowGameOver() override {}
    bool ConfirmAbort() override { return false; }
    void ShowBest(int) override {}
    void ShowStatistics(const briko::DemoStatsRecord&) override {}
    void ShowNoStatistics() override {}
    int ReadBaseInterval() override { return 500; }
};

constexpr int kGames = 1000;

// Plays kGames demonstration games from one seed and prints what they removed.
void BM_DemoGames(benchmark::State& state) {
    for (auto _ : state) {
        NullView view;
        kit::ClockRandomSource random(2026);
        briko::testing::MemoryStatsStore stats;
        briko::BrikoGame game(view, random, stats);
        long long pieces = 0;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kGames; ++i) {
            game.Demo();
            while (game.DemoRunning()) {
                game.Tick();
                ++pieces;
            }
        }
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        const auto record = briko::LoadDemoStats(stats);
        if (!record) {
            state.SkipWithError("no statistics were recorded");
            return;
        }
        state.counters["games_per_s"] = kGames / spent.count();
        state.counters["mean_rows"] = briko::FromReal48(record->Mean);
        state.counters["min_rows"] = record->Minimum;
        state.counters["max_rows"] = record->Maximum;
        state.counters["moves_per_s"] = static_cast<double>(pieces) / spent.count();
        std::printf("%d games in %.1f s: %.2f games/s; rows removed mean %.2f, min %d, max %d\n",
                    record->Played, spent.count(), kGames / spent.count(),
                    briko::FromReal48(record->Mean), record->Minimum, record->Maximum);
    }
}

BENCHMARK(BM_DemoGames)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
