#pragma once

#include "kit/highscores/best_window.h"
#include "ui_pillora_best_window.h"

namespace kit {

// Pillora's five-best window: the shared window over Pillora's form.
class TPilloraBestWindow : public BestWindow {
    Q_OBJECT

  public:
    explicit TPilloraBestWindow(QWidget* parent = nullptr);

  private:
    Ui::PilloraBestWindow ui_;
};

}  // namespace kit
