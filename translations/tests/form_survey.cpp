#include "translations/tests/form_survey.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>

#include "kit/desktop/menu_lock.h"

namespace fallpack::testing {
namespace {

// Runs `check` on the window as created, and again with each menu item whose
// caption changes as it reads during a game (New) or a demonstration (Demo).
void inEveryMenuState(QWidget& window, const std::function<void()>& check) {
    const QMap<QString, QString> running{
        {QStringLiteral("New1"), kit::newItemText(true)},
        {QStringLiteral("New2"), kit::newItemText(true)},
        {QStringLiteral("Demo1"), QCoreApplication::translate("briko::TBrikoMainWindow", "&Stop")}};
    check();
    for (QAction* action : window.findChildren<QAction*>()) {
        if (!running.contains(action->objectName()))
            continue;
        const QString idle = action->text();
        action->setText(running[action->objectName()]);
        check();
        action->setText(idle);
    }
}

// The page of a page control that holds `widget`, or none.
const QWidget* pageOf(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget())
        if (qobject_cast<const QStackedWidget*>(widget->parentWidget()))
            return widget;
    return nullptr;
}

void addClashes(const QStringList& texts, const QString& where, QStringList& clashes) {
    QMap<QString, QString> seen;
    for (const QString& text : texts) {
        const QString key = QKeySequence::mnemonic(text).toString();
        if (!key.isEmpty() && seen.contains(key))
            clashes << QStringLiteral("%1: %2 and %3 share %4").arg(where, seen[key], text, key);
        seen[key] = text;
    }
}

QStringList actionTexts(const QWidget& owner) {
    QStringList texts;
    for (const QAction* action : owner.actions())
        texts << action->text();
    return texts;
}

}  // namespace

const std::vector<Form>& AllForms() {
    static const std::vector<Form> forms = [] {
        std::vector<Form> all;
        for (const std::vector<Form>& game : {OrchardForms(), BrikoForms(), PilloraForms()})
            all.insert(all.end(), game.begin(), game.end());
        return all;
    }();
    return forms;
}

QStringList OverflowingTexts(QWidget& window) {
    if (window.layout() != nullptr)
        window.layout()->activate();
    QStringList overflows;
    const auto check = [&](const QWidget* control, const QString& text, QSize needed) {
        if (needed.width() > control->width() || needed.height() > control->height())
            overflows << QStringLiteral("%1: %2 needs %3 x %4, has %5 x %6")
                             .arg(control->objectName(), text)
                             .arg(needed.width())
                             .arg(needed.height())
                             .arg(control->width())
                             .arg(control->height());
    };
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (!label->text().isEmpty())
            check(label, label->text(), label->sizeHint());
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        const QStyle* style = button->style();
        if (qobject_cast<const QPushButton*>(button)) {
            // The text with the button's margin and frame, as the style lays it out.
            const int frame = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                              2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
            check(button, button->text(), text + QSize(frame, frame));
        } else if (!button->text().isEmpty()) {
            // The text in the room the style leaves it beside the indicator.
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect room = style->subElementRect(qobject_cast<const QCheckBox*>(button)
                                                         ? QStyle::SE_CheckBoxContents
                                                         : QStyle::SE_RadioButtonContents,
                                                     &option, button);
            check(button, button->text(), QSize(button->width() - room.width() + text.width(), 0));
        }
    }
    for (const QGroupBox* box : window.findChildren<QGroupBox*>())
        check(box, box->title(), QSize(box->minimumSizeHint().width(), 0));
    for (const QTabWidget* tabs : window.findChildren<QTabWidget*>())
        check(tabs, QStringLiteral("tabs"), QSize(tabs->tabBar()->sizeHint().width(), 0));
    inEveryMenuState(window, [&] {
        for (const QMenuBar* bar : window.findChildren<QMenuBar*>())
            for (QAction* action : bar->actions())
                if (bar->actionGeometry(action).top() !=
                        bar->actionGeometry(bar->actions()[0]).top() ||
                    bar->actionGeometry(action).right() >= bar->width())
                    overflows << action->text() + QStringLiteral(" leaves the menu bar's row");
    });
    overflows.removeDuplicates();
    return overflows;
}

QStringList AcceleratorClashes(QWidget& window) {
    QStringList clashes;
    inEveryMenuState(window, [&] {
        for (const QMenuBar* bar : window.findChildren<QMenuBar*>())
            addClashes(actionTexts(*bar), QStringLiteral("menu bar"), clashes);
        for (const QMenu* menu : window.findChildren<QMenu*>())
            addClashes(actionTexts(*menu), menu->title(), clashes);
    });
    // The controls outside the pages of a page control are always there; each
    // page adds its own.
    QStringList always;
    QMap<const QWidget*, QStringList> pages;
    const auto add = [&](const QWidget* control, const QString& text) {
        const QWidget* page = pageOf(control);
        (page != nullptr ? pages[page] : always) << text;
    };
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        add(button, button->text());
    for (const QGroupBox* box : window.findChildren<QGroupBox*>())
        add(box, box->title());
    for (const QTabWidget* tabs : window.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            always << tabs->tabText(i);
    addClashes(always, window.objectName(), clashes);
    for (auto page = pages.cbegin(); page != pages.cend(); ++page)
        addClashes(always + page.value(), page.key()->objectName(), clashes);
    clashes.removeDuplicates();
    return clashes;
}

}  // namespace fallpack::testing
