#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

namespace kit {

// The ground of every form and of the menu bars above them.
QColor formSilver();

// The forms were laid out for a small, narrow system font of 8 points, and their
// texts fill their controls almost exactly. A wide font of the same size would
// cut them off, so the windows use the first narrow sans-serif font installed,
// at 10 pixels, about the size that font had on the screens of its time.
QFont formFont();

// The colours of the forms, whatever the desktop's theme: silver ground and
// buttons, black text, white fields, a navy selection. Disabled text is a dark
// grey: readable on silver (better than 3:1) and still plainly lighter than the
// black of enabled text, so a disabled menu title neither vanishes nor passes
// for an enabled one.
QPalette formPalette();

// Dresses a window in the house style: the form palette on a filled ground and
// the form font, for the window and everything in it. Drop-down menus are
// windows of their own and would not inherit them, so a window's menus are
// dressed too.
void useFormStyle(QWidget& window);

}  // namespace kit
