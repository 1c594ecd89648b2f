#pragma once

#include "kit/highscores/pillora_best_window.h"
#include "kit/random/random_source.h"
#include "kit/testing/window_testing.h"
#include "pillora/rules/cell.h"
#include "pillora/windows/main_window.h"
#include "pillora/windows/options_window.h"

#include <QImage>
#include <QRect>

namespace pillora::testing {

// The program's windows, created as the program creates them, with short
// animation pauses to keep the tests quick.
struct PilloraWindows {
    // With `random` null the main window deals from the clock.
    explicit PilloraWindows(kit::RandomSource* random = nullptr);

    TTPilloraWindow main;
    TPilloraOptionWindow options{&main};
    kit::TPilloraBestWindow best{&main};

    // Shows the main window and makes it the active window, so that its
    // shortcuts act.
    void ShowActive();
    // What the main window's client area shows.
    QImage Grab() const;
};

// Pillora's tests answer Yes to a question unless they queue another answer.
class MessageLog : public kit::testing::MessageLog {
  public:
    MessageLog() : kit::testing::MessageLog(kit::MessageAnswer::Yes) {}
};

using kit::testing::OnNextModal;

// The tile of `code` from the game's tile strip.
QImage TileImage(Cell code);

// Whether `image` shows the tile of `code` at `place` (16 x 16).
bool ShowsTile(const QImage& image, const QRect& place, Cell code);

}  // namespace pillora::testing
