#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

#include "kit/audio/beeper.h"
#include "kit/desktop/message_box.h"

class QWidget;

namespace kit::testing {

// Keeps every beep instead of sounding it, installed as the beeper while it lives.
class RecordingBeeper : public kit::Beeper {
  public:
    RecordingBeeper() { kit::setBeeper(this); }
    ~RecordingBeeper() override { kit::setBeeper(nullptr); }
    RecordingBeeper(const RecordingBeeper&) = delete;
    RecordingBeeper& operator=(const RecordingBeeper&) = delete;

    void beep(kit::BeepSound sound) override { sounds.push_back(sound); }
    std::vector<kit::BeepSound> sounds;
};

// Answers every message box instead of a person while it lives, and keeps what
// was asked. Yes/No questions take the answers queued with AnswerNext, then the
// standing answer; every other box is answered Ok.
class MessageLog {
  public:
    explicit MessageLog(kit::MessageAnswer questions = kit::MessageAnswer::No);
    ~MessageLog();
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    void AnswerQuestions(kit::MessageAnswer answer) { standing_ = answer; }
    void AnswerNext(kit::MessageAnswer answer) { next_.push_back(answer); }
    // Called with each box before it is answered.
    void OnMessage(std::function<void(const kit::MessageRequest&)> callback) {
        callback_ = std::move(callback);
    }

    const std::vector<kit::MessageRequest>& Requests() const { return requests_; }
    bool Saw(const QString& text) const;
    int Count(const QString& caption) const;

  private:
    std::vector<kit::MessageRequest> requests_;
    std::deque<kit::MessageAnswer> next_;
    kit::MessageAnswer standing_;
    std::function<void(const kit::MessageRequest&)> callback_;
};

// Closes whatever modal window opens (a test must never wait for a person),
// after letting the action given to OnModal look at it or act on it first.
class ModalCloser : public QObject {
  public:
    ModalCloser();
    void OnModal(std::function<void(QWidget*)> action) { action_ = std::move(action); }
    // Class names of the modal windows seen, in order.
    const std::vector<QString>& Seen() const { return seen_; }

  private:
    void Check();

    QTimer timer_;
    std::function<void(QWidget*)> action_;
    std::vector<QString> seen_;
    QWidget* last_ = nullptr;
};

// While it lives, runs `act` once on the next modal window as soon as that
// window is shown; tests use it to answer their own dialogs.
class OnNextModal {
  public:
    explicit OnNextModal(std::function<void(QWidget*)> act);
    ~OnNextModal();
    OnNextModal(const OnNextModal&) = delete;
    OnNextModal& operator=(const OnNextModal&) = delete;
    bool ran() const { return ran_; }

  private:
    QTimer* poll_;
    bool ran_ = false;
};

// How a test turns the player away from a main window, and back.
enum class LookAway {
    AnotherProgram,   // another program's window takes the focus
    Minimise,         // the window is minimised, then shown again
    OwnModalBox,      // a modal box of the program's own takes the focus
    DownWhilePaused,  // Pause (F3), Down pressed, which sets a game falling again,
                      // then another program
};
// Turns the player away from `window` as `how` says, then back: the window is the
// active one again.
void LookAwayAndBack(QWidget& window, LookAway how);

// What each game's running game must do: how the player looks away, the value of
// the game's automatic pause key, and whether the game is paused after it.
struct LookAwayCase {
    LookAway how;
    const char* autoPause;
    bool pauses;
};
inline constexpr LookAwayCase kLookAwayCases[] = {
    {LookAway::AnotherProgram, "1", true},  {LookAway::Minimise, "1", true},
    {LookAway::DownWhilePaused, "1", true}, {LookAway::OwnModalBox, "1", false},
    {LookAway::AnotherProgram, "0", false},
};

// Runs `action` on the next modal window, from inside its own event loop. Fails
// the test (and closes the window) if none opens within a few seconds, or if the
// window is still open a second after the action.
void WhenModal(std::function<void(QWidget*)> action);

}  // namespace kit::testing
