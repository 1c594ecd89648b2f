#include "briko/windows/controls_window.h"

#include "kit/desktop/first_show.h"

namespace briko {

TBRIKOControls::TBRIKOControls(QWidget* parent) : TPictureWindow(parent) {
    ui_.setupUi(this);
    kit::showPictureWhenShown(*ui_.Image1, QStringLiteral(":/briko/controls.png"));
    FinishForm();
}

}  // namespace briko
