#pragma once

#include <memory>

#include "kit/highscores/best_window.h"

namespace Ui {
class PilloraBestWindow;
}

namespace kit {

// Pillora's five-best window: the shared window over Pillora's form.
class TPilloraBestWindow : public BestWindow {
    Q_OBJECT

  public:
    explicit TPilloraBestWindow(QWidget* parent = nullptr);
    ~TPilloraBestWindow() override;

  private:
    std::unique_ptr<Ui::PilloraBestWindow> ui_;
};

}  // namespace kit
