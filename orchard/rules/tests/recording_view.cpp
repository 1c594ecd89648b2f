#include "orchard/rules/tests/recording_view.h"

namespace orchard::testing {
namespace {

const char* NameOf(Counter counter) {
    switch (counter) {
        case Counter::Score:
            return "Score";
        case Counter::Eliminated:
            return "Eliminated";
        case Counter::Level:
            return "Level";
        case Counter::PlayedBlocks:
            return "PlayedBlocks";
    }
    return "?";
}

}  // namespace

void RecordingView::DrawCell(int column, int row, Cell code) {
    cells[{column, row}] = code;
    log.push_back("cell " + std::to_string(column) + " " + std::to_string(row) + " " +
                  std::to_string(code));
}

void RecordingView::DrawColumn(const Column& column, int prevX, int prevY, int columnX,
                               int columnY) {
    columns.push_back({column, prevX, prevY, columnX, columnY});
    // Like the window: a cell of the column is shown only from row -1 down.
    for (int k = Top; k <= Bottom; ++k) {
        if (prevY + 16 * k >= 0) {
            cells[{prevX / 16, (prevY + 16 * k) / 16 - 1}] = Empty;
        }
    }
    for (int k = Top; k <= Bottom; ++k) {
        if (columnY + 16 * k >= 0) {
            cells[{columnX / 16, (columnY + 16 * k) / 16 - 1}] = column[k];
        }
    }
    log.push_back("column");
}

void RecordingView::DrawNextBlock(const Column& column) {
    next = column;
    log.push_back("next");
}

void RecordingView::DrawCounter(Counter counter, unsigned value) {
    counters[counter] = value;
    log.push_back(std::string("counter ") + NameOf(counter) + " " + std::to_string(value));
}

void RecordingView::PlayEffect(Effect effect) {
    effects.push_back(static_cast<int>(effect));
    log.push_back("effect " + std::to_string(static_cast<int>(effect)));
}

void RecordingView::StartFallTimer(int intervalMs) {
    timer = intervalMs;
    log.push_back("start " + std::to_string(intervalMs));
}

void RecordingView::StopFallTimer() {
    timer.reset();
    log.push_back("stop");
}

void RecordingView::AnimationPause() {
    log.push_back("pause");
}

}  // namespace orchard::testing
