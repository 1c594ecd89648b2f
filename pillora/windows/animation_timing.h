#pragma once

#include <chrono>
#include <cstdint>

namespace pillora {

// How long the pauses of the bottle's animations last, from the Delay setting
// (1001 to 65535, 5000 by default). A frame of a fall lasts Delay / 250 ms, so
// the default lets a dropped capsule be seen falling without slowing the game;
// a frame that shows the rings of a removal is held eight times as long, so a
// removal is always seen before the cells vanish.
constexpr std::chrono::milliseconds fallFramePause(std::uint16_t delay) {
    return std::chrono::milliseconds(delay / 250);
}

constexpr std::chrono::milliseconds flashPause(std::uint16_t delay) {
    return 8 * fallFramePause(delay);
}

}  // namespace pillora
