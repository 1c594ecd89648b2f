#include "briko/rules/tests/recording_view.h"

#include "briko/rules/demo_stats_text.h"

#include <cstdio>

namespace briko::testing {

std::string Hex(ShapeMask mask) {
    char text[16];
    std::snprintf(text, sizeof text, "%07X", mask);
    return text;
}

void RecordingView::DrawPiece(int x, int y, ShapeMask mask, int piece) {
    Record("draw " + std::to_string(piece) + " " + Hex(mask) + " at " + std::to_string(x) + "," +
           std::to_string(y));
}

void RecordingView::ErasePiece(int x, int y, ShapeMask mask) {
    Record("erase " + Hex(mask) + " at " + std::to_string(x) + "," + std::to_string(y));
}

void RecordingView::DrawCounter(Counter counter, int value) {
    const char* name = counter == Counter::Score  ? "score"
                       : counter == Counter::Rows ? "rows"
                                                  : "pieces";
    Record(std::string("counter ") + name + " " + std::to_string(value));
}

void RecordingView::DrawNextPiece(int piece, ShapeMask mask) {
    Record("next " + std::to_string(piece) + " " + Hex(mask));
}

void RecordingView::StartFallTimer(int intervalMs) {
    timer = intervalMs;
    Record("timer " + std::to_string(intervalMs));
}

void RecordingView::StopFallTimer() {
    timer.reset();
    Record("timer stop");
}

void RecordingView::ModeChanged(GameMode mode) {
    Record(mode == GameMode::Idle      ? "mode idle"
           : mode == GameMode::Playing ? "mode playing"
                                       : "mode demo");
}

bool RecordingView::ConfirmAbort() {
    Record("ask abort");
    return answerAbort;
}

void RecordingView::ShowStatistics(const DemoStatsRecord& record) {
    statisticsText = DemoStatsText(record);
    Record("statistics");
}

std::vector<std::string> RecordingView::Take() {
    std::vector<std::string> taken;
    taken.swap(events);
    return taken;
}

std::vector<std::string> RecordingView::Matching(const std::string& prefix) const {
    std::vector<std::string> lines;
    for (const std::string& line : events) {
        if (line.rfind(prefix, 0) == 0) {
            lines.push_back(line);
        }
    }
    return lines;
}

}  // namespace briko::testing
