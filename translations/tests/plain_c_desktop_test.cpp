// A program where LANG=C (LANGUAGE, LC_ALL and LC_MESSAGES unset): every text
// reads exactly as written, as before the programs had translations.
#include <QCoreApplication>

#include <gtest/gtest.h>

#include "kit/desktop/language.h"
#include "translations/tests/translation_file.h"

namespace fallpack::testing {
namespace {

TEST(PlainCDesktop, EveryTextReadsAsWritten) {
    ASSERT_EQ(kit::usePlayerLanguage(), QString());
    // Forms and code alike take their texts through the translations, which
    // give every text back as written, Qt's own buttons too.
    for (const TranslatedText& text : ReadTranslationFile(TranslationFile(QStringLiteral("fr"))))
        EXPECT_EQ(QCoreApplication::translate(text.context.toUtf8(), text.source.toUtf8()),
                  text.source);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");

    // The help and the pictures with words stay English.
    EXPECT_EQ(kit::localizedResource(QStringLiteral(":/orchard/help/index.html")),
              ":/orchard/help/index.html");
}

}  // namespace
}  // namespace fallpack::testing
