// The translation files and the translated help pages and pictures.
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include "kit/desktop/language.h"
#include "translations/tests/translation_file.h"

namespace fallpack::testing {
namespace {

// What a translation must keep of its text: the accelerator (one ampersand, or
// none), the arguments %1, %2, the spaces at either end and the line breaks.
QStringList whatMustStay(const QString& text) {
    static const QRegularExpression kept(QStringLiteral("(?<![&])&(?![&])|%\\d|^\\s+|\\s+$|\n"));
    QStringList found;
    for (QRegularExpressionMatchIterator it = kept.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

TEST(TranslationFiles, EveryTranslationKeepsAcceleratorArgumentsSpacesAndLines) {
    const QStringList languages = kit::spokenLanguages();
    ASSERT_TRUE(languages.contains(QStringLiteral("fr")) &&
                languages.contains(QStringLiteral("de")));
    for (const QString& language : languages) {
        const std::vector<TranslatedText> texts = ReadTranslationFile(TranslationFile(language));
        ASSERT_GT(texts.size(), 100u) << language.toStdString();
        for (const TranslatedText& text : texts) {
            SCOPED_TRACE((language + QLatin1Char(' ') + text.context + QStringLiteral(": ") +
                          text.source + QStringLiteral(" -> ") + text.translation)
                             .toStdString());
            EXPECT_FALSE(text.translation.isEmpty());
            EXPECT_EQ(whatMustStay(text.translation), whatMustStay(text.source));
        }
    }
}

// The anchors a page holds and the places its links and pictures lead to.
QSet<QString> landmarks(const QString& resource) {
    QFile file(resource);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << resource.toStdString();
    const QString page = QString::fromUtf8(file.readAll());
    QSet<QString> found;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("(name|href|src)=\"[^\"]*\"")).globalMatch(page);
    while (it.hasNext())
        found.insert(it.next().captured());
    return found;
}

// Each language has its help pages, with the anchors the programs open them
// at and the same links, and Briko's pictures with words.
TEST(TranslationFiles, EveryLanguageHasItsHelpPagesAndPictures) {
    const char* const helpPages[] = {":/orchard/help/index.html", ":/pillora/help/index.html"};
    const char* const pictures[] = {":/briko/caption_score.png",  ":/briko/caption_rows.png",
                                    ":/briko/caption_pieces.png", ":/briko/caption_next.png",
                                    ":/briko/options_banner.png", ":/briko/controls.png",
                                    ":/briko/about.png"};
    for (const QString& language : kit::spokenLanguages()) {
        kit::useLanguage(language);
        for (const char* page : helpPages) {
            const QString translated = kit::localizedResource(QString::fromLatin1(page));
            ASSERT_NE(translated, QString::fromLatin1(page)) << language.toStdString();
            EXPECT_EQ(landmarks(translated), landmarks(QString::fromLatin1(page)))
                << translated.toStdString();
        }
        for (const char* picture : pictures)
            EXPECT_NE(kit::localizedResource(QString::fromLatin1(picture)),
                      QString::fromLatin1(picture))
                << language.toStdString();
    }
    kit::useLanguage({});
    EXPECT_EQ(kit::localizedResource(QString::fromLatin1(helpPages[0])),
              QString::fromLatin1(helpPages[0]));
}

}  // namespace
}  // namespace fallpack::testing
