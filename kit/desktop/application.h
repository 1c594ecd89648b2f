#pragma once

#include <QApplication>

namespace kit {

// The application object of every program. It speaks the player's language
// (kit/desktop/language.h) from the start. An exception that escapes a
// message handler (a menu command, a key, a timer tick) is shown in an error
// box with its text, captioned with the application title, and ends only that
// handler: the program goes on with its next message.
//
// `desktopId` names the program's desktop entry ("org.fallpack.Orchard"): it is
// the app id that a Wayland compositor sees, so that the dock and the task
// switcher find the entry's name and icon. Under X11 the window class is the
// title, which each entry names as its StartupWMClass.
class Application : public QApplication {
  public:
    Application(int& argc, char** argv, const QString& title, const QString& desktopId);

    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows the text of an exception the way the general error reporting does.
void reportException(const std::exception& error);

}  // namespace kit
