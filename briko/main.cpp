// Briko: the pentomino game with its demonstration player.
#include "briko/windows/about_window.h"
#include "briko/windows/controls_window.h"
#include "briko/windows/main_window.h"
#include "briko/windows/options_window.h"
#include "kit/audio/audio.h"
#include "kit/desktop/application.h"
#include "kit/desktop/first_frame.h"
#include "kit/desktop/player_folder.h"
#include "kit/desktop/start_check.h"
#include "kit/highscores/briko_best_window.h"

int main(int argc, char** argv) {
    kit::Application app(argc, argv, QStringLiteral("Brikoline for Windows 95"),
                         QStringLiteral("org.fallpack.Briko"));
    kit::enterPlayerFolder();
    kit::AudioSession audio;

    // The windows, created once in the program's order; they live until the main window closes.
    briko::TBrikoMainWindow mainWindow;
    briko::TBRIKOOptionsWindow optionsWindow(&mainWindow);
    kit::TBRIKOBestWindow bestWindow(&mainWindow);
    briko::TBRIKOAboutBoxWindow aboutWindow(&mainWindow);
    briko::TBRIKOControls controlsWindow(&mainWindow);
    mainWindow.SetWindows({&optionsWindow, &bestWindow, &aboutWindow, &controlsWindow});

    kit::reportFirstFrameIfAsked(mainWindow);
    mainWindow.show();
    kit::startCheckIfAsked(mainWindow, {"BRIKO_#1.mid", "BRIKO_#2.mid", "BRIKO_#3.mid"});
    return app.exec();
}
