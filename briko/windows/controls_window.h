#pragma once

#include <memory>

#include "briko/windows/picture_window.h"

namespace Ui {
class BRIKOControls;
}

// The picture of BRIKO's keys and joystick moves; it stands in for a help file.
class TBRIKOControls : public TPictureWindow {
    Q_OBJECT

  public:
    explicit TBRIKOControls(QWidget* parent = nullptr);
    ~TBRIKOControls() override;

  private:
    std::unique_ptr<Ui::BRIKOControls> ui_;
};
