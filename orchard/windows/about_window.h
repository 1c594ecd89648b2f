#pragma once

#include <QDialog>
#include <QRect>

#include "orchard/ui_about_window.h"

namespace orchard {

// The picture shown as the program closes. A click on it or any key closes it.
class TOrchardAboutWindow : public QDialog {
    Q_OBJECT

  public:
    explicit TOrchardAboutWindow(QWidget* parent = nullptr);

    // Where the main window stands; the window opens at kit::dialogPosition(rect).
    void SetPlacement(const QRect& mainWindowRect);

    const Ui::TOrchardAboutWindow& Form() const { return ui_; }

  public slots:
    void Bye();
    void Exit();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SetupWindow();

    Ui::TOrchardAboutWindow ui_;
    QRect mainWindowRect_;
};

}  // namespace orchard
