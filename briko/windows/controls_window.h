#pragma once

#include "briko/ui_controls_window.h"
#include "briko/windows/picture_window.h"

namespace briko {

// The picture of BRIKO's keys and joystick moves; it stands in for a help file.
class TBRIKOControls : public TPictureWindow {
    Q_OBJECT

  public:
    explicit TBRIKOControls(QWidget* parent = nullptr);

    const Ui::BRIKOControls& Form() const { return ui_; }

  private:
    Ui::BRIKOControls ui_;
};

}  // namespace briko
