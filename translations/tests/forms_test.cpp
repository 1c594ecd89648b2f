// Every window of the three programs in every language they speak.
#include <QStringList>

#include <gtest/gtest.h>

#include "kit/desktop/language.h"
#include "translations/tests/form_survey.h"

namespace fallpack::testing {
namespace {

// Each text fits its control at the form's size, in English and in every
// translation; a translation puts no two accelerators on one letter (the
// English forms have such pairs as designed, "&Blocks" and "&Blocks of
// fruits").
TEST(Forms, EveryTextFitsItsControlAndEveryAcceleratorIsItsOwn) {
    const QStringList languages = QStringList{QString()} + kit::spokenLanguages();
    ASSERT_GE(languages.size(), 3);
    for (const QString& language : languages) {
        kit::useLanguage(language);
        ASSERT_EQ(kit::currentLanguage(), language);
        for (const Form& form : AllForms()) {
            SCOPED_TRACE(QStringLiteral("%1 in \"%2\"").arg(form.name, language).toStdString());
            const std::unique_ptr<QWidget> window = form.create();
            EXPECT_EQ(OverflowingTexts(*window).join(QLatin1Char('\n')).toStdString(), "");
            if (!language.isEmpty()) {
                EXPECT_EQ(AcceleratorClashes(*window).join(QLatin1Char('\n')).toStdString(), "");
            }
        }
    }
    kit::useLanguage({});
}

}  // namespace
}  // namespace fallpack::testing
