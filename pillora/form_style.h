#pragma once

#include <QIcon>

class QWidget;

namespace pillora {

// Pillora's windows stand on a silver ground, whatever the desktop's theme.
void useSilverForm(QWidget& form);

// Draws the options' sliders in the top of their frames, with the ticks just
// under the handle, so that each slider's ticks stay beside its own label
// although the frames of the two sliders overlap.
void useCompactSliders(QWidget& form);

// The program's icon ("MainIcon"), in all the sizes it is drawn in.
QIcon pilloraIcon();

}  // namespace pillora
