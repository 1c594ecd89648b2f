#include "kit/desktop/application.h"

#include <QWidget>

#include <exception>
#include <stdexcept>

#include "kit/desktop/language.h"
#include "kit/desktop/message_box.h"

namespace kit {

Application::Application(int& argc, char** argv, const QString& title, const QString& desktopId)
    : QApplication(argc, argv) {
    // The title is only the name of the application. Given as its display name,
    // it would be appended to every window's caption in the title bar
    // ("Abort Game ? — ..."), where the captions must read exactly as given.
    // It is also the class of the windows under X11.
    setApplicationName(title);
    setDesktopFileName(desktopId);
    usePlayerLanguage();
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        reportException(error);
    } catch (...) {
        reportException(
            std::runtime_error(QCoreApplication::translate("kit", "Unknown error.").toStdString()));
    }
    return false;
}

void reportException(const std::exception& error) {
    showMessage(QApplication::activeWindow(), QString::fromUtf8(error.what()),
                QApplication::applicationName(), MessageIcon::Error);
}

}  // namespace kit
