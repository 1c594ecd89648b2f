#include "briko/windows/picture_window.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "kit/desktop/form_style.h"

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
    move(origin_.topLeft() + QPoint(20, 20));
    QDialog::showEvent(event);
}

void TPictureWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    Exit();
}

void TPictureWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    Exit();
}
