#include "kit/beeper.h"

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

void beep(BeepSound sound) {
    if (Beeper* beeper = installed())
        beeper->beep(sound);
}

}  // namespace kit
