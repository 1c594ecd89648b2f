#include "kit/settings/cdrom_warning.h"

#include <QCoreApplication>

#include "kit/desktop/message_box.h"
#include "kit/settings/cdrom.h"

namespace kit {

bool warnIfRunningFromCdRom(QWidget* owner) {
    if (!runningFromCdRom())
        return false;
    // The line feed comes before the carriage return between the two lines.
    showMessage(
        owner,
        QCoreApplication::translate("kit", "You're running this game from a CDROM drive") +
            QStringLiteral("\n\r") +
            QCoreApplication::translate("kit", "Please, copy all the files on a hard drive !"),
        QCoreApplication::translate("kit", "Warning !"), MessageIcon::Error);
    return true;
}

}  // namespace kit
