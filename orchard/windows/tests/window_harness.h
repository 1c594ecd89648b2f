#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

#include "kit/highscores/orchard_best_window.h"
#include "kit/random/random_source.h"
#include "kit/testing/window_testing.h"
#include "orchard/windows/about_window.h"
#include "orchard/windows/main_window.h"
#include "orchard/windows/options_window.h"

namespace orchard::testing {

// Deals the kinds given, one after the other, and then starts again.
class ScriptedRandom final : public kit::RandomSource {
  public:
    explicit ScriptedRandom(std::vector<int> draws = {0}) : draws_(std::move(draws)) {}
    int Random(int range) override { return draws_[next_++ % draws_.size()] % range; }

  private:
    std::vector<int> draws_;
    std::size_t next_ = 0;
};

using kit::testing::MessageLog;
using kit::testing::ModalCloser;

// The program's windows, created as the program creates them, with no pause
// between the steps of a cascade.
struct OrchardWindows {
    explicit OrchardWindows(kit::RandomSource* random = nullptr);

    TTOrchardMainWindow main;
    kit::TOrchardBestWindow best;
    TTOrchardOptionWindow options;
    TOrchardAboutWindow about;

    // Shows the main window and makes it the active window, so that its
    // shortcuts act.
    void ShowActive();
    QWidget& ClientArea() const;
    QPoint Frame(const char* name) const;
    QImage Grab() const;
};

// The tile of `code` in a tile set resource (":/orchard/ORCHARD.png").
QImage Tile(const QString& tileSet, int code);
// True when the 16 x 16 square of `picture` at `topLeft` equals `tile`.
bool ShowsTile(const QImage& picture, const QPoint& topLeft, const QImage& tile);

}  // namespace orchard::testing
