#pragma once

#include <memory>

#include "kit/highscores/best_window.h"

namespace Ui {
class BRIKOBestWindow;
}

namespace kit {

// BRIKO's five-best window: the shared window over BRIKO's form.
class TBRIKOBestWindow : public BestWindow {
    Q_OBJECT

  public:
    explicit TBRIKOBestWindow(QWidget* parent = nullptr);
    ~TBRIKOBestWindow() override;

  private:
    std::unique_ptr<Ui::BRIKOBestWindow> ui_;
};

}  // namespace kit
