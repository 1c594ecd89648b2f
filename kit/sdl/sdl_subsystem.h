#pragma once

#include <cstdint>

namespace kit {

// Starts one SDL subsystem (audio or joystick, never video) without SDL's signal
// handlers, so that Ctrl+C still ends the program. Pairs with quitSdlSubsystem.
bool initSdlSubsystem(std::uint32_t flags);
void quitSdlSubsystem(std::uint32_t flags);

}  // namespace kit
