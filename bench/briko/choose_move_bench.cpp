#include "bench/briko/bench_boards.h"
#include "briko/rules/demo_player.h"
#include "briko/rules/tests/reference_search.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using briko::bench::MidGamePositions;
using briko::bench::Position;

// The median time of one move over the fixed positions, in microseconds.
template <typename Search>
double MedianMicroseconds(Search search, int repeats) {
    std::vector<double> times;
    for (const Position& p : MidGamePositions()) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < repeats; ++i) {
            benchmark::DoNotOptimize(search(p));
        }
        const std::chrono::duration<double, std::micro> spent =
            std::chrono::steady_clock::now() - start;
        times.push_back(spent.count() / repeats);
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

void BM_ChooseMoveProduction(benchmark::State& state) {
    briko::DemoPlayer player;
    const auto search = [&player](const Position& p) {
        return briko::ChooseMove(player, p.board, p.piece, p.next);
    };
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(search(MidGamePositions()[i++ % MidGamePositions().size()]));
    }
    state.counters["median_us"] = MedianMicroseconds(search, 20);
}

void BM_ChooseMoveReference(benchmark::State& state) {
    briko::testing::ReferenceSearch reference;
    const auto search = [&reference](const Position& p) {
        return reference.ChooseMove(p.board, p.piece, p.next);
    };
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(search(MidGamePositions()[i++ % MidGamePositions().size()]));
    }
    state.counters["median_us"] = MedianMicroseconds(search, 1);
}

BENCHMARK(BM_ChooseMoveProduction)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChooseMoveReference)->Unit(benchmark::kMicrosecond);

}  // namespace
