#pragma once

#include <QDialog>
#include <QRect>

namespace briko {

// A small modal window that shows one picture: it opens 20 pixels right of and
// below its main window's corner, and any key or a click closes it. The
// controls and about windows are both of this kind.
class TPictureWindow : public QDialog {
    Q_OBJECT

  public:
    // The main window's frame, in screen coordinates, before each showing.
    void SetOrigin(const QRect& mainWindowRect);

  public slots:
    void Exit();

  protected:
    explicit TPictureWindow(QWidget* parent);
    // After the form is set up: the house style, a fixed frame at the form's size.
    void FinishForm();

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void SetupWindow();

    QRect origin_;
};

}  // namespace briko
