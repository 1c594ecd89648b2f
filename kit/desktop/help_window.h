#pragma once

#include <QString>
#include <QTextBrowser>

namespace kit {

// The program's help: its bundled HTML document shown in a window of its own,
// with links followed inside the document. One window per program, reused.
class HelpWindow : public QTextBrowser {
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Opens `document` (a resource path such as ":/orchard/help/index.html") in
    // the player's language at `anchor` (empty for the top) and brings the window
    // forward.
    void showDocument(const QString& document, const QString& anchor = QString());
};

// The one help window of this program.
HelpWindow& helpWindow();

}  // namespace kit
