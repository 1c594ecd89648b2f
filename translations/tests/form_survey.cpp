#include "translations/tests/form_survey.h"

#include <QAbstractButton>
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
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>

#include "kit/desktop/menu_lock.h"

namespace fallpack::testing {
namespace {

QString describe(const QObject* object, const QString& text) {
    return object->objectName() + QStringLiteral(": ") + text;
}

QString mnemonic(const QString& text) {
    return QKeySequence::mnemonic(text).toString();
}

// The menu items whose caption changes while the program runs, with the
// captions they take during a game or a demonstration.
QMap<QString, QString> runningCaptions() {
    return {
        {QStringLiteral("New1"), kit::newItemText(true)},
        {QStringLiteral("New2"), kit::newItemText(true)},
        {QStringLiteral("Demo1"), QCoreApplication::translate("briko::TBrikoMainWindow", "&Stop")}};
}

// Runs `check` on the window as created, and again with each of its changing
// menu items as it reads while a game or a demonstration runs.
void inEveryMenuState(QWidget& window, const std::function<void()>& check) {
    check();
    const QMap<QString, QString> running = runningCaptions();
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
    for (; widget != nullptr; widget = widget->parentWidget()) {
        const QWidget* parent = widget->parentWidget();
        if (qobject_cast<const QStackedWidget*>(parent) &&
            qobject_cast<const QTabWidget*>(parent->parentWidget()))
            return widget;
    }
    return nullptr;
}

void addClashes(const QList<QPair<QString, const QObject*>>& items, const QString& where,
                QStringList& clashes) {
    QMap<QString, QString> seen;
    for (const auto& [text, owner] : items) {
        const QString key = mnemonic(text);
        if (key.isEmpty())
            continue;
        if (seen.contains(key))
            clashes << QStringLiteral("%1: %2 and %3 share %4").arg(where, seen[key], text, key);
        seen[key] = text;
    }
}

void overflowsOfMenuBar(QMenuBar& bar, QStringList& overflows) {
    const QList<QAction*> actions = bar.actions();
    if (actions.isEmpty())
        return;
    const int row = bar.actionGeometry(actions.first()).top();
    for (QAction* action : actions) {
        const QRect place = bar.actionGeometry(action);
        if (place.top() != row || place.right() >= bar.width())
            overflows << describe(&bar, action->text()) + QStringLiteral(" leaves the first row");
    }
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

QStringList FormTexts(QWidget& window) {
    QStringList texts{describe(&window, window.windowTitle())};
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (!label->text().isEmpty())
            texts << describe(label, label->text());
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        texts << describe(button, button->text());
    for (const QGroupBox* box : window.findChildren<QGroupBox*>())
        texts << describe(box, box->title());
    for (const QTabWidget* tabs : window.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            texts << describe(tabs->widget(i), tabs->tabText(i));
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        texts << describe(menu, menu->title());
        for (const QAction* item : menu->actions())
            if (!item->isSeparator())
                texts << describe(item, item->text());
    }
    for (const QAction* action : window.actions())
        texts << describe(action, action->text());
    texts.removeDuplicates();
    texts.sort();
    return texts;
}

QStringList OverflowingTexts(QWidget& window) {
    if (window.layout() != nullptr)
        window.layout()->activate();
    QStringList overflows;
    const auto check = [&](const QWidget* control, const QString& text, QSize needed) {
        if (needed.width() > control->width() || needed.height() > control->height())
            overflows << QStringLiteral("%1 needs %2 x %3, has %4 x %5")
                             .arg(describe(control, text))
                             .arg(needed.width())
                             .arg(needed.height())
                             .arg(control->width())
                             .arg(control->height());
    };
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (!label->text().isEmpty())
            check(label, label->text(), label->sizeHint());
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (qobject_cast<const QPushButton*>(button)) {
            // The text and the button's margin and frame, as the style lays it out.
            const QStyle* style = button->style();
            const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
            const int frame = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                              2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
            check(button, button->text(), text + QSize(frame, frame));
        } else if (!button->text().isEmpty()) {
            // The text beside the indicator, in the room the style leaves it.
            QStyleOptionButton option;
            option.initFrom(button);
            const QStyle::SubElement contents = qobject_cast<const QCheckBox*>(button)
                                                    ? QStyle::SE_CheckBoxContents
                                                    : QStyle::SE_RadioButtonContents;
            const int room = button->style()->subElementRect(contents, &option, button).width();
            const int text =
                button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
            check(button, button->text(), QSize(button->width() - room + text, 0));
        }
    }
    for (const QGroupBox* box : window.findChildren<QGroupBox*>())
        check(box, box->title(), QSize(box->minimumSizeHint().width(), 0));
    for (const QTabWidget* tabs : window.findChildren<QTabWidget*>())
        check(tabs, QStringLiteral("tabs"), QSize(tabs->tabBar()->sizeHint().width(), 0));
    inEveryMenuState(window, [&] {
        for (QMenuBar* bar : window.findChildren<QMenuBar*>())
            overflowsOfMenuBar(*bar, overflows);
    });
    overflows.removeDuplicates();
    return overflows;
}

QStringList AcceleratorClashes(QWidget& window) {
    QStringList clashes;
    inEveryMenuState(window, [&] {
        for (const QMenuBar* bar : window.findChildren<QMenuBar*>()) {
            QList<QPair<QString, const QObject*>> items;
            for (const QAction* action : bar->actions())
                items.append({action->text(), action});
            addClashes(items, QStringLiteral("menu bar"), clashes);
        }
        for (const QMenu* menu : window.findChildren<QMenu*>()) {
            QList<QPair<QString, const QObject*>> items;
            for (const QAction* action : menu->actions())
                items.append({action->text(), action});
            addClashes(items, menu->title(), clashes);
        }
    });

    // The controls: those outside any page are always there; each page adds its own.
    QList<QPair<QString, const QObject*>> always;
    QMap<const QWidget*, QList<QPair<QString, const QObject*>>> pages;
    const auto add = [&](const QWidget* control, const QString& text) {
        if (const QWidget* page = pageOf(control))
            pages[page].append({text, control});
        else
            always.append({text, control});
    };
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        add(button, button->text());
    for (const QGroupBox* box : window.findChildren<QGroupBox*>())
        add(box, box->title());
    for (const QTabWidget* tabs : window.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            always.append({tabs->tabText(i), tabs});
    addClashes(always, window.objectName(), clashes);
    for (auto page = pages.cbegin(); page != pages.cend(); ++page)
        addClashes(always + page.value(), page.key()->objectName(), clashes);
    clashes.removeDuplicates();
    return clashes;
}

}  // namespace fallpack::testing
