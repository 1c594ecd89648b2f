// Pillora: two-coloured capsules against the viruses of a bottle.
#include "kit/audio/audio.h"
#include "kit/desktop/application.h"
#include "kit/desktop/player_folder.h"
#include "kit/desktop/start_check.h"
#include "pillora/windows/main_window.h"
#include "pillora/windows/program_icon.h"

int main(int argc, char** argv) {
    kit::Application app(argc, argv, QStringLiteral("Pillora for Windows 95"));
    kit::enterPlayerFolder();
    app.setWindowIcon(pillora::pilloraIcon());
    kit::AudioSession audio;
    // The main window creates the options and high-score windows after itself.
    pillora::TTPilloraWindow window;
    window.show();
    kit::startCheckIfAsked(window, {"Pillora1.wav", "Pillora2.wav", ":/pillora/help/index.html",
                                    ":/pillora/help/viruses.png"});
    return app.exec();
}
