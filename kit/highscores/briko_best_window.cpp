#include "kit/highscores/briko_best_window.h"

#include "ui_briko_best_window.h"

namespace kit {

TBRIKOBestWindow::TBRIKOBestWindow(QWidget* parent)
    : BestWindow(Program::Briko, parent), ui_(std::make_unique<Ui::BRIKOBestWindow>()) {
    ui_->setupUi(this);
    attachControls(commonControls(*ui_));
}

TBRIKOBestWindow::~TBRIKOBestWindow() = default;

}  // namespace kit
