#pragma once

#include <QApplication>

namespace kit {

// The application object of every program. It speaks the player's language
// (kit/desktop/language.h) from the start. An exception that escapes a
// message handler (a menu command, a key, a timer tick) is shown in an error
// box with its text, captioned with the application title, and ends only that
// handler: the program goes on with its next message.
class Application : public QApplication {
  public:
    Application(int& argc, char** argv, const QString& title);

    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows the text of an exception the way the general error reporting does.
void reportException(const std::exception& error);

}  // namespace kit
