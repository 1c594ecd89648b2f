#pragma once

namespace kit {

// The two system beeps the programs sound, made in code and played through the
// mixer beside music and effects.
enum class BeepSound {
    Default,   // removed rows, before the statistics box
    Asterisk,  // information: a new game, a qualifying score
};

// Whatever plays the beeps. The audio side installs one; until then beeps are
// silent, which is also what tests get unless they install a recorder.
class Beeper {
  public:
    virtual ~Beeper() = default;
    virtual void beep(BeepSound sound) = 0;
};

// Installs the beeper (not owned; it must outlive its use). nullptr brings
// back the silent one.
void setBeeper(Beeper* beeper);

// The installed beeper, or nullptr while beeps are silent.
Beeper* currentBeeper();

// Sounds a beep through the installed beeper.
void beep(BeepSound sound);

}  // namespace kit
