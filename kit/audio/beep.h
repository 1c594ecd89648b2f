#pragma once

#include "kit/audio/beeper.h"

namespace kit {

// Plays a beep on the mixer's beep channel at once, opening the device when it
// is closed; a new beep cuts off the last. The audio session's beeper plays
// kit::beep() through this.
void playBeep(BeepSound sound);

}  // namespace kit
