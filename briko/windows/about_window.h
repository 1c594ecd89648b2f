#pragma once

#include "briko/ui_about_window.h"
#include "briko/windows/picture_window.h"

namespace briko {

// The picture BRIKO shows as it closes while no game runs.
class TBRIKOAboutBoxWindow : public TPictureWindow {
    Q_OBJECT

  public:
    explicit TBRIKOAboutBoxWindow(QWidget* parent = nullptr);

    const Ui::BRIKOAboutBoxWindow& Form() const { return ui_; }

  private:
    Ui::BRIKOAboutBoxWindow ui_;
};

}  // namespace briko
