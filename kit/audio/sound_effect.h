#pragma once

#include <string>

namespace kit {

// How a wave effect is played. Only one effect sounds at a time: a new one, in
// either mode, cuts off one still playing.
enum class EffectMode {
    Async,  // returns at once; the game goes on while it plays (Orchard)
    Sync,   // returns when the sound has ended; the game waits (Pillora)
};

// Plays the wave file `name` exactly as the settings store it. A relative name is
// looked up in the current directory first, then in the program's folder. A missing
// or unreadable file, or no sound device, plays nothing and returns at once (never
// the default sound). Returns whether a sound was played.
bool playSoundEffect(const std::string& name, EffectMode mode);

}  // namespace kit
