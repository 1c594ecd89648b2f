#include "pillora/windows/program_icon.h"

namespace pillora {

QIcon pilloraIcon() {
    // Read once: the program, its main window and its options window all wear it. It
    // lives as long as the process.
    static const QIcon* const icon = [] {
        auto* read = new QIcon;
        for (const int size : {16, 32, 48, 64, 128})
            read->addFile(QStringLiteral(":/pillora/MainIcon-%1.png").arg(size), QSize(size, size));
        return read;
    }();
    return *icon;
}

}  // namespace pillora
