#include "kit/pillora_best_window.h"

#include "ui_pillora_best_window.h"

namespace kit {

TPilloraBestWindow::TPilloraBestWindow(QWidget* parent)
    : BestWindow(Program::Pillora, parent), ui_(std::make_unique<Ui::PilloraBestWindow>()) {
    ui_->setupUi(this);
    BestWindowControls controls;
    controls.bevels = {ui_->Bevel1, ui_->Bevel2, ui_->Bevel3, ui_->Bevel4, ui_->Bevel5};
    controls.labels = {ui_->Label1, ui_->Label2, ui_->Label3, ui_->Label4, ui_->Label5};
    controls.edit = ui_->Edit1;
    controls.button = ui_->Button1;
    attachControls(controls);
}

TPilloraBestWindow::~TPilloraBestWindow() = default;

}  // namespace kit
