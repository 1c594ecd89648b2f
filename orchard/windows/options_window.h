#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <QRect>

#include "kit/settings/settings.h"
#include "orchard/ui_options_window.h"

namespace orchard {

// The options window: edits the options that the main window holds, between
// games. Nothing is written back unless Ok is pressed with valid numbers, and
// the window never closes while a number is out of range, whichever way it is
// closed.
class TTOrchardOptionWindow : public QDialog {
    Q_OBJECT

  public:
    explicit TTOrchardOptionWindow(QWidget* parent = nullptr);

    // Where the main window stands; the window opens at kit::dialogPosition(rect).
    void SetPlacement(const QRect& mainWindowRect);
    // The options to edit, held by the main window; sets the controls from them.
    // They must outlive the next showing.
    void BindOptions(kit::OrchardSettings& options);

    const Ui::TOrchardOptionWindow& Form() const { return ui_; }

  signals:
    // Ok has written the controls into the bound options.
    void OptionsChanged();

  public slots:
    // Writes the controls into the bound options, emits OptionsChanged(), then
    // closes with Accepted.
    void Ok();
    // Every close goes through here: refused while the numbers are out of range.
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SetupWindow();
    // True when the numbers are in range; otherwise tells the player so.
    bool CheckValues();

    Ui::TOrchardOptionWindow ui_;
    QButtonGroup musicTypes_;
    QRect mainWindowRect_;
    kit::OrchardSettings* options_ = nullptr;
};

}  // namespace orchard
