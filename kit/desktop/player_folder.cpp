#include "kit/desktop/player_folder.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include <cstdio>

#include "kit/desktop/program_folder.h"

namespace kit {

QString playerDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/fallpack");
}

bool enterFolder(const QString& folder) {
    if (QDir().mkpath(folder) && QDir::setCurrent(folder))
        return true;
    std::fprintf(stderr, "%s: cannot use %s for the high scores; they stay in %s\n",
                 qPrintable(QApplication::applicationName()), qPrintable(folder),
                 qPrintable(QDir::currentPath()));
    return false;
}

bool enterPlayerFolder() {
    return !runsInstalled() || enterFolder(playerDataFolder());
}

}  // namespace kit
