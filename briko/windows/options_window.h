#pragma once

#include <QDialog>
#include <QRect>

#include "briko/ui_options_window.h"
#include "kit/settings/settings.h"

class QButtonGroup;

namespace briko {

// BRIKO's options, edited in place: the main window binds its options before
// each showing; Ok writes the controls back and says so, Cancel leaves them
// untouched.
class TBRIKOOptionsWindow : public QDialog {
    Q_OBJECT

  public:
    explicit TBRIKOOptionsWindow(QWidget* parent = nullptr);

    // Where the main window stands; the window opens at kit::dialogPosition(rect).
    void SetPlacement(const QRect& mainWindowRect);
    // The options to edit, held by the main window; the controls show them when
    // the window is shown. They must outlive the next showing.
    void BindOptions(kit::BrikoSettings& options);

    const Ui::BRIKOOptionsWindow& Form() const { return ui_; }

  signals:
    // Ok has written the controls into the bound options.
    void OptionsChanged();

  public slots:
    // Writes the controls into the bound options, emits OptionsChanged(), then
    // closes with Accepted.
    void Ok();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SetupWindow();

    Ui::BRIKOOptionsWindow ui_;
    QButtonGroup* designs_;
    QButtonGroup* musics_;
    QRect placement_;
    kit::BrikoSettings* options_ = nullptr;
};

}  // namespace briko
