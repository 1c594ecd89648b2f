#include "briko/windows/about_window.h"

#include "briko/ui_about_window.h"

TBRIKOAboutBoxWindow::TBRIKOAboutBoxWindow(QWidget* parent)
    : TPictureWindow(parent), ui_(std::make_unique<Ui::BRIKOAboutBoxWindow>()) {
    ui_->setupUi(this);
    FinishForm();
}

TBRIKOAboutBoxWindow::~TBRIKOAboutBoxWindow() = default;
