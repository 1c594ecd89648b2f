#pragma once

#include <cstdint>

namespace kit {

// One reading of a joystick in the range the games were written for: each axis
// 0 to 65535 with the centre at 32768, and the first four buttons as bits 1, 2, 4, 8.
struct JoyPosition {
    std::uint32_t x = 32768;
    std::uint32_t y = 32768;
    std::uint32_t z = 32768;
    std::uint32_t buttons = 0;
    bool start = false;  // a known gamepad's Start button; a joystick read raw has none
};

inline constexpr std::int32_t kJoyCentre = 32768;
inline constexpr std::int32_t kJoyStep = 8192;

// The stick reduced to a few steps per axis, the quotient truncated toward zero:
// X runs from -4 (full left) to 3, Y from -3 (full down) to 4 (full up), and
// positions within 8191 of the centre give 0.
constexpr std::int32_t reduceJoyX(std::uint32_t x) {
    return (static_cast<std::int32_t>(x) - kJoyCentre) / kJoyStep;
}
constexpr std::int32_t reduceJoyY(std::uint32_t y) {
    return (kJoyCentre - static_cast<std::int32_t>(y)) / kJoyStep;
}

// SDL's axis value, -32768 to 32767, on the 0 to 65535 scale.
constexpr std::uint32_t joyAxisFromSdl(std::int16_t value) {
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(value) + kJoyCentre);
}

}  // namespace kit
