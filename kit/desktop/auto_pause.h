#pragma once

#include <QObject>

class QWidget;

namespace kit {

// Tells a main window that the player looked away from it: the program as a
// whole lost activation, because another program's window took the focus, or the
// window was minimised. The program's own dialogs, message boxes and menus keep
// the program active, so turning to them is not looking away. Coming back says
// nothing: what was paused stays paused until the player goes on.
class AutoPause : public QObject {
    Q_OBJECT

  public:
    // Watches `window` and the application; lives as the window's child.
    explicit AutoPause(QWidget& window);

  signals:
    void lookedAway();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
};

}  // namespace kit
