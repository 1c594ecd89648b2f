#pragma once

#include <cstdint>

namespace kit {

// Starts one SDL subsystem (audio or joystick, never video) without SDL's signal
// handlers, so that Ctrl+C still ends the program; opens SDL2 first when it is not
// open yet (kit/sdl/sdl_library.h). Pairs with quitSdlSubsystem.
bool initSdlSubsystem(std::uint32_t flags);
void quitSdlSubsystem(std::uint32_t flags);

}  // namespace kit
