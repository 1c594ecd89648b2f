#include "kit/highscores/pillora_best_window.h"

#include "ui_pillora_best_window.h"

namespace kit {

TPilloraBestWindow::TPilloraBestWindow(QWidget* parent)
    : BestWindow(Program::Pillora, parent), ui_(std::make_unique<Ui::PilloraBestWindow>()) {
    ui_->setupUi(this);
    attachControls(commonControls(*ui_));
}

TPilloraBestWindow::~TPilloraBestWindow() = default;

}  // namespace kit
