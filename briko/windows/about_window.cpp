#include "briko/windows/about_window.h"

#include "kit/desktop/first_show.h"

namespace briko {

TBRIKOAboutBoxWindow::TBRIKOAboutBoxWindow(QWidget* parent) : TPictureWindow(parent) {
    ui_.setupUi(this);
    kit::showPictureWhenShown(*ui_.Image1, QStringLiteral(":/briko/about.png"));
    FinishForm();
}

}  // namespace briko
