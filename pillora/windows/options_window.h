#pragma once

#include "kit/settings/settings.h"
#include "pillora/ui_options_window.h"

#include <QDialog>
#include <QRect>

namespace pillora {

// Pillora's options: sound effects, sliding singles, moving viruses, the
// next-capsule preview, the start level ("Speed") and the run length ("To
// align"). It edits the options the main window holds, bound before each modal
// show, and only when Ok is pressed; its close box leaves them as they were.
// It reads and writes no file.
class TPilloraOptionWindow : public QDialog {
    Q_OBJECT

  public:
    explicit TPilloraOptionWindow(QWidget* parent = nullptr);

    // Where the main window stands; the window opens at kit::dialogPosition(rect).
    void SetPlacement(const QRect& mainWindowRect);
    // The options to edit, held by the main window; sets the controls from
    // them. They must outlive the next showing. A slider shows a value outside
    // its range at the nearest end.
    void BindOptions(kit::PilloraSettings& options);

    const Ui::PilloraOptionWindow& Form() const { return ui_; }

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

    Ui::PilloraOptionWindow ui_;
    QRect placement_;
    kit::PilloraSettings* options_ = nullptr;
};

}  // namespace pillora
