// Draws Pillora's pictures into the folder named on the command line:
// the tile strip, the program icon and the pictures of the windows; with
// --icons first, the desktop icons instead.
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "tools/pillora_art/desktop_icons.h"
#include "tools/pillora_art/pictures.h"
#include "tools/pillora_art/tile_strip.h"

namespace {

bool save(const QImage& image, const QString& folder, const char* name) {
    const QString path = folder + QLatin1Char('/') + QLatin1String(name);
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "pillora_art: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const bool icons = argc == 3 && std::string_view(argv[1]) == "--icons";
    if (argc != 2 && !icons) {
        std::fprintf(stderr, "usage: pillora_art [--icons] OUTPUT_FOLDER\n");
        return 2;
    }
    // Only images are painted; no screen is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (icons)
        return pillora_art::saveDesktopIcons(QString::fromLocal8Bit(argv[2])) ? EXIT_SUCCESS
                                                                              : EXIT_FAILURE;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool ok = save(pillora_art::tileStrip(), folder, "Pillora.png");
    ok = save(pillora_art::pillsPicture(), folder, "pills.png") && ok;
    ok = save(pillora_art::microbePicture(), folder, "microbe.png") && ok;
    ok = save(pillora_art::virusGallery(), folder, "viruses.png") && ok;
    for (const int size : {16, 32, 48, 64, 128}) {
        const QByteArray name = "MainIcon-" + QByteArray::number(size) + ".png";
        ok = save(pillora_art::programIcon(size), folder, name.constData()) && ok;
    }
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
