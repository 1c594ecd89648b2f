#include "kit/desktop/help_window.h"

#include <QApplication>
#include <QUrl>

namespace kit {

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
    setWindowFlag(Qt::Window);
    setOpenExternalLinks(false);
    setOpenLinks(true);
    resize(560, 520);
}

void HelpWindow::showDocument(const QString& document, const QString& anchor) {
    QUrl url(QStringLiteral("qrc") + document);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    setSource(url);
    setWindowTitle(QApplication::applicationName() + QStringLiteral(" Help"));
    show();
    raise();
    activateWindow();
}

HelpWindow& helpWindow() {
    static HelpWindow* window = new HelpWindow;  // lives as long as the program
    return *window;
}

}  // namespace kit
