#include "briko/windows/picture_window.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "kit/desktop/dialog_placement.h"
#include "kit/desktop/form_style.h"

namespace briko {

TPictureWindow::TPictureWindow(QWidget* parent) : QDialog(parent) {}

void TPictureWindow::FinishForm() {
    kit::useFormStyle(*this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(size());
}

void TPictureWindow::SetOrigin(const QRect& mainWindowRect) {
    origin_ = mainWindowRect;
}

void TPictureWindow::Exit() {
    accept();
}

void TPictureWindow::showEvent(QShowEvent* event) {
    SetupWindow();
    QDialog::showEvent(event);
}

void TPictureWindow::SetupWindow() {
    move(kit::dialogPosition(origin_));
}

void TPictureWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    Exit();
}

void TPictureWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    Exit();
}

}  // namespace briko
