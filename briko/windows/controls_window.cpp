#include "briko/windows/controls_window.h"

namespace briko {

TBRIKOControls::TBRIKOControls(QWidget* parent) : TPictureWindow(parent) {
    ui_.setupUi(this);
    FinishForm();
}

}  // namespace briko
