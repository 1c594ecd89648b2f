#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

#include "kit/highscores/orchard_best_window.h"
#include "kit/random/random_source.h"
#include "kit/testing/window_testing.h"
#include "orchard/windows/about_window.h"
#include "orchard/windows/main_window.h"
#include "orchard/windows/options_window.h"

namespace orchard::testing {

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
