#include "kit/audio/beeper.h"

namespace kit {
namespace {

Beeper*& installed() {
    static Beeper* beeper = nullptr;
    return beeper;
}

}  // namespace

void setBeeper(Beeper* beeper) {
    installed() = beeper;
}

Beeper* currentBeeper() {
    return installed();
}

void beep(BeepSound sound) {
    if (Beeper* beeper = installed())
        beeper->beep(sound);
}

}  // namespace kit
