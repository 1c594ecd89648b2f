#include "kit/highscores/briko_best_window.h"

namespace kit {

TBRIKOBestWindow::TBRIKOBestWindow(QWidget* parent) : BestWindow(Program::Briko, parent) {
    ui_.setupUi(this);
    attachControls(commonControls(ui_));
}

}  // namespace kit
