#include "kit/joystick/joystick.h"

#include "kit/sdl/sdl_library.h"
#include "kit/sdl/sdl_subsystem.h"

#include <QWidget>

namespace kit {
namespace {

constexpr std::uint32_t kLowest = 0;
constexpr std::uint32_t kCentre = kJoyCentre;
constexpr std::uint32_t kHighest = 65535;

}  // namespace

TJoystick::TJoystick(QObject* owner) : QObject(owner) {
    timer_.setInterval(50);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TJoystick::Poll);
}

TJoystick::~TJoystick() {
    Deactivate();
    closeDevice();
    if (sdlStarted_)
        quitSdlSubsystem(SDL_INIT_GAMECONTROLLER);
}

void TJoystick::SetGamePort(TGamePort value) {
    if (active_)
        return;
    gamePort_ = value;
    joyNumber_ = value == TGamePort::Two ? 1 : 0;
}

void TJoystick::SetNotifyRange(std::int32_t value) {
    if (!active_)
        notifyRange_ = value;
}

void TJoystick::SetPollRate(std::int32_t value) {
    if (!active_)
        pollRate_ = value;
}

void TJoystick::Activate() {
    Deactivate();
    if (!sdlStarted_) {
        // The game-controller subsystem brings the joystick one with it.
        sdlStarted_ = initSdlSubsystem(SDL_INIT_GAMECONTROLLER);
        if (!sdlStarted_)
            return;
        // Positions are read when polled, so SDL keeps no event queue for them.
        sdl().SDL_JoystickEventState(SDL_IGNORE);
        sdl().SDL_GameControllerEventState(SDL_IGNORE);
    }
    if (read()) {
        startPolling();
        return;
    }
    waiting_ = true;
    timer_.setInterval(kLookForJoystickMs);
    timer_.start();
}

void TJoystick::Deactivate() {
    timer_.stop();
    active_ = false;
    waiting_ = false;
}

void TJoystick::startPolling() {
    waiting_ = false;
    timer_.setInterval(pollRate_);
    timer_.start();
    active_ = true;
}

// Reads the joystick of joyNumber_ into position_. A joystick that was unplugged is
// let go, and opened afresh once SDL sees one at that number again.
bool TJoystick::read() {
    sdl().SDL_JoystickUpdate();
    if (device_ != nullptr && !sdl().SDL_JoystickGetAttached(device_))
        closeDevice();
    if (device_ == nullptr && !openDevice())
        return false;
    if (controller_ != nullptr)
        readController();
    else
        readRaw();
    return true;
}

bool TJoystick::openDevice() {
    if (joyNumber_ >= sdl().SDL_NumJoysticks())
        return false;
    if (sdl().SDL_IsGameController(joyNumber_)) {
        controller_ = sdl().SDL_GameControllerOpen(joyNumber_);
        if (controller_ != nullptr)
            device_ = sdl().SDL_GameControllerGetJoystick(controller_);
    }
    if (device_ == nullptr)
        device_ = sdl().SDL_JoystickOpen(joyNumber_);
    if (device_ == nullptr)
        return false;
    sdl().SDL_JoystickUpdate();
    return true;
}

void TJoystick::readController() {
    const auto axis = [this](SDL_GameControllerAxis which) {
        return joyAxisFromSdl(sdl().SDL_GameControllerGetAxis(controller_, which));
    };
    const auto held = [this](SDL_GameControllerButton which) {
        return sdl().SDL_GameControllerGetButton(controller_, which) != 0;
    };
    // The D-pad, where it is pressed, stands for the stick pushed all the way.
    position_.x = held(SDL_CONTROLLER_BUTTON_DPAD_LEFT)    ? kLowest
                  : held(SDL_CONTROLLER_BUTTON_DPAD_RIGHT) ? kHighest
                                                           : axis(SDL_CONTROLLER_AXIS_LEFTX);
    position_.y = held(SDL_CONTROLLER_BUTTON_DPAD_UP)     ? kLowest
                  : held(SDL_CONTROLLER_BUTTON_DPAD_DOWN) ? kHighest
                                                          : axis(SDL_CONTROLLER_AXIS_LEFTY);
    position_.z = kCentre;
    const SDL_GameControllerButton faces[] = {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B,
                                              SDL_CONTROLLER_BUTTON_X, SDL_CONTROLLER_BUTTON_Y};
    std::uint32_t buttons = 0;
    for (int i = 0; i < 4; ++i)
        if (held(faces[i]))
            buttons |= 1u << i;
    position_.buttons = buttons;
    position_.start = held(SDL_CONTROLLER_BUTTON_START);
}

void TJoystick::readRaw() {
    const int axes = sdl().SDL_JoystickNumAxes(device_);
    position_.x = axes > 0 ? joyAxisFromSdl(sdl().SDL_JoystickGetAxis(device_, 0)) : kCentre;
    position_.y = axes > 1 ? joyAxisFromSdl(sdl().SDL_JoystickGetAxis(device_, 1)) : kCentre;
    position_.z = axes > 2 ? joyAxisFromSdl(sdl().SDL_JoystickGetAxis(device_, 2)) : kCentre;
    std::uint32_t buttons = 0;
    const int count = sdl().SDL_JoystickNumButtons(device_);
    for (int i = 0; i < 4 && i < count; ++i)
        if (sdl().SDL_JoystickGetButton(device_, i))
            buttons |= 1u << i;
    position_.buttons = buttons;
    position_.start = false;
}

void TJoystick::closeDevice() {
    // A controller owns its joystick and closes it with itself.
    if (controller_ != nullptr)
        sdl().SDL_GameControllerClose(controller_);
    else if (device_ != nullptr)
        sdl().SDL_JoystickClose(device_);
    controller_ = nullptr;
    device_ = nullptr;
}

void TJoystick::Poll() {
    if (waiting_) {
        // Only looking: the events start at the next tick, as after Activate.
        if (read())
            startPolling();
        return;
    }
    if (!enabled_ || !active_)
        return;
    if (!read())
        return;
    // Away from its window the joystick is still read, so that the last states
    // follow it, but nothing fires.
    const bool heard = focusWindow_ == nullptr || focusWindow_->isActiveWindow();
    for (int n = 0; n < 4; ++n) {
        const bool pushed = (position_.buttons & (1u << n)) != 0;
        if (heard && onButton_[n] && (repeatButton_[n] || pushed != lastButton_[n]))
            onButton_[n](this, pushed);
        lastButton_[n] = pushed;
    }
    if (heard && onStartButton_ && position_.start != lastStart_)
        onStartButton_(this, position_.start);
    lastStart_ = position_.start;
    std::int32_t x = reduceJoyX(position_.x);
    std::int32_t y = reduceJoyY(position_.y);
    if (heard && onJoyMove_ && (repeatPosition_ || x != lastX_ || y != lastY_))
        onJoyMove_(this, x, y);
    lastX_ = x;
    lastY_ = y;
}

}  // namespace kit
