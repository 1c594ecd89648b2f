#pragma once

#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QRect>

#include <memory>

class QButtonGroup;

namespace Ui {
class BRIKOOptionsWindow;
}

// The event the options window sends its main window after Ok, so that the main
// window applies the joystick setting and reopens its music track.
inline const QEvent::Type kOptionsAppliedEvent = QEvent::Type(QEvent::User);

// BRIKO's options, edited in place: the main window binds the addresses of its
// settings before each showing; Ok writes them back and sends the main window
// kOptionsAppliedEvent, Cancel leaves them untouched.
class TBRIKOOptionsWindow : public QDialog {
    Q_OBJECT

  public:
    explicit TBRIKOOptionsWindow(QWidget* parent = nullptr);
    ~TBRIKOOptionsWindow() override;

    // The main window's frame (screen coordinates), the main window itself and
    // the settings this window edits. They must outlive the next showing.
    void BindOptions(const QRect& mainWindowRect, QWidget* mainWindow, int* demoSpeed,
                     int* startRows, int* startLevel, int* musicType, int* blockDesign,
                     bool* demoLoop, bool* soundOn, bool* joystickOn);

  public slots:
    void Ok();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SetupWindow();

    std::unique_ptr<Ui::BRIKOOptionsWindow> ui_;
    QButtonGroup* designs_;
    QButtonGroup* musics_;
    QRect origin_;
    QPointer<QWidget> mainWindow_;
    int* demoSpeed_ = nullptr;
    int* startRows_ = nullptr;
    int* startLevel_ = nullptr;
    int* musicType_ = nullptr;
    int* blockDesign_ = nullptr;
    bool* demoLoop_ = nullptr;
    bool* soundOn_ = nullptr;
    bool* joystickOn_ = nullptr;
};
