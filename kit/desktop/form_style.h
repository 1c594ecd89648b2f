#pragma once

#include <QFont>

class QWidget;

namespace kit {

// The forms were laid out for a small, narrow system font of 8 points, and their
// texts fill their controls almost exactly. A wide font of the same size would
// cut them off, so the windows use the first narrow sans-serif font installed,
// at 10 pixels, about the size that font had on the screens of its time.
QFont formFont();

// A silver form ground (and silver buttons), whatever the desktop's theme.
void useSilverForm(QWidget& form);

}  // namespace kit
