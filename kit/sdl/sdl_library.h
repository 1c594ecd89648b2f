#pragma once

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

namespace kit {

// The programs do not link SDL2 and SDL2_mixer: the two libraries and the sound,
// synthesizer and codec libraries they bring (some forty) would be loaded and
// bound at every start, before the first frame, although most games never touch
// a joystick and sound only once a game runs. The kit opens them when it first
// needs them instead: SDL2 when a joystick starts or the sound device opens,
// SDL2_mixer with the sound device. Every call the kit makes goes through the
// table below, `sdl().SDL_JoystickUpdate()`; a function missing from it is a link
// error, never a silent no-op.
//
// A library that cannot be opened (a broken installation) is told once on
// standard error, and the program goes on without sound or joystick, as on a
// machine without them.

// clang-format off
#define FALLPACK_SDL_FUNCTIONS(X)                                                         \
    X(SDL_SetHint) X(SDL_InitSubSystem) X(SDL_QuitSubSystem) X(SDL_WasInit) X(SDL_Quit)   \
    X(SDL_RWFromConstMem) X(SDL_RWFromFile) X(SDL_GetTicks64) X(SDL_Delay)                \
    X(SDL_NumJoysticks) X(SDL_JoystickUpdate) X(SDL_JoystickEventState)                   \
    X(SDL_JoystickOpen) X(SDL_JoystickClose) X(SDL_JoystickGetAttached)                   \
    X(SDL_JoystickNumAxes) X(SDL_JoystickGetAxis) X(SDL_JoystickNumButtons)               \
    X(SDL_JoystickGetButton) X(SDL_IsGameController) X(SDL_GameControllerEventState)      \
    X(SDL_GameControllerOpen) X(SDL_GameControllerClose) X(SDL_GameControllerGetJoystick) \
    X(SDL_GameControllerGetAxis) X(SDL_GameControllerGetButton)

// Only functions that every SDL2_mixer 2.x exports (Mix_LoadWAV and Mix_PlayChannel
// were macros before 2.6).
#define FALLPACK_MIXER_FUNCTIONS(X)                                                       \
    X(Mix_Init) X(Mix_Quit) X(Mix_OpenAudio) X(Mix_CloseAudio) X(Mix_QuerySpec)           \
    X(Mix_AllocateChannels) X(Mix_SetSoundFonts) X(Mix_LoadWAV_RW) X(Mix_FreeChunk)       \
    X(Mix_PlayChannelTimed) X(Mix_HaltChannel) X(Mix_Playing) X(Mix_LoadMUS)              \
    X(Mix_FreeMusic) X(Mix_PlayMusic) X(Mix_HaltMusic) X(Mix_PlayingMusic)                \
    X(Mix_HookMusicFinished)
// clang-format on

struct SdlFunctions {
#define FALLPACK_SDL_POINTER(name) decltype(&::name) name = nullptr;
    FALLPACK_SDL_FUNCTIONS(FALLPACK_SDL_POINTER)
    FALLPACK_MIXER_FUNCTIONS(FALLPACK_SDL_POINTER)
#undef FALLPACK_SDL_POINTER
};

// The sonames the kit opens.
inline constexpr const char* kSdlLibrary = "libSDL2-2.0.so.0";
inline constexpr const char* kMixerLibrary = "libSDL2_mixer-2.0.so.0";

// Opens SDL2 (the first time) and fills in its functions; false when it cannot be
// opened or lacks one of them. Later calls answer at once.
bool loadSdl();
// The same for SDL2_mixer, with SDL2 before it.
bool loadMixer();

// The functions loaded so far; the others are null. Call one only after the load
// that brings it has returned true, or where that follows from the state (a device
// or joystick that is open).
const SdlFunctions& sdl();

// Tests only, before the first load: the sonames to open instead.
void setSdlLibraryNames(const char* sdl, const char* mixer);

}  // namespace kit
