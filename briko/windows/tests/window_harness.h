#pragma once

#include <QWidget>

#include <string>

#include "briko/windows/about_window.h"
#include "briko/windows/controls_window.h"
#include "briko/windows/main_window.h"
#include "briko/windows/options_window.h"
#include "kit/highscores/briko_best_window.h"
#include "kit/random/random_source.h"
#include "kit/testing/window_testing.h"

namespace briko::testing {

// The program's windows, created as the program creates them, with every
// message box answered and recorded and every beep recorded.
struct BrikoWindows {
    explicit BrikoWindows(kit::RandomSource* random = nullptr);

    // Shows the main window and waits until it is active, so that shortcuts reach it.
    void Show();

    // The message boxes shown so far, answered without a person; the beeps sounded.
    kit::testing::MessageLog messages;
    kit::testing::RecordingBeeper beeper;

    TBrikoMainWindow main;
    TBRIKOOptionsWindow options;
    kit::TBRIKOBestWindow best;
    TBRIKOAboutBoxWindow about;
    TBRIKOControls controls;
};

using kit::testing::WhenModal;

// A key of BRIKO's section (or another one) in the settings file.
void WriteSetting(const std::string& key, const std::string& value,
                  const std::string& section = "Freeware Brikoline version 1.95");
std::string ReadSetting(const std::string& key,
                        const std::string& section = "Freeware Brikoline version 1.95");

// A key press as the platform sends it while the key is held down.
void SendKey(QWidget* widget, QEvent::Type type, Qt::Key key, bool autoRepeat,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier);

}  // namespace briko::testing
