#pragma once

class QAction;
class QMenuBar;
class QWidget;

namespace kit::testing {

// Fails the test unless `window` wears the house style: a silver ground and the
// form font.
void ExpectFormStyle(const QWidget& window);

// Fails the test unless the title `disabled` is drawn as disabled yet readable:
// at least 3:1 against the bar, and plainly lighter than the enabled `enabled`.
void ExpectGreyedButReadable(QMenuBar& bar, QAction* disabled, QAction* enabled);

}  // namespace kit::testing
