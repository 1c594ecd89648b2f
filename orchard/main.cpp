// Orchard: columns of three fruits fall into a well; lines of like fruits are eliminated.
#include "kit/audio/audio.h"
#include "kit/desktop/application.h"
#include "kit/desktop/first_frame.h"
#include "kit/desktop/player_folder.h"
#include "kit/desktop/start_check.h"
#include "kit/highscores/orchard_best_window.h"
#include "orchard/windows/about_window.h"
#include "orchard/windows/main_window.h"
#include "orchard/windows/options_window.h"

int main(int argc, char** argv) {
    kit::Application app(argc, argv, QStringLiteral("Orchard for Windows 95"),
                         QStringLiteral("org.fallpack.Orchard"));
    kit::enterPlayerFolder();
    kit::AudioSession audio;

    // The windows, created once in the program's order; they live until the main window closes.
    orchard::TTOrchardMainWindow mainWindow;
    kit::TOrchardBestWindow bestWindow(&mainWindow);
    orchard::TTOrchardOptionWindow optionsWindow(&mainWindow);
    orchard::TOrchardAboutWindow aboutWindow(&mainWindow);
    mainWindow.SetWindows({&bestWindow, &optionsWindow, &aboutWindow});

    kit::reportFirstFrameIfAsked(mainWindow);
    mainWindow.show();
    kit::startCheckIfAsked(mainWindow,
                           {"Orchard_#1.mid", "Orchard_#2.mid", "Orchard_#3.mid", "Orchard1.wav",
                            "Orchard2.wav", "Orchard3.wav", ":/orchard/help/index.html"});
    return app.exec();
}
