#include "kit/joystick/joystick.h"

#include "kit/audio/sdl_subsystem.h"

#include <SDL2/SDL.h>

namespace kit {

TJoystick::TJoystick(QObject* owner) : QObject(owner) {
    timer_.setInterval(50);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TJoystick::Poll);
}

TJoystick::~TJoystick() {
    Deactivate();
    closeDevice();
    if (sdlStarted_)
        quitSdlSubsystem(SDL_INIT_JOYSTICK);
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
        sdlStarted_ = initSdlSubsystem(SDL_INIT_JOYSTICK);
        if (!sdlStarted_)
            return;
        // Positions are read when polled, so SDL keeps no event queue for them.
        SDL_JoystickEventState(SDL_IGNORE);
    }
    if (!read())
        return;
    timer_.setInterval(pollRate_);
    timer_.start();
    active_ = true;
}

void TJoystick::Deactivate() {
    if (active_)
        timer_.stop();
    active_ = false;
}

// Reads the joystick of joyNumber_ into position_. A joystick that was unplugged is
// let go, and opened afresh once SDL sees one at that number again.
bool TJoystick::read() {
    SDL_JoystickUpdate();
    if (device_ != nullptr && !SDL_JoystickGetAttached(device_))
        closeDevice();
    if (device_ == nullptr) {
        if (joyNumber_ >= SDL_NumJoysticks())
            return false;
        device_ = SDL_JoystickOpen(joyNumber_);
        if (device_ == nullptr)
            return false;
        SDL_JoystickUpdate();
    }
    const int axes = SDL_JoystickNumAxes(device_);
    position_.x = axes > 0 ? joyAxisFromSdl(SDL_JoystickGetAxis(device_, 0)) : 32768;
    position_.y = axes > 1 ? joyAxisFromSdl(SDL_JoystickGetAxis(device_, 1)) : 32768;
    position_.z = axes > 2 ? joyAxisFromSdl(SDL_JoystickGetAxis(device_, 2)) : 32768;
    std::uint32_t buttons = 0;
    const int count = SDL_JoystickNumButtons(device_);
    for (int i = 0; i < 4 && i < count; ++i)
        if (SDL_JoystickGetButton(device_, i))
            buttons |= 1u << i;
    position_.buttons = buttons;
    return true;
}

void TJoystick::closeDevice() {
    if (device_ != nullptr)
        SDL_JoystickClose(device_);
    device_ = nullptr;
}

void TJoystick::Poll() {
    if (!enabled_ || !active_)
        return;
    if (!read())
        return;
    for (int n = 0; n < 4; ++n) {
        const bool pushed = (position_.buttons & (1u << n)) != 0;
        if (onButton_[n] && (repeatButton_[n] || pushed != lastButton_[n]))
            onButton_[n](this, pushed);
        lastButton_[n] = pushed;
    }
    std::int32_t x = reduceJoyX(position_.x);
    std::int32_t y = reduceJoyY(position_.y);
    if (onJoyMove_ && (repeatPosition_ || x != lastX_ || y != lastY_))
        onJoyMove_(this, x, y);
    lastX_ = x;
    lastY_ = y;
}

}  // namespace kit
