#include "kit/desktop/auto_pause.h"

#include <QApplicationStateChangeEvent>
#include <QCoreApplication>
#include <QWidget>
#include <QWindowStateChangeEvent>

namespace kit {

AutoPause::AutoPause(QWidget& window) : QObject(&window), window_(window) {
    // The application's filter sees the application's state and the window's own
    // events alike.
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

bool AutoPause::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ApplicationStateChange:
            // Inactive when no window of the program has the focus any more.
            if (static_cast<QApplicationStateChangeEvent*>(event)->applicationState() !=
                Qt::ApplicationActive)
                emit lookedAway();
            break;
        case QEvent::WindowStateChange:
            if (watched == &window_ &&
                !(static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized) &&
                window_.isMinimized())
                emit lookedAway();
            break;
        default:
            break;
    }
    return false;
}

}  // namespace kit
