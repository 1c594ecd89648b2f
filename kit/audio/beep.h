#pragma once

namespace kit {

// The two short system beeps of the games, made in code and played through the
// mixer beside music and effects. They return at once; a new beep cuts off the last.
enum class Beep {
    Default,   // removed rows, before the statistics box
    Asterisk,  // information: a new game, a qualifying score
};

void beep(Beep kind = Beep::Default);

}  // namespace kit
