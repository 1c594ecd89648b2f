#pragma once

#include <QColor>

class QAction;
class QMenuBar;
class QWidget;

namespace kit::testing {

// The contrast ratio of two colours as the accessibility guidelines define it:
// 1 for the same colour, 21 for black on white.
double ContrastRatio(const QColor& a, const QColor& b);

// What a menu title looks like on a grab of its bar: the bar's ground (the
// colour that covers most of the title's cell) and the title's ink (the pixel
// that differs most from the ground).
struct MenuTitleLook {
    QColor ground;
    QColor ink;
};
MenuTitleLook LookOfMenuTitle(QMenuBar& bar, QAction* title);

// Fails the test unless `window` wears the house style: a silver ground and the
// form font.
void ExpectFormStyle(const QWidget& window);

// Fails the test unless the title `disabled` is drawn as disabled yet readable:
// at least 3:1 against the bar, and plainly lighter than the enabled `enabled`.
void ExpectGreyedButReadable(QMenuBar& bar, QAction* disabled, QAction* enabled);

}  // namespace kit::testing
