#include "kit/sdl/sdl_library.h"

#include <dlfcn.h>

#include <cstdio>

namespace kit {
namespace {

struct Library {
    const char* name;
    const char* without;  // what the program goes without when it cannot be opened
    bool tried = false;
    bool loaded = false;
};

Library sdlLibrary{kSdlLibrary, "No sound and no joystick"};
Library mixerLibrary{kMixerLibrary, "No sound"};
SdlFunctions functions;

// Opens `library` once and hands its handle to `fill`, which looks up its
// functions and says whether it found them all.
template <typename Fill>
bool load(Library& library, Fill fill) {
    if (library.tried)
        return library.loaded;
    library.tried = true;
    // Kept open for the life of the program: the mixer's thread and SDL's state
    // live in it.
    void* handle = dlopen(library.name, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        std::fprintf(stderr, "%s: %s\n", library.without, dlerror());
        return false;
    }
    library.loaded = fill(handle);
    if (!library.loaded)
        std::fprintf(stderr, "%s: %s lacks a function the games call\n", library.without,
                     library.name);
    return library.loaded;
}

template <typename Pointer>
bool lookUp(void* handle, const char* name, Pointer& pointer) {
    pointer = reinterpret_cast<Pointer>(dlsym(handle, name));
    return pointer != nullptr;
}

}  // namespace

// Looks up one function of the list in `handle`, for the lists' X macros.
#define FALLPACK_LOOK_UP(name) found = lookUp(handle, #name, functions.name) && found;

bool loadSdl() {
    return load(sdlLibrary, [](void* handle) {
        bool found = true;
        FALLPACK_SDL_FUNCTIONS(FALLPACK_LOOK_UP)
        return found;
    });
}

bool loadMixer() {
    return loadSdl() && load(mixerLibrary, [](void* handle) {
               bool found = true;
               FALLPACK_MIXER_FUNCTIONS(FALLPACK_LOOK_UP)
               return found;
           });
}

#undef FALLPACK_LOOK_UP

const SdlFunctions& sdl() {
    return functions;
}

void setSdlLibraryNames(const char* sdl, const char* mixer) {
    sdlLibrary.name = sdl;
    mixerLibrary.name = mixer;
}

}  // namespace kit
