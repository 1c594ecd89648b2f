#include "kit/settings/cdrom_warning.h"

#include "kit/desktop/message_box.h"
#include "kit/settings/cdrom.h"

namespace kit {

bool warnIfRunningFromCdRom(QWidget* owner) {
    if (!runningFromCdRom())
        return false;
    // The line feed comes before the carriage return in this text.
    showMessage(owner,
                QStringLiteral("You're running this game from a CDROM drive\n\r"
                               "Please, copy all the files on a hard drive !"),
                QStringLiteral("Warning !"), MessageIcon::Error);
    return true;
}

}  // namespace kit
