#include "briko/windows/controls_window.h"

#include "briko/ui_controls_window.h"

TBRIKOControls::TBRIKOControls(QWidget* parent)
    : TPictureWindow(parent), ui_(std::make_unique<Ui::BRIKOControls>()) {
    ui_->setupUi(this);
    FinishForm();
}

TBRIKOControls::~TBRIKOControls() = default;
