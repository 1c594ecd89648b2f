// A program on a French desktop: this test runs with LANG=fr_FR.UTF-8 and
// LANGUAGE, LC_ALL and LC_MESSAGES unset.
#include <QCoreApplication>
#include <QMenuBar>

#include <gtest/gtest.h>

#include "kit/desktop/language.h"
#include "kit/testing/window_testing.h"
#include "orchard/windows/main_window.h"
#include "orchard/windows/options_window.h"

namespace fallpack::testing {
namespace {

QString menuTexts(const QMenuBar& bar) {
    QStringList texts;
    for (const QAction* action : bar.actions()) {
        texts << action->text();
        if (const QMenu* menu = action->menu())
            for (const QAction* item : menu->actions())
                if (!item->isSeparator())
                    texts << QStringLiteral("  ") + item->text();
    }
    return texts.join(QLatin1Char('|'));
}

TEST(FrenchDesktop, MenusMessagesAndOptionsReadInFrench) {
    ASSERT_EQ(kit::usePlayerLanguage(), QStringLiteral("fr"));
    kit::testing::MessageLog messages(kit::MessageAnswer::No);

    orchard::TTOrchardMainWindow window;
    const Ui::TOrchardMainWindow& form = window.Form();
    EXPECT_EQ(menuTexts(*form.MainMenu1),
              "&Jeu|  &Meilleurs scores|  &Options|  &Quitter|&Nouveau|&Pause|&?|  &Sommaire|"
              "  À &propos");
    EXPECT_EQ(form.Label1->text(), "Score actuel");

    // A game, and the question before it is aborted.
    form.New1->trigger();
    EXPECT_EQ(form.New1->text(), "&Abandonner");
    form.New1->trigger();
    ASSERT_EQ(messages.Requests().size(), 1u);
    EXPECT_EQ(messages.Requests()[0].caption, "Abandonner la partie ?");
    EXPECT_EQ(messages.Requests()[0].text, "Vraiment ?");
    // Qt's own buttons of that box.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Oui");

    orchard::TTOrchardOptionWindow options;
    const Ui::TOrchardOptionWindow& page = options.Form();
    EXPECT_EQ(options.windowTitle(), "Options");
    EXPECT_EQ(page.PageControl1->tabText(0), "B&locs");
    EXPECT_EQ(page.PageControl1->tabText(1), "&Son");
    EXPECT_EQ(page.CheckBox3->text(), "Bloc &joker actif");
    EXPECT_EQ(page.Label1->text(), "Fruits à aligner");
    EXPECT_EQ(page.Button2->text(), "A&nnuler");
    kit::OrchardSettings settings;
    options.BindOptions(settings);
    page.SpinEdit1->setValue(9);
    page.Button1->click();
    ASSERT_EQ(messages.Requests().size(), 2u);
    EXPECT_EQ(messages.Requests()[1].text, "Valeurs incorrectes !!!");
    EXPECT_EQ(messages.Requests()[1].caption, "Erreur !");

    EXPECT_EQ(kit::localizedResource(QStringLiteral(":/orchard/help/index.html")),
              ":/orchard/help/index_fr.html");
}

}  // namespace
}  // namespace fallpack::testing
