#include "kit/desktop/language.h"

#include <gtest/gtest.h>

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

}  // namespace
