#include <benchmark/benchmark.h>

#include <iterator>
#include <random>

#include "orchard/rules/alignment.h"
#include "orchard/rules/orchard_game.h"

namespace {

using namespace orchard;

// A view that shows nothing: the benchmarks measure the rules alone.
class NullView final : public OrchardView {
  public:
    void DrawCell(int, int, Cell) override {}
    void DrawColumn(const Column&, int, int, int, int) override {}
    void DrawNextBlock(const Column&) override {}
    void DrawCounter(Counter, unsigned) override {}
    void PlayEffect(Effect) override {}
    void StartFallTimer(int) override {}
    void StopFallTimer() override {}
    void AnimationPause() override {}
};

// Plays whole games with random player commands between the ticks, until the
// well overflows. Fixed seeds, so that every run measures the same games.
void WholeGameWithRandomMoves(benchmark::State& bench) {
    NullView view;
    kit::ClockRandomSource deals(1);
    std::mt19937 player(2);
    OrchardGame game(view, deals);
    game.Options().JockerEnabled = true;
    game.Options().StartLevel = 1;
    std::int64_t ticks = 0;
    std::int64_t columns = 0;
    for (auto _ : bench) {
        game.NewGame(500);
        while (!game.State().NoGame) {
            switch (player() % 6) {
                case 0:
                    game.MoveLeft();
                    break;
                case 1:
                    game.MoveRight();
                    break;
                case 2:
                    game.CycleColumn();
                    break;
                case 3:
                    game.DropColumn();
                    break;
                default:
                    break;
            }
            if (!game.State().NoGame) {
                game.FallTick();
                ++ticks;
            }
        }
        columns += game.State().PlayedBlocks;
        benchmark::DoNotOptimize(game.EndGame());
    }
    bench.counters["ticks/game"] =
        benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kAvgIterations);
    bench.counters["columns/game"] =
        benchmark::Counter(static_cast<double>(columns), benchmark::Counter::kAvgIterations);
}
BENCHMARK(WholeGameWithRandomMoves);

// A well filled up to row 3 in a pattern without lines: neighbours in every
// direction differ, whatever the direction.
Board NearlyFullWell() {
    Board board;
    board.FillRows(Board::TopRow, Board::FloorRow - 1, Empty);
    for (int c = 0; c < Board::Columns; ++c) {
        for (int r = 3; r < Board::FloorRow; ++r) {
            board.Set(c, r, static_cast<Cell>((r + 2 * c) % KindCount + FirstKind));
        }
    }
    return board;
}

// A settled well in which one landing sets off seven elimination passes.
Board CascadingWell() {
    constexpr const char* rows[] = {
        "......76", "......31", "......43", ".2..1.62", ".4..1.51", "717.7.13",
        "647.5.41", "13447726", "41524175", "47442626", "37136721", "43472442",
        "17112615", "65735474", "63515532", "41767664",
    };
    Board board;
    board.FillRows(Board::TopRow, Board::FloorRow - 1, Empty);
    int r = Board::FloorRow - static_cast<int>(std::size(rows));
    for (const char* row : rows) {
        for (int c = 0; c < Board::Columns; ++c) {
            board.Set(c, r, row[c] == '.' ? Empty : static_cast<Cell>(row[c] - '0'));
        }
        ++r;
    }
    return board;
}

// One column lands in column 3 of the cascading well, on row 15: seven
// passes follow, each with its settle.
void CascadeHeavyLanding(benchmark::State& bench) {
    NullView view;
    kit::ClockRandomSource deals(3);
    OrchardGame game(view, deals);
    game.NewGame(500);
    OrchardState prepared = game.State();
    prepared.Board = CascadingWell();
    prepared.FallingColumn = {3, 1, 7};
    prepared.ColumnX = 3 * 16;
    prepared.ColumnY = 13 * 16;  // rows 12 to 14
    std::int64_t passes = 0;
    for (auto _ : bench) {
        game.EditState() = prepared;
        game.StepColumn();
        passes += game.State().Eliminated;
    }
    bench.counters["passes/landing"] =
        benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(CascadeHeavyLanding);

// A jocker block lands on a nearly full well: a seventh of the fruits vanish
// and everything above them settles.
void JockerOnAFullWell(benchmark::State& bench) {
    NullView view;
    kit::ClockRandomSource deals(3);
    OrchardGame game(view, deals);
    game.NewGame(500);
    OrchardState prepared = game.State();
    prepared.Board = NearlyFullWell();
    prepared.FallingColumn = JokerColumn;
    prepared.JokerPending = true;
    prepared.ColumnX = 3 * 16;
    prepared.ColumnY = 16;  // rows 0 to 2, resting on row 3
    for (auto _ : bench) {
        game.EditState() = prepared;
        game.StepColumn();
        benchmark::DoNotOptimize(game.State().Score);
    }
}
BENCHMARK(JockerOnAFullWell);

// The line search of one pass over a nearly full well that holds no line.
void LineSearchOnAFullWell(benchmark::State& bench) {
    const Board board = NearlyFullWell();
    for (auto _ : bench) {
        CellSet marks;
        benchmark::DoNotOptimize(SearchLines(board, 3, marks));
    }
}
BENCHMARK(LineSearchOnAFullWell);

}  // namespace
