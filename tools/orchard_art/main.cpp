// Paints every picture of Orchard into the folder given as the only argument;
// with --icons first, the desktop icons instead.
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>
#include <utility>
#include <vector>

#include "tools/orchard_art/art.h"
#include "tools/orchard_art/desktop_icons.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc == 3 && QString::fromLatin1(argv[1]) == QStringLiteral("--icons"))
        return orchard_art::saveDesktopIcons(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    if (argc != 2) {
        std::fprintf(stderr, "usage: orchard_art [--icons] OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const std::vector<std::pair<const char*, QImage>> pictures = {
        {"ORCHARD.png", orchard_art::orchardTiles()},
        {"DEFAULT.png", orchard_art::defaultTiles()},
        {"title.png", orchard_art::titlePicture()},
        {"options.png", orchard_art::optionsPicture()},
        {"about.png", orchard_art::aboutPicture()},
        {"MAINICON16.png", orchard_art::mainIcon(16)},
        {"MAINICON32.png", orchard_art::mainIcon(32)},
        {"MAINICON48.png", orchard_art::mainIcon(48)},
        {"icon_cherries.png", orchard_art::cherryIcon()},
        {"icon_pear.png", orchard_art::pearIcon()},
    };
    for (const auto& [name, image] : pictures) {
        const QString path = folder + QChar('/') + QString::fromLatin1(name);
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "orchard_art: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
