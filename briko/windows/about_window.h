#pragma once

#include <memory>

#include "briko/windows/picture_window.h"

namespace Ui {
class BRIKOAboutBoxWindow;
}

// The picture BRIKO shows as it closes while no game runs.
class TBRIKOAboutBoxWindow : public TPictureWindow {
    Q_OBJECT

  public:
    explicit TBRIKOAboutBoxWindow(QWidget* parent = nullptr);
    ~TBRIKOAboutBoxWindow() override;

  private:
    std::unique_ptr<Ui::BRIKOAboutBoxWindow> ui_;
};
