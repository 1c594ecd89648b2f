#include "kit/briko_best_window.h"

#include "ui_briko_best_window.h"

namespace kit {

TBRIKOBestWindow::TBRIKOBestWindow(QWidget* parent)
    : BestWindow(Program::Briko, parent), ui_(std::make_unique<Ui::BRIKOBestWindow>()) {
    ui_->setupUi(this);
    BestWindowControls controls;
    controls.bevels = {ui_->Bevel1, ui_->Bevel2, ui_->Bevel3, ui_->Bevel4, ui_->Bevel5};
    controls.labels = {ui_->Label1, ui_->Label2, ui_->Label3, ui_->Label4, ui_->Label5};
    controls.edit = ui_->Edit1;
    controls.button = ui_->Button1;
    attachControls(controls);
}

TBRIKOBestWindow::~TBRIKOBestWindow() = default;

}  // namespace kit
