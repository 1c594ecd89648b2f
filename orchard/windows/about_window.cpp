#include "orchard/windows/about_window.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "kit/desktop/dialog_placement.h"
#include "kit/desktop/first_show.h"
#include "kit/desktop/form_style.h"

namespace orchard {

TOrchardAboutWindow::TOrchardAboutWindow(QWidget* parent) : QDialog(parent) {
    ui_.setupUi(this);
    kit::useFormStyle(*this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint);
    setFixedSize(size());
    kit::showPictureWhenShown(*ui_.Image1, QStringLiteral(":/orchard/about.png"));
    ui_.Image1->installEventFilter(this);
}

void TOrchardAboutWindow::SetPlacement(const QRect& mainWindowRect) {
    mainWindowRect_ = mainWindowRect;
}

void TOrchardAboutWindow::showEvent(QShowEvent* event) {
    SetupWindow();
    QDialog::showEvent(event);
}

void TOrchardAboutWindow::SetupWindow() {
    move(kit::dialogPosition(mainWindowRect_));
}

void TOrchardAboutWindow::Bye() {
    accept();
}

void TOrchardAboutWindow::Exit() {
    accept();
}

void TOrchardAboutWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
        case Qt::Key_AltGr:
            // A modifier alone is not a key press yet.
            QDialog::keyPressEvent(event);
            return;
        default:
            event->accept();
            Exit();
    }
}

bool TOrchardAboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_.Image1 && event->type() == QEvent::MouseButtonPress) {
        Bye();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace orchard
