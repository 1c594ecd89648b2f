#include "kit/sdl/sdl_subsystem.h"

#include <SDL2/SDL.h>

namespace kit {

bool initSdlSubsystem(std::uint32_t flags) {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    return SDL_InitSubSystem(flags) == 0;
}

void quitSdlSubsystem(std::uint32_t flags) {
    SDL_QuitSubSystem(flags);
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0)
        SDL_Quit();
}

}  // namespace kit
