#pragma once

#include "kit/highscores/best_window.h"
#include "ui_orchard_best_window.h"

namespace kit {

// Orchard's five-best window: the shared window over Orchard's form.
class TOrchardBestWindow : public BestWindow {
    Q_OBJECT

  public:
    explicit TOrchardBestWindow(QWidget* parent = nullptr);

  private:
    Ui::OrchardBestWindow ui_;
};

}  // namespace kit
