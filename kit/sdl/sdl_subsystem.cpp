#include "kit/sdl/sdl_subsystem.h"

#include "kit/sdl/sdl_library.h"

namespace kit {

bool initSdlSubsystem(std::uint32_t flags) {
    if (!loadSdl())
        return false;
    sdl().SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    return sdl().SDL_InitSubSystem(flags) == 0;
}

void quitSdlSubsystem(std::uint32_t flags) {
    if (!loadSdl())
        return;
    sdl().SDL_QuitSubSystem(flags);
    if (sdl().SDL_WasInit(SDL_INIT_EVERYTHING) == 0)
        sdl().SDL_Quit();
}

}  // namespace kit
