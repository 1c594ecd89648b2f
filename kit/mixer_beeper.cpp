#include "kit/mixer_beeper.h"

#include "kit/beep.h"

namespace kit {

void MixerBeeper::beep(BeepSound sound) {
    // The mixer knows two beeps: the asterisk and the default one for the rest.
    kit::beep(sound == BeepSound::Asterisk ? Beep::Asterisk : Beep::Default);
}

Beeper& mixerBeeper() {
    static MixerBeeper instance;
    return instance;
}

}  // namespace kit
