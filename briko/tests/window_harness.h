#pragma once

#include <QString>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "briko/about_window.h"
#include "briko/controls_window.h"
#include "briko/main_window.h"
#include "briko/options_window.h"
#include "briko/random_source.h"
#include "kit/beeper.h"
#include "kit/briko_best_window.h"
#include "kit/message_box.h"

namespace briko_window_testing {

// Draws from a script first, then `fallback` for every range (clamped into it),
// so a test decides the pieces and debris it cares about.
class ScriptedDraws : public briko::RandomSource {
  public:
    explicit ScriptedDraws(std::deque<int> draws = {}, int fallback = 0)
        : draws_(std::move(draws)), fallback_(fallback) {}
    void Script(std::initializer_list<int> draws) { draws_.insert(draws_.end(), draws); }
    int Random(int range) override;

  private:
    std::deque<int> draws_;
    int fallback_;
};

// Keeps every beep instead of sounding it.
class RecordingBeeper : public kit::Beeper {
  public:
    void beep(kit::BeepSound sound) override { sounds.push_back(sound); }
    std::vector<kit::BeepSound> sounds;
};

// The program's windows, created in the program's order, with every message
// box answered and recorded and every beep recorded.
class BrikoProgram {
  public:
    explicit BrikoProgram(briko::RandomSource* random = nullptr);
    ~BrikoProgram();

    // Shows the main window and waits until it is active, so that shortcuts reach it.
    void Show();

    // The message boxes shown so far; `answer` answers the next ones.
    std::vector<kit::MessageRequest> messages;
    kit::MessageAnswer answer = kit::MessageAnswer::Ok;
    RecordingBeeper beeper;

    std::unique_ptr<TBrikoMainWindow> main;
    std::unique_ptr<TBRIKOOptionsWindow> options;
    std::unique_ptr<kit::TBRIKOBestWindow> best;
    std::unique_ptr<TBRIKOAboutBoxWindow> about;
    std::unique_ptr<TBRIKOControls> controls;
};

// Runs `action` on the next modal window, from inside its own event loop. Fails
// the test (and closes everything modal) if none opens within a few seconds.
void WhenModal(std::function<void(QWidget*)> action);

// A key of BRIKO's section (or another one) in the settings file.
void WriteSetting(const std::string& key, const std::string& value,
                  const std::string& section = "Freeware Brikoline version 1.95");
std::string ReadSetting(const std::string& key,
                        const std::string& section = "Freeware Brikoline version 1.95");

// A key press as the platform sends it while the key is held down.
void SendKey(QWidget* widget, QEvent::Type type, Qt::Key key, bool autoRepeat,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier);

}  // namespace briko_window_testing
