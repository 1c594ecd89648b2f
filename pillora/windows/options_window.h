#pragma once

#include "pillora/ui_options_window.h"

#include <QDialog>
#include <QRect>

namespace pillora {

// Pillora's options: sound effects, sliding singles, moving viruses, the
// next-capsule preview, the start level ("Speed") and the run length ("To
// align"). It edits the main window's own variables, bound before each modal
// show, and only when Ok is pressed; its close box leaves them as they were.
// It reads and writes no file.
class TPilloraOptionWindow : public QDialog {
    Q_OBJECT

  public:
    explicit TPilloraOptionWindow(QWidget* parent = nullptr);

    // The main window's frame on the screen; the window opens 20 pixels right
    // of and below its top-left corner.
    void SetPlacement(const QRect& mainWindowRect);
    // Binds the variables edited and shows their values. A slider shows a
    // value outside its range at the nearest end.
    void BindOptions(bool& soundOn, bool& singlesSlide, bool& virusesMove, bool& showNext,
                     int& startLevel, int& alignCount);

    const Ui::PilloraOptionWindow& form() const { return ui_; }

  public slots:
    // Writes the controls into the bound variables and closes the window.
    void Ok();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SetupWindow();

    Ui::PilloraOptionWindow ui_;
    QRect placement_;
    bool* soundOn_ = nullptr;
    bool* singlesSlide_ = nullptr;
    bool* virusesMove_ = nullptr;
    bool* showNext_ = nullptr;
    int* startLevel_ = nullptr;
    int* alignCount_ = nullptr;
};

}  // namespace pillora
