#include "pillora/windows/program_icon.h"

namespace pillora {

QIcon pilloraIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/pillora/MainIcon-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace pillora
