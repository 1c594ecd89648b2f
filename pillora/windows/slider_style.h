#pragma once

class QWidget;

namespace pillora {

// Draws the options' sliders in the top of their frames, with the ticks just
// under the handle, so that each slider's ticks stay beside its own label
// although the frames of the two sliders overlap.
void useCompactSliders(QWidget& form);

}  // namespace pillora
