#include "kit/desktop/language.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include "kit/desktop/menu_lock.h"

namespace {

TEST(Language, TheFirstLanguageThePlayerWantsThatTheProgramsSpeak) {
    const QStringList spoken{QStringLiteral("de"), QStringLiteral("fr")};
    const struct {
        QStringList wanted;
        const char* chosen;
    } rows[] = {
        {{"fr-FR", "fr-Latn-FR", "fr"}, "fr"},
        {{"de-AT", "de-Latn-AT"}, "de"},
        {{"fr_CA.UTF-8"}, "fr"},
        {{"C"}, ""},
        {{"C.UTF-8", "fr"}, ""},
        {{"en-US", "en-Latn-US", "en"}, ""},
        {{"en", "fr"}, ""},
        {{"es-ES", "es"}, ""},
        {{"pt-BR", "de"}, "de"},
        {{"fr", "de"}, "fr"},
        {{"not a language", "de"}, "de"},
        {{}, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(kit::chooseLanguage(row.wanted, spoken), QString::fromLatin1(row.chosen))
            << row.wanted.join(QLatin1Char(':')).toStdString();
}

TEST(Language, ATranslationBuiltInSpeaksEveryOtherLanguageIsEnglishAsWritten) {
    EXPECT_TRUE(kit::spokenLanguages().contains(QStringLiteral("fr")));
    EXPECT_TRUE(kit::spokenLanguages().contains(QStringLiteral("de")));
    const struct {
        const char* language;
        const char* inUse;
        const char* gameOver;
        const char* newItem;
    } rows[] = {
        {"fr", "fr", "Partie terminée ...", "&Nouveau"},
        {"de", "de", "Spiel vorbei ...", "&Neu"},
        {"es", "", "Game Over ...", "&New"},
        {"", "", "Game Over ...", "&New"},
    };
    for (const auto& row : rows) {
        kit::useLanguage(QString::fromLatin1(row.language));
        EXPECT_EQ(kit::currentLanguage(), QString::fromLatin1(row.inUse)) << row.language;
        EXPECT_EQ(QCoreApplication::translate("kit", "Game Over ..."),
                  QString::fromUtf8(row.gameOver));
        EXPECT_EQ(kit::newItemText(false), QString::fromUtf8(row.newItem));
    }
}

}  // namespace
