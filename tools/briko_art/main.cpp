// Draws Briko's pictures (tile sheet, captions, banner, controls, about, icon)
// into the folder given on the command line, normally resources/briko/; with
// --icons first, the desktop icons instead; with --language CODE TRANSLATION
// first, only the pictures that hold words, in the language of the translation
// (a .qm file), each named with "_CODE" before ".png". A word that does not fit
// its room in a picture is named on standard error and fails the run.
#include "tools/briko_art/desktop_icons.h"
#include "tools/briko_art/pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    if (argc == 3 && QString::fromLatin1(argv[1]) == QStringLiteral("--icons"))
        return briko_art::saveDesktopIcons(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    QString suffix;
    QTranslator translator;
    if (argc == 5 && QString::fromLatin1(argv[1]) == QStringLiteral("--language")) {
        if (!translator.load(QString::fromLocal8Bit(argv[3]))) {
            std::fprintf(stderr, "briko_art: cannot read the translation %s\n", argv[3]);
            return 1;
        }
        QCoreApplication::installTranslator(&translator);
        suffix = QLatin1Char('_') + QString::fromLatin1(argv[2]);
    } else if (argc != 2) {
        std::fprintf(stderr,
                     "usage: briko_art [--icons | --language CODE TRANSLATION] OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[argc - 1]));
    bool ok = true;
    auto save = [&](const QImage& image, const char* name) {
        const QString file = QString::fromLatin1(name) + suffix + QStringLiteral(".png");
        if (!image.save(out.filePath(file), "PNG")) {
            std::fprintf(stderr, "briko_art: cannot write %s\n", qPrintable(file));
            ok = false;
        }
    };
    using namespace briko_art;
    if (suffix.isEmpty()) {
        save(tileSheet(), "tiles");
        save(plainTiles(), "tiles_plain");
        save(decoration(), "decoration");
        save(icon(32), "icon_32");
        save(icon(64), "icon_64");
    }
    save(caption(113, Words::tr("SCORE"), 1), "caption_score");
    save(caption(121, Words::tr("ROWS"), 2), "caption_rows");
    save(caption(113, Words::tr("PIECES"), 4), "caption_pieces");
    save(caption(105, Words::tr("NEXT"), 5), "caption_next");
    save(optionsBanner(), "options_banner");
    save(controls(), "controls");
    save(about(), "about");
    for (const QString& word : wordsThatOverflow()) {
        std::fprintf(stderr, "briko_art: \"%s\" does not fit its room in the picture\n",
                     qPrintable(word));
        ok = false;
    }
    return ok ? 0 : 1;
}
