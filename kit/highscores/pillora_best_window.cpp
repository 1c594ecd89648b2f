#include "kit/highscores/pillora_best_window.h"

namespace kit {

TPilloraBestWindow::TPilloraBestWindow(QWidget* parent) : BestWindow(Program::Pillora, parent) {
    ui_.setupUi(this);
    attachControls(commonControls(ui_));
}

}  // namespace kit
