#pragma once

#include <memory>

#include "kit/highscores/best_window.h"

namespace Ui {
class OrchardBestWindow;
}

namespace kit {

// Orchard's five-best window: the shared window over Orchard's form.
class TOrchardBestWindow : public BestWindow {
    Q_OBJECT

  public:
    explicit TOrchardBestWindow(QWidget* parent = nullptr);
    ~TOrchardBestWindow() override;

  private:
    std::unique_ptr<Ui::OrchardBestWindow> ui_;
};

}  // namespace kit
