// Draws Briko's pictures (tile sheet, captions, banner, controls, about, icon)
// into the folder given on the command line, normally resources/briko/; with
// --icons first, the desktop icons instead.
#include "tools/briko_art/desktop_icons.h"
#include "tools/briko_art/pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    if (argc == 3 && QString::fromLatin1(argv[1]) == QStringLiteral("--icons"))
        return briko_art::saveDesktopIcons(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    if (argc != 2) {
        std::fprintf(stderr, "usage: briko_art [--icons] OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    auto save = [&](const QImage& image, const char* name) {
        if (!image.save(out.filePath(QString::fromLatin1(name)), "PNG")) {
            std::fprintf(stderr, "briko_art: cannot write %s\n", name);
            ok = false;
        }
    };
    using namespace briko_art;
    save(tileSheet(), "tiles.png");
    save(plainTiles(), "tiles_plain.png");
    save(caption(113, QStringLiteral("SCORE"), 1), "caption_score.png");
    save(caption(121, QStringLiteral("ROWS"), 2), "caption_rows.png");
    save(caption(113, QStringLiteral("PIECES"), 4), "caption_pieces.png");
    save(caption(105, QStringLiteral("NEXT"), 5), "caption_next.png");
    save(decoration(), "decoration.png");
    save(optionsBanner(), "options_banner.png");
    save(controls(), "controls.png");
    save(about(), "about.png");
    save(icon(32), "icon_32.png");
    save(icon(64), "icon_64.png");
    return ok ? 0 : 1;
}
