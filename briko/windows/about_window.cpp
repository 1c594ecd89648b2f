#include "briko/windows/about_window.h"

namespace briko {

TBRIKOAboutBoxWindow::TBRIKOAboutBoxWindow(QWidget* parent) : TPictureWindow(parent) {
    ui_.setupUi(this);
    FinishForm();
}

}  // namespace briko
