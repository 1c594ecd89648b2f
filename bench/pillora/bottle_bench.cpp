// How long the rules take with no window at all: a resolve of a crowded
// bottle, filling the virus rows, and whole games played by random keys.
#include "pillora/rules/bottle.h"

#include <benchmark/benchmark.h>

namespace {

using kit::ClockRandomSource;
using pillora::Bottle;
using pillora::Cell;

// A window that draws nothing and never waits.
class NullView : public pillora::BottleView {
  public:
    void DrawCell(int, int, Cell) override {}
    void DrawCapsule(std::span<const pillora::Tile>) override {}
    void AnimationPause() override {}
    void PlayEffect(pillora::Effect) override {}
    void StopFallTimer() override {}
    void StartFallTimer(int) override {}
    void ShowScore(std::uint16_t) override {}
    void ShowPlayed(std::uint16_t) override {}
    void ShowLevel(int) override {}
    void ShowViruses(int) override {}
    void DrawNextCapsule(pillora::Pair) override {}
    void RepaintAll() override {}
};

// Rows 4 to 23 full of singles in stripes of two colours, so that every pass
// finds lines in several directions and sends the rest falling into new ones.
void Crowd(Bottle& bottle) {
    bottle.ClearBottle();
    for (int column = 0; column < 8; ++column) {
        for (int row = 4; row < 24; ++row) {
            const int colour = 1 + (column / 2 + row / 3) % 5;
            bottle.SetCell(column, row, pillora::CodeOf(colour, pillora::Kind::Single));
        }
    }
}

void BM_ResolveCrowdedBottle(benchmark::State& state) {
    NullView view;
    kit::ClockRandomSource random(1);
    Bottle bottle(view, random);
    bottle.StartGame(1, 1, 500);
    bottle.SetAlignCount(static_cast<int>(state.range(0)));
    bottle.SetSinglesSlide(true);
    for (auto _ : state) {
        Crowd(bottle);
        bottle.Resolve();
        benchmark::DoNotOptimize(bottle.Score());
    }
}
BENCHMARK(BM_ResolveCrowdedBottle)->Arg(3)->Arg(4)->Arg(6);

// The worst placement there is: every one of the 144 virus cells, the last
// ones found only after many misses.
void BM_FillTheVirusRows(benchmark::State& state) {
    NullView view;
    kit::ClockRandomSource random(2);
    Bottle bottle(view, random);
    for (auto _ : state) {
        bottle.ClearBottle();
        bottle.PlaceViruses(150);
        benchmark::DoNotOptimize(bottle.CountViruses());
    }
}
BENCHMARK(BM_FillTheVirusRows);

void BM_HeadlessGame(benchmark::State& state) {
    NullView view;
    kit::ClockRandomSource random(3);
    kit::ClockRandomSource keys(4);
    Bottle bottle(view, random);
    bottle.SetSinglesSlide(true);
    std::int64_t capsules = 0;
    for (auto _ : state) {
        bottle.StartGame(1, 4, 500);
        while (!bottle.NoGame()) {
            switch (keys.Random(8)) {
                case 0:
                    bottle.MoveLeft();
                    break;
                case 1:
                    bottle.MoveRight();
                    break;
                case 2:
                    bottle.Rotate();
                    break;
                case 3:
                    bottle.Drop();
                    break;
                default:
                    bottle.FallStep();
                    break;
            }
        }
        capsules += bottle.PlayedCapsules();
    }
    state.counters["capsules"] =
        benchmark::Counter(static_cast<double>(capsules), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HeadlessGame);

}  // namespace
