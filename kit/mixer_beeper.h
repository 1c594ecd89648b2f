#pragma once

#include "kit/beeper.h"

namespace kit {

// The beeper of the running programs: the short beeps made in code and played
// through the mixer (kit/beep.h). The high-score windows install it when no
// other beeper is set, so tests that install their own recorder keep it.
class MixerBeeper : public Beeper {
  public:
    void beep(BeepSound sound) override;
};

// The one MixerBeeper of the program.
Beeper& mixerBeeper();

}  // namespace kit
