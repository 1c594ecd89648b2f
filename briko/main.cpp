// BRIKO: the program creates its windows once, the main window first, and
// runs until the main window closes.
#include "briko/about_window.h"
#include "briko/controls_window.h"
#include "briko/main_window.h"
#include "briko/options_window.h"
#include "kit/application.h"
#include "kit/audio.h"
#include "kit/beep.h"
#include "kit/beeper.h"
#include "kit/briko_best_window.h"

namespace {

// The window beeps through the kit's beeper seam; here it reaches the mixer.
class MixerBeeper final : public kit::Beeper {
  public:
    void beep(kit::BeepSound sound) override {
        kit::beep(sound == kit::BeepSound::Asterisk ? kit::Beep::Asterisk : kit::Beep::Default);
    }
};

}  // namespace

int main(int argc, char** argv) {
    kit::Application app(argc, argv, QStringLiteral("Brikoline for Windows 95"));
    kit::AudioSession audio;
    MixerBeeper beeper;
    kit::setBeeper(&beeper);

    TBrikoMainWindow mainWindow;
    TBRIKOOptionsWindow optionsWindow;
    kit::TBRIKOBestWindow bestWindow;
    TBRIKOAboutBoxWindow aboutWindow;
    TBRIKOControls controlsWindow;
    mainWindow.SetWindows({&optionsWindow, &bestWindow, &aboutWindow, &controlsWindow});

    mainWindow.show();
    const int result = app.exec();
    kit::setBeeper(nullptr);
    return result;
}
