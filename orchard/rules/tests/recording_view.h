#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "orchard/rules/orchard_view.h"

namespace orchard::testing {

// Records what the game asks of its window: the latest state of every
// request, and a log of the requests in order for tests of sequence.
class RecordingView final : public OrchardView {
  public:
    struct ColumnDrawing {
        Column column;
        int prevX, prevY, columnX, columnY;
    };

    void DrawCell(int column, int row, Cell code) override;
    void DrawColumn(const Column& column, int prevX, int prevY, int columnX, int columnY) override;
    void DrawNextBlock(const Column& next) override;
    void DrawCounter(Counter counter, unsigned value) override;
    void PlayEffect(Effect effect) override;
    void StartFallTimer(int intervalMs) override;
    void StopFallTimer() override;
    void AnimationPause() override;

    // Forgets everything recorded so far.
    void Clear() { *this = RecordingView{}; }

    // Entries like "cell 3 22 0", "column", "next", "counter Score 45",
    // "effect 1", "start 475", "stop", "pause".
    std::vector<std::string> log;
    // What the well looks like on screen, by (column, row): cells drawn one by
    // one and the falling column drawn over them.
    std::map<std::pair<int, int>, Cell> cells;
    std::vector<ColumnDrawing> columns;
    // The next block last drawn.
    std::optional<Column> next;
    std::map<Counter, unsigned> counters;
    std::vector<int> effects;
    // The fall timer's interval, or nothing while it is stopped.
    std::optional<int> timer;
};

}  // namespace orchard::testing
