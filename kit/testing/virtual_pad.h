#pragma once

#include <SDL2/SDL.h>

#include <bit>
#include <cstdint>
#include <string>

#include "kit/sdl/sdl_subsystem.h"

namespace kit::testing {

// A joystick of SDL's own that a test plugs in, moves and pulls out by hand.
// Positions are given on the joystick component's scale, 0 to 65535 per axis.
class VirtualPad {
  public:
    enum class Kind {
        // A plain joystick SDL has no mapping for: two axes, four buttons, a hat.
        Stick,
        // A gamepad SDL knows: left and right sticks, A, B, X, Y, Back, Start and the
        // D-pad as four buttons.
        Gamepad,
    };

    explicit VirtualPad(Kind kind, bool pluggedIn = true) : kind_(kind) {
        started_ = kit::initSdlSubsystem(SDL_INIT_JOYSTICK);
        if (pluggedIn)
            plugIn();
    }
    ~VirtualPad() {
        unplug();
        if (started_)
            kit::quitSdlSubsystem(SDL_INIT_JOYSTICK);
    }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    void plugIn() {
        if (handle_ != nullptr)
            return;
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        if (kind_ == Kind::Stick) {
            desc.type = SDL_JOYSTICK_TYPE_UNKNOWN;
            desc.naxes = 2;
            desc.nbuttons = 4;
            desc.nhats = 1;
            // Ids of no real device, so that a test can add a mapping for it.
            desc.vendor_id = 0x1234;
            desc.product_id = 0x5678;
            desc.name = "Test Stick";
        } else {
            desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
            desc.naxes = 4;
            desc.nbuttons = static_cast<Uint16>(std::popcount(kGamepadButtons));
            desc.button_mask = kGamepadButtons;
            desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_LEFTX) | (1u << SDL_CONTROLLER_AXIS_LEFTY) |
                             (1u << SDL_CONTROLLER_AXIS_RIGHTX) |
                             (1u << SDL_CONTROLLER_AXIS_RIGHTY);
            desc.name = "Test Gamepad";
        }
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        handle_ = index < 0 ? nullptr : SDL_JoystickOpen(index);
    }
    void unplug() {
        if (handle_ == nullptr)
            return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(handle_);
        SDL_JoystickClose(handle_);
        handle_ = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id)
                SDL_JoystickDetachVirtual(i);
    }
    bool present() const { return handle_ != nullptr; }

    // The raw axes and buttons, as a joystick without a mapping reads them.
    void move(int x, int y) {
        axis(0, x);
        axis(1, y);
    }
    void axis(int number, int position) {
        SDL_JoystickSetVirtualAxis(handle_, number, static_cast<Sint16>(position - 32768));
    }
    void press(int button, bool down = true) {
        SDL_JoystickSetVirtualButton(handle_, button, down ? SDL_PRESSED : SDL_RELEASED);
    }
    void hat(Uint8 value) { SDL_JoystickSetVirtualHat(handle_, 0, value); }

    // A gamepad's named button.
    void press(SDL_GameControllerButton button, bool down = true) {
        // The buttons of the mask are numbered in its order.
        press(std::popcount(kGamepadButtons & ((1u << button) - 1)), down);
    }

    // SDL's identifier of the device, as its mappings name it.
    std::string guid() const {
        char text[33] = {};
        SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(handle_), text, sizeof text);
        return text;
    }

  private:
    static constexpr std::uint32_t kGamepadButtons =
        (1u << SDL_CONTROLLER_BUTTON_A) | (1u << SDL_CONTROLLER_BUTTON_B) |
        (1u << SDL_CONTROLLER_BUTTON_X) | (1u << SDL_CONTROLLER_BUTTON_Y) |
        (1u << SDL_CONTROLLER_BUTTON_BACK) | (1u << SDL_CONTROLLER_BUTTON_START) |
        (1u << SDL_CONTROLLER_BUTTON_DPAD_UP) | (1u << SDL_CONTROLLER_BUTTON_DPAD_DOWN) |
        (1u << SDL_CONTROLLER_BUTTON_DPAD_LEFT) | (1u << SDL_CONTROLLER_BUTTON_DPAD_RIGHT);

    Kind kind_;
    bool started_ = false;
    SDL_Joystick* handle_ = nullptr;
};

}  // namespace kit::testing
