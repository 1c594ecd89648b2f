#include "pillora/rules/tests/recording_view.h"

#include <gtest/gtest.h>

namespace pillora::testing {

void RecordingView::DrawCell(int column, int row, Cell code) {
    events_.push_back("cell " + std::to_string(column) + " " + std::to_string(row) + " " +
                      std::to_string(code));
    Paint(column, row, code);
}

void RecordingView::DrawCapsule(std::span<const Tile> tiles) {
    std::string event = "capsule";
    for (const Tile& tile : tiles) {
        event += " " + std::to_string(tile.column) + "," + std::to_string(tile.row) + "=" +
                 std::to_string(tile.code);
        Paint(tile.column, tile.row, tile.code);
    }
    events_.push_back(event);
}

void RecordingView::AnimationPause() {
    events_.push_back("pause");
}

void RecordingView::PlayEffect(Effect effect) {
    events_.push_back("effect " + std::to_string(static_cast<int>(effect)));
}

void RecordingView::StopFallTimer() {
    events_.push_back("stop");
    timerRunning_ = false;
}

void RecordingView::StartFallTimer(int intervalMs) {
    events_.push_back("start " + std::to_string(intervalMs));
    timerRunning_ = true;
    interval_ = intervalMs;
}

void RecordingView::ShowScore(std::uint16_t score) {
    events_.push_back("score " + std::to_string(score));
}

void RecordingView::ShowPlayed(std::uint16_t playedCapsules) {
    events_.push_back("played " + std::to_string(playedCapsules));
}

void RecordingView::ShowLevel(int level) {
    events_.push_back("level " + std::to_string(level));
}

void RecordingView::ShowViruses(int viruses) {
    events_.push_back("viruses " + std::to_string(viruses));
}

void RecordingView::DrawNextCapsule(Pair next) {
    events_.push_back("next " + std::to_string(next.first) + " " + std::to_string(next.second));
}

void RecordingView::RepaintAll() {
    events_.push_back("repaint");
    if (bottle_ == nullptr) {
        return;
    }
    for (int column = 0; column < 8; ++column) {
        screen_[column][0] = bottle_->NoGame() ? kIdle : kEmpty;
        for (int row = 0; row < 24; ++row) {
            screen_[column][row + 1] = bottle_->At(column, row);
        }
    }
    if (!bottle_->NoGame() && bottle_->Current().row >= 0) {
        for (const Tile& tile : bottle_->CapsuleTiles()) {
            Paint(tile.column, tile.row, tile.code);
        }
    }
}

int RecordingView::Count(const std::string& prefix) const {
    int count = 0;
    for (const std::string& event : events_) {
        count += event.starts_with(prefix) ? 1 : 0;
    }
    return count;
}

int RecordingView::Find(const std::string& event) const {
    for (std::size_t i = 0; i < events_.size(); ++i) {
        if (events_[i] == event) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void RecordingView::Paint(int column, int row, Cell code) {
    EXPECT_TRUE(column >= 0 && column < 8 && row >= -1 && row < 24)
        << "drawn outside the bottle: " << column << "," << row;
    if (column >= 0 && column < 8 && row >= -1 && row < 24) {
        screen_[column][row + 1] = code;
    }
}

}  // namespace pillora::testing
