#include "kit/desktop/help_window.h"

#include <QApplication>
#include <QUrl>

#include "kit/desktop/language.h"

namespace kit {

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
    setWindowFlag(Qt::Window);
    setOpenExternalLinks(false);
    setOpenLinks(true);
    resize(560, 520);
}

void HelpWindow::showDocument(const QString& document, const QString& anchor) {
    QUrl url(QStringLiteral("qrc") + localizedResource(document));
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    setSource(url);
    setWindowTitle(QCoreApplication::translate("kit::HelpWindow", "%1 Help")
                       .arg(QApplication::applicationName()));
    show();
    raise();
    activateWindow();
}

HelpWindow& helpWindow() {
    static HelpWindow* window = new HelpWindow;  // lives as long as the program
    return *window;
}

}  // namespace kit
