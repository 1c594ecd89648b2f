#pragma once

#include "kit/random/random_source.h"
#include "kit/testing/window_testing.h"
#include "pillora/rules/cell.h"

#include <QImage>
#include <QRect>

#include <deque>
#include <functional>
#include <vector>

class QTimer;
class QWidget;

namespace pillora::testing {

// Draws that a test chose in advance, then zeros.
class ScriptedRandom : public kit::RandomSource {
  public:
    int Random(int range) override;
    void Push(std::initializer_list<int> draws) { draws_.insert(draws_.end(), draws); }

  private:
    std::deque<int> draws_;
};

// Pillora's tests answer Yes to a question unless they queue another answer.
class MessageLog : public kit::testing::MessageLog {
  public:
    MessageLog() : kit::testing::MessageLog(kit::MessageAnswer::Yes) {}
};

using kit::testing::OnNextModal;

// The tile of `code` from the game's tile strip.
QImage Tile(Cell code);

// Whether `image` shows the tile of `code` at `place` (16 x 16).
bool ShowsTile(const QImage& image, const QRect& place, Cell code);

}  // namespace pillora::testing
