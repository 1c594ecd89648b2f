#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace fallpack::testing {

// Every window and dialog of the three programs, the high-score windows
// included, created as the programs create them, in the language in use.
struct Form {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> create;
};
const std::vector<Form>& AllForms();
// Each game's, in a file of its own (the games' forms share names).
std::vector<Form> OrchardForms();
std::vector<Form> BrikoForms();
std::vector<Form> PilloraForms();

template <class Window>
Form MakeForm(const char* name) {
    return {name, [] { return std::unique_ptr<QWidget>(std::make_unique<Window>()); }};
}

// The controls whose text needs more room than the form gives them: labels,
// check boxes, radio buttons and push buttons, group titles, the tabs of a page
// control, and the menu bar's items, which must stand in one row. The main
// windows are checked with their New and Demo items as they read during a game
// and a demonstration too.
QStringList OverflowingTexts(QWidget& window);

// Two accelerators on one letter: among the items of the menu bar, of each
// menu, and among the controls that can be reached at one time (those outside
// the pages of a page control with those of each page).
QStringList AcceleratorClashes(QWidget& window);

}  // namespace fallpack::testing
