// Pillora: two-coloured capsules against the viruses of a bottle.
#include "kit/audio/audio.h"
#include "kit/desktop/application.h"
#include "kit/desktop/first_frame.h"
#include "kit/desktop/player_folder.h"
#include "kit/desktop/start_check.h"
#include "kit/highscores/pillora_best_window.h"
#include "pillora/windows/main_window.h"
#include "pillora/windows/options_window.h"
#include "pillora/windows/program_icon.h"

int main(int argc, char** argv) {
    kit::Application app(argc, argv, QStringLiteral("Pillora for Windows 95"),
                         QStringLiteral("org.fallpack.Pillora"));
    kit::enterPlayerFolder();
    kit::AudioSession audio;
    app.setWindowIcon(pillora::pilloraIcon());

    // The windows, created once in the program's order; they live until the main window closes.
    pillora::TTPilloraWindow mainWindow;
    pillora::TPilloraOptionWindow optionsWindow(&mainWindow);
    kit::TPilloraBestWindow bestWindow(&mainWindow);
    mainWindow.SetWindows({&optionsWindow, &bestWindow});

    kit::reportFirstFrameIfAsked(mainWindow);
    mainWindow.show();
    kit::startCheckIfAsked(mainWindow, {"Pillora1.wav", "Pillora2.wav", ":/pillora/help/index.html",
                                        ":/pillora/help/viruses.png"});
    return app.exec();
}
