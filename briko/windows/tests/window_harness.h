#pragma once

#include <QString>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "briko/windows/about_window.h"
#include "briko/windows/controls_window.h"
#include "briko/windows/main_window.h"
#include "briko/windows/options_window.h"
#include "kit/highscores/briko_best_window.h"
#include "kit/random/random_source.h"
#include "kit/testing/window_testing.h"

namespace briko_window_testing {

// Draws from a script first, then `fallback` for every range (clamped into it),
// so a test decides the pieces and debris it cares about.
class ScriptedDraws : public kit::RandomSource {
  public:
    explicit ScriptedDraws(std::deque<int> draws = {}, int fallback = 0)
        : draws_(std::move(draws)), fallback_(fallback) {}
    void Script(std::initializer_list<int> draws) { draws_.insert(draws_.end(), draws); }
    int Random(int range) override;

  private:
    std::deque<int> draws_;
    int fallback_;
};

// The program's windows, created in the program's order, with every message
// box answered and recorded and every beep recorded.
class BrikoProgram {
  public:
    explicit BrikoProgram(kit::RandomSource* random = nullptr);
    ~BrikoProgram();

    // Shows the main window and waits until it is active, so that shortcuts reach it.
    void Show();

    // The message boxes shown so far, answered without a person; the beeps sounded.
    kit::testing::MessageLog messages;
    kit::testing::RecordingBeeper beeper;

    std::unique_ptr<TBrikoMainWindow> main;
    std::unique_ptr<TBRIKOOptionsWindow> options;
    std::unique_ptr<kit::TBRIKOBestWindow> best;
    std::unique_ptr<TBRIKOAboutBoxWindow> about;
    std::unique_ptr<TBRIKOControls> controls;
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

}  // namespace briko_window_testing
