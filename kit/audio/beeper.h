#pragma once

namespace kit {

// The system beeps the programs sound. The high-score window sounds Asterisk
// when a score qualifies.
enum class BeepSound { Default, Asterisk, Exclamation, Hand, Question, Ok };

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
