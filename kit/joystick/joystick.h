#pragma once

#include "kit/joystick/joystick_position.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>

class QWidget;
struct _SDL_Joystick;
struct _SDL_GameController;

namespace kit {

enum class TGamePort { One, Two, None };

// Button N's state: Pushed is true while it is held.
using TButtonNotifyEvent = std::function<void(QObject* Sender, bool Pushed)>;
// The reduced stick position. The handler may change X and Y; what it leaves is what
// the component remembers as the last position.
using TJoyMoveEvent = std::function<void(QObject* Sender, std::int32_t& X, std::int32_t& Y)>;

// The joystick component of a main window (Joystick1): polls a joystick on a timer
// of its own and turns stick and buttons into events, all on the GUI thread. `One`
// is SDL's joystick 0, `Two` joystick 1, `None` joystick 0 as well.
//
// A gamepad that SDL knows (its game-controller database) is read through its
// mapping: the left stick, or the D-pad where it is pressed, gives X and Y, and the
// face buttons A, B, X, Y are buttons 1 to 4; its Start button has an event of
// its own, OnStartButton. Any other joystick is read raw: its first two axes and
// first four buttons.
//
// With a FocusWindow set, the joystick moves nothing while that window is not the
// active one: polls go on reading it, fire no event, and what was pressed or held
// meanwhile does not count as a press when the window is active again.
//
// Nothing reports a missing joystick: Activate leaves the component inactive, and
// it looks for one once a second; a pad plugged in later makes it active. An
// unplugged joystick makes the polls fail and skip their tick until one is plugged
// in again, so pulling a pad out never stops a game.
//
// GamePort, NotifyRange and PollRate ignore changes while the component is active;
// PollRate is taken when polling starts. NotifyRange is stored only.
class TJoystick : public QObject {
    Q_OBJECT

  public:
    explicit TJoystick(QObject* owner = nullptr);
    ~TJoystick() override;

    bool Active() const { return active_; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }

    TGamePort GamePort() const { return gamePort_; }
    void SetGamePort(TGamePort value);

    std::int32_t NotifyRange() const { return notifyRange_; }
    void SetNotifyRange(std::int32_t value);

    std::int32_t PollRate() const { return pollRate_; }
    void SetPollRate(std::int32_t value);

    bool RepeatPosition() const { return repeatPosition_; }
    void SetRepeatPosition(bool value) { repeatPosition_ = value; }

    bool RepeatButton1() const { return repeatButton_[0]; }
    bool RepeatButton2() const { return repeatButton_[1]; }
    bool RepeatButton3() const { return repeatButton_[2]; }
    bool RepeatButton4() const { return repeatButton_[3]; }
    void SetRepeatButton1(bool value) { repeatButton_[0] = value; }
    void SetRepeatButton2(bool value) { repeatButton_[1] = value; }
    void SetRepeatButton3(bool value) { repeatButton_[2] = value; }
    void SetRepeatButton4(bool value) { repeatButton_[3] = value; }

    void SetOnButton1(TButtonNotifyEvent handler) { onButton_[0] = std::move(handler); }
    void SetOnButton2(TButtonNotifyEvent handler) { onButton_[1] = std::move(handler); }
    void SetOnButton3(TButtonNotifyEvent handler) { onButton_[2] = std::move(handler); }
    void SetOnButton4(TButtonNotifyEvent handler) { onButton_[3] = std::move(handler); }
    void SetOnJoyMove(TJoyMoveEvent handler) { onJoyMove_ = std::move(handler); }
    // A known gamepad's Start button, pressed or released (never repeated).
    void SetOnStartButton(TButtonNotifyEvent handler) { onStartButton_ = std::move(handler); }

    // The window the events are for, or null for any; it must outlive the component.
    const QWidget* FocusWindow() const { return focusWindow_; }
    void SetFocusWindow(const QWidget* window) { focusWindow_ = window; }

    // Starts polling when the joystick of GamePort answers; otherwise stays inactive.
    void Activate();
    void Deactivate();

    // One poll step, what each timer event runs: reads the joystick and fires the
    // button and move events. While Activate waits for a joystick, it looks whether
    // one has been plugged in, and becomes active when it has.
    void Poll();

    // Activate found no joystick and looks for one at every tick.
    bool Waiting() const { return waiting_; }

    // The interval the poll timer runs at, in milliseconds.
    int TimerInterval() const { return timer_.interval(); }

    // How often a component waiting for its joystick looks for it, in milliseconds.
    static constexpr int kLookForJoystickMs = 1000;

  private:
    bool read();
    bool openDevice();
    void readController();
    void readRaw();
    void closeDevice();
    void startPolling();

    bool active_ = false;
    bool waiting_ = false;
    bool enabled_ = true;
    TGamePort gamePort_ = TGamePort::One;
    std::int32_t notifyRange_ = 20;
    std::int32_t pollRate_ = 50;
    bool repeatPosition_ = true;
    std::array<bool, 4> repeatButton_{};
    std::array<TButtonNotifyEvent, 4> onButton_;
    TJoyMoveEvent onJoyMove_;
    TButtonNotifyEvent onStartButton_;
    const QWidget* focusWindow_ = nullptr;

    int joyNumber_ = 0;
    JoyPosition position_;
    std::int32_t lastX_ = 0;
    std::int32_t lastY_ = 0;
    std::array<bool, 4> lastButton_{};
    bool lastStart_ = false;
    QTimer timer_;
    _SDL_Joystick* device_ = nullptr;
    _SDL_GameController* controller_ = nullptr;  // set when SDL knows the pad
    bool sdlStarted_ = false;
};

}  // namespace kit
