#pragma once

#include "kit/highscores/best_window.h"
#include "ui_briko_best_window.h"

namespace kit {

// BRIKO's five-best window: the shared window over BRIKO's form.
class TBRIKOBestWindow : public BestWindow {
    Q_OBJECT

  public:
    explicit TBRIKOBestWindow(QWidget* parent = nullptr);

  private:
    Ui::BRIKOBestWindow ui_;
};

}  // namespace kit
