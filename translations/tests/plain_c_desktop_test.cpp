// A program where LANG=C (LANGUAGE, LC_ALL and LC_MESSAGES unset): every text
// reads exactly as written, as before the programs had translations.
#include <QCoreApplication>

#include <gtest/gtest.h>

#include "kit/desktop/language.h"
#include "kit/desktop/message_box.h"
#include "kit/testing/window_testing.h"
#include "translations/tests/form_survey.h"
#include "translations/tests/translation_file.h"

namespace fallpack::testing {
namespace {

TEST(PlainCDesktop, EveryTextReadsAsWritten) {
    // What the windows show with no translation installed at all.
    std::vector<QStringList> untranslated;
    for (const Form& form : AllForms())
        untranslated.push_back(FormTexts(*form.create()));

    ASSERT_EQ(kit::usePlayerLanguage(), QString());
    for (std::size_t i = 0; i < AllForms().size(); ++i)
        EXPECT_EQ(FormTexts(*AllForms()[i].create()).join(QLatin1Char('\n')).toStdString(),
                  untranslated[i].join(QLatin1Char('\n')).toStdString())
            << AllForms()[i].name;
    for (const TranslatedText& text : ReadTranslationFile(TranslationFile(QStringLiteral("fr"))))
        EXPECT_EQ(QCoreApplication::translate(text.context.toUtf8(), text.source.toUtf8()),
                  text.source);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");

    kit::testing::MessageLog messages(kit::MessageAnswer::No);
    kit::showGameOver(nullptr);
    EXPECT_FALSE(kit::askAbortGame(nullptr));
    ASSERT_EQ(messages.Requests().size(), 2u);
    EXPECT_EQ(messages.Requests()[0].text, "Game Over ...");
    EXPECT_EQ(messages.Requests()[0].caption, "Sorry !");
    EXPECT_EQ(messages.Requests()[1].text, "Really ?");
    EXPECT_EQ(messages.Requests()[1].caption, "Abort Game ?");
    EXPECT_EQ(kit::localizedResource(QStringLiteral(":/orchard/help/index.html")),
              ":/orchard/help/index.html");
}

}  // namespace
}  // namespace fallpack::testing
